// `consolidate`: removes every model no sound refers to and closes the gaps, references
// following. --from N stands for the desktop's "Yes - from #N" with model row N selected.
#include <ostream>

#include "cli/Commands.h"

namespace slotsmith::cli {
namespace {

class ConsolidateCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(app, "consolidate",
                  "Remove every unused model and renumber the rest contiguously, sound "
                  "references following");
    addDatabaseArgument();
    subcommand()
        ->add_option("--from", from_,
                     "Consolidate from this model slot on; the slots before it stay (0-999)")
        ->check(CLI::Range(0, kSlotCount - 1));
    addYesOption();
    addDryRunOption();
  }

  int run(Console& console) override {
    const auto opened = openDatabase(console);
    if (!opened) return kExitRefused;
    TerminalUi& ui = opened->ui;
    ui.assumeYes = yes_ || dryRun_;
    if (from_) {
      ui.selectedModels = {*from_};
      ui.intendedButton = "Yes - from #" + std::to_string(*from_);
    } else {
      ui.intendedButton = "Yes";
    }
    Editor editor(opened->database);
    editor.setDryRun(dryRun_);
    const EditOutcome outcome = editor.consolidate();
    return reportEdit(outcome, console);
  }

 private:
  std::optional<int> from_;
};

}  // namespace

std::unique_ptr<Command> makeConsolidateCommand() {
  return std::make_unique<ConsolidateCommand>();
}

}  // namespace slotsmith::cli
