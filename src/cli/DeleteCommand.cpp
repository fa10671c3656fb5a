// `delete` and `remove`: the two confirming answers of the desktop's "Delete/remove selected"
// alert. Delete leaves the slots empty; remove closes the gaps (for models, references to a
// removed model become -1 and the others follow their models).
#include <ostream>

#include "cli/Commands.h"

namespace slotsmith::cli {
namespace {

class DeleteCommand : public Command {
 public:
  DeleteCommand(std::string name, Removal removal, TextTemplate help)
      : name_(std::move(name)), removal_(removal), help_(help) {}

  void configure(CLI::App& app) override {
    addSubcommand(app, name_, userText(help_));
    addDatabaseArgument();
    addBankArgument();
    addSlotsArgument("SLOTS", slots_, userText(USER_TEXT("cli", "The slots: 3, 3,5 or 5-7,9")));
    addYesOption();
    addDryRunOption();
  }

  int run(Console& console) override {
    return runRequest(console, DeleteRequest{bank(), slots_, removal_});
  }

 private:
  std::string name_;
  Removal removal_;
  TextTemplate help_;
  std::vector<int> slots_;
};

}  // namespace

std::unique_ptr<Command> makeDeleteCommand() {
  return std::make_unique<DeleteCommand>("delete", Removal::Delete,
                                         USER_TEXT("cli delete",
                                                   "Delete SLOTS; their slots stay empty (the "
                                                   "alert's \"Delete\" answer)"));
}

std::unique_ptr<Command> makeRemoveCommand() {
  return std::make_unique<DeleteCommand>("remove", Removal::Remove,
                                         USER_TEXT("cli remove",
                                                   "Remove SLOTS; every later slot moves up to "
                                                   "close the gaps (the alert's \"Remove\" "
                                                   "answer)"));
}

}  // namespace slotsmith::cli
