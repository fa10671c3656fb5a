// The edits of the model bank. Sounds refer to models by slot number, so every model edit that
// gives a model folder a new number also renumbers the references to it: the layout replays the
// edit's folder algorithm, the renumbering replays its reference steps, and both are planned
// before anything changes. Afterwards every sound refers to the same model contents as before, or
// to -1 where its model was removed.
#include <cstdio>

#include "ops/Editor.h"

namespace slotsmith {

namespace {

constexpr char kCopyTitle[] = "Copy models";
constexpr char kMoveTitle[] = "Move models";

std::bitset<kSlotCount> slotSet(const std::vector<int>& slots) {
  std::bitset<kSlotCount> set;
  for (int slot : slots)
    set.set(slot);
  return set;
}

}  // namespace

EditOutcome Editor::runModelEdit(EditRun run, const std::string& root, const SlotLayout& layout,
                                 ReferenceRenumbering renumbering) {
  EditPlan folderSteps;
  SlotRelocation relocation;
  if (Status planned = planLayout(Bank::Models, root, layout, folderSteps, &relocation);
      !planned.isOk()) {
    return refuse(run.title, "Nothing was changed: " + planned.message());
  }
  renumbering.followOverflowFolders(relocation.finalNumbers);
  ModelEditPlan edit =
      withReferenceRewrites(database_, std::move(folderSteps), renumbering, allSounds());
  if (!run.scriptProgressText.empty() && !edit.rewrittenSounds.empty()) {
    edit.plan.steps[edit.firstScriptStep].progressText = run.scriptProgressText;
  }
  return runWithReferenceRewrites(std::move(run), std::move(edit));
}

EditOutcome Editor::runWithReferenceRewrites(EditRun run, ModelEditPlan edit) {
  EditPlan plan = std::move(edit.plan);
  run.describeInconsistency = [stale = std::move(edit)](std::size_t stepsDone) {
    return describeStaleReferences(stale, stepsDone);
  };
  return runPlannedEdit(run, std::move(plan));
}

EditOutcome Editor::copyModels(const RowSet& rows, int destination) {
  BlockEdit edit;
  EditOutcome outcome;
  if (!startBlockEdit(rows, destination, kCopyTitle,
                      "Are you sure you want to copy %d models starting at slot #%d to slot #%d? "
                      "This cannot be undone!",
                      "model", edit, outcome)) {
    return outcome;
  }
  // The copies are made before anything moves; the shift that makes room raises the references
  // from the destination on, so no sound refers to a new copy.
  const int count = static_cast<int>(edit.slots.size());
  const SlotLayout layout = SlotLayout::afterCopy(edit.slots, edit.destination);
  ReferenceRenumbering renumbering;
  renumbering.moveModelsUpFrom(edit.destination, count);
  EditRun run{Bank::Models, kCopyTitle, "Copying models...", 999, true};
  // The folders are in place before the sounds' references are rewritten; the user sees when.
  run.scriptProgressText = "Updating sounds...";
  return runModelEdit(std::move(run), edit.root, layout, renumbering);
}

EditOutcome Editor::moveModels(const RowSet& rows, int destination) {
  BlockEdit edit;
  EditOutcome outcome;
  if (!startBlockEdit(rows, destination, kMoveTitle,
                      "Are you sure you want to move %d models starting at slot #%d to slot #%d? "
                      "This cannot be undone!",
                      "model", edit, outcome)) {
    return outcome;
  }
  // Park the block (references to it with it), close the gaps from the destination on, open a gap
  // there, place the block; the references follow every step.
  const int count = static_cast<int>(edit.slots.size());
  const SlotLayout layout = SlotLayout::afterMove(edit.slots, edit.destination);
  ReferenceRenumbering renumbering;
  renumbering.park(edit.slots);
  renumbering.deleteAndCompactModelsStartingAtIndex(edit.destination, slotSet(edit.slots));
  renumbering.moveModelsUpFrom(edit.destination, count);
  renumbering.place(edit.slots, edit.destination);
  EditRun run{Bank::Models, kMoveTitle, "Moving models...", 999, true};
  // The folders are in place before the sounds' references are rewritten; the user sees when.
  run.scriptProgressText = "Updating sounds...";
  return runModelEdit(std::move(run), edit.root, layout, renumbering);
}

EditOutcome Editor::doDeleteSelectedModels() {
  const DatabaseRoot root = database_.root();
  if (!root) return {EditOutcome::Kind::NoDatabase, "No database is open.", 0, {}};
  std::vector<int> slots;
  const int answer = askDeleteOrRemove(SlotList::Models, slots);
  if (answer == kAlertAlternate) {
    // Deleting leaves the references alone: sounds that used a deleted model still name its slot.
    SlotLayout layout;
    layout.clear(slots);
    return runModelEdit({Bank::Models, "Delete models", "", 1000, false}, *root, layout, {});
  }
  if (answer != kAlertOther) return {EditOutcome::Kind::Cancelled, {}, 0, {}};
  SlotLayout layout;
  ReferenceRenumbering renumbering;
  if (!slots.empty()) {
    for (int slot : slots)
      renumbering.replaceUniqueModelInAllSounds(slot, -1);
    renumbering.deleteAndCompactModelsStartingAtIndex(slots.front(), slotSet(slots));
    layout.mark(slots);
    layout.compactFrom(slots.front());
  }
  return runModelEdit({Bank::Models, "Remove models", "Removing...", 1000, false}, *root, layout,
                      renumbering);
}

}  // namespace slotsmith
