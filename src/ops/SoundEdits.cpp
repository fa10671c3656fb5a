// The edits of the sound bank. Sounds are referred to by nothing but their folder names, so every
// sound edit is a relocation of slot folders: the layout replays the edit's own algorithm, and the
// planner turns it into safe folder steps. No sound script is read or written.
#include <cstdio>

#include "ops/Editor.h"

namespace slotsmith {

namespace {

constexpr char kCopyTitle[] = "Copy sounds";
constexpr char kMoveTitle[] = "Move sounds";

}  // namespace

EditOutcome Editor::copySounds(const RowSet& rows, int destination) {
  BlockEdit edit;
  EditOutcome outcome;
  if (!startBlockEdit(rows, destination, kCopyTitle,
                      "Are you sure you want to copy %d sounds starting at slot#%d to slot#%d? "
                      "This cannot be undone!",
                      "sound", edit, outcome)) {
    return outcome;
  }
  const SlotLayout layout = SlotLayout::afterCopy(edit.slots, edit.destination);
  EditPlan plan;
  if (Status planned = planLayout(Bank::Sounds, edit.root, layout, plan); !planned.isOk()) {
    return refuse(kCopyTitle, "Nothing was changed: " + planned.message());
  }
  return runPlannedEdit({Bank::Sounds, kCopyTitle, "Copying sounds...", 999, true},
                        std::move(plan));
}

EditOutcome Editor::moveSounds(const RowSet& rows, int destination) {
  BlockEdit edit;
  EditOutcome outcome;
  if (!startBlockEdit(rows, destination, kMoveTitle,
                      "Are you sure you want to move %d sounds starting at slot #%d to slot #%d? "
                      "This cannot be undone!",
                      "sound", edit, outcome)) {
    return outcome;
  }
  const SlotLayout layout = SlotLayout::afterMove(edit.slots, edit.destination);
  EditPlan plan;
  if (Status planned = planLayout(Bank::Sounds, edit.root, layout, plan); !planned.isOk()) {
    return refuse(kMoveTitle, "Nothing was changed: " + planned.message());
  }
  return runPlannedEdit({Bank::Sounds, kMoveTitle, "Moving sounds...", 999, true}, std::move(plan));
}

EditOutcome Editor::doDeleteSelectedSounds() {
  const DatabaseRoot root = database_.root();
  if (!root) return {EditOutcome::Kind::NoDatabase, "No database is open.", 0, {}};
  std::vector<int> slots;
  const int answer = askDeleteOrRemove(SlotList::Sounds, slots);
  if (answer == kAlertAlternate) return deleteSounds(*root, slots);
  if (answer == kAlertOther) return removeSounds(slots);
  return {EditOutcome::Kind::Cancelled, {}, 0, {}};
}

EditOutcome Editor::deleteSounds(const std::string& root, const std::vector<int>& slots) {
  SlotLayout layout;
  layout.clear(slots);
  EditPlan plan;
  if (Status planned = planLayout(Bank::Sounds, root, layout, plan); !planned.isOk()) {
    return refuse("Delete sounds", "Nothing was changed: " + planned.message());
  }
  return runPlannedEdit({Bank::Sounds, "Delete sounds", "", 1000, false}, std::move(plan));
}

EditOutcome Editor::removeSounds(const std::vector<int>& slots) {
  // The compaction reads its marks from the slot table, as the move's compaction does; they are
  // taken back at once so that a refused edit leaves the table as the last scan made it.
  auto& soundSlots = database_.tables().soundSlots;
  std::vector<int32_t> saved;
  for (int slot : slots) {
    saved.push_back(soundSlots[slot].sIsUsed);
    soundSlots[slot].sIsUsed = kMarkedForRemoval;
  }
  EditPlan plan;
  Status planned;
  if (!slots.empty()) planned = deleteAndCompactSoundsStartingAtIndex(slots.front(), plan);
  for (std::size_t i = 0; i < slots.size(); ++i)
    soundSlots[slots[i]].sIsUsed = saved[i];
  if (!planned.isOk()) return refuse("Remove sounds", "Nothing was changed: " + planned.message());
  return runPlannedEdit({Bank::Sounds, "Remove sounds", "Removing...", 1000, false},
                        std::move(plan));
}

Status Editor::deleteAndCompactSoundsStartingAtIndex(int start, EditPlan& plan) {
  const DatabaseRoot root = database_.root();
  if (!root || start > kSlotCount - 1) return Status::ok();
  std::vector<int> marked;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (database_.tables().soundSlots[slot].sIsUsed == kMarkedForRemoval) marked.push_back(slot);
  }
  SlotLayout layout;
  layout.mark(marked);
  layout.compactFrom(start);
  return planLayout(Bank::Sounds, *root, layout, plan);
}

Status Editor::moveSoundsUpFrom(int from, int numSounds, EditPlan& plan) {
  const DatabaseRoot root = database_.root();
  if (!root || from > kSlotCount - 1) return Status::ok();
  SlotLayout layout;
  layout.shiftUpFrom(from, numSounds);
  return planLayout(Bank::Sounds, *root, layout, plan);
}

}  // namespace slotsmith
