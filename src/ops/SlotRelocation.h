// Turning "where should every slot of a bank end up" into the changes of an edit.
//
// An edit of a bank is computed in two stages. First a SlotLayout replays the edit's own algorithm
// (park, mark, compact, shift, place; for copies: stage, shift, place) on abstract positions, so
// every corner case of those algorithms comes out exactly as the user knows it, without touching
// the disk. Then planSlotRelocation() compares that layout with what the bank folder really holds
// and says where each slot folder goes: a move for every folder whose number changes, a copy for
// every copy, a deletion for every folder the layout drops. The order in which that happens on
// disk is the transaction's business, not the planner's.
//
// A slot pushed past 999 goes to the overflow folder of its number when that name is free,
// otherwise to the lowest free four-digit number. Nothing is ever overwritten. A slot without a
// folder (an empty slot) simply moves as a gap: it produces no change.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/DatabasePaths.h"
#include "core/SlotTables.h"
#include "core/Status.h"
#include "ops/EditPlan.h"

namespace slotsmith {

// A copy the layout asks for: a duplicate of slot source's folder at number target, or, when
// outsideSource is not empty, of that folder outside the bank (a slot of another database).
struct SlotCopy {
  int source = 0;
  int target = 0;
  std::string outsideSource = {};
};

// The positions of a bank while an edit's algorithm runs. Every position holds an original slot
// (whether or not it has a folder), a staged copy, a removal mark, or nothing. Positions of 1000
// and more exist only after a shift pushed slots past the end of the bank.
class SlotLayout {
 public:
  // Every slot n at position n.
  SlotLayout();

  // The block copy: every copy is staged before anything moves (so the block may contain the
  // destination or lie on both sides of it), a gap opens at the destination, the copies fill it.
  static SlotLayout afterCopy(const std::vector<int>& slots, int destination);
  // The block move: park the block, close the gaps from the destination on, open a gap there,
  // place the block.
  static SlotLayout afterMove(const std::vector<int>& slots, int destination);
  // An arrangement of some positions among themselves: the slot order[k] goes to positions[k].
  // order is a permutation of positions (both 0..999), so nothing outside them moves.
  static SlotLayout afterArrangement(const std::vector<int>& positions,
                                     const std::vector<int>& order);
  // The block copy of folders from outside the bank (see stageFromOutside).
  static SlotLayout afterCopyFromOutside(const std::vector<std::string>& folders, int destination);

  // Takes the slots out of their positions, in the order given, and keeps them for place();
  // their positions hold a removal mark until the next compactFrom().
  void park(const std::vector<int>& slots);
  // Marks the slots for removal: compactFrom() takes those at or after its start out for good
  // and ignores the others.
  void mark(const std::vector<int>& slots);
  // Deletes the slots in place: their positions become empty.
  void clear(const std::vector<int>& slots);
  // Keeps a copy of each slot's contents, in the order given, for place().
  void stage(const std::vector<int>& slots);
  // Keeps a copy of each folder from outside the bank (a slot folder of another database), in the
  // order given, for place(); an empty path stands for an empty slot and keeps its place in the
  // block as a gap. The copies are made, like all copies, before anything moves.
  void stageFromOutside(const std::vector<std::string>& folders);

  // From start to 999, every position that is neither parked nor marked moves down over those
  // that are, in order, and the positions left at the top become empty. Parked positions below
  // start become empty; removal marks below start are dropped and their slots stay.
  void compactFrom(int start);
  // Every position from `from` to 999 moves up by count (past 999 into overflow numbers); the
  // positions from `from` to from + count - 1 become empty. Nothing happens for from > 999.
  void shiftUpFrom(int from, int count);
  // Puts the parked slots, then the staged copies, at consecutive positions from destination.
  void place(int destination);
  // Puts the parked slots, in the order parked, at the given positions, one each.
  void placeAt(const std::vector<int>& positions);

  // Where slot n ended up: 0..999 in the bank, 1000 and more past its end, kRemoved when it was
  // marked (or parked and never placed).
  static constexpr int kRemoved = -1;
  int finalNumberOf(int slot) const { return finalNumber_[slot]; }
  // The copies the layout made, with their final numbers.
  std::vector<SlotCopy> copies() const;

 private:
  void updateFinalNumbers();

  std::vector<int> cells_;        // slot number, kCopyBase + copy index, kEmpty or kParked
  std::vector<bool> marked_;      // removal marks by position
  std::vector<int> parked_;       // cell values waiting to be placed
  std::vector<int> copySources_;  // source slot of each staged copy
  std::vector<std::string> copyOutsideSources_;  // its folder outside the bank, or empty
  std::array<int, kSlotCount> finalNumber_{};
  std::vector<int> copyTargets_;
};

// The result of turning a layout into folder steps.
struct SlotRelocation {
  Status status;  // not ok when the layout cannot be reached safely
  std::vector<Change> changes;
  // Final folder number of every slot 0..999: the resolved overflow number for a folder pushed
  // past 999, the layout's number for a gap, SlotLayout::kRemoved for a removed slot. References
  // to models follow this map.
  std::array<int, kSlotCount> finalNumbers{};
  std::vector<int> slotsLeavingBank;  // slots with a folder that end past 999, ascending
  std::vector<std::string> notes;     // e.g. "Sounds/998.sound goes to Sounds/1000.sound"
};

// The names in a bank folder that are slot folders 0..999 (by number), from its listing.
std::array<bool, kSlotCount> slotFoldersInListing(Bank bank,
                                                  const std::vector<std::string>& listing);

// Plans the folder changes that bring the bank folder (whose entries are `listing`) from its
// present state to `layout`.
SlotRelocation planSlotRelocation(Bank bank, const std::string& root,
                                  const std::vector<std::string>& listing,
                                  const SlotLayout& layout);

}  // namespace slotsmith
