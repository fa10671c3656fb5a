// What a block copy or move will do, told before it runs: while rows are dragged over a list the
// desktop tints the slots that will move and says in the status bar where they go. The preview
// replays the edit's own layout (SlotLayout::afterCopy / afterMove / afterCopyFromOutside, the code
// the edit plans with), so the preview and the edit cannot disagree; it reads only the slot tables,
// never the disk, so that it can follow the mouse.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/DatabasePaths.h"
#include "core/SlotTables.h"
#include "ops/Edits.h"

namespace slotsmith {

// Why a block of count slots cannot be copied or moved to destination (the block must end by
// slot 999), or empty when it can. The edit refuses with this text; the preview shows it.
std::string blockFitProblem(Bank bank, int count, int destination);

struct BlockPreview {
  bool fits = false;  // false: the edit would be refused; text says why
  // Occupied slots whose number changes, ascending by their present number (the dragged block's
  // own slots included when it moves), and those of them pushed past slot 999.
  std::vector<int> movingSlots;
  std::vector<int> leavingSlots;
  // Model edits: the occupied sounds whose references change because their models move.
  int soundsFollowing = 0;
  // Where each slot ends up: 0..999, or 1000 and more past the end of the bank (a gap moves too).
  std::array<int, kSlotCount> finalNumbers{};
  // "Move 3 sounds to slot 10: sounds 10–27 move down by 3; none leave the bank"; a model edit
  // also says how many sounds' references follow their models.
  std::string text;
};

enum class BlockEditKind {
  Copy,
  Move,
  Import,  // slots are sound slots of another database, copied in at destination
  Place,   // as Import, the sounds coming from the library's sources
};

// What sorting or closing the gaps of a block will do (ArrangeRequest in Edits.h), from the slot
// tables as the lists show them: the edit plans with the same order, so that the rows tinted
// before the question are the rows that move.
struct ArrangementPreview {
  std::vector<int> slots;        // the block: ascending, without repeats, 0..999
  std::vector<int> order;        // the slot that goes to slots[k]
  std::vector<int> movingSlots;  // occupied slots whose number changes, ascending
  // "Sort sounds by name: 12 of 31 slots move" or "… the slots are in that order already".
  std::string text;
};
ArrangementPreview previewArrangement(const SlotTables& tables, const ArrangeRequest& request);

// The preview of copying, moving or importing the slots to destination in the bank, against the
// tables as the lists show them. Slots may come in any order and repeat.
BlockPreview previewBlockEdit(const SlotTables& tables, Bank bank, std::vector<int> slots,
                              int destination, BlockEditKind kind);

}  // namespace slotsmith
