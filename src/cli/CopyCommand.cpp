#include "cli/BlockEditCommand.h"

namespace slotsmith::cli {
namespace {

class CopyCommand : public BlockEditCommand {
 public:
  void configure(CLI::App& app) override {
    configureBlockEdit(
        app, "copy",
        userText(USER_TEXT("cli copy",
                           "Insert copies of SLOTS as one block at slot --to; the slots from there "
                           "on move up to make room (models: every sound keeps its models)")));
  }

  int run(Console& console) override {
    return runRequest(console, CopyRequest{bank(), slots_, destination_});
  }
};

}  // namespace

std::unique_ptr<Command> makeCopyCommand() {
  return std::make_unique<CopyCommand>();
}

}  // namespace slotsmith::cli
