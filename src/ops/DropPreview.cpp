#include "ops/DropPreview.h"

#include <algorithm>
#include <cstdlib>

#include "ops/EditRunner.h"
#include "ops/QuestionText.h"
#include "ops/ReferenceRenumbering.h"
#include "ops/SlotRelocation.h"

namespace slotsmith {

namespace {

constexpr char kEnDash[] = "\u2013";
// More runs than this are summed up, so that the status bar stays one readable line.
constexpr std::size_t kRunsNamed = 3;

bool holds(const SlotTables& tables, Bank bank, int slot) {
  return bank == Bank::Sounds ? holdsSound(tables.soundSlots[slot])
                              : holdsModel(tables.modelSlots[slot]);
}

// Neighbouring occupied slots that all shift by the same amount: "sounds 10–27 move down by 3".
struct Run {
  int first;
  int last;
  int shift;
  std::string describe(const std::string& noun) const {
    const std::string where = first == last ? noun + " " + std::to_string(first) + " moves"
                                            : noun + "s " + std::to_string(first) + kEnDash +
                                                  std::to_string(last) + " move";
    return where + (shift > 0 ? " down by " : " up by ") + std::to_string(std::abs(shift));
  }
};

}  // namespace

std::string blockFitProblem(Bank bank, int count, int destination) {
  if (destination >= 0 && destination + count <= kSlotCount) return {};
  return "A block of " + countText(static_cast<std::size_t>(count), nounOf(bank)) +
         " does not fit at slot #" + std::to_string(destination) +
         ": the bank ends at slot #999, so the block can start " + "at slot #" +
         std::to_string(kSlotCount - count) + " at the latest.";
}

BlockPreview previewBlockEdit(const SlotTables& tables, Bank bank, std::vector<int> slots,
                              int destination, BlockEditKind kind) {
  std::sort(slots.begin(), slots.end());
  slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
  const std::string noun = nounOf(bank);
  const int count = static_cast<int>(slots.size());
  BlockPreview preview;
  if (count == 0 || slots.front() < 0 || slots.back() >= kSlotCount) return preview;
  preview.text = blockFitProblem(bank, count, destination);
  if (!preview.text.empty()) return preview;
  preview.fits = true;

  const bool copy = kind != BlockEditKind::Move;
  SlotLayout layout;
  if (kind == BlockEditKind::Copy) {
    layout = SlotLayout::afterCopy(slots, destination);
  } else if (kind == BlockEditKind::Move) {
    layout = SlotLayout::afterMove(slots, destination);
  } else {
    // Only the number of folders counts here: they land as one block at the destination.
    layout = SlotLayout::afterCopyFromOutside(std::vector<std::string>(slots.size(), "other"),
                                              destination);
  }
  for (int slot = 0; slot < kSlotCount; ++slot)
    preview.finalNumbers[slot] = layout.finalNumberOf(slot);
  std::vector<Run> runs;
  bool runOpen = false;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (!holds(tables, bank, slot)) continue;  // a gap moves unseen and does not break a run
    const int final = preview.finalNumbers[slot];
    const bool dragged = !copy && std::binary_search(slots.begin(), slots.end(), slot);
    if (final != slot) preview.movingSlots.push_back(slot);
    if (final >= kSlotCount) preview.leavingSlots.push_back(slot);
    if (dragged || final == slot || final >= kSlotCount) {
      // The block is named on its own; a slot that stays or leaves ends the run before it.
      if (!dragged) runOpen = false;
      continue;
    }
    const int shift = final - slot;
    if (runOpen && runs.back().shift == shift) {
      runs.back().last = slot;
    } else {
      runs.push_back({slot, slot, shift});
      runOpen = true;
    }
  }

  const char* verb = kind == BlockEditKind::Copy     ? "Copy "
                     : kind == BlockEditKind::Move   ? "Move "
                     : kind == BlockEditKind::Import ? "Import "
                                                     : "Place ";
  std::string text = verb + countText(static_cast<std::size_t>(count), noun) + " to slot " +
                     std::to_string(destination) + ": ";
  if (runs.empty()) {
    text += copy || !preview.movingSlots.empty() ? "no other " + noun + " moves" : "nothing moves";
  }
  for (std::size_t i = 0; i < runs.size() && i < kRunsNamed; ++i) {
    text += (i > 0 ? ", " : "") + runs[i].describe(noun);
  }
  if (runs.size() > kRunsNamed) {
    text += " and " + countText(runs.size() - kRunsNamed, "more run") + " of " + noun + "s";
  }
  if (bank == Bank::Models && kind != BlockEditKind::Import) {
    // The renumbering the edit applies to the scripts, applied here to the references the lists
    // show.
    const ReferenceRenumbering renumbering =
        kind == BlockEditKind::Copy ? ReferenceRenumbering::forBlockCopy(count, destination)
                                    : ReferenceRenumbering::forBlockMove(slots, destination);
    for (const SoundSlot& sound : tables.soundSlots) {
      preview.soundsFollowing +=
          holdsSound(sound) && (renumbering.valueAfter(sound.sModel1) != sound.sModel1 ||
                                renumbering.valueAfter(sound.sModel2) != sound.sModel2);
    }
    if (preview.soundsFollowing > 0) {
      text += "; the references of " +
              countText(static_cast<std::size_t>(preview.soundsFollowing), "sound") + " follow";
    }
  }
  const int leaving = static_cast<int>(preview.leavingSlots.size());
  text += leaving == 0 ? "; none leave the bank"
                       : "; " + std::to_string(leaving) + " occupied " + noun +
                             (leaving == 1 ? " leaves" : "s leave") + " the bank";
  preview.text = std::move(text);
  return preview;
}

}  // namespace slotsmith
