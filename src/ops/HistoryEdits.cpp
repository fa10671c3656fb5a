// Undo and redo: the renames of an edit's history entry run backwards or forwards again, as a
// transaction of their own, after the same kind of confirmation as the edit itself. An undo
// refuses, changing nothing, when the database was changed under the edit since.
#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string_view>

#include "core/UserText.h"
#include "ops/EditRunner.h"
#include "ops/History.h"
#include "ops/QuestionText.h"

namespace slotsmith {

namespace {

EditPlan planOf(const std::string& root, const std::string& title,
                const std::vector<JournalRename>& renames) {
  EditPlan plan;
  plan.title = title;
  for (const JournalRename& rename : renames) {
    plan.changes.push_back(
        {Change::Kind::Move, root + "/" + rename.from, root + "/" + rename.to, {}});
  }
  return plan;
}

// The slot number of a slot folder path ("Models/012.model") of the bank, or of the script of one
// ("Sounds/005.sound/sound.script") when file is given; none for anything else.
std::optional<int> slotOfPath(Bank bank, const std::string& path, std::string_view file = {}) {
  const std::string bankName = std::string(bankFolderName(bank)) + "/";
  if (!path.starts_with(bankName) || !path.ends_with(file)) return std::nullopt;
  return slotNumberFromFolderName(
      bank,
      std::string_view(path).substr(bankName.size(), path.size() - bankName.size() - file.size()));
}

// How many slots of the bank the step takes a folder out of or puts one into, each slot once:
// the edit's own question counted slots, not folders, and a slot whose folder it replaced is one
// slot, though one folder leaves it and another comes in.
std::size_t slotsTouched(const std::vector<JournalRename>& renames, Bank bank) {
  std::set<int> slots;
  for (const JournalRename& rename : renames) {
    for (const std::string* path : {&rename.from, &rename.to}) {
      if (std::optional<int> slot = slotOfPath(bank, *path)) slots.insert(*slot);
    }
  }
  return slots.size();
}

// "Undo Move sounds": the step's title as the user reads it, the edit's own title as journaled.
std::string shownStepTitle(const Journal& journal, bool undo) {
  const TextArgument edit{"edit", journal.title};
  return undo ? userText(USER_TEXT("History", "Undo {edit}"), {edit})
              : userText(USER_TEXT("History", "Redo {edit}"), {edit});
}

Question confirmation(const Journal& journal, HistoryDirection direction) {
  const bool undo = direction == HistoryDirection::Undo;
  const std::vector<JournalRename> renames = renamesFor(journal, direction);
  const std::initializer_list<TextArgument> arguments = {
      {"edit", journal.title},
      {"time", formatEditTime(journal.time)},
      {"sounds", userText(USER_TEXT_N("Counts", "{n} sound slot(s)"), {},
                          static_cast<long long>(slotsTouched(renames, Bank::Sounds)))},
      {"models", userText(USER_TEXT_N("Counts", "{n} model slot(s)"), {},
                          static_cast<long long>(slotsTouched(renames, Bank::Models)))},
      {"scripts", userText(USER_TEXT_N("History", "{n} sound script(s)"), {}, journal.scripts)},
  };
  return {
      .message = shownStepTitle(journal, undo),
      .informative =
          undo ? userText(USER_TEXT("History",
                                    "Are you sure you want to undo \"{edit}\" of {time}? It puts "
                                    "{sounds}, {models} and {scripts} back as they were before "
                                    "it."),
                          arguments)
               : userText(USER_TEXT("History",
                                    "Are you sure you want to redo \"{edit}\" of {time}? It puts "
                                    "{sounds}, {models} and {scripts} back as they were after "
                                    "it."),
                          arguments),
      .buttons = {userText(kCancel),
                  undo ? userText(USER_TEXT("Buttons", "Undo"))
                       : userText(USER_TEXT("Buttons", "Redo")),
                  ""},
      .confirmingAnswer = kAlertAlternate,
      .decliningAnswer = kAlertDefault,
  };
}

// Moving a model folder changes what every reference to its number means. The edit rewrote
// every script whose references it changed, and the step puts those back; any other script that
// now refers to a model the step moves was changed since (or newly points there), and would end
// up playing another model.
Status checkReferencesKeepTheirMeaning(const SlotTables& tables,
                                       const std::vector<JournalRename>& renames, bool undo) {
  // A model folder is renumbered when the step takes it out of its slot and puts it into another
  // one: both numbers then name another model. A folder only taken out or only put back (a
  // deletion and its undo) leaves its references as the edit itself meant them.
  std::set<int> movedModels, replacedScripts;
  std::map<std::string, int> modelWaitingAt;  // the entry's name -> the slot it left
  for (const JournalRename& rename : renames) {
    if (std::optional<int> model = slotOfPath(Bank::Models, rename.from)) {
      modelWaitingAt[rename.to] = *model;
    }
    if (std::optional<int> sound = slotOfPath(Bank::Sounds, rename.from, "/sound.script")) {
      replacedScripts.insert(*sound);
    }
    auto waiting = modelWaitingAt.find(rename.from);
    if (waiting == modelWaitingAt.end()) continue;
    if (std::optional<int> target = slotOfPath(Bank::Models, rename.to)) {
      // Both numbers change meaning: the one it leaves and the one it takes.
      movedModels.insert(waiting->second);
      movedModels.insert(*target);
    }
  }
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const SoundSlot& sound = tables.soundSlots[slot];
    if (sound.sIsUsed != kSoundOccupied || replacedScripts.count(slot)) continue;
    for (int32_t model : {sound.sModel1, sound.sModel2}) {
      if (!movedModels.count(model)) continue;
      const std::initializer_list<TextArgument> slots = {{"sound", std::to_string(slot)},
                                                         {"model", std::to_string(model)}};
      return Status::refused(
          undo ? userText(USER_TEXT("History",
                                    "sound {sound} refers to model {model}, which the undo moves; "
                                    "the sound would then play another model"),
                          slots)
               : userText(USER_TEXT("History",
                                    "sound {sound} refers to model {model}, which the redo moves; "
                                    "the sound would then play another model"),
                          slots));
    }
  }
  return Status::ok();
}

}  // namespace

