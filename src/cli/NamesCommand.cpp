#include <ostream>

#include "cli/Commands.h"

namespace slotsmith::cli {
namespace {

class NamesCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(app, "names",
                  userText(USER_TEXT(
                      "cli names",
                      "Write the name lists SoundNames and ModelNames (1000 lines each) into DB")));
    addDatabaseArgument();
  }

  int run(Console& console) override {
    const auto opened = openDatabase(console, false);
    if (!opened) return kExitRefused;
    // Written as an edit: locked, journaled, undoable.
    const EditOutcome outcome = runInterruptibleEdit(*opened, NamesExportRequest{}, console);
    if (!outcome.isDone()) {
      console.err << userText(USER_TEXT("cli names", "File update failed: {reason}"),
                              {{"reason", outcome.message}})
                  << '\n';
      return kExitRefused;
    }
    console.out
        << userText(USER_TEXT(
               "cli names",
               "File update complete: The new 'SoundNames' and 'ModelNames' files were created."))
        << '\n';
    return kExitDone;
  }
};

}  // namespace

std::unique_ptr<Command> makeNamesCommand() {
  return std::make_unique<NamesCommand>();
}

}  // namespace slotsmith::cli
