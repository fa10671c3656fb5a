// The command line in the user's language: the catalogue of the first language the environment
// asks for that the program carries (LANGUAGE, LC_ALL, LC_MESSAGES, LANG; C is English), built
// from the same translation files as the desktop's. What scripts read never changes with it: the
// lists, --json, the names files and the exit codes are made without it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace slotsmith::cli {

struct EmbeddedCatalogue {
  std::string_view language;  // "de"
  std::string_view bytes;     // the compiled catalogue
};

// The catalogues built into the program (none where the build had no translation tools).
std::vector<EmbeddedCatalogue> embeddedCatalogues();

// Sets the engine's translator to the catalogue of the first wanted language there is one for;
// returns that language, or "en".
std::string speakUsersLanguage();

}  // namespace slotsmith::cli
