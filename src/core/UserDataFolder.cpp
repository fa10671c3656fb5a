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

std::string userHomeFolder() {
#if defined(_WIN32)
  return environment("USERPROFILE");
#else
  return environment("HOME");
#endif
}

std::string withHomeExpanded(const std::string& path) {
  const bool homeAlone = path == "~";
  const bool belowHome = path.size() > 1 && path[0] == '~' && (path[1] == '/' || path[1] == '\\');
  if (!homeAlone && !belowHome) return path;
  const std::string home = userHomeFolder();
  return home.empty() ? path : home + path.substr(1);
}

}  // namespace slotsmith
