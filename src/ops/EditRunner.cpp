#include "ops/EditRunner.h"

#include <algorithm>
#include <utility>

#include "core/UserText.h"
#include "ops/ChangedTree.h"
#include "ops/ModelEditPlan.h"
#include "ops/QuestionText.h"
#include "ops/Transaction.h"

namespace slotsmith {

namespace {

// Failure reports list at most this many steps or paths; the rest is counted.
constexpr std::size_t kListedLines = 12;

// Lines for a report: the first few items, then how many more there are.
std::string listLines(const std::vector<std::string>& items) {
  std::string text;
  for (std::size_t i = 0; i < items.size() && i < kListedLines; ++i)
    text += "\n  " + items[i];
  if (items.size() > kListedLines) {
    text += "\n  " + userText(USER_TEXT_N("Lists", "... and {n} more"), {},
                              static_cast<long long>(items.size() - kListedLines));
  }
  return text;
}

// "Could not ...": the step that failed, with the system's reason (and the path it names).
std::string couldNotText(const FailedStep& step, const std::string& reason) {
  const TextArgument why{"reason", reason};
  switch (step.kind) {
    case FailedStep::Kind::Start:
      return userText(USER_TEXT("Transaction", "Could not start: {reason}"), {why});
    case FailedStep::Kind::ReadPlaced:
      return userText(USER_TEXT("Transaction", "Could not read what the edit places: {reason}"),
                      {why});
    case FailedStep::Kind::Prepare:
      return userText(USER_TEXT("Transaction", "Could not prepare the edit: {reason}"), {why});
    case FailedStep::Kind::Commit:
      return userText(USER_TEXT("Transaction", "Could not commit the edit: {reason}"), {why});
    case FailedStep::Kind::Rename:
      return userText(USER_TEXT("Transaction", "Could not rename {from} -> {to}: {reason}"),
                      {{"from", step.from}, {"to", step.to}, why});
    case FailedStep::Kind::Flush:
      return userText(USER_TEXT("Transaction", "Could not flush the database: {reason}"), {why});
    case FailedStep::Kind::WriteJournal:
      return userText(USER_TEXT("Transaction", "Could not write the journal: {reason}"), {why});
    case FailedStep::Kind::None:
      break;
  }
  return userText(USER_TEXT("Transaction", "Could not carry out the edit: {reason}"), {why});
}

}  // namespace

const char* nounOf(Bank bank) {
  return bank == Bank::Sounds ? "sound" : "model";
}

std::string nothingChanged(const std::string& reason) {
  return userText(USER_TEXT("Refusals", "Nothing was changed: {reason}"), {{"reason", reason}});
}

std::string dryRunText() {
  return userText(USER_TEXT("Outcomes", "Dry run: nothing was changed."));
}

EditContext::EditContext(Database& database, std::string root, const EditOptions& options)
    : database_(database), root_(std::move(root)), options_(options) {}

namespace {

// The history keeps an edit's title in English; a refusal is headed with the user's words for it.
// A title that names something of the user's ("Place list Pads") stays as it is.
std::string shownTitleOf(const std::string& title) {
  static constexpr TextTemplate kTitles[] = {
      USER_TEXT("Titles", "Copy sounds"),
      USER_TEXT("Titles", "Copy models"),
      USER_TEXT("Titles", "Move sounds"),
      USER_TEXT("Titles", "Move models"),
      USER_TEXT("Titles", "Delete/remove sounds"),
      USER_TEXT("Titles", "Delete/remove models"),
      USER_TEXT("Titles", "Delete sounds"),
      USER_TEXT("Titles", "Delete models"),
      USER_TEXT("Titles", "Remove sounds"),
      USER_TEXT("Titles", "Remove models"),
      USER_TEXT("Titles", "Delete/remove selected sounds"),
      USER_TEXT("Titles", "Delete/remove selected models"),
      USER_TEXT("Titles", "Find & replace"),
      USER_TEXT("Titles", "Consolidate database"),
      USER_TEXT("Titles", "Write names files"),
      USER_TEXT("Titles", "Rename sounds"),
      USER_TEXT("Titles", "Rename models"),
      USER_TEXT("Titles", "Import sounds"),
      USER_TEXT("Titles", "Import models"),
      USER_TEXT("Titles", "Place sounds from the library"),
      USER_TEXT("Titles", "Dedupe models"),
      USER_TEXT("Titles", "Undo"),
      USER_TEXT("Titles", "Redo"),
      USER_TEXT("Titles", "Clear references to empty slots"),
      USER_TEXT("Titles", "Restore"),
      USER_TEXT("Titles", "Sort sounds by name"),
      USER_TEXT("Titles", "Sort models by name"),
      USER_TEXT("Titles", "Sort sounds by model"),
      USER_TEXT("Titles", "Sort models by model"),
      USER_TEXT("Titles", "Close gaps in sounds"),
      USER_TEXT("Titles", "Close gaps in models"),
      USER_TEXT("Titles", "Arrange sounds"),
      USER_TEXT("Titles", "Arrange models"),
  };
  for (const TextTemplate& known : kTitles)
    if (title == known.english) return userText(known);
  return title;
}

}  // namespace

EditOutcome EditContext::refuse(const std::string& title, const std::string& reason) {
  ui().reportProblem(Ui::Problem::Refused, shownTitleOf(title), reason, {});
  // The edit's title even on a refusal: a dry run reports it.
  EditPlan plan;
  plan.title = title;
  return EditOutcome::refused(reason, std::move(plan));
}

bool EditContext::confirm(const Question& question) {
  if (question.isWarning) return ui().ask(question) == question.confirmingAnswer;
  if (options_.confirmed) {
    // The front end asked already: its question showed the slots leaving the bank it names.
    leavingAgreed_ = options_.leavingSlots;
    return true;
  }
  Question asked = question;
  // The front end's note on slots leaving the bank belongs to the one confirmation the edit
  // asks; leaving the bank is then a choice worth a second look, not the Return key's answer.
  const bool withNote = !options_.leavingNote.empty() && !leavingNoteShown_;
  if (withNote) {
    asked.informative += "\n\n" + options_.leavingNote;
    asked.declineByDefault = true;
    leavingNoteShown_ = true;
  }
  const bool yes = ui().ask(asked) == asked.confirmingAnswer;
  if (yes && withNote) leavingAgreed_ = options_.leavingSlots;
  return yes;
}

int EditContext::countOccupied(Bank bank, const std::vector<int>& slots) {
  if (bank == Bank::Models) return static_cast<int>(slots.size());
  FileSystem& fs = fileSystem();
  return static_cast<int>(std::count_if(slots.begin(), slots.end(), [&](int slot) {
    return fs.canReadFile(soundScriptPath(root_, slot));
  }));
}

Status EditContext::planLayout(Bank bank, const SlotLayout& layout, EditPlan& plan,
                               SlotRelocation* relocation) {
  std::vector<std::string> listing;
  Status listed = fileSystem().listFolder(bankFolderPath(root_, bank), listing);
  // A database without a Sounds or Models folder simply has no slot folders in that bank.
  if (!listed.isOk() && !listed.isNotFound()) return listed;
  SlotRelocation planned = planSlotRelocation(bank, root_, listing, layout);
  if (!planned.status.isOk()) return planned.status;
  for (Change& change : planned.changes)
    plan.changes.push_back(std::move(change));
  for (std::string& note : planned.notes)
    plan.notes.push_back(std::move(note));
  plan.occupiedSlotsLeavingBank += countOccupied(bank, planned.slotsLeavingBank);
  if (relocation != nullptr) *relocation = std::move(planned);
  return Status::ok();
}

bool EditContext::confirmLeavingBank(const EditSettings& settings, const EditPlan& plan) {
  // Agreed to in the confirmation, which named these slots; more leaving than it named is asked.
  if (plan.occupiedSlotsLeavingBank <= leavingAgreed_) return true;
  const bool sounds = settings.bank == Bank::Sounds;
  const TextArgument title{"title",
                           settings.shownTitle.empty() ? settings.title : settings.shownTitle};
  const TextArgument notes{"notes", listLines(plan.notes)};
  const auto leaving = static_cast<long long>(plan.occupiedSlotsLeavingBank);
  return confirm({
      .message =
          sounds ? userText(USER_TEXT("Leaving", "{title}: sounds will leave the bank"), {title})
                 : userText(USER_TEXT("Leaving", "{title}: models will leave the bank"), {title}),
      .informative =
          sounds ? userText(USER_TEXT_N("Leaving",
                                        "{n} occupied sound slot(s) will be pushed past slot #999 "
                                        "into folders outside the bank, where the synthesizer no "
                                        "longer sees them:{notes}\n\nDo you want to continue?"),
                            {notes}, leaving)
                 : userText(USER_TEXT_N("Leaving",
                                        "{n} occupied model slot(s) will be pushed past slot #999 "
                                        "into folders outside the bank, where the synthesizer no "
                                        "longer sees them:{notes}\n\nDo you want to continue?"),
                            {notes}, leaving),
      .buttons = {userText(kCancel), userText(USER_TEXT("Buttons", "Continue")), ""},
      .confirmingAnswer = kAlertAlternate,
      .decliningAnswer = kAlertDefault,
      .isWarning = true,
  });
}

Status EditContext::addNamesFiles(const EditSettings& settings, EditPlan& plan,
                                  std::unique_ptr<SlotTables>& after) {
  if (scanned_) after = tablesAfterSoundMoves(*scanned_, root_, plan);
  Status scanned = after ? Status::ok() : scanAfterChanges(fileSystem(), root_, plan, after);
  if (!settings.writeNamesFile || plan.changes.empty()) return Status::ok();
  // A slot whose file cannot be read would be listed as empty.
  if (!scanned.isOk()) return scanned;
  std::string present;
  for (Bank bank : {Bank::Sounds, Bank::Models}) {
    if (bank != settings.bank && !settings.writeBothNamesFiles) continue;
    std::string text = bank == Bank::Sounds ? soundNamesText(*after) : modelNamesText(*after);
    const std::string path = bank == Bank::Sounds ? soundNamesPath(root_) : modelNamesPath(root_);
    // The names file is replaced by a rename at the end of the edit: a link or a folder there
    // would make that rename fail after the commit, and leave the edit unfinished.
    if (const EntryType type = fileSystem().entryType(path);
        type != EntryType::Missing && type != EntryType::File) {
      return Status::refused(userText(
          USER_TEXT("Refusals",
                    "{path} is a symbolic link or not a plain file; remove it and try again"),
          {{"path", path}}));
    }
    // A names file that already lists the slots as they will be is left alone.
    if (fileSystem().readFile(path, present, text.size() + 1).isOk() && present == text) continue;
    Change write{Change::Kind::Write, {}, path, std::move(text)};
    write.derived = true;
    plan.changes.push_back(std::move(write));
  }
  return Status::ok();
}

void EditContext::adoptTables(std::unique_ptr<SlotTables> after) {
  if (!after) {
    database_.evaluateNeuronDb();
    return;
  }
  database_.tables() = *after;
  ui().redrawList(SlotList::Sounds);
  ui().redrawList(SlotList::Models);
}

std::string EditContext::rewriteNamesFiles(const EditSettings& settings) {
  std::string report;
  for (Bank bank : {Bank::Sounds, Bank::Models}) {
    if (bank != settings.bank && !settings.writeBothNamesFiles) continue;
    const Status written =
        bank == Bank::Sounds ? database_.updateSoundNames() : database_.updateModelNames();
    if (written.isOk()) continue;
    std::string text =
        userText(USER_TEXT("Outcomes", "The names file could not be written: {reason}"),
                 {{"reason", written.message()}});
    ui().reportProblem(Ui::Problem::Failed,
                       userText(USER_TEXT("Outcomes", "{file} not written"),
                                {{"file", bank == Bank::Sounds ? "SoundNames" : "ModelNames"}}),
                       text, {});
    report += report.empty() ? text : " " + text;
  }
  return report;
}

EditOutcome EditContext::reportFailure(const std::string& title, const TransactionResult& result) {
  // The system's reason before the path: a path may be thousands of characters long (too long is
  // sometimes the very reason), and whoever sees only the start of the line still learns why.
  const Status& failure = result.status;
  const std::string reason =
      (failure.reason().empty() ? userText(USER_TEXT("Transaction", "no reason was given"))
                                : failure.reason()) +
      (failure.path().empty() ? "." : " (" + failure.path() + ").");
  std::string summary = couldNotText(result.failedStep, reason);
  if (result.interrupted) {
    summary = userText(USER_TEXT("Transaction", "The edit was interrupted by a signal."));
  }
  const std::string details =
      result.kind == TransactionResult::Kind::RolledBack
          ? userText(USER_TEXT("Transaction", "The edit was rolled back: nothing was changed."))
          : userText(USER_TEXT("Transaction",
                               "The edit failed after its commit point and is being rolled back. "
                               "The rollback is finished the next time the database is opened "
                               "(for example by `slotsmith check`); until then `slotsmith "
                               "doctor` shows what is left."));
  ui().reportProblem(Ui::Problem::Failed,
                     userText(USER_TEXT("Transaction", "{title} failed"), {{"title", title}}),
                     summary, details);
  return EditOutcome::failed(summary + "\n" + details);
}

EditOutcome EditContext::carryOutTransaction(
    const EditSettings& settings,
    const std::function<TransactionResult(const TransactionSettings&)>& transaction,
    std::unique_ptr<SlotTables> after) {
  Ui& ui = this->ui();
  if (settings.disableDrops) ui.setDropDisabled();
  const bool showProgress = !settings.progressText.empty();
  if (showProgress) ui.openProgressWithText(settings.progressText, settings.progressMaximum);
  const TransactionResult result = transaction({
      .title = settings.title,
      .namesBank = settings.writeNamesFile ? std::optional<Bank>(settings.bank) : std::nullopt,
      .bothNamesFiles = settings.writeNamesFile && settings.writeBothNamesFiles,
      .progress = showProgress ? &ui : nullptr,
      .progressMaximum = settings.progressMaximum,
  });
  if (showProgress) ui.closeProgress();
  if (settings.disableDrops) ui.setDropEnabled();
  if (result.kind == TransactionResult::Kind::Unfinished && result.endsDone) {
    // Past the commit point the edit is done: only its last steps wait for the next open.
    database_.evaluateNeuronDb();
    // Only a flush or a marker fails there: a failed rename turns the edit around.
    const TextArgument reason{"reason", result.status.message()};
    const std::string note =
        result.failedStep.kind == FailedStep::Kind::WriteJournal
            ? userText(USER_TEXT("Outcomes",
                                 "The edit is done, but write the journal failed after its commit "
                                 "point ({reason}). The next time the database is opened (for "
                                 "example by `slotsmith check`) its last steps are completed."),
                       {reason})
            : userText(USER_TEXT("Outcomes",
                                 "The edit is done, but flush the database failed after its "
                                 "commit point ({reason}). The next time the database is opened "
                                 "(for example by `slotsmith check`) its last steps are "
                                 "completed."),
                       {reason});
    ui.showMessage(
        userText(USER_TEXT("Outcomes", "{title}: done, to be completed"),
                 {{"title", settings.shownTitle.empty() ? settings.title : settings.shownTitle}}),
        userText(kOk), note);
    return EditOutcome::done({}, note);
  }
  if (result.kind != TransactionResult::Kind::Done) {
    database_.evaluateNeuronDb();
    return reportFailure(settings.shownTitle.empty() ? settings.title : settings.shownTitle,
                         result);
  }
  adoptTables(std::move(after));
  std::string message;
  if (result.interrupted) {
    message = userText(
        USER_TEXT("Outcomes", "Interrupted after the commit point: the edit was finished."));
  }
  if (settings.rewriteNamesAfter) {
    if (std::string failure = rewriteNamesFiles(settings); !failure.empty()) {
      return EditOutcome::failed(userText(
          USER_TEXT("Outcomes", "The edit was carried out. {failure}"), {{"failure", failure}}));
    }
  }
  return EditOutcome::done({}, message);
}

EditOutcome EditContext::run(PlannedEdit edit) {
  const EditSettings& settings = edit.settings;
  if (edit.plan.title.empty()) edit.plan.title = settings.title;
  if (Status checked = checkChanges(edit.plan, fileSystem()); !checked.isOk()) {
    EditOutcome outcome = refuse(settings.title, nothingChanged(checked.message()));
    outcome.plan = std::move(edit.plan);
    return outcome;
  }
  if (edit.plan.occupiedSlotsLeavingBank > 0 && !confirmLeavingBank(settings, edit.plan)) {
    return EditOutcome::cancelled(std::move(edit.plan));
  }
  if (options_.dryRun) return EditOutcome::done(std::move(edit.plan), dryRunText());
  std::unique_ptr<SlotTables> after;
  if (Status named = addNamesFiles(settings, edit.plan, after); !named.isOk()) {
    EditOutcome outcome = refuse(
        settings.title,
        userText(USER_TEXT("Refusals",
                           "Nothing was changed: the names file cannot be made right: {reason}"),
                 {{"reason", named.message()}}));
    outcome.plan = std::move(edit.plan);
    return outcome;
  }
  EditOutcome outcome = carryOutTransaction(
      settings,
      [&](const TransactionSettings& transaction) {
        return runTransaction(fileSystem(), root_, edit.plan, transaction);
      },
      std::move(after));
  // The outcome tells what the edit asked for; the names files come with every edit.
  std::erase_if(edit.plan.changes, [](const Change& change) { return change.derived; });
  outcome.plan = std::move(edit.plan);
  return outcome;
}

EditOutcome EditContext::runModelEdit(EditSettings settings, const SlotLayout& layout,
                                      ReferenceRenumbering renumbering,
                                      const std::string& scriptProgressText) {
  EditPlan folderChanges;
  SlotRelocation relocation;
  if (Status planned = planLayout(Bank::Models, layout, folderChanges, &relocation);
      !planned.isOk()) {
    return refuse(settings.title, nothingChanged(planned.message()));
  }
  renumbering.followOverflowFolders(relocation.finalNumbers);
  ModelEditPlan edit;
  if (Status planned = withReferenceRewrites(fileSystem(), root_, std::move(folderChanges),
                                             renumbering, allSounds(), edit);
      !planned.isOk()) {
    return refuse(settings.title, nothingChanged(planned.message()));
  }
  if (!scriptProgressText.empty() && !edit.rewrittenSounds.empty()) {
    edit.plan.changes[edit.firstScriptChange].progressText = scriptProgressText;
  }
  return run({.settings = std::move(settings), .plan = std::move(edit.plan)});
}

}  // namespace slotsmith
