// `library add`, `library remove`, `library sources` and `library refresh`: the sources of the
// user's sound library (src/library/Library.h), which records every sound of every source and
// where each one lies. Every library command takes --library FILE to use another library file.
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/TextCell.h"
#include "cli/library/LibraryCommand.h"
#include "library/Library.h"
#include "library/Search.h"

namespace slotsmith::cli {
namespace {

class LibraryAddCommand : public LibraryCommand {
 public:
  void configure(CLI::App& app) override {
    addLibrarySubcommand(
        app, "add",
        userText(USER_TEXT("cli library add",
                           "Add database folders, sound packs and backups to the library and read "
                           "them")));
    subcommand()
        ->add_option(
            "PATH", paths_,
            userText(USER_TEXT("cli library add",
                               "A database folder, a sound pack (.zip) or a backup (.tar.zst)")))
        ->required();
  }

  int run(Console& console) override {
    const std::unique_ptr<Library> library = openLibrary(console);
    if (!library) return kExitRefused;
    std::vector<RefreshOutcome> outcomes;
    for (const std::string& path : paths_)
      outcomes.push_back(library->addSource(path));
    return reportRefresh(*library, outcomes, console) ? kExitDone : kExitRefused;
  }

 private:
  std::vector<std::string> paths_;
};

class LibraryRemoveCommand : public LibraryCommand {
 public:
  void configure(CLI::App& app) override {
    addLibrarySubcommand(
        app, "remove",
        userText(USER_TEXT("cli library remove",
                           "Forget a source and where its sounds lie (your tags, favourites and "
                           "notes stay)")));
    subcommand()
        ->add_option("PATH", path_,
                     userText(USER_TEXT("cli library remove", "A source of the library")))
        ->required();
  }

  int run(Console& console) override {
    const std::unique_ptr<Library> library = openLibrary(console);
    if (!library) return kExitRefused;
    if (Status removed = library->removeSource(path_); !removed.isOk()) {
      console.err << removed.message() << '\n';
      return kExitRefused;
    }
    console.out << userText(USER_TEXT("cli library remove", "Removed {path} from the library."),
                            {{"path", sourcePathOf(path_)}})
                << '\n';
    return kExitDone;
  }

 private:
  std::string path_;
};

class LibrarySourcesCommand : public LibraryCommand {
 public:
  void configure(CLI::App& app) override {
    addLibrarySubcommand(
        app, "sources",
        userText(USER_TEXT("cli library sources",
                           "Print the library's sources: "
                           "state<TAB>kind<TAB>sounds<TAB>models<TAB>last read<TAB>path<TAB>reason"
                           "<TAB>sounds at risk<TAB>models at risk (see `library at-risk`)")));
    subcommand()->add_flag(
        "--json", json_,
        userText(USER_TEXT("cli library sources", "Print a JSON array of objects instead")));
  }

  int run(Console& console) override {
    const std::unique_ptr<Library> library = openLibrary(console);
    if (!library) return kExitRefused;
    std::vector<SourceRecord> records;
    std::map<std::string, SourceRisk> risks;
    // One snapshot, so that the counts agree with each other while a refresh commits.
    SqliteSnapshot snapshot(library->connection());
    Status listed = snapshot.began();
    if (listed.isOk()) listed = library->sources(records);
    if (listed.isOk()) listed = countAtRiskBySource(library->connection(), risks);
    if (!listed.isOk()) {
      console.err << listed.message() << '\n';
      return kExitRefused;
    }
    if (json_) console.out << "[\n";
    for (std::size_t i = 0; i < records.size(); ++i) {
      const SourceRecord& record = records[i];
      const std::string lastRead = record.lastRead ? utcText(*record.lastRead) : std::string();
      const SourceRisk risk = risks[record.path];
      if (!json_) {
        console.out << sourceStateName(record.state) << '\t' << sourceKindName(record.kind) << '\t'
                    << record.sounds << '\t' << record.models << '\t'
                    << (lastRead.empty() ? "-" : lastRead) << '\t' << textCell(record.path) << '\t'
                    << textCell(record.reason) << '\t' << risk.sounds << '\t' << risk.models
                    << '\n';
        continue;
      }
      console.out << "  {\"kind\": \"" << sourceKindName(record.kind) << "\", \"path\": ";
      writeJsonText(console.out, record.path);
      console.out << ", \"state\": \"" << sourceStateName(record.state) << "\", \"reason\": ";
      writeJsonText(console.out, record.reason);
      console.out << ", \"sounds\": " << record.sounds << ", \"models\": " << record.models
                  << ", \"lastRead\": ";
      if (lastRead.empty()) {
        console.out << "null";
      } else {
        writeJsonText(console.out, lastRead);
      }
      console.out << ", \"atRiskSounds\": " << risk.sounds << ", \"atRiskModels\": " << risk.models;
      console.out << '}' << (i + 1 < records.size() ? ",\n" : "\n");
    }
    if (json_) console.out << "]\n";
    return kExitDone;
  }

 private:
  bool json_ = false;
};

class LibraryRefreshCommand : public LibraryCommand {
 public:
  void configure(CLI::App& app) override {
    addLibrarySubcommand(
        app, "refresh",
        userText(
            USER_TEXT("cli library refresh",
                      "Read again what changed in the library's sources (every one, or those "
                      "given): a database's changed slots, an archive whose bytes changed; one "
                      "that cannot be reached keeps its places, marked missing")));
    subcommand()->add_option("PATH", paths_,
                             userText(USER_TEXT("cli library refresh", "A source of the library")));
  }

  int run(Console& console) override {
    const std::unique_ptr<Library> library = openLibrary(console);
    if (!library) return kExitRefused;
    const std::vector<RefreshOutcome> outcomes = library->refresh(paths_);
    return reportRefresh(*library, outcomes, console) ? kExitDone : kExitRefused;
  }

 private:
  std::vector<std::string> paths_;
};

}  // namespace

std::unique_ptr<Command> makeLibraryAddCommand() {
  return std::make_unique<LibraryAddCommand>();
}
std::unique_ptr<Command> makeLibraryRemoveCommand() {
  return std::make_unique<LibraryRemoveCommand>();
}
std::unique_ptr<Command> makeLibrarySourcesCommand() {
  return std::make_unique<LibrarySourcesCommand>();
}
std::unique_ptr<Command> makeLibraryRefreshCommand() {
  return std::make_unique<LibraryRefreshCommand>();
}

}  // namespace slotsmith::cli
