#include "core/Languages.h"

#include <cstdlib>
#include <string_view>

namespace slotsmith {

namespace {

// "de_DE.UTF-8@euro" → "de_DE".
std::string languageCode(std::string_view locale) {
  return std::string(locale.substr(0, locale.find_first_of(".@")));
}

}  // namespace

std::vector<std::string> wantedLanguages(const std::function<const char*(const char*)>& variable) {
  std::string messages;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = variable(name);
    if (value != nullptr && *value != '\0') {
      messages = value;
      break;
    }
  }
  const std::string code = languageCode(messages);
  if (code.empty() || code == "C" || code == "POSIX") return {"en"};
  std::vector<std::string> wanted;
  const char* listed = variable("LANGUAGE");
  for (std::string_view rest = listed != nullptr ? listed : ""; !rest.empty();) {
    const std::size_t colon = rest.find(':');
    const std::string entry = languageCode(rest.substr(0, colon));
    if (!entry.empty()) wanted.push_back(entry);
    rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
  }
  wanted.push_back(code);
  return wanted;
}

std::vector<std::string> wantedLanguages() {
  return wantedLanguages([](const char* name) { return std::getenv(name); });
}

}  // namespace slotsmith
