// Find and replace: one model number replaced by another in the references of the chosen sounds.
// Only those sounds are read, one at a time; a script is written (atomically) only when its bytes
// change, and a sound slot without a script is never given one.
#include <set>

#include "core/UserText.h"
#include "ops/EditRunner.h"
#include "ops/QuestionText.h"

namespace slotsmith {

namespace {

constexpr char kFindReplaceTitle[] = "Find & replace";

void showResult(Ui& ui, int occurrences) {
  ui.showMessage(
      userText(USER_TEXT("FindReplace", "Find & replace complete")),
      userText(USER_TEXT("Buttons", "Nice!")),
      userText(USER_TEXT_N("FindReplace", "Replaced {n} occurrences."), {}, occurrences));
}

// A model number, or -1: the value a removal leaves where a reference pointed at a removed model.
bool isReferenceValue(int value) {
  return value == -1 || isModelNumber(value);
}

// Runs rewritten references as an edit that changes no name, and tells how many there were.
EditOutcome runReferenceRewrites(EditContext& context, const char* title, std::string shownTitle,
                                 std::string progressText, ModelEditPlan edit) {
  const int occurrences = edit.touchedReferences;
  EditOutcome outcome = context.run({.settings = {.bank = Bank::Models,
                                                  .title = title,
                                                  .shownTitle = std::move(shownTitle),
                                                  .progressText = std::move(progressText),
                                                  .progressMaximum = 999,
                                                  .disableDrops = true,
                                                  .writeNamesFile = false},
                                     .plan = std::move(edit.plan)});
  outcome.occurrences = occurrences;
  return outcome;
}

}  // namespace

EditOutcome findAndReplace(EditContext& context, const FindReplaceRequest& request) {
  if (!isReferenceValue(request.find) || !isReferenceValue(request.replacement)) {
    return context.refuse(kFindReplaceTitle,
                          userText(USER_TEXT("FindReplace",
                                             "Models are numbered from 0 to 999 (-1: no model); "
                                             "nothing was changed.")));
  }
  std::bitset<kSlotCount> sounds;
  for (int slot : request.sounds)
    sounds.set(slot);
  ReferenceRenumbering renumbering;
  renumbering.replaceUniqueModelInAllSounds(request.find, request.replacement);
  ModelEditPlan edit;
  if (Status planned = withReferenceRewrites(context.fileSystem(), context.root(), {}, renumbering,
                                             sounds, edit);
      !planned.isOk()) {
    return context.refuse(kFindReplaceTitle, nothingChanged(planned.message()));
  }
  EditOutcome outcome = runReferenceRewrites(
      context, kFindReplaceTitle, userText(USER_TEXT("FindReplace", "Find & replace")),
      userText(USER_TEXT("Progress", "Replacing model references...")), std::move(edit));
  if (outcome.isDone() && !context.options().dryRun) showResult(context.ui(), outcome.occurrences);
  return outcome;
}

EditOutcome clearEmptyReferences(EditContext& context) {
  constexpr char kTitle[] = "Clear references to empty slots";  // English: the history's
  constexpr TextTemplate kShownTitle =
      USER_TEXT("ClearReferences", "Clear references to empty slots");
  const SlotTables& tables = context.database().tables();
  FileSystem& fs = context.fileSystem();
  std::set<int> empty;
  for (const SoundSlot& sound : tables.soundSlots) {
    if (sound.sIsUsed != kSoundOccupied) continue;
    for (int32_t model : {sound.sModel1, sound.sModel2}) {
      if (isModelNumber(model) && !empty.count(model) &&
          fs.entryType(modelNamePath(context.root(), model)) == EntryType::Missing) {
        empty.insert(model);
      }
    }
  }
  if (empty.empty()) {
    return context.refuse(
        kTitle, userText(USER_TEXT("ClearReferences", "No sound refers to an empty model slot.")));
  }
  ReferenceRenumbering renumbering;
  for (int model : empty)
    renumbering.replaceUniqueModelInAllSounds(model, -1);
  ModelEditPlan edit;
  if (Status planned =
          withReferenceRewrites(fs, context.root(), {}, renumbering, allSounds(), edit);
      !planned.isOk()) {
    return context.refuse(kTitle, nothingChanged(planned.message()));
  }
  const int occurrences = edit.touchedReferences;
  if (!context.confirm(
          {.message = userText(kShownTitle),
           .informative = userText(
               USER_TEXT_N("ClearReferences",
                           "Are you sure you want to set the {n} reference(s) to the empty model "
                           "{slots} to -1 (no model)? Undo reverses it."),
               {{"slots", slotsText({empty.begin(), empty.end()})}}, occurrences),
           .buttons = {userText(kCancel), userText(USER_TEXT("Buttons", "Clear")), ""},
           .confirmingAnswer = kAlertAlternate,
           .decliningAnswer = kAlertDefault})) {
    return EditOutcome::cancelled(std::move(edit.plan));
  }
  return runReferenceRewrites(context, kTitle, userText(kShownTitle),
                              userText(USER_TEXT("Progress", "Clearing references...")),
                              std::move(edit));
}

}  // namespace slotsmith
