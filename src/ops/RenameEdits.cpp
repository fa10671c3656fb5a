// Renaming slots: one write per slot whose name changes, of the one file that holds the name (a
// sound's sound.script, a model's MName), with the new bytes from SlotNames, which keep every
// other byte. Every name is checked and every file read before anything is asked, so a name that
// cannot be stored, an empty slot or an unreadable file refuses the whole edit unchanged.
#include "core/SlotNames.h"
#include "core/UserText.h"
#include "ops/EditRunner.h"
#include "ops/ModelEditPlan.h"

namespace slotsmith {

namespace {

// A script or name file is read whole, however long, so that it is written back complete.
constexpr std::size_t kWholeFile = std::size_t{1} << 30;
// The question lists this many renames; the rest are counted.
constexpr std::size_t kListedRenames = 10;

// Names files pad names with spaces, so a trailing space cannot be told from padding there.
std::string withoutTrailingSpaces(std::string name) {
  while (!name.empty() && name.back() == ' ')
    name.pop_back();
  return name;
}

std::string currentName(const SlotTables& tables, Bank bank, int slot) {
  return bank == Bank::Sounds ? tables.soundSlots[slot].sSoundName
                              : tables.modelSlots[slot].sModelName;
}

std::string nameFilePath(const std::string& root, Bank bank, int slot) {
  return bank == Bank::Sounds ? soundScriptPath(root, slot) : modelNamePath(root, slot);
}

// The writes and the notes "sound 5: "Old" -> "New"" for every name that changes; not ok
// when any name, slot or file stops the edit.
Status planRenames(EditContext& context, const RenameRequest& request, EditPlan& plan,
                   std::vector<int>& renamedSlots) {
  const SlotTables& tables = context.database().tables();
  std::vector<std::string> problems;
  std::string bytes;
  for (const auto& [slot, name] : request.names) {
    const TextArgument label{
        "label",
        request.bank == Bank::Sounds
            ? userText(USER_TEXT("Rename", "sound {slot}"), {{"slot", std::to_string(slot)}})
            : userText(USER_TEXT("Rename", "model {slot}"), {{"slot", std::to_string(slot)}})};
    const auto problem = [&](const std::string& reason) {
      problems.push_back(
          userText(USER_TEXT("Rename", "{label}: {reason}"), {label, {"reason", reason}}));
    };
    if (slot < 0 || slot >= kSlotCount) {
      problem(userText(USER_TEXT("Rename", "slots are numbered from 0 to 999")));
      continue;
    }
    const std::string before = currentName(tables, request.bank, slot);
    if (withoutTrailingSpaces(before) == withoutTrailingSpaces(name)) continue;
    if (Status valid = checkSlotName(request.bank, name); !valid.isOk()) {
      problem(valid.message());
      continue;
    }
    const std::string path = nameFilePath(context.root(), request.bank, slot);
    const Status read = context.fileSystem().readFile(path, bytes, kWholeFile);
    if (read.isNotFound()) {
      problems.push_back(userText(
          USER_TEXT("Rename", "{label} is empty; an empty slot has no name to change"), {label}));
      continue;
    }
    if (!read.isOk()) {
      problem(userText(USER_TEXT("Rename", "the file cannot be read ({reason})"),
                       {{"reason", read.message()}}));
      continue;
    }
    RenamedBytes renamed = request.bank == Bank::Sounds ? renameSoundScript(bytes, name)
                                                        : renameModelNameFile(bytes, name);
    if (!renamed.status.isOk()) {
      problem(renamed.status.message());
      continue;
    }
    if (renamed.bytes == bytes) continue;
    plan.changes.push_back({Change::Kind::Write, {}, path, std::move(renamed.bytes)});
    renamedSlots.push_back(slot);
    plan.notes.push_back(userText(USER_TEXT("Rename", "{label}: \"{before}\" -> \"{name}\""),
                                  {label, {"before", before}, {"name", name}}));
  }
  if (problems.empty()) return Status::ok();
  std::string reason = userText(USER_TEXT("Rename", "Nothing was renamed:"));
  for (const std::string& problem : problems)
    reason += "\n  " + problem;
  return Status::refused(reason);
}

// "Rename sounds" or "Rename models" in the user's language.
std::string shownRenameTitle(Bank bank) {
  return bank == Bank::Sounds ? userText(USER_TEXT("Rename", "Rename sounds"))
                              : userText(USER_TEXT("Rename", "Rename models"));
}

Question renameQuestion(Bank bank, const EditPlan& plan) {
  const auto count = static_cast<long long>(plan.changes.size());
  std::string text =
      bank == Bank::Sounds
          ? userText(USER_TEXT_N("Rename",
                                 "Are you sure you want to rename {n} sound(s)? Undo reverses it."),
                     {}, count)
          : userText(USER_TEXT_N("Rename",
                                 "Are you sure you want to rename {n} model(s)? Undo reverses it."),
                     {}, count);
  for (std::size_t i = 0; i < plan.notes.size() && i < kListedRenames; ++i)
    text += "\n  " + plan.notes[i];
  if (plan.notes.size() > kListedRenames) {
    text += "\n  " + userText(USER_TEXT_N("Lists", "... and {n} more"), {},
                              static_cast<long long>(plan.notes.size() - kListedRenames));
  }
  return {.message = shownRenameTitle(bank),
          .informative = text,
          .buttons = {userText(kOk), userText(kCancel), ""},
          .confirmingAnswer = kAlertDefault,
          .decliningAnswer = kAlertAlternate};
}

}  // namespace

EditOutcome renameSlots(EditContext& context, const RenameRequest& request) {
  const std::string title = request.bank == Bank::Sounds ? "Rename sounds" : "Rename models";
  EditPlan plan;
  plan.title = title;
  std::vector<int> renamed;
  if (Status planned = planRenames(context, request, plan, renamed); !planned.isOk()) {
    return context.refuse(title, planned.reason());
  }
  if (plan.changes.empty()) {
    return EditOutcome::done(
        std::move(plan),
        userText(USER_TEXT("Rename", "Every name is already as given; nothing to do.")));
  }
  if (!context.confirm(renameQuestion(request.bank, plan))) {
    return EditOutcome::cancelled(std::move(plan));
  }
  const int count = static_cast<int>(plan.changes.size());
  EditOutcome outcome =
      context.run({.settings = {.bank = request.bank,
                                .title = title,
                                .shownTitle = shownRenameTitle(request.bank),
                                .progressText = userText(USER_TEXT("Progress", "Renaming...")),
                                .progressMaximum = count,
                                .disableDrops = true},
                   .plan = std::move(plan)});
  if (outcome.isDone()) outcome.countedSlots = std::move(renamed);
  return outcome;
}

}  // namespace slotsmith
