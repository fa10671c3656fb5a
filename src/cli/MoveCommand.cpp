#include "cli/BlockEditCommand.h"

namespace slotsmith::cli {
namespace {

class MoveCommand : public BlockEditCommand {
 public:
  void configure(CLI::App& app) override {
    configureBlockEdit(
        app, "move",
        userText(USER_TEXT("cli move",
                           "Take SLOTS out and insert them as one block starting at slot --to. "
                           "Slots taken from below --to are left empty there; from --to on, the "
                           "other slots close up over the ones taken out, then move up by the "
                           "block's size to make room for it, so each ends up as many slots higher "
                           "as the block took from below --to (past 999: into overflow folders). "
                           "Models: references follow")));
  }

  int run(Console& console) override {
    return runRequest(console, MoveRequest{bank(), slots_, destination_});
  }
};

}  // namespace

std::unique_ptr<Command> makeMoveCommand() {
  return std::make_unique<MoveCommand>();
}

}  // namespace slotsmith::cli
