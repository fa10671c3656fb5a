// What every `library` subcommand shares: the `library` group they hang in, the --library option,
// opening the library file, and the text forms their output uses (times as UTC, JSON strings).
#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "library/Library.h"

namespace slotsmith::cli {

// A time as UTC, "2026-12-10T01:40:00Z".
std::string utcText(std::int64_t seconds);

// Text that is UTF-8 (paths are taken as UTF-8, a byte that is none as Latin-1) as a JSON string.
void writeJsonText(std::ostream& out, const std::string& text);

class LibraryCommand : public Command {
 protected:
  // Adds the subcommand name to the `library` group, with the --library option.
  void addLibrarySubcommand(CLI::App& app, const std::string& name, const std::string& help);
  // The same within a group of `library` (`library list create`), made when missing.
  void addLibrarySubcommand(CLI::App& app, const std::string& group, const std::string& groupHelp,
                            const std::string& name, const std::string& help);

  // The library, or none with the reason on standard error.
  std::unique_ptr<Library> openLibrary(Console& console);
  // The file --library names; empty when it names none.
  const std::string& libraryFile() const { return libraryFile_; }

  // One line for each source read: what it holds now, or why not. Returns whether every source
  // could be read or marked.
  static bool reportRefresh(Library& library, const std::vector<RefreshOutcome>& outcomes,
                            Console& console);

 private:
  void addLibraryOption();

  std::string libraryFile_;
};

}  // namespace slotsmith::cli
