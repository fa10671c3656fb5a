// `undo` and `redo`: the newest edit still in place is undone, the edit undone last is redone,
// each after a confirmation like the edit's own. Refused, changing nothing, when the database
// was changed under the edit since.
#include "cli/Commands.h"

namespace slotsmith::cli {
namespace {

class HistoryStepCommand : public Command {
 public:
  explicit HistoryStepCommand(bool undo) : undo_(undo) {}

  void configure(CLI::App& app) override {
    if (undo_) {
      addSubcommand(
          app, "undo",
          userText(USER_TEXT(
              "cli undo",
              "Undo the newest edit still in place: its slots and scripts as before it")));
    } else {
      addSubcommand(
          app, "redo",
          userText(USER_TEXT("cli redo",
                             "Redo the edit undone last: its slots and scripts as after it")));
    }
    addDatabaseArgument();
    addYesOption();
    addDryRunOption();
  }

  int run(Console& console) override {
    return undo_ ? runRequest(console, UndoRequest{}) : runRequest(console, RedoRequest{});
  }

 private:
  bool undo_;
};

}  // namespace

std::unique_ptr<Command> makeUndoCommand() {
  return std::make_unique<HistoryStepCommand>(true);
}

std::unique_ptr<Command> makeRedoCommand() {
  return std::make_unique<HistoryStepCommand>(false);
}

}  // namespace slotsmith::cli
