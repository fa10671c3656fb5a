// How one model edit changes the model references ("R1ModellIndex", "R2ModellIndex") of the
// sounds, computed once as a map from a reference's value before the edit to its value after.
//
// A model edit is described as the sequence of reference steps the user knows from its
// description: parking the dragged models, replacing one model number by another, closing gaps
// from a slot on, shifting the slots from a number up. Each step is a function of a reference's
// current value, so the whole edit is their composition. The renumbering remembers, for every
// value before the edit, the value it ends with and whether any step touched it:
//
//  - Every line of a reference key holding a touched value is set to the value it ends with.
//  - A line whose value no step touched is left alone.
//
// Each line follows its own value: a key given on two lines (the scan and the synthesizer read
// the first) keeps both lines naming the models they named before, a -1 stays -1 beside a number
// that moves.
//
// Only model numbers 0..999, and -1 (no model) when a find and replace asks for it by name, are
// ever touched. Every other value stays as it is: -1 in any other edit, numbers from 1000 on (they
// point outside the bank, and a shift leaves them alone), and parking-range numbers that are not
// this edit's own: parking is an intermediate value of the composition only, so no reference is
// ever left at a parking number. The switch keys are not consulted; a switched-off reference is
// renumbered like a switched-on one.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

#include "core/Database.h"
#include "core/SlotTables.h"
#include "core/SoundScript.h"
#include "ops/EditPlan.h"

namespace slotsmith {

// A moved model waits under its slot number plus this while a move is composed.
inline constexpr int32_t kModelParkingOffset = 10000;

class ReferenceRenumbering {
 public:
  // No step yet: every reference keeps its value and none is touched.
  ReferenceRenumbering();

  // The renumbering of a block copy of count models to destination: the copies are made before
  // anything moves, and the shift that makes room raises the references from the destination on,
  // so no sound refers to a new copy.
  static ReferenceRenumbering forBlockCopy(int count, int destination);
  // The renumbering of a block move: park the block (references to it with it), close the gaps
  // from the destination on, open a gap there, place the block.
  static ReferenceRenumbering forBlockMove(const std::vector<int>& sortedSlots, int destination);

  // The renumbering of an arrangement (SlotLayout::afterArrangement): every reference to order[k]
  // becomes positions[k], a reference to an empty slot of them included.
  static ReferenceRenumbering forArrangement(const std::vector<int>& positions,
                                             const std::vector<int>& order);

  // Every reference equal to `find` becomes `by` (-1 for a removed model).
  void replaceUniqueModelInAllSounds(int32_t find, int32_t by);

  // Every reference from `from` to 999 is raised by `numModels`; references to slots pushed past
  // 999 take the four-digit number of their overflow folder.
  void moveModelsUpFrom(int from, int numModels);

  // From `start` on, the slots not in `marked` close up in order over the marked ones; every
  // reference to a kept slot (occupied or empty) follows it, even when it keeps its number.
  // References to marked slots and marks below `start` are left alone.
  void deleteAndCompactModelsStartingAtIndex(int start, const std::bitset<kSlotCount>& marked);

  // Parks the given slots (references s -> s + kModelParkingOffset), and places them, in
  // ascending order, at destination, destination + 1, ... (parking references -> block slots).
  void park(const std::vector<int>& sortedSources);
  void place(const std::vector<int>& sortedSources, int destination);

  // References to slots pushed past 999 follow the folder each slot really went to: the overflow
  // folder of its number may be taken by a leftover, and then the slot goes to a free number.
  // finalNumbers[s] is where the folder of slot s ends (as the folder planner resolved it).
  void followOverflowFolders(const std::array<int, kSlotCount>& finalNumbers);

  // Whether a reference line holding `before` is rewritten, and to what.
  bool touches(int32_t before) const {
    const int index = indexOf(before);
    return index >= 0 && touched_[index];
  }
  int32_t valueAfter(int32_t before) const {
    return touches(before) ? current_[indexOf(before)] : before;
  }

  // Whether the edit touches any reference at all (a Delete, for one, does not).
  bool touchesAny() const;

  // Renumbers every line of both reference keys of a loaded script in memory.
  void applyTo(SoundScript& script) const;

 private:
  // Applies one step, a function of the current value, to every value still in play.
  template <typename Step>
  void applyStep(Step step);

  // The values a renumbering follows: the model numbers, then -1 ("no model") at kNoModelIndex.
  static constexpr int kNoModelIndex = kSlotCount;
  static constexpr int kFollowedValues = kSlotCount + 1;
  static constexpr int indexOf(int32_t value) {
    if (isModelNumber(value)) return value;
    return value == -1 ? kNoModelIndex : -1;
  }

  std::array<int32_t, kFollowedValues> current_;
  std::bitset<kFollowedValues> touched_;
};

// What one pass of a renumbering over the sound scripts found.
struct ScriptRewritePass {
  std::vector<int> rewrittenSounds;  // ascending sound slots whose script gets a write step
  int touchedReferences = 0;         // reference keys whose first value the renumbering touched
};

// Reads the scripts of the given sounds one at a time and appends a write step (the whole
// script, written atomically) for every script whose values change. A slot without a sound.script
// is an empty slot and is skipped: no script is ever created where there was none. A script that
// exists but cannot be read (unreadable, a folder, an I/O error) stops the pass: the status names
// it, and the edit must not go on with references it could not see. Only one script is held in
// memory at a time.
Status planScriptRewrites(FileSystem& fs, const std::string& root,
                          const ReferenceRenumbering& renumbering,
                          const std::bitset<kSlotCount>& sounds, EditPlan& plan,
                          ScriptRewritePass& pass);

// Every sound slot, for the edits that renumber all references.
std::bitset<kSlotCount> allSounds();

}  // namespace slotsmith