EditOutcome undoOrRedo(EditContext& context, HistoryDirection direction) {
  const bool undo = direction == HistoryDirection::Undo;
  FileSystem& fs = context.fileSystem();
  const std::vector<HistoryEntry> entries = readHistory(fs, context.root());
  const std::optional<HistoryEntry> entry = undo ? entryToUndo(entries) : entryToRedo(entries);
  if (!entry) {
    const auto foreign = std::count_if(entries.begin(), entries.end(),
                                       [](const HistoryEntry& e) { return e.foreign; });
    // Said, so that the user who carried their database here knows where their history went.
    const std::string elsewhere =
        foreign == 0 ? std::string()
                     : " " + userText(USER_TEXT_N("History",
                                                  "The history holds {n} edit(s) made elsewhere, "
                                                  "which is never undone or redone here; "
                                                  "`slotsmith history DB --adopt` makes it yours "
                                                  "if it is."),
                                      {}, static_cast<long long>(foreign));
    return context.refuse(
        undo ? "Undo" : "Redo",
        (undo ? userText(USER_TEXT("History", "There is no edit to undo."))
              : userText(USER_TEXT("History", "There is no undone edit to redo."))) +
            elsewhere);
  }
  const Journal& journal = entry->journal;
  const std::string title = (undo ? "Undo " : "Redo ") + journal.title;
  EditPlan plan = planOf(context.root(), title, renamesFor(journal, direction));
  if (Status shape = checkJournalShape(journal, entry->number); !shape.isOk()) {
    // Refused under the title the user reads; the outcome's plan keeps the history's own.
    EditOutcome outcome = context.refuse(
        shownStepTitle(journal, undo),
        userText(USER_TEXT("History",
                           "The history of \"{edit}\" is not as Slotsmith writes it, so it "
                           "is not acted on: {reason}. Nothing was changed."),
                 {{"edit", journal.title}, {"reason", shape.message()}}));
    outcome.plan = std::move(plan);
    return outcome;
  }
  Status ready = checkHistoryStep(fs, context.root(), journal, direction);
  if (ready.isOk()) {
    ready = checkReferencesKeepTheirMeaning(context.database().tables(),
                                            renamesFor(journal, direction), undo);
  }
  if (!ready.isOk()) {
    const std::initializer_list<TextArgument> arguments = {{"edit", journal.title},
                                                           {"reason", ready.message()}};
    EditOutcome outcome = context.refuse(
        shownStepTitle(journal, undo),
        undo ? userText(USER_TEXT("History",
                                  "The database was changed after \"{edit}\", so it "
                                  "cannot be undone without losing that change: {reason}. "
                                  "Nothing was changed."),
                        arguments)
             : userText(USER_TEXT("History",
                                  "The database was changed after \"{edit}\", so it "
                                  "cannot be redone without losing that change: {reason}. "
                                  "Nothing was changed."),
                        arguments));
    outcome.plan = std::move(plan);
    return outcome;
  }
  if (!context.confirm(confirmation(journal, direction))) {
    return EditOutcome::cancelled(std::move(plan));
  }
  if (context.options().dryRun) return EditOutcome::done(std::move(plan), dryRunText());
  const EditSettings settings{.bank = journal.namesBank.value_or(Bank::Sounds),
                              .title = title,
                              .shownTitle = shownStepTitle(journal, undo),
                              .progressText = undo ? userText(USER_TEXT("Progress", "Undoing..."))
                                                   : userText(USER_TEXT("Progress", "Redoing...")),
                              .writeNamesFile = journal.namesBank.has_value(),
                              .writeBothNamesFiles = journal.bothNamesFiles,
                              .rewriteNamesAfter = journal.legacy && journal.namesBank.has_value()};
  EditOutcome outcome =
      context.carryOutTransaction(settings, [&](const TransactionSettings& transaction) {
        return runHistoryStep(fs, context.root(), entry->number, journal, direction, transaction);
      });
  outcome.plan = std::move(plan);
  return outcome;
}

}  // namespace slotsmith
