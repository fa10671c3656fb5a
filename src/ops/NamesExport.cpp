// Writing the name lists on request: an edit of its own, so the two files are replaced the way
// every edit replaces files, locked, journaled and undoable, and never leave a temporary name
// behind after a power cut.
#include "core/UserText.h"
#include "ops/EditRunner.h"

namespace slotsmith {

EditOutcome exportNames(EditContext& context) {
  const SlotTables& tables = context.database().tables();
  EditPlan plan;
  std::string present;
  for (Bank bank : {Bank::Models, Bank::Sounds}) {
    std::string text = bank == Bank::Sounds ? soundNamesText(tables) : modelNamesText(tables);
    const std::string path =
        bank == Bank::Sounds ? soundNamesPath(context.root()) : modelNamesPath(context.root());
    // A file that already lists the slots as they are is left alone.
    if (context.fileSystem().readFile(path, present, text.size() + 1).isOk() && present == text) {
      continue;
    }
    Change write{Change::Kind::Write, {}, path, std::move(text)};
    write.derived = true;
    plan.changes.push_back(std::move(write));
  }
  EditOutcome outcome = context.run(
      {.settings = {.title = "Write names files",
                    .shownTitle = userText(USER_TEXT("NamesExport", "Write names files")),
                    .writeNamesFile = false},
       .plan = std::move(plan)});
  if (context.options().dryRun) return outcome;
  if (outcome.isDone()) {
    context.ui().showMessage(
        userText(USER_TEXT("NamesExport", "File update complete")),
        userText(USER_TEXT("Buttons", "Good!")),
        userText(
            USER_TEXT("NamesExport", "The new 'SoundNames' and 'ModelNames' files were created.")));
  }
  return outcome;
}

}  // namespace slotsmith
