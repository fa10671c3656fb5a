// Restoring a database from another copy of it (a backup shown at its file's path, or a folder):
// every slot of both banks becomes what it is there, as one edit. A slot that is the same in
// both (every file, byte for byte) is left alone; one that differs goes into the history and the
// other copy's folder comes in its place, so the undo gives back the database as it was. The
// names files follow the slots, as in every edit.
#include "core/BankListing.h"
#include "core/ModelIdentity.h"
#include "ops/EditRunner.h"
#include "ops/QuestionText.h"
#include "ops/Transaction.h"

namespace slotsmith {

namespace {

constexpr char kRestore[] = "Restore";

}  // namespace

EditOutcome restoreDatabase(EditContext& context, const RestoreRequest& request) {
  FileSystem& fs = context.fileSystem();
  const std::string& root = context.root();
  if (!isValidDatabase(request.sourceRoot, fs)) {
    return context.refuse(kRestore, request.sourceRoot + " holds no Neuron database.");
  }
  EditPlan plan;
  plan.title = kRestore;
  std::size_t changed[2] = {0, 0};
  for (const Bank bank : {Bank::Sounds, Bank::Models}) {
    BankListing here, there;
    listBank(fs, root, bank, here);
    listBank(fs, request.sourceRoot, bank, there);
    if (!there.status.isOk()) {
      return context.refuse(kRestore, "Nothing was changed: " + there.status.message());
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
      const std::string target = slotFolderPath(root, bank, slot);
      const std::string source = slotFolderPath(request.sourceRoot, bank, slot);
      const EntryType now = here.status.isOk() ? here.slotTypes[slot] : fs.entryType(target);
      const EntryType then = there.slotTypes[slot];
      if (now != EntryType::Missing && now != EntryType::Folder) {
        return context.refuse(
            kRestore, "Nothing was changed: " + target + " is not a folder; move it away first.");
      }
      // A slot the other copy holds as a file, or under another spelling, is not an empty one
      // there: taking it for empty would empty the slot here.
      if ((then != EntryType::Missing && then != EntryType::Folder) || there.inOtherCase[slot]) {
        return context.refuse(kRestore, "Nothing was changed: " + source +
                                            " is not a folder, or is spelled in other letter "
                                            "cases, so what the slot holds there is not known.");
      }
      if (now == EntryType::Folder && then == EntryType::Folder) {
        bool same = false;
        if (Status s = compareModelFolders(fs, target, source, {}, same); !s.isOk()) {
          return context.refuse(kRestore, "Nothing was changed: " + s.message());
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
        kRestore, "Every slot is already as in " + request.sourceRoot + "; nothing was changed.");
  }
  // Slots, not folders: a slot whose folder is replaced is one slot, as the undo counts it.
  const std::string counts = countText(changed[0], "sound slot", "sound slots") + " and " +
                             countText(changed[1], "model slot", "model slots");
  if (!context.confirm({.message = kRestore,
                        .informative = "Are you sure you want to restore the database from " +
                                       request.sourceRoot + "? " + counts +
                                       " change. Undo reverses it.",
                        .buttons = {"Cancel", "Restore", ""},
                        .confirmingAnswer = kAlertAlternate,
                        .decliningAnswer = kAlertDefault})) {
    return EditOutcome::cancelled(std::move(plan));
  }
  return context.run({.settings = {.bank = Bank::Sounds,
                                   .title = kRestore,
                                   .progressText = "Restoring...",
                                   .progressMaximum = 999,
                                   .disableDrops = true,
                                   .writeBothNamesFiles = true},
                      .plan = std::move(plan)});
}

}  // namespace slotsmith
