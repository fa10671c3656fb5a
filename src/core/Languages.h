// Which languages the user wants the program to speak, read from the environment as the system's
// own programs read it: LANGUAGE lists them in order, then the messages locale (LC_ALL, else
// LC_MESSAGES, else LANG) names one. A messages locale of C or POSIX is English whatever LANGUAGE
// says, so that LC_ALL=C always gives English.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace slotsmith {

// Codes as "de_DE" or "de" (no encoding, no modifier), most wanted first; {"en"} for English.
std::vector<std::string> wantedLanguages(const std::function<const char*(const char*)>& variable);
std::vector<std::string> wantedLanguages();

}  // namespace slotsmith
