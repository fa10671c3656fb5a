// Delete and remove, in both banks, after the one alert that offers both. Deleting leaves the
// slots empty; removing closes the gaps, the later slots moving up. For models a removal also
// renumbers the references: a reference to a removed model becomes -1 and every other follows
// its model; a deletion leaves the references alone, so sounds that used a deleted model still
// name its slot.
#include <bitset>
#include <string>
#include <vector>

#include "core/UserText.h"
#include "ops/EditRunner.h"
#include "ops/QuestionText.h"

namespace slotsmith {

namespace {

int answerFor(Removal removal) {
  return removal == Removal::Delete ? kAlertAlternate : kAlertOther;
}

// The sounds that refer to any of the models, switched on or off, as "12 (Bright Tine)", or "12"
// for a sound without a name: both answers change what they play.
std::vector<std::string> soundsUsing(const SlotTables& tables, const std::vector<int>& models) {
  std::bitset<kSlotCount> chosen;
  for (int model : models)
    if (isModelNumber(model)) chosen.set(static_cast<std::size_t>(model));
  const auto isChosen = [&](int32_t model) {
    return isModelNumber(model) && chosen.test(static_cast<std::size_t>(model));
  };
  std::vector<std::string> sounds;
  for (const SoundSlot& sound : tables.soundSlots) {
    if (sound.sIsUsed != kSoundOccupied) continue;
    if (!isChosen(sound.sModel1) && !isChosen(sound.sModel2)) continue;
    std::string name = sound.sSoundName;
    name.erase(name.find_last_not_of(' ') + 1);
    sounds.push_back(std::to_string(sound.sNumber) + (name.empty() ? "" : " (" + name + ")"));
  }
  return sounds;
}

// The delete-or-remove alert; the answer the user gave, or none when they declined. Models that
// sounds use make Cancel the answer Return gives: either answer leaves those sounds without the
// model they play, which the user must have seen.
std::optional<Removal> askDeleteOrRemove(EditContext& context, const DeleteRequest& request) {
  const bool sounds = request.bank == Bank::Sounds;
  const std::size_t count = request.slots.size();
  // The alert's own sentence stands as it always has; the slots it means follow it.
  std::string informative =
      userText(sounds ? USER_TEXT("Delete",
                                  "Are you sure you want to delete or remove {count} selected "
                                  "sounds now? Undo reverses it.\n\nDeleting leaves empty "
                                  "slots, remove moves the remaining sounds up.")
                      : USER_TEXT("Delete",
                                  "Are you sure you want to delete or remove {count} selected "
                                  "models now? Undo reverses it.\n\nDeleting leaves empty "
                                  "slots, remove moves the remaining models up."),
               {{"count", std::to_string(count)}});
  const TextArgument slots{"slots", slotsText(request.slots)};
  informative +=
      "\n\n" + (sounds ? userText(USER_TEXT_N("Delete", "The selected sound(s): {slots}."), {slots},
                                  static_cast<long long>(count))
                       : userText(USER_TEXT_N("Delete", "The selected model(s): {slots}."), {slots},
                                  static_cast<long long>(count)));
  std::vector<std::string> users;
  if (!sounds) users = soundsUsing(context.database().tables(), request.slots);
  if (!users.empty()) {
    // "it" or "them" follows the models, "its" or "their" the sounds: one text for each number of
    // models, the sounds' plural forms within it.
    const auto used = static_cast<long long>(users.size());
    const TextArgument named{"sounds", shortenedList(users)};
    informative +=
        "\n\n" + (count == 1
                      ? userText(USER_TEXT_N("Delete",
                                             "{n} sound(s) (uses|use) it: {sounds}. Deleting "
                                             "leaves (it|them) referring to empty model "
                                             "slots; removing sets (its|their) references "
                                             "to no model (-1)."),
                                 {named}, used)
                      : userText(USER_TEXT_N("Delete",
                                             "{n} sound(s) (uses|use) them: {sounds}. Deleting "
                                             "leaves (it|them) referring to empty model "
                                             "slots; removing sets (its|their) references "
                                             "to no model (-1)."),
                                 {named}, used));
  }
  const int answer = context.ui().ask(
      {.message = userText(sounds ? USER_TEXT("Delete", "Delete/remove selected sounds")
                                  : USER_TEXT("Delete", "Delete/remove selected models")),
       .informative = informative,
       .buttons = {userText(kCancel), userText(USER_TEXT("Buttons", "Delete")),
                   userText(USER_TEXT("Buttons", "Remove"))},
       .confirmingAnswer = answerFor(request.removal),
       .decliningAnswer = kAlertDefault,
       .declineByDefault = !users.empty()});
  for (Removal removal : {Removal::Delete, Removal::Remove}) {
    const bool accepted = request.letUserChoose || removal == request.removal;
    if (accepted && answer == answerFor(removal)) return removal;
  }
  return std::nullopt;
}

EditOutcome runSoundEdit(EditContext& context, EditSettings settings, const SlotLayout& layout) {
  EditPlan plan;
  if (Status planned = context.planLayout(Bank::Sounds, layout, plan); !planned.isOk()) {
    return context.refuse(settings.title, nothingChanged(planned.message()));
  }
  return context.run({.settings = std::move(settings), .plan = std::move(plan)});
}

EditOutcome deleteInPlace(EditContext& context, Bank bank, const std::vector<int>& slots) {
  SlotLayout layout;
  layout.clear(slots);
  EditSettings settings{.bank = bank,
                        .title = bank == Bank::Sounds ? "Delete sounds" : "Delete models",
                        .shownTitle = bank == Bank::Sounds
                                          ? userText(USER_TEXT("Delete", "Delete sounds"))
                                          : userText(USER_TEXT("Delete", "Delete models")),
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
                        .shownTitle = bank == Bank::Sounds
                                          ? userText(USER_TEXT("Delete", "Remove sounds"))
                                          : userText(USER_TEXT("Delete", "Remove models")),
                        .progressText = userText(USER_TEXT("Progress", "Removing...")),
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
                          noneChosen(request.bank));
  }
  const std::optional<Removal> removal = askDeleteOrRemove(context, request);
  if (!removal) return EditOutcome::cancelled();
  if (*removal == Removal::Delete) return deleteInPlace(context, request.bank, request.slots);
  return removeClosingGaps(context, request.bank, request.slots);
}

}  // namespace slotsmith
