// Consolidation: every model that no sound refers to is removed, from slot 0 or from a chosen
// slot on, and the models that remain close up with their references following. Which models are
// unused comes from the last scan; every edit ends with one, so it matches the disk, and the
// renumbering pass reads every script again, so a script the scan could not read stops the edit
// before a model it may use is removed.
#include <string>
#include <vector>

#include "core/UserText.h"
#include "ops/EditRunner.h"
#include "ops/QuestionText.h"

namespace slotsmith {

namespace {

constexpr char kConsolidateTitle[] = "Consolidate database";  // English: the history's
constexpr TextTemplate kShownTitle = USER_TEXT("Consolidate", "Consolidate database");
constexpr TextTemplate kConsolidateInformative = USER_TEXT(
    "Consolidate",
    "Consolidation removes unused models, compacts the database so that the model numbering is "
    "contiguous and updates all sound references to the models that are moved.\n\nAre you sure "
    "you want to consolidate your Neuron database now? Undo reverses it.");

// The model slots from start on that hold a model no sound refers to: the models consolidation
// drops (an empty slot closes up too, but nothing of the user's goes with it).
std::vector<int> modelsDropped(const SlotTables& tables, int start) {
  std::vector<int> dropped;
  for (int slot = start; slot < kSlotCount; ++slot) {
    const ModelSlot& model = tables.modelSlots[slot];
    if (model.sIsUsed == kModelUnused && holdsModel(model)) dropped.push_back(slot);
  }
  return dropped;
}

std::string droppedText(const std::vector<int>& dropped) {
  if (dropped.empty()) return userText(USER_TEXT("Consolidate", "no model"));
  return userText(USER_TEXT_N("Consolidate", "{n} unused model(s) ({slots})"),
                  {{"slots", slotsText(dropped)}}, static_cast<long long>(dropped.size()));
}

// The alert's text, then what each answer that confirms drops: counted, the user can tell a
// tidy-up from the loss of half the bank before saying yes.
std::string consolidateInformative(const SlotTables& tables, const ConsolidateRequest& request) {
  const std::string text = userText(kConsolidateInformative) + "\n\n";
  const TextArgument all{"dropped", droppedText(modelsDropped(tables, 0))};
  if (!request.from)
    return text + userText(USER_TEXT("Consolidate", "It removes {dropped}."), {all});
  const TextArgument from{"from", std::to_string(*request.from)};
  const TextArgument fromStart{"droppedFrom", droppedText(modelsDropped(tables, *request.from))};
  if (!request.letUserChooseStart) {
    return text + userText(USER_TEXT("Consolidate", "From #{from} on it removes {droppedFrom}."),
                           {from, fromStart});
  }
  return text + userText(USER_TEXT("Consolidate",
                                   "\"Yes - all\" removes {dropped}; \"Yes - from #{from}\" "
                                   "removes {droppedFrom}."),
                         {all, from, fromStart});
}

// The slot to consolidate from, or none when the user declined.
std::optional<int> askStartSlot(EditContext& context, const ConsolidateRequest& request) {
  const std::string informative = consolidateInformative(context.database().tables(), request);
  if (!request.from) {
    const bool yes =
        context.confirm({.message = userText(kShownTitle),
                         .informative = informative,
                         .buttons = {userText(kCancel), userText(USER_TEXT("Buttons", "Yes")), ""},
                         .confirmingAnswer = kAlertAlternate,
                         .decliningAnswer = kAlertDefault});
    return yes ? std::optional<int>(0) : std::nullopt;
  }
  const std::string fromButton = userText(USER_TEXT("Buttons", "Yes - from #{from}"),
                                          {{"from", std::to_string(*request.from)}});
  const int answer = context.ui().ask(
      {.message = userText(kShownTitle),
       .informative = informative,
       .buttons = {userText(kCancel), userText(USER_TEXT("Buttons", "Yes - all")), fromButton},
       .confirmingAnswer = kAlertOther,
       .decliningAnswer = kAlertDefault});
  if (answer == kAlertOther) return *request.from;
  if (answer == kAlertAlternate && request.letUserChooseStart) return 0;
  return std::nullopt;
}

}  // namespace

EditOutcome consolidate(EditContext& context, const ConsolidateRequest& request) {
  if (request.from && !isModelNumber(*request.from)) {
    return context.refuse(kConsolidateTitle,
                          userText(USER_TEXT("Consolidate", "Models are numbered from 0 to 999.")));
  }
  const std::optional<int> start = askStartSlot(context, request);
  if (!start) return EditOutcome::cancelled();
  // Slots before the start stay as they are, used or not.
  const SlotTables& tables = context.database().tables();
  // A sound the scan found empty though its script is there could not be read: the models it
  // refers to would look unused and be removed under it.
  for (int sound = 0; sound < kSlotCount; ++sound) {
    if (tables.soundSlots[sound].sIsUsed != kSoundEmpty) continue;
    const std::string script = soundScriptPath(context.root(), sound);
    if (context.fileSystem().entryType(script) == EntryType::Missing) continue;
    return context.refuse(kConsolidateTitle,
                          userText(USER_TEXT("Consolidate",
                                             "Nothing was changed: the script of sound {sound} "
                                             "cannot be read, so the models it refers to are not "
                                             "known ({path}). Check that it can be read, then try "
                                             "again."),
                                   {{"sound", std::to_string(sound)}, {"path", script}}));
  }
  std::vector<int> unused;
  std::bitset<kSlotCount> marked;
  for (int slot = *start; slot < kSlotCount; ++slot) {
    if (tables.modelSlots[slot].sIsUsed != kModelUnused) continue;
    unused.push_back(slot);
    marked.set(slot);
  }
  SlotLayout layout;
  layout.mark(unused);
  layout.compactFrom(*start);
  ReferenceRenumbering renumbering;
  // No sound's first line names an unused model, but a later line of a key given twice may: it
  // becomes -1, as a removal leaves it, rather than name the model that closes over the gap.
  for (int slot : unused)
    renumbering.replaceUniqueModelInAllSounds(slot, -1);
  renumbering.deleteAndCompactModelsStartingAtIndex(*start, marked);
  // The report counts what the question counted: the models dropped, not the empty slots. The
  // tables are the scan after the edit once it has run.
  std::vector<int> dropped = modelsDropped(tables, *start);
  EditOutcome outcome =
      context.runModelEdit({.bank = Bank::Models,
                            .title = kConsolidateTitle,
                            .shownTitle = userText(kShownTitle),
                            .progressText = userText(USER_TEXT("Progress", "Consolidating...")),
                            .progressMaximum = 999,
                            .disableDrops = true},
                           layout, renumbering);
  if (outcome.isDone()) outcome.countedSlots = std::move(dropped);
  return outcome;
}

}  // namespace slotsmith
