#include "ops/DropPreview.h"

#include <algorithm>
#include <cstdlib>

#include "core/UserText.h"
#include "ops/EditRunner.h"
#include "ops/ReferenceRenumbering.h"
#include "ops/SlotRelocation.h"

namespace slotsmith {

namespace {

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
  std::string describe(Bank bank) const {
    const bool sounds = bank == Bank::Sounds;
    const bool down = shift > 0;
    const TextArgument by{"shift", std::to_string(std::abs(shift))};
    if (first == last) {
      const TextArgument slot{"slot", std::to_string(first)};
      if (sounds) {
        return down ? userText(USER_TEXT("Drop", "sound {slot} moves down by {shift}"), {slot, by})
                    : userText(USER_TEXT("Drop", "sound {slot} moves up by {shift}"), {slot, by});
      }
      return down ? userText(USER_TEXT("Drop", "model {slot} moves down by {shift}"), {slot, by})
                  : userText(USER_TEXT("Drop", "model {slot} moves up by {shift}"), {slot, by});
    }
    const TextArgument from{"first", std::to_string(first)};
    const TextArgument to{"last", std::to_string(last)};
    if (sounds) {
      return down ? userText(USER_TEXT("Drop", "sounds {first}\u2013{last} move down by {shift}"),
                             {from, to, by})
                  : userText(USER_TEXT("Drop", "sounds {first}\u2013{last} move up by {shift}"),
                             {from, to, by});
    }
    return down ? userText(USER_TEXT("Drop", "models {first}\u2013{last} move down by {shift}"),
                           {from, to, by})
                : userText(USER_TEXT("Drop", "models {first}\u2013{last} move up by {shift}"),
                           {from, to, by});
  }
};

// "Move 3 sounds to slot 10": what is dropped and where.
std::string actionText(Bank bank, BlockEditKind kind, int count, int destination) {
  const TextArgument to{"destination", std::to_string(destination)};
  const bool sounds = bank == Bank::Sounds;
  switch (kind) {
    case BlockEditKind::Copy:
      return sounds ? userText(USER_TEXT_N("Drop", "Copy {n} sound(s) to slot {destination}"), {to},
                               count)
                    : userText(USER_TEXT_N("Drop", "Copy {n} model(s) to slot {destination}"), {to},
                               count);
    case BlockEditKind::Move:
      return sounds ? userText(USER_TEXT_N("Drop", "Move {n} sound(s) to slot {destination}"), {to},
                               count)
                    : userText(USER_TEXT_N("Drop", "Move {n} model(s) to slot {destination}"), {to},
                               count);
    case BlockEditKind::Import:
    case BlockEditKind::Place:
      break;
  }
  // Only sounds are imported or placed: they come with their models.
  return kind == BlockEditKind::Import
             ? userText(USER_TEXT_N("Drop", "Import {n} sound(s) to slot {destination}"), {to},
                        count)
             : userText(USER_TEXT_N("Drop", "Place {n} sound(s) to slot {destination}"), {to},
                        count);
}

}  // namespace

std::string blockFitProblem(Bank bank, int count, int destination) {
  if (destination >= 0 && destination + count <= kSlotCount) return {};
  const TextArgument at{"destination", std::to_string(destination)};
  const TextArgument latest{"latest", std::to_string(kSlotCount - count)};
  return bank == Bank::Sounds
             ? userText(USER_TEXT_N("Drop",
                                    "A block of {n} sound(s) does not fit at slot #{destination}: "
                                    "the bank ends at slot #999, so the block can start at slot "
                                    "#{latest} at the latest."),
                        {at, latest}, count)
             : userText(USER_TEXT_N("Drop",
                                    "A block of {n} model(s) does not fit at slot #{destination}: "
                                    "the bank ends at slot #999, so the block can start at slot "
                                    "#{latest} at the latest."),
                        {at, latest}, count);
}

BlockPreview previewBlockEdit(const SlotTables& tables, Bank bank, std::vector<int> slots,
                              int destination, BlockEditKind kind) {
  std::sort(slots.begin(), slots.end());
  slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
  const bool sounds = bank == Bank::Sounds;
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

  std::string moves;
  if (runs.empty()) {
    moves = !copy && preview.movingSlots.empty()
                ? userText(USER_TEXT("Drop", "nothing moves"))
                : (sounds ? userText(USER_TEXT("Drop", "no other sound moves"))
                          : userText(USER_TEXT("Drop", "no other model moves")));
  }
  for (std::size_t i = 0; i < runs.size() && i < kRunsNamed; ++i) {
    moves += (i > 0 ? ", " : "") + runs[i].describe(bank);
  }
  if (runs.size() > kRunsNamed) {
    const TextArgument named{"runs", moves};
    const auto more = static_cast<long long>(runs.size() - kRunsNamed);
    moves =
        sounds
            ? userText(USER_TEXT_N("Drop", "{runs} and {n} more run(s) of sounds"), {named}, more)
            : userText(USER_TEXT_N("Drop", "{runs} and {n} more run(s) of models"), {named}, more);
  }
  std::string references;
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
      references = userText(USER_TEXT_N("Drop", "the references of {n} sound(s) follow"), {},
                            preview.soundsFollowing);
    }
  }
  const auto leavingCount = static_cast<long long>(preview.leavingSlots.size());
  const std::string leaving =
      leavingCount == 0
          ? userText(USER_TEXT("Drop", "none leave the bank"))
          : (sounds ? userText(USER_TEXT_N("Drop", "{n} occupied sound(s) (leaves|leave) the bank"),
                               {}, leavingCount)
                    : userText(USER_TEXT_N("Drop", "{n} occupied model(s) (leaves|leave) the bank"),
                               {}, leavingCount));
  const TextArgument action{"action", actionText(bank, kind, count, destination)};
  preview.text =
      references.empty()
          ? userText(USER_TEXT("Drop", "{action}: {moves}; {leaving}"),
                     {action, {"moves", moves}, {"leaving", leaving}})
          : userText(USER_TEXT("Drop", "{action}: {moves}; {references}; {leaving}"),
                     {action, {"moves", moves}, {"references", references}, {"leaving", leaving}});
  return preview;
}

}  // namespace slotsmith
