// Undo and redo: the renames of an edit's history entry run backwards or forwards again, as a
// transaction of their own, after the same kind of confirmation as the edit itself. An undo
// refuses, changing nothing, when the database was changed under the edit since.
#include "ops/EditRunner.h"
#include "ops/History.h"

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

Question confirmation(const Journal& journal, HistoryDirection direction,
                      const std::string& title) {
  const bool undo = direction == HistoryDirection::Undo;
  return {
      .message = title,
      .informative = std::string("Are you sure you want to ") + (undo ? "undo" : "redo") + " \"" +
                     journal.title + "\" of " + formatEditTime(journal.time) + "? It puts " +
                     std::to_string(journal.folders) + " slot folders and " +
                     std::to_string(journal.scripts) + " sound scripts back as they were " +
                     (undo ? "before" : "after") + " it.",
      .buttons = {"Cancel", undo ? "Undo" : "Redo", ""},
      .confirmingAnswer = kAlertAlternate,
      .decliningAnswer = kAlertDefault,
  };
}

}  // namespace

EditOutcome undoOrRedo(EditContext& context, HistoryDirection direction) {
  const bool undo = direction == HistoryDirection::Undo;
  FileSystem& fs = context.fileSystem();
  const std::vector<HistoryEntry> entries = readHistory(fs, context.root());
  const std::optional<HistoryEntry> entry = undo ? entryToUndo(entries) : entryToRedo(entries);
  if (!entry) {
    return context.refuse(undo ? "Undo" : "Redo",
                          undo ? "There is no edit to undo." : "There is no undone edit to redo.");
  }
  const Journal& journal = entry->journal;
  const std::string title = (undo ? "Undo " : "Redo ") + journal.title;
  EditPlan plan = planOf(context.root(), title, renamesFor(journal, direction));
  if (Status ready = checkHistoryStep(fs, context.root(), journal, direction); !ready.isOk()) {
    EditOutcome outcome = context.refuse(
        title, "The database was changed after \"" + journal.title + "\", so it cannot be " +
                   (undo ? "undone" : "redone") +
                   " without losing that change: " + ready.message() + ". Nothing was changed.");
    outcome.plan = std::move(plan);
    return outcome;
  }
  if (!context.confirm(confirmation(journal, direction, title))) {
    return EditOutcome::cancelled(std::move(plan));
  }
  if (context.options().dryRun)
    return EditOutcome::done(std::move(plan), "Dry run: nothing was changed.");
  const EditSettings settings{.bank = journal.namesBank.value_or(Bank::Sounds),
                              .title = title,
                              .progressText = undo ? "Undoing..." : "Redoing...",
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
