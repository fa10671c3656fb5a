// Find and replace: one model number replaced by another in the references of the chosen sounds.
// Only those sounds are read, one at a time; a script is written (atomically) only when its bytes
// change, and a sound slot without a script is never given one.
#include <cstdio>

#include "ops/EditRunner.h"

namespace slotsmith {

namespace {

constexpr char kFindReplaceTitle[] = "Find & replace";

void showResult(Ui& ui, int occurrences) {
  char informative[64];
  std::snprintf(informative, sizeof informative, "Replaced %d occurrences.", occurrences);
  ui.showMessage("Find & replace complete", "Nice!", informative);
}

// A model number, or -1: the value a removal leaves where a reference pointed at a removed model.
bool isReferenceValue(int value) {
  return value == -1 || isModelNumber(value);
}

}  // namespace

EditOutcome findAndReplace(EditContext& context, const FindReplaceRequest& request) {
  if (!isReferenceValue(request.find) || !isReferenceValue(request.replacement)) {
    return context.refuse(kFindReplaceTitle,
                          "Models are numbered from 0 to 999 (-1: no model); nothing was changed.");
  }
  std::bitset<kSlotCount> sounds;
  for (int slot : request.sounds)
    sounds.set(slot);
  ReferenceRenumbering renumbering;
  renumbering.replaceUniqueModelInAllSounds(request.find, request.replacement);
  ModelEditPlan edit;
  if (Status planned = withReferenceRewrites(context.fileSystem(), context.root(), {}, renumbering,
                                             sounds, edit);
      !planned.isOk()) {
    return context.refuse(kFindReplaceTitle, "Nothing was changed: " + planned.message());
  }
  const int occurrences = edit.touchedReferences;
  EditOutcome outcome = context.run({.settings = {.bank = Bank::Models,
                                                  .title = kFindReplaceTitle,
                                                  .progressText = "Replacing model references...",
                                                  .progressMaximum = 999,
                                                  .disableDrops = true,
                                                  .writeNamesFile = false},
                                     .plan = std::move(edit.plan)});
  outcome.occurrences = occurrences;
  if (outcome.isDone() && !context.options().dryRun) showResult(context.ui(), occurrences);
  return outcome;
}

}  // namespace slotsmith
