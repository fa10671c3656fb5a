// `library export`, `library import` and `library rebuild`: the user's own data about sounds
// taken out of the library as a file, merged back from one (src/library/UserDataFile.h), and
// kept while the library is made again from its sources (src/library/Rebuild.h).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

#include "cli/Commands.h"
#include "cli/library/LibraryCommand.h"
#include "library/LibraryFile.h"
#include "library/Rebuild.h"
#include "library/UserData.h"
#include "library/UserDataFile.h"

namespace slotsmith::cli {
namespace {

constexpr TextTemplate kSounds = USER_TEXT_N("Counts", "{n} sound(s)");
constexpr TextTemplate kTags = USER_TEXT_N("Counts", "{n} tag(s)");
constexpr TextTemplate kRules = USER_TEXT_N("Counts", "{n} rule(s)");
constexpr TextTemplate kLists = USER_TEXT_N("Counts", "{n} list(s)");
constexpr TextTemplate kSources = USER_TEXT_N("Counts", "{n} source(s)");

std::string counted(const TextTemplate& text, std::int64_t count) {
  return userText(text, {}, count);
}

std::string counted(const TextTemplate& text, std::size_t count) {
  return counted(text, static_cast<std::int64_t>(count));
}

// What an export holds, counted, as the arguments of the command's answer.
std::string summaryOf(const TextTemplate& text, const UserDataSnapshot& snapshot,
                      const std::string& file) {
  std::size_t tags = 0;
  for (const auto& [id, sound] : snapshot.sounds)
    tags += sound.tags.size();
  return userText(text, {{"sounds", counted(kSounds, snapshot.sounds.size())},
                         {"tags", counted(kTags, tags)},
                         {"rules", counted(kRules, snapshot.rules.size())},
                         {"lists", counted(kLists, snapshot.lists.size())},
                         {"file", file}});
}

class LibraryExportCommand : public LibraryCommand {
 public:
  void configure(CLI::App& app) override {
    addLibrarySubcommand(
        app, "export",
        userText(USER_TEXT("cli library export",
                           "Write your tags, favourites, hidden flags, notes, rules and lists to "
                           "FILE as JSON: the data the sources cannot give back. Keep it as your "
                           "backup; `library import` merges it back")));
    subcommand()
        ->add_option(
            "FILE", file_,
            userText(USER_TEXT("cli library export", "The file to write (replaced whole)")))
        ->required();
  }

  int run(Console& console) override {
    const std::unique_ptr<Library> library = openLibrary(console);
    if (!library) return kExitRefused;
    UserDataSnapshot snapshot;
    UserDataReading reading;
    readUserData(library->connection(), snapshot, reading);
    Status status = reading.firstFailure;
    if (status.isOk()) status = writeUserDataFile(file_, snapshot);
    if (!status.isOk()) {
      console.err << status.message() << '\n';
      return kExitRefused;
    }
    console.out << summaryOf(USER_TEXT("cli library export",
                                       "Wrote {sounds}, {tags}, {rules}, {lists} to {file}."),
                             snapshot, file_)
                << '\n';
    return kExitDone;
  }

 private:
  std::string file_;
};

class LibraryImportCommand : public LibraryCommand {
 public:
  void configure(CLI::App& app) override {
    addLibrarySubcommand(
        app, "import",
        userText(USER_TEXT("cli library import",
                           "Merge a file `library export` wrote into the library: tags are "
                           "united, flags set on either side stay set, a note that differs is "
                           "added below yours, lists and rules are merged by name. A file that "
                           "is not all good changes nothing")));
    subcommand()
        ->add_option("FILE", file_,
                     userText(USER_TEXT("cli library import", "A file `library export` wrote")))
        ->required();
  }

  int run(Console& console) override {
    UserDataSnapshot snapshot;
    if (Status read = readUserDataFile(file_, snapshot); !read.isOk()) {
      console.err << read.message() << '\n';
      return kExitRefused;
    }
    const std::unique_ptr<Library> library = openLibrary(console);
    if (!library) return kExitRefused;
    if (Status merged = mergeUserData(library->connection(), snapshot); !merged.isOk()) {
      console.err << merged.message() << '\n';
      return kExitRefused;
    }
    console.out << summaryOf(USER_TEXT("cli library import",
                                       "Merged {sounds}, {tags}, {rules}, {lists} from {file}."),
                             snapshot, file_)
                << '\n';
    return kExitDone;
  }

 private:
  std::string file_;
};

class LibraryRebuildCommand : public LibraryCommand {
 public:
  void configure(CLI::App& app) override {
    addLibrarySubcommand(
        app, "rebuild",
        userText(USER_TEXT("cli library rebuild",
                           "Make the library again from its sources, keeping your tags, "
                           "favourites, notes, rules and lists. A damaged library file is set "
                           "aside (FILE.damaged-TIME) and its data salvaged as far as it can be "
                           "read")));
  }

  int run(Console& console) override {
    const std::string path = libraryFile().empty() ? libraryPath() : libraryFile();
    RebuildOutcome outcome;
    if (Status rebuilt = rebuildLibrary(path, outcome); !rebuilt.isOk()) {
      console.err << rebuilt.message() << '\n';
      return kExitRefused;
    }
    if (outcome.damaged) {
      console.out << userText(
                         USER_TEXT("cli library rebuild", "The damaged library is now {path}."),
                         {{"path", outcome.setAside}})
                  << '\n';
      if (!outcome.salvage.firstFailure.isOk()) {
        console.err << userText(USER_TEXT("cli library rebuild",
                                          "Some of your data could not be read from it; `library "
                                          "import` puts back what an export of yours holds."))
                    << '\n';
      }
    }
    console.out << userText(USER_TEXT("cli library rebuild",
                                      "Kept your data about {sounds} ({tags}), {rules} and "
                                      "{lists}; reading {sources} again."),
                            {{"sounds", counted(kSounds, outcome.sounds)},
                             {"tags", counted(kTags, outcome.tags)},
                             {"rules", counted(kRules, outcome.rules)},
                             {"lists", counted(kLists, outcome.lists)},
                             {"sources", counted(kSources, outcome.sources)}})
                << '\n';
    std::unique_ptr<Library> library;
    if (Status opened = Library::open(path, library); !opened.isOk()) {
      console.err << opened.message() << '\n';
      return kExitRefused;
    }
    return reportRefresh(*library, outcome.refreshed, console) ? kExitDone : kExitRefused;
  }
};

}  // namespace

std::unique_ptr<Command> makeLibraryExportCommand() {
  return std::make_unique<LibraryExportCommand>();
}
std::unique_ptr<Command> makeLibraryImportCommand() {
  return std::make_unique<LibraryImportCommand>();
}
std::unique_ptr<Command> makeLibraryRebuildCommand() {
  return std::make_unique<LibraryRebuildCommand>();
}

}  // namespace slotsmith::cli
