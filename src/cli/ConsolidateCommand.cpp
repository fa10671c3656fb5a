// `consolidate`: removes every model no sound refers to and closes the gaps, references
// following. --from N is the desktop's "Yes - from #N" answer.
#include <ostream>

#include "cli/Commands.h"

namespace slotsmith::cli {
namespace {

class ConsolidateCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(
        app, "consolidate",
        userText(USER_TEXT("cli consolidate",
                           "Remove every unused model and renumber the rest contiguously, sound "
                           "references following")));
    addDatabaseArgument();
    addNumberOption("--from", from_,
                    userText(USER_TEXT(
                        "cli consolidate",
                        "Consolidate from this model slot on; the slots before it stay (0-999)")),
                    0, kSlotCount - 1);
    addYesOption();
    addDryRunOption();
  }

  int run(Console& console) override {
    return runRequest(console, ConsolidateRequest{.from = from_});
  }

 private:
  std::optional<int> from_;
};

}  // namespace

std::unique_ptr<Command> makeConsolidateCommand() {
  return std::make_unique<ConsolidateCommand>();
}

}  // namespace slotsmith::cli
