#include "core/UserDataFolder.h"

#include <cstdlib>

namespace slotsmith {

namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

std::string userDataFolder() {
#if defined(_WIN32)
  std::string base = environment("LOCALAPPDATA");
  if (base.empty()) base = environment("APPDATA");
  if (base.empty()) return {};
  return base + "/Slotsmith";
#elif defined(__APPLE__)
  const std::string home = environment("HOME");
  if (home.empty()) return {};
  return home + "/Library/Application Support/Slotsmith";
#else
  // The XDG rules ignore a relative XDG_DATA_HOME.
  std::string base = environment("XDG_DATA_HOME");
  if (base.empty() || base.front() != '/') {
    const std::string home = environment("HOME");
    if (home.empty()) return {};
    base = home + "/.local/share";
  }
  return base + "/slotsmith";
#endif
}

}  // namespace slotsmith
