// Find and replace: one model number replaced by another in the sounds selected in the sound
// list. Only the selected sounds are read, one at a time; a script is written (atomically) only
// when its bytes change, and a sound slot without a readable script is never given one.
#include <cstdio>

#include "ops/Editor.h"

namespace slotsmith {

namespace {

constexpr char kFindReplaceTitle[] = "Find & replace";

void showResult(Ui& ui, int occurrences) {
  char informative[64];
  std::snprintf(informative, sizeof informative, "Replaced %d occurrences.", occurrences);
  ui.showMessage("Find & replace complete", "Nice!", informative);
}

std::bitset<kSlotCount> selectedSounds(Ui& ui) {
  std::bitset<kSlotCount> sounds;
  for (int row = 0; row < kSlotCount; ++row) {
    if (ui.isRowSelected(SlotList::Sounds, row)) sounds.set(row);
  }
  return sounds;
}

}  // namespace

EditOutcome Editor::doFindAndReplace(int find, int replacement) {
  Ui& ui = database_.ui();
  if (!isModelNumber(find) || !isModelNumber(replacement)) {
    return refuse(kFindReplaceTitle, "Models are numbered from 0 to 999; nothing was changed.");
  }
  // Without a database there is nothing to read; the user still gets the usual result.
  if (!database_.root()) {
    showResult(ui, 0);
    return {EditOutcome::Kind::NoDatabase, "No database is open.", 0, {}};
  }
  ReferenceRenumbering renumbering;
  renumbering.replaceUniqueModelInAllSounds(find, replacement);
  ModelEditPlan edit = withReferenceRewrites(database_, {}, renumbering, selectedSounds(ui));
  edit.staleTarget = "model " + std::to_string(find);
  const int occurrences = edit.touchedReferences;
  EditOutcome outcome = runWithReferenceRewrites(
      {Bank::Models, kFindReplaceTitle, "Replacing model references...", 999, true, false},
      std::move(edit));
  outcome.occurrences = occurrences;
  if (outcome.kind == EditOutcome::Kind::Done && !dryRun_) showResult(ui, occurrences);
  return outcome;
}

}  // namespace slotsmith
