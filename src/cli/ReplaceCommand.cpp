// `replace`: the find and replace window's action. Every sound is searched unless --sounds names
// some (the window selects all sounds when none is selected); the count of occurrences is printed.
#include <ostream>

#include "cli/Commands.h"

namespace slotsmith::cli {
namespace {

class ReplaceCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(app, "replace",
                  userText(USER_TEXT("cli replace",
                                     "Replace one model by another in the references of sounds")));
    addDatabaseArgument();
    addNumberOption(
        "--find", find_,
        userText(USER_TEXT("cli replace", "The model number to find (0-999; -1: no model)")), -1,
        kSlotCount - 1)
        ->required();
    addNumberOption(
        "--with", replacement_,
        userText(
            USER_TEXT("cli replace", "The model number to put in its place (0-999; -1: no model)")),
        -1, kSlotCount - 1)
        ->required();
    addSlotsArgument(
        "--sounds", sounds_,
        userText(USER_TEXT("cli replace", "The sounds to search: 3, 3,5 or 5-7,9 (default: all)")),
        false);
    addYesOption();
    addDryRunOption();
  }

  int run(Console& console) override {
    const auto opened = openDatabase(console, false);
    if (!opened) return kExitRefused;
    opened->ui.assumeYes = yes_ || dryRun_;
    std::vector<int> sounds = sounds_;
    if (sounds.empty()) {
      for (int slot = 0; slot < kSlotCount; ++slot)
        sounds.push_back(slot);
    }
    const EditOutcome outcome = runInterruptibleEdit(
        *opened, FindReplaceRequest{find_, replacement_, std::move(sounds)}, console);
    if (outcome.isDone()) {
      // "occurrences" even for one: the English of this line stays as it has always been.
      console.out << (dryRun_
                          ? userText(USER_TEXT_N("FindReplace", "Would replace {n} occurrences."),
                                     {}, outcome.occurrences)
                          : userText(USER_TEXT_N("FindReplace", "Replaced {n} occurrences."), {},
                                     outcome.occurrences))
                  << '\n';
    }
    return reportOutcome(outcome, console);
  }

 private:
  int find_ = 0;
  int replacement_ = 0;
  std::vector<int> sounds_;
};

}  // namespace

std::unique_ptr<Command> makeReplaceCommand() {
  return std::make_unique<ReplaceCommand>();
}

}  // namespace slotsmith::cli
