// Sorting a block by name or by model, and closing its gaps. The new order is worked out from the
// tables of the edit's own locked scan; the arrangement is a permutation of the block's
// positions, which the transaction carries out like any other change of slot places (moves that
// may form cycles included), with the model references following for the model bank.
#include <algorithm>
#include <string_view>

#include "core/NaturalOrder.h"
#include "core/UserText.h"
#include "ops/DropPreview.h"
#include "ops/EditRunner.h"
#include "ops/QuestionText.h"

namespace slotsmith {

namespace {

bool holdsSlot(const SlotTables& tables, Bank bank, int slot) {
  return bank == Bank::Sounds ? holdsSound(tables.soundSlots[slot])
                              : holdsModel(tables.modelSlots[slot]);
}

std::string_view nameOf(const SlotTables& tables, Bank bank, int slot) {
  return bank == Bank::Sounds ? tables.soundSlots[slot].sSoundName
                              : tables.modelSlots[slot].sModelName;
}

// The model a sound is grouped under when sorted by model: its first reference when that is on
// and names a model slot; past every model number otherwise, so that those sounds come last.
int modelGroupOf(const SoundSlot& sound) {
  return sound.sModelOn1 > 0 && isModelNumber(sound.sModel1) ? sound.sModel1 : kSlotCount;
}

// arrangementTitle in the user's language.
std::string shownArrangementTitle(Bank bank, Arrangement arrangement) {
  const bool sounds = bank == Bank::Sounds;
  switch (arrangement) {
    case Arrangement::ByName:
      return userText(sounds ? USER_TEXT("Arrange", "Sort sounds by name")
                             : USER_TEXT("Arrange", "Sort models by name"));
    case Arrangement::ByModel:
      return userText(sounds ? USER_TEXT("Arrange", "Sort sounds by model")
                             : USER_TEXT("Arrange", "Sort models by model"));
    case Arrangement::CloseGaps:
      return userText(sounds ? USER_TEXT("Arrange", "Close gaps in sounds")
                             : USER_TEXT("Arrange", "Close gaps in models"));
  }
  return userText(sounds ? USER_TEXT("Arrange", "Arrange sounds")
                         : USER_TEXT("Arrange", "Arrange models"));
}

}  // namespace

ArrangementPreview previewArrangement(const SlotTables& tables, const ArrangeRequest& request) {
  ArrangementPreview preview;
  std::vector<int> slots = request.slots;
  std::erase_if(slots, [](int slot) { return slot < 0 || slot >= kSlotCount; });
  std::sort(slots.begin(), slots.end());
  slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
  std::vector<int> empty;
  for (int slot : slots) {
    (holdsSlot(tables, request.bank, slot) ? preview.order : empty).push_back(slot);
  }
  const auto byName = [&](int a, int b) {
    return compareNaturally(nameOf(tables, request.bank, a), nameOf(tables, request.bank, b)) < 0;
  };
  if (request.arrangement == Arrangement::ByName) {
    std::stable_sort(preview.order.begin(), preview.order.end(), byName);
  } else if (request.arrangement == Arrangement::ByModel && request.bank == Bank::Sounds) {
    std::stable_sort(preview.order.begin(), preview.order.end(), [&](int a, int b) {
      const int modelA = modelGroupOf(tables.soundSlots[a]);
      const int modelB = modelGroupOf(tables.soundSlots[b]);
      return modelA != modelB ? modelA < modelB : byName(a, b);
    });
  }
  preview.order.insert(preview.order.end(), empty.begin(), empty.end());
  for (std::size_t k = 0; k < slots.size(); ++k) {
    if (preview.order[k] != slots[k] && holdsSlot(tables, request.bank, preview.order[k])) {
      preview.movingSlots.push_back(preview.order[k]);
    }
  }
  std::sort(preview.movingSlots.begin(), preview.movingSlots.end());
  const TextArgument title{"title", shownArrangementTitle(request.bank, request.arrangement)};
  const TextArgument named{"slots", slotsText(slots)};
  const auto moving = static_cast<long long>(preview.movingSlots.size());
  if (preview.movingSlots.empty()) {
    preview.text = userText(
        USER_TEXT("Arrange", "{title}: the slots are in that order already; nothing to do."),
        {title});
  } else if (request.bank == Bank::Sounds) {
    preview.text =
        userText(USER_TEXT_N("Arrange", "{title}: {n} sound(s) of {slots} move to another slot."),
                 {title, named}, moving);
  } else {
    preview.text =
        userText(USER_TEXT_N("Arrange", "{title}: {n} model(s) of {slots} move to another slot."),
                 {title, named}, moving);
  }
  preview.slots = std::move(slots);
  return preview;
}

std::string arrangementTitle(Bank bank, Arrangement arrangement) {
  const std::string nouns = bank == Bank::Sounds ? "sounds" : "models";
  switch (arrangement) {
    case Arrangement::ByName:
      return "Sort " + nouns + " by name";
    case Arrangement::ByModel:
      return "Sort " + nouns + " by model";
    case Arrangement::CloseGaps:
      return "Close gaps in " + nouns;
  }
  return "Arrange " + nouns;
}

EditOutcome arrangeSlots(EditContext& context, const ArrangeRequest& request) {
  const std::string title = arrangementTitle(request.bank, request.arrangement);
  if (request.arrangement == Arrangement::ByModel && request.bank == Bank::Models) {
    return context.refuse(title, userText(USER_TEXT("Arrange", "Models are sorted by name only.")));
  }
  const ArrangementPreview preview = previewArrangement(context.database().tables(), request);
  const std::vector<int>& order = preview.order;
  if (preview.movingSlots.empty()) {
    // Nothing moves, but a slot folder the plan cannot place (another letter case) is still
    // named: the block the user sees as in order may not be what the synthesizer reads.
    EditPlan plan;
    const SlotLayout unchanged = SlotLayout::afterArrangement(preview.slots, preview.slots);
    if (Status planned = context.planLayout(request.bank, unchanged, plan); !planned.isOk()) {
      return context.refuse(title, nothingChanged(planned.message()));
    }
    plan.title = title;
    return EditOutcome::done(
        std::move(plan),
        userText(USER_TEXT("Arrange", "The slots are in that order already; nothing to do.")));
  }
  const bool sounds = request.bank == Bank::Sounds;
  const TextArgument slots{"slots", slotsText(request.slots)};
  const auto moving = static_cast<long long>(preview.movingSlots.size());
  const std::string informative =
      sounds ? userText(USER_TEXT_N("Arrange",
                                    "Are you sure you want to arrange {slots}? {n} sound(s) move "
                                    "to another slot. Undo reverses it."),
                        {slots}, moving)
             : userText(USER_TEXT_N("Arrange",
                                    "Are you sure you want to arrange {slots}? {n} model(s) move "
                                    "to another slot, and every sound keeps playing the same "
                                    "models. Undo reverses it."),
                        {slots}, moving);
  const std::string shownTitle = shownArrangementTitle(request.bank, request.arrangement);
  if (!context.confirm({.message = shownTitle,
                        .informative = informative,
                        .buttons = {userText(kOk), userText(kCancel), ""},
                        .confirmingAnswer = kAlertDefault,
                        .decliningAnswer = kAlertAlternate})) {
    return EditOutcome::cancelled();
  }
  const SlotLayout layout = SlotLayout::afterArrangement(request.slots, order);
  const EditSettings settings{
      .bank = request.bank,
      .title = title,
      .shownTitle = shownTitle,
      .progressText = sounds ? userText(USER_TEXT("Progress", "Arranging sounds..."))
                             : userText(USER_TEXT("Progress", "Arranging models...")),
      .progressMaximum = 999,
      .disableDrops = true};
  EditOutcome outcome;
  if (request.bank == Bank::Models) {
    outcome = context.runModelEdit(settings, layout,
                                   ReferenceRenumbering::forArrangement(request.slots, order),
                                   userText(kUpdatingSounds));
  } else {
    EditPlan plan;
    if (Status planned = context.planLayout(Bank::Sounds, layout, plan); !planned.isOk()) {
      return context.refuse(title, nothingChanged(planned.message()));
    }
    outcome = context.run({.settings = settings, .plan = std::move(plan)});
  }
  // The report counts what the question counted: the occupied slots that move.
  if (outcome.isDone()) outcome.countedSlots = preview.movingSlots;
  return outcome;
}

}  // namespace slotsmith
