#include "ops/Edits.h"

#include <algorithm>
#include <utility>

#include "core/HistoryKey.h"
#include "core/UserText.h"
#include "ops/EditRunner.h"
#include "ops/History.h"
#include "ops/Journal.h"
#include "ops/QuestionText.h"
#include "ops/Transaction.h"

namespace slotsmith {

namespace {

// The request with the slot list it names made ascending, without duplicates, only 0..999: the
// form every kind of edit plans from, whatever order and repeats the front end sent.
template <typename Request>
Request normalized(Request request, std::vector<int> Request::*slots) {
  std::vector<int>& list = request.*slots;
  std::erase_if(list, [](int slot) { return slot < 0 || slot >= kSlotCount; });
  std::sort(list.begin(), list.end());
  list.erase(std::unique(list.begin(), list.end()), list.end());
  return request;
}

// An edit renames and deletes folders inside Sounds and Models. When either is a symbolic link,
// those folders lie outside the database the user chose, and nothing there is ours to change.
Status checkBanksInsideRoot(FileSystem& fs, const std::string& root) {
  for (Bank bank : {Bank::Sounds, Bank::Models}) {
    const std::string path = bankFolderPath(root, bank);
    const EntryType type = fs.entryType(path);
    if (type == EntryType::Missing || type == EntryType::Folder) continue;
    return Status::refused(
        userText(USER_TEXT("Refusals",
                           "The {folder} folder of this database is not a plain folder (a symbolic "
                           "link or another kind of file): {path}. Edits change only folders "
                           "inside the database itself; listing and reading still work."),
                 {{"folder", std::string(bankFolderName(bank))}, {"path", path}}));
  }
  return Status::ok();
}

struct Dispatch {
  EditContext& context;
  EditOutcome operator()(const CopyRequest& request) const {
    return copySlots(context, normalized(request, &CopyRequest::slots));
  }
  EditOutcome operator()(const MoveRequest& request) const {
    return moveSlots(context, normalized(request, &MoveRequest::slots));
  }
  EditOutcome operator()(const DeleteRequest& request) const {
    return deleteSlots(context, normalized(request, &DeleteRequest::slots));
  }
  EditOutcome operator()(const FindReplaceRequest& request) const {
    return findAndReplace(context, normalized(request, &FindReplaceRequest::sounds));
  }
  EditOutcome operator()(const ConsolidateRequest& request) const {
    return consolidate(context, request);
  }
  EditOutcome operator()(const NamesExportRequest&) const { return exportNames(context); }
  EditOutcome operator()(const RenameRequest& request) const {
    return renameSlots(context, request);
  }
  EditOutcome operator()(const ImportSoundsRequest& request) const {
    return importSounds(context, normalized(request, &ImportSoundsRequest::sounds));
  }
  EditOutcome operator()(const ImportModelsRequest& request) const {
    return importModels(context, normalized(request, &ImportModelsRequest::models));
  }
  EditOutcome operator()(const PlaceSoundsRequest& request) const {
    return placeSounds(context, request);
  }
  EditOutcome operator()(const DedupeRequest& request) const {
    return dedupeModels(context, request);
  }
  EditOutcome operator()(const UndoRequest&) const {
    return undoOrRedo(context, HistoryDirection::Undo);
  }
  EditOutcome operator()(const ClearEmptyReferencesRequest&) const {
    return clearEmptyReferences(context);
  }
  EditOutcome operator()(const RedoRequest&) const {
    return undoOrRedo(context, HistoryDirection::Redo);
  }
  EditOutcome operator()(const RestoreRequest& request) const {
    return restoreDatabase(context, request);
  }
  EditOutcome operator()(const ArrangeRequest& request) const {
    return arrangeSlots(context, normalized(request, &ArrangeRequest::slots));
  }
};

struct Title {
  std::string operator()(const CopyRequest& request) const {
    return request.bank == Bank::Sounds ? "Copy sounds" : "Copy models";
  }
  std::string operator()(const MoveRequest& request) const {
    return request.bank == Bank::Sounds ? "Move sounds" : "Move models";
  }
  std::string operator()(const DeleteRequest& request) const {
    const bool sounds = request.bank == Bank::Sounds;
    if (request.letUserChoose) return sounds ? "Delete/remove sounds" : "Delete/remove models";
    if (request.removal == Removal::Delete) return sounds ? "Delete sounds" : "Delete models";
    return sounds ? "Remove sounds" : "Remove models";
  }
  std::string operator()(const FindReplaceRequest&) const { return "Find & replace"; }
  std::string operator()(const ConsolidateRequest&) const { return "Consolidate database"; }
  std::string operator()(const NamesExportRequest&) const { return "Write names files"; }
  std::string operator()(const RenameRequest& request) const {
    return request.bank == Bank::Sounds ? "Rename sounds" : "Rename models";
  }
  std::string operator()(const ImportSoundsRequest&) const { return "Import sounds"; }
  std::string operator()(const ImportModelsRequest&) const { return "Import models"; }
  std::string operator()(const PlaceSoundsRequest& request) const {
    return placeTitle(request.listName);
  }
  std::string operator()(const DedupeRequest&) const { return "Dedupe models"; }
  std::string operator()(const UndoRequest&) const { return "Undo"; }
  std::string operator()(const RedoRequest&) const { return "Redo"; }
  std::string operator()(const ClearEmptyReferencesRequest&) const {
    return "Clear references to empty slots";
  }
  std::string operator()(const RestoreRequest&) const { return "Restore"; }
  std::string operator()(const ArrangeRequest& request) const {
    return arrangementTitle(request.bank, request.arrangement);
  }
};

// Takes the database's lock for an edit: the hidden folder is made when missing.
Status lockDatabase(FileSystem& fs, const std::string& root, std::unique_ptr<FileLock>& lock) {
  // Slotsmith's own folder came with the database, perhaps from elsewhere: a link there would
  // have the lock and the history written, and renamed from, outside the database.
  for (const std::string& path :
       {slotsmithFolderPath(root), historyFolderPath(root), lockFilePath(root)}) {
    const EntryType type = fs.entryType(path);
    const bool file = path == lockFilePath(root);
    if (type == EntryType::Missing || type == (file ? EntryType::File : EntryType::Folder)) {
      continue;
    }
    return Status::invalid(
        path, userText(USER_TEXT("Refusals",
                                 "is a symbolic link or another kind of file than Slotsmith makes "
                                 "there. Nothing was changed; remove it (it holds only the undo "
                                 "history) and try again.")));
  }
  // A database on a read-only disk, or in a folder of another user, fails here first: the
  // message says so before the bare reason of the system call.
  const auto unwritable = [](const Status& failed) {
    if (failed.code() != Status::Code::IoError) return failed;
    return Status::ioError(
        {}, userText(USER_TEXT("Refusals",
                               "The database cannot be written, so nothing was changed: {reason}. "
                               "Check that the disk is not read only and that the database "
                               "folder and its .slotsmith folder can be written."),
                     {{"reason", failed.message()}}));
  };
  if (fs.entryType(slotsmithFolderPath(root)) == EntryType::Missing) {
    if (Status made = fs.createFolder(slotsmithFolderPath(root)); !made.isOk()) {
      return unwritable(made);
    }
  }
  // An edit writes its name into the lock the moment it takes it; a lock held without a name is
  // a shared one, held by a run that only reads the database, which the edit waits for briefly.
  Status locked = lockForWriting(fs, lockFilePath(root), lock);
  if (locked.isOk()) return locked;
  if (locked.code() != Status::Code::AlreadyExists) return unwritable(locked);
  if (locked.reason().empty()) {
    return Status::refused(userText(
        USER_TEXT("Refusals",
                  "The database is being read by a backup, an export, an import from it or the "
                  "sound library. Nothing was changed; try again when it has finished.")));
  }
  return Status::refused(userText(USER_TEXT("Refusals",
                                            "Another edit is running on this database ({edit}). "
                                            "Nothing was changed; try again when it has finished."),
                                  {{"edit", locked.reason()}}));
}

// A file the scan found but could not read shows its slot as empty: an edit planned from that
// would take a sound for missing (and the models it uses for unused) or list it wrongly.
Status scannedWhole(const Database& database) {
  if (database.unreadableFiles().empty()) return Status::ok();
  const std::string& path = database.unreadableFiles().front();
  return Status::refused(
      userText(USER_TEXT("Refusals",
                         "Nothing was changed: {path} cannot be read, so the slot it belongs to "
                         "is not known. Check that it can be read, then try again."),
               {{"path", path}}));
}

// Recovery with the lock held: tells the user what was done, and, where announceFailure, what is
// left unfinished (an edit refuses with that reason instead, so that it is said once).
RecoveryResult recoverLocked(Database& database, const std::string& root, bool announceFailure) {
  FileSystem& fs = database.fileSystem();
  RecoveryResult recovered = recoverTransactions(fs, root, [&](Bank bank) {
    database.evaluateNeuronDb();
    const Status written =
        bank == Bank::Sounds ? database.updateSoundNames() : database.updateModelNames();
    // A names file that cannot be written now is rewritten by the next edit of its bank.
    static_cast<void>(written);
  });
  if (!recovered.report.empty()) {
    database.ui().showMessage(userText(USER_TEXT("Recovery", "An interrupted edit was recovered")),
                              userText(kOk), recovered.report);
  }
  if (!recovered.status.isOk() && announceFailure) {
    database.ui().showMessage(
        userText(USER_TEXT("Recovery", "An interrupted edit is unfinished")), userText(kOk),
        userText(USER_TEXT("Recovery",
                           "It could be neither finished nor rolled back: {reason}\nEdits are "
                           "refused until it is; `slotsmith doctor` shows what is left."),
                 {{"reason", recovered.status.message()}}));
  }
  return recovered;
}

std::string unfinishedRefusal(const Status& recovered) {
  return userText(
      USER_TEXT("Refusals",
                "An interrupted edit is unfinished: {reason}\nNothing was changed. `slotsmith "
                "doctor` shows where its slot folders lie, and `slotsmith doctor --fix` puts back "
                "what it can and sets the rest aside."),
      {{"reason", recovered.message()}});
}

std::string foreignUnfinishedRefusal(const std::string& root, int count) {
  // "an unfinished edit" for one: a text of its own, since every plural form names the count.
  if (count == 1) {
    return userText(
        USER_TEXT("Refusals",
                  "This database holds an unfinished edit made elsewhere (on another computer, by "
                  "another user or an earlier version of Slotsmith), which Slotsmith does not "
                  "carry out. Nothing was changed.\n`slotsmith doctor {root}` shows where its slot "
                  "folders lie; `slotsmith doctor {root} --fix` sets it aside whole so that edits "
                  "can run again, and `--fix --adopt` finishes or rolls it back when it proves to "
                  "be your own."),
        {{"root", root}});
  }
  return userText(
      USER_TEXT_N("Refusals",
                  "This database holds {n} unfinished edit(s) made elsewhere (on another "
                  "computer, by another user or an earlier version of Slotsmith), which Slotsmith "
                  "does not carry out. Nothing was changed.\n`slotsmith doctor {root}` shows where "
                  "its slot folders lie; `slotsmith doctor {root} --fix` sets it aside whole so "
                  "that edits can run again, and `--fix --adopt` finishes or rolls it back when it "
                  "proves to be your own."),
      {{"root", root}}, count);
}

// Every journal an edit writes is signed with the user's history key: without one, the edit
// would leave history that no later run could tell from a planted one.
Status historyKeyReady() {
  std::string key;
  Status ready = historyKey(key);
  if (ready.isOk()) return ready;
  return Status::refused(
      userText(USER_TEXT("Refusals",
                         "Slotsmith signs the undo history of every edit with your history key "
                         "({path}), which can be neither read nor made: {reason}. Nothing was "
                         "changed."),
               {{"path", historyKeyPath()}, {"reason", ready.message()}}));
}

}  // namespace

EditOutcome EditOutcome::done(EditPlan plan, std::string message) {
  return {.kind = Kind::Done, .message = std::move(message), .plan = std::move(plan)};
}

EditOutcome EditOutcome::cancelled(EditPlan plan) {
  return {.kind = Kind::Cancelled, .plan = std::move(plan)};
}

EditOutcome EditOutcome::noDatabase() {
  return {.kind = Kind::NoDatabase,
          .message = userText(USER_TEXT("Refusals", "No database is open."))};
}

EditOutcome EditOutcome::refused(std::string reason, EditPlan plan) {
  return {.kind = Kind::Refused, .message = std::move(reason), .plan = std::move(plan)};
}

EditOutcome EditOutcome::failed(std::string report, EditPlan plan) {
  return {.kind = Kind::Failed, .message = std::move(report), .plan = std::move(plan)};
}

EditOutcome runEdit(Database& database, const EditRequest& request, const EditOptions& options) {
  const DatabaseRoot& root = database.root();
  if (!root) return EditOutcome::noDatabase();
  EditContext context(database, *root, options);
  if (Status anchored = database.anchorRoot(); !anchored.isOk()) {
    return context.refuse(titleOf(request), anchored.message());
  }
  if (!std::holds_alternative<NamesExportRequest>(request)) {
    if (Status inside = checkBanksInsideRoot(database.fileSystem(), *root); !inside.isOk()) {
      return context.refuse(titleOf(request), inside.reason());
    }
  }
  // A dry run changes nothing, and reading never waits for a lock.
  if (options.dryRun) {
    database.rescanQuietly();
    if (Status readable = scannedWhole(database); !readable.isOk()) {
      return context.refuse(titleOf(request), readable.message());
    }
    return std::visit(Dispatch{context}, request);
  }
  if (Status ready = historyKeyReady(); !ready.isOk()) {
    return context.refuse(titleOf(request), ready.message());
  }
  std::unique_ptr<FileLock> lock;
  if (Status locked = lockDatabase(database.fileSystem(), *root, lock); !locked.isOk()) {
    return context.refuse(titleOf(request), locked.message());
  }
  const RecoveryResult recovered = recoverLocked(database, *root, false);
  if (!recovered.status.isOk()) return EditOutcome::refused(unfinishedRefusal(recovered.status));
  if (recovered.foreignUnfinished > 0) {
    return EditOutcome::refused(foreignUnfinishedRefusal(*root, recovered.foreignUnfinished));
  }
  // What an earlier edit discarded from the history is deleted now that it is durably out of it.
  emptyTrash(database.fileSystem(), *root);
  // Whatever the front end scanned before may be stale by now: the edit plans from the database
  // as it is while nobody else can change it.
  database.rescanQuietly();
  if (Status readable = scannedWhole(database); !readable.isOk()) {
    return context.refuse(titleOf(request), readable.message());
  }
  context.rememberScan(database.tables());
  if (options.picture && pictureOf(database.tables()) != *options.picture) {
    EditOutcome stale = EditOutcome::refused(
        userText(USER_TEXT("Refusals",
                           "The database was changed outside Slotsmith since the lists were "
                           "drawn; they now show it as it is. Nothing was changed: check the "
                           "selection and try again.")));
    stale.stale = true;
    return stale;
  }
  return std::visit(Dispatch{context}, request);
}

Status recoverDatabase(Database& database, bool* editRunning) {
  if (editRunning) *editRunning = false;
  const DatabaseRoot& root = database.root();
  // Only this user's own unfinished edits are carried on; one made elsewhere is left as it is.
  if (!root || !summarizeHistory(database.fileSystem(), *root).ownUnfinished) return Status::ok();
  // Recovery renames and removes below the root: only through the anchored root.
  if (Status anchored = database.anchorRoot(); !anchored.isOk()) return anchored;
  std::unique_ptr<FileLock> lock;
  // While another edit holds the lock, its transaction is not unfinished but running.
  if (Status locked = lockDatabase(database.fileSystem(), *root, lock); !locked.isOk()) {
    if (editRunning) *editRunning = locked.code() == Status::Code::Refused;
    return Status::ok();
  }
  return recoverLocked(database, *root, true).status;
}

EditOutcome clearUndoHistory(Database& database, const EditOptions& options) {
  const DatabaseRoot& root = database.root();
  if (!root) return EditOutcome::noDatabase();
  FileSystem& fs = database.fileSystem();
  const std::string title = "Clear the undo history";
  EditPlan plan;
  plan.title = title;
  const std::vector<HistoryEntry> entries = readHistory(fs, *root);
  plan.changes.push_back({Change::Kind::Delete, historyFolderPath(*root), {}, {}});
  if (entries.empty()) {
    return EditOutcome::refused(
        userText(USER_TEXT("Refusals", "There is no undo history to clear.")), plan);
  }
  const Question question{
      .message = userText(USER_TEXT("History", "Clear the undo history")),
      .informative = userText(
          USER_TEXT_N("History",
                      "Are you sure you want to delete the undo data of {n} edit(s)? None of them "
                      "can be undone or redone afterwards; the slots stay as they are."),
          {}, static_cast<long long>(entries.size())),
      .buttons = {userText(kCancel), userText(USER_TEXT("Buttons", "Clear")), ""},
      .confirmingAnswer = kAlertAlternate,
      .decliningAnswer = kAlertDefault,
  };
  if (database.ui().ask(question) != question.confirmingAnswer) {
    return EditOutcome::cancelled(plan);
  }
  if (options.dryRun) return EditOutcome::done(plan, dryRunText());
  if (Status anchored = database.anchorRoot(); !anchored.isOk()) {
    return EditOutcome::refused(anchored.message(), plan);
  }
  std::unique_ptr<FileLock> lock;
  if (Status locked = lockDatabase(fs, *root, lock); !locked.isOk()) {
    return EditOutcome::refused(locked.message(), plan);
  }
  // An entry that cannot be recovered is set aside with the rest: clearing is always a way out.
  static_cast<void>(recoverLocked(database, *root, false));
  if (Status cleared = clearHistory(fs, *root); !cleared.isOk()) {
    return EditOutcome::failed(
        userText(USER_TEXT("History", "The undo history could not be cleared: {reason}"),
                 {{"reason", cleared.message()}}),
        plan);
  }
  return EditOutcome::done(plan);
}

std::string titleOf(const EditRequest& request) {
  return std::visit(Title{}, request);
}

}  // namespace slotsmith
