// Delete and remove, in both banks, after the one alert that offers both. Deleting leaves the
// slots empty; removing closes the gaps, the later slots moving up. For models a removal also
// renumbers the references: a reference to a removed model becomes -1 and every other follows
// its model; a deletion leaves the references alone, so sounds that used a deleted model still
// name its slot.
#include <bitset>
#include <cstdio>

#include "ops/EditRunner.h"

namespace slotsmith {

namespace {

int answerFor(Removal removal) {
  return removal == Removal::Delete ? kAlertAlternate : kAlertOther;
}

// The delete-or-remove alert; the answer the user gave, or none when they declined.
std::optional<Removal> askDeleteOrRemove(EditContext& context, const DeleteRequest& request) {
  const char* noun = request.bank == Bank::Sounds ? "sounds" : "models";
  char informative[256];
  std::snprintf(informative, sizeof informative,
                "Are you sure you want to delete or remove %d selected %s now? Undo reverses "
                "it.\n\nDeleting leaves empty slots, remove moves the remaining %s up.",
                static_cast<int>(request.slots.size()), noun, noun);
  const int answer = context.ui().ask({.message = std::string("Delete/remove selected ") + noun,
                                       .informative = informative,
                                       .buttons = {"Cancel", "Delete", "Remove"},
                                       .confirmingAnswer = answerFor(request.removal),
                                       .decliningAnswer = kAlertDefault});
  for (Removal removal : {Removal::Delete, Removal::Remove}) {
    const bool accepted = request.letUserChoose || removal == request.removal;
    if (accepted && answer == answerFor(removal)) return removal;
  }
  return std::nullopt;
}

EditOutcome runSoundEdit(EditContext& context, EditSettings settings, const SlotLayout& layout) {
  EditPlan plan;
  if (Status planned = context.planLayout(Bank::Sounds, layout, plan); !planned.isOk()) {
    return context.refuse(settings.title, "Nothing was changed: " + planned.message());
  }
  return context.run({.settings = std::move(settings), .plan = std::move(plan)});
}

EditOutcome deleteInPlace(EditContext& context, Bank bank, const std::vector<int>& slots) {
  SlotLayout layout;
  layout.clear(slots);
  EditSettings settings{.bank = bank,
                        .title = bank == Bank::Sounds ? "Delete sounds" : "Delete models",
                        .progressMaximum = 1000};
  if (bank == Bank::Sounds) return runSoundEdit(context, std::move(settings), layout);
  return context.runModelEdit(std::move(settings), layout, {});
}

EditOutcome removeClosingGaps(EditContext& context, Bank bank, const std::vector<int>& slots) {
  SlotLayout layout;
  layout.mark(slots);
  layout.compactFrom(slots.front());
  EditSettings settings{.bank = bank,
                        .title = bank == Bank::Sounds ? "Remove sounds" : "Remove models",
                        .progressText = "Removing...",
                        .progressMaximum = 1000};
  if (bank == Bank::Sounds) return runSoundEdit(context, std::move(settings), layout);
  std::bitset<kSlotCount> removed;
  ReferenceRenumbering renumbering;
  for (int slot : slots) {
    renumbering.replaceUniqueModelInAllSounds(slot, -1);
    removed.set(slot);
  }
  renumbering.deleteAndCompactModelsStartingAtIndex(slots.front(), removed);
  return context.runModelEdit(std::move(settings), layout, renumbering);
}

}  // namespace

EditOutcome deleteSlots(EditContext& context, const DeleteRequest& request) {
  if (request.slots.empty()) {
    return context.refuse(std::string("Delete/remove selected ") + nounOf(request.bank) + "s",
                          std::string("No ") + nounOf(request.bank) + "s were chosen.");
  }
  const std::optional<Removal> removal = askDeleteOrRemove(context, request);
  if (!removal) return EditOutcome::cancelled();
  if (*removal == Removal::Delete) return deleteInPlace(context, request.bank, request.slots);
  return removeClosingGaps(context, request.bank, request.slots);
}

}  // namespace slotsmith
