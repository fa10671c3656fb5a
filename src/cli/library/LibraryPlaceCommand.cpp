// `library place NAME DB --to SLOT`: the sounds of a list, each taken from a place that holds it
// now (library/Placing.h), imported into DB as one block at SLOT in one undoable edit, with the
// models they play. Packs and backups are read whole and checked, then shown at their own paths
// beside the databases, as `import` and `restore` show them.
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Commands.h"
#include "cli/TextCell.h"
#include "cli/library/LibraryCommand.h"
#include "library/Placing.h"

namespace slotsmith::cli {
namespace {

class LibraryPlaceCommand : public LibraryCommand {
 public:
  void configure(CLI::App& app) override {
    addLibrarySubcommand(
        app, "place",
        userText(USER_TEXT("cli library place",
                           "Import the sounds of a list into a database as one block, with the "
                           "models they play, in one edit that undo reverses")));
    subcommand()
        ->add_option("NAME", list_, userText(USER_TEXT("cli library place", "The list")))
        ->required();
    addDatabaseArgument();
    addNumberOption(
        "--to", destination_,
        userText(USER_TEXT("cli library place", "The slot the block starts at (0-999)")), 0,
        kSlotCount - 1)
        ->required();
    addYesOption();
    addDryRunOption();
    subcommand()->footer(userText(
        USER_TEXT("cli library place",
                  "Each sound is taken from a place the library records that holds it now (its\n"
                  "identity read again): a database first, then a pack, then a backup. A model\n"
                  "identical to one in DB is reused; the others go to free model slots. The block\n"
                  "never pushes sounds past slot 999. A sound no place holds now, or a block that\n"
                  "does not fit, is refused before anything changes.")));
  }

  int run(Console& console) override {
    const std::unique_ptr<Library> library = openLibrary(console);
    if (!library) return kExitRefused;
    ArchiveViews archives;
    const ArchiveOpener openArchive = archives.opener();
    ListPlacing placing;
    if (Status found =
            findListPlaces(*library, list_, databasePath_, realFileSystem(), openArchive, placing);
        !found.isOk()) {
      console.err << found.message() << '\n';
      return kExitRefused;
    }
    if (!placing.unplaced.empty()) {
      // The list's name as the edit's title shows it: one line.
      const std::string title = titleOf(PlaceSoundsRequest{{}, 0, list_});
      const std::string shownList = title.substr(std::string_view("Place list ").size());
      console.err << userText(placing.unplaced.size() == 1
                                  ? USER_TEXT("cli library place",
                                              "Place list {list}: nothing was changed. No place "
                                              "holds this sound now:")
                                  : USER_TEXT("cli library place",
                                              "Place list {list}: nothing was changed. No place "
                                              "holds these sounds now:"),
                              {{"list", shownList}})
                  << '\n';
      for (const std::string& sound : placing.unplaced)
        console.err << "  " << textCell(sound) << '\n';
      return kExitRefused;
    }
    fileSystem_ = &archives.top();
    const auto opened = openDatabase(console, false);
    if (!opened) return kExitRefused;
    opened->ui.assumeYes = yes_ || dryRun_;
    const EditOutcome outcome = runInterruptibleEdit(
        *opened, PlaceSoundsRequest{placing.sounds, destination_, list_}, console);
    const int status = reportEdit(outcome, console);
    if (outcome.isDone() && !dryRun_ && !outcome.message.empty()) {
      console.out << outcome.message << '\n';
    }
    return status;
  }

 private:
  std::string list_;
  int destination_ = 0;
};

}  // namespace

std::unique_ptr<Command> makeLibraryPlaceCommand() {
  return std::make_unique<LibraryPlaceCommand>();
}

}  // namespace slotsmith::cli
