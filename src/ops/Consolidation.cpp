// Consolidation: every model that no sound refers to is removed, from slot 0 or from a chosen
// slot on, and the models that remain close up with their references following. Which models are
// unused comes from the last scan; every edit ends with one, so it matches the disk, and the
// renumbering pass reads every script again, so a script the scan could not read stops the edit
// before a model it may use is removed.
#include <cstdio>

#include "ops/EditRunner.h"

namespace slotsmith {

namespace {

constexpr char kConsolidateTitle[] = "Consolidate database";
constexpr char kConsolidateInformative[] =
    "Consolidation removes unused models, compacts the database so that the model numbering is "
    "contiguous and updates all sound references to the models that are moved.\n\nAre you sure "
    "you want to consolidate your Neuron database now? Undo reverses it.";

// The slot to consolidate from, or none when the user declined.
std::optional<int> askStartSlot(EditContext& context, const ConsolidateRequest& request) {
  if (!request.from) {
    const bool yes = context.confirm({.message = kConsolidateTitle,
                                      .informative = kConsolidateInformative,
                                      .buttons = {"Cancel", "Yes", ""},
                                      .confirmingAnswer = kAlertAlternate,
                                      .decliningAnswer = kAlertDefault});
    return yes ? std::optional<int>(0) : std::nullopt;
  }
  char fromButton[32];
  std::snprintf(fromButton, sizeof fromButton, "Yes - from #%d", *request.from);
  const int answer = context.ui().ask({.message = kConsolidateTitle,
                                       .informative = kConsolidateInformative,
                                       .buttons = {"Cancel", "Yes - all", fromButton},
                                       .confirmingAnswer = kAlertOther,
                                       .decliningAnswer = kAlertDefault});
  if (answer == kAlertOther) return *request.from;
  if (answer == kAlertAlternate && request.letUserChooseStart) return 0;
  return std::nullopt;
}

}  // namespace

EditOutcome consolidate(EditContext& context, const ConsolidateRequest& request) {
  if (request.from && !isModelNumber(*request.from)) {
    return context.refuse(kConsolidateTitle, "Models are numbered from 0 to 999.");
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
                          "Nothing was changed: the script of sound " + std::to_string(sound) +
                              " cannot be read, so the models it refers to are not known (" +
                              script + "). Check that it can be read, then try again.");
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
  renumbering.deleteAndCompactModelsStartingAtIndex(*start, marked);
  return context.runModelEdit({.bank = Bank::Models,
                               .title = kConsolidateTitle,
                               .progressText = "Consolidating...",
                               .progressMaximum = 999,
                               .disableDrops = true},
                              layout, renumbering);
}

}  // namespace slotsmith
