#include "cli/BlockEditCommand.h"

namespace slotsmith::cli {
namespace {

class MoveCommand : public BlockEditCommand {
 public:
  void configure(CLI::App& app) override {
    configureBlockEdit(app, "move",
                       "Take SLOTS out and insert them as one block at slot --to; the other "
                       "slots close up and make room (models: references follow)");
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
