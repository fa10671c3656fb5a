// Restoring a database from another copy of it (a backup shown at its file's path, or a folder):
// every slot of both banks becomes what it is there, as one edit. A slot that is the same in
// both (every file, byte for byte) is left alone; one that differs goes into the history and the
// other copy's folder comes in its place, so the undo gives back the database as it was. The
// names files follow the slots, as in every edit.
#include "core/BankListing.h"
#include "core/ModelIdentity.h"
#include "core/UserText.h"
#include "ops/EditRunner.h"
#include "ops/QuestionText.h"
#include "ops/Transaction.h"

namespace slotsmith {

namespace {

constexpr char kRestore[] = "Restore";  // English: the history's
constexpr TextTemplate kShownRestore = USER_TEXT("Restore", "Restore");

}  // namespace

EditOutcome restoreDatabase(EditContext& context, const RestoreRequest& request) {
  FileSystem& fs = context.fileSystem();
  const std::string& root = context.root();
  if (!isValidDatabase(request.sourceRoot, fs)) {
    return context.refuse(kRestore,
                          userText(USER_TEXT("Restore", "{source} holds no Neuron database."),
                                   {{"source", request.sourceRoot}}));
  }
  EditPlan plan;
  plan.title = kRestore;
  std::size_t changed[2] = {0, 0};
  for (const Bank bank : {Bank::Sounds, Bank::Models}) {
    BankListing here, there;
    listBank(fs, root, bank, here);
    listBank(fs, request.sourceRoot, bank, there);
    if (!there.status.isOk()) {
      return context.refuse(kRestore, nothingChanged(there.status.message()));
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
      const std::string target = slotFolderPath(root, bank, slot);
      const std::string source = slotFolderPath(request.sourceRoot, bank, slot);
      const EntryType now = here.status.isOk() ? here.slotTypes[slot] : fs.entryType(target);
      const EntryType then = there.slotTypes[slot];
      if (now != EntryType::Missing && now != EntryType::Folder) {
        return context.refuse(
            kRestore, userText(USER_TEXT("Restore",
                                         "Nothing was changed: {path} is not a folder; move it "
                                         "away first."),
                               {{"path", target}}));
      }
      // A slot the other copy holds as a file, or under another spelling, is not an empty one
      // there: taking it for empty would empty the slot here.
      if ((then != EntryType::Missing && then != EntryType::Folder) || there.inOtherCase[slot]) {
        return context.refuse(
            kRestore, userText(USER_TEXT("Restore",
                                         "Nothing was changed: {path} is not a folder, or is "
                                         "spelled in other letter cases, so what the slot holds "
                                         "there is not known."),
                               {{"path", source}}));
      }
      if (now == EntryType::Folder && then == EntryType::Folder) {
        bool same = false;
        if (Status s = compareModelFolders(fs, target, source, {}, same); !s.isOk()) {
          return context.refuse(kRestore, nothingChanged(s.message()));
        }
        if (same) continue;
      }
      if (now == EntryType::Missing && then != EntryType::Folder) continue;
      ++changed[bank == Bank::Sounds ? 0 : 1];
      if (now == EntryType::Folder) plan.changes.push_back({Change::Kind::Delete, target, {}, {}});
      if (then == EntryType::Folder)
        plan.changes.push_back({Change::Kind::Copy, source, target, {}});
    }
  }
  if (plan.changes.empty()) {
    return context.refuse(
        kRestore,
        userText(USER_TEXT("Restore", "Every slot is already as in {source}; nothing was changed."),
                 {{"source", request.sourceRoot}}));
  }
  // Slots, not folders: a slot whose folder is replaced is one slot, as the undo counts it.
  const std::string sounds =
      userText(USER_TEXT_N("Counts", "{n} sound slot(s)"), {}, static_cast<long long>(changed[0]));
  const std::string models =
      userText(USER_TEXT_N("Counts", "{n} model slot(s)"), {}, static_cast<long long>(changed[1]));
  if (!context.confirm(
          {.message = userText(kShownRestore),
           .informative =
               userText(USER_TEXT("Restore",
                                  "Are you sure you want to restore the database from "
                                  "{source}? {sounds} and {models} change. Undo reverses it."),
                        {{"source", request.sourceRoot}, {"sounds", sounds}, {"models", models}}),
           .buttons = {userText(kCancel), userText(USER_TEXT("Buttons", "Restore")), ""},
           .confirmingAnswer = kAlertAlternate,
           .decliningAnswer = kAlertDefault})) {
    return EditOutcome::cancelled(std::move(plan));
  }
  return context.run({.settings = {.bank = Bank::Sounds,
                                   .title = kRestore,
                                   .shownTitle = userText(kShownRestore),
                                   .progressText = userText(USER_TEXT("Progress", "Restoring...")),
                                   .progressMaximum = 999,
                                   .disableDrops = true,
                                   .writeBothNamesFiles = true},
                      .plan = std::move(plan)});
}

}  // namespace slotsmith
