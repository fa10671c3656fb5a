// Consolidation: every model that no sound refers to is removed, from slot 0 or from the first
// selected model row on, and the models that remain close up with their references following.
// Which models are unused comes from the last scan; every edit ends with one, so it matches the
// disk.
#include <cstdio>

#include "ops/Editor.h"

namespace slotsmith {

namespace {

constexpr char kConsolidateTitle[] = "Consolidate database";
constexpr char kConsolidateInformative[] =
    "Consolidation removes unused models, compacts the database so that the model numbering is "
    "contiguous and updates all sound references to the models that are moved.\n\nAre you sure "
    "you want to consolidate your Neuron database now? This cannot be undone.";

// The slot to consolidate from, or -1 when the user declined.
int askStartSlot(Ui& ui) {
  const int firstSelected = ui.firstSelectedRow(SlotList::Models);
  if (firstSelected < 0) {
    const int answer = ui.ask(kConsolidateTitle, kConsolidateInformative, {"Cancel", "Yes", ""});
    return answer == kAlertAlternate ? 0 : -1;
  }
  char fromButton[32];
  std::snprintf(fromButton, sizeof fromButton, "Yes - from #%d", firstSelected);
  const int answer =
      ui.ask(kConsolidateTitle, kConsolidateInformative, {"Cancel", "Yes - all", fromButton});
  if (answer == kAlertAlternate) return 0;
  if (answer == kAlertOther) return firstSelected;
  return -1;
}

}  // namespace

EditOutcome Editor::consolidate() {
  const int start = askStartSlot(database_.ui());
  if (start < 0) return {EditOutcome::Kind::Cancelled, {}, 0, {}};
  const DatabaseRoot root = database_.root();
  if (!root) return {EditOutcome::Kind::NoDatabase, "No database is open.", 0, {}};
  // Slots before the start stay as they are, used or not.
  std::vector<int> unused;
  std::bitset<kSlotCount> marked;
  for (int slot = start; slot < kSlotCount; ++slot) {
    if (database_.tables().modelSlots[slot].sIsUsed != kModelUnused) continue;
    unused.push_back(slot);
    marked.set(slot);
  }
  SlotLayout layout;
  layout.mark(unused);
  layout.compactFrom(start);
  ReferenceRenumbering renumbering;
  renumbering.deleteAndCompactModelsStartingAtIndex(start, marked);
  return runModelEdit({Bank::Models, kConsolidateTitle, "Consolidating...", 999, true}, *root,
                      layout, renumbering);
}

}  // namespace slotsmith
