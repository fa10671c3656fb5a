// Dedupe: of every group of identical models (Duplicates.h) the lowest slot stays, every
// reference to another member of the group points at it, and the other members are deleted in
// place, their slots left empty as a Delete leaves them. Models are compared on disk, byte for
// byte; a model that cannot be read stops the edit, since a copy of it might go unnoticed.
#include "core/Duplicates.h"
#include "core/UserText.h"
#include "ops/EditRunner.h"
#include "ops/ModelEditPlan.h"
#include "ops/QuestionText.h"

namespace slotsmith {

namespace {

constexpr char kDedupeTitle[] = "Dedupe models";  // English: the history's
constexpr TextTemplate kShownTitle = USER_TEXT("Dedupe", "Dedupe models");
// The question lists this many groups; the rest are counted.
constexpr std::size_t kListedGroups = 10;

Question dedupeQuestion(const std::vector<std::vector<int>>& groups, int duplicates) {
  std::string text = userText(
      USER_TEXT_N("Dedupe",
                  "Are you sure you want to point every reference to a duplicate model at the "
                  "lowest slot of its group and delete the {n} other cop(y|ies)? Undo reverses "
                  "it.\n\nIdentical models:"),
      {}, duplicates);
  for (std::size_t g = 0; g < groups.size() && g < kListedGroups; ++g) {
    text += "\n  " + slotRunsText(groups[g]) + " -> " + std::to_string(groups[g].front());
  }
  if (groups.size() > kListedGroups) {
    text += "\n  " + userText(USER_TEXT_N("Dedupe", "... and {n} more group(s)"), {},
                              static_cast<long long>(groups.size() - kListedGroups));
  }
  return {.message = userText(kShownTitle),
          .informative = text,
          .buttons = {userText(kOk), userText(kCancel), ""},
          .confirmingAnswer = kAlertDefault,
          .decliningAnswer = kAlertAlternate};
}

}  // namespace

EditOutcome dedupeModels(EditContext& context, const DedupeRequest& request) {
  const DuplicateGroups duplicates = findDuplicateModels(
      context.fileSystem(), context.root(), {.includeModelName = !request.ignoreModelNames});
  if (!duplicates.unreadable.empty()) {
    std::string reason = userText(
        USER_TEXT("Dedupe", "Nothing was changed: these models cannot be read and compared:"));
    for (const Status& status : duplicates.unreadable)
      reason += "\n  " + status.message();
    return context.refuse(kDedupeTitle, reason);
  }
  if (duplicates.groups.empty()) {
    EditPlan nothing;
    nothing.title = kDedupeTitle;
    return EditOutcome::done(std::move(nothing),
                             userText(USER_TEXT("Dedupe", "No two models are identical.")));
  }
  SlotLayout layout;
  ReferenceRenumbering renumbering;
  std::vector<int> copies;
  for (const std::vector<int>& group : duplicates.groups) {
    for (std::size_t i = 1; i < group.size(); ++i) {
      copies.push_back(group[i]);
      renumbering.replaceUniqueModelInAllSounds(group[i], group.front());
    }
  }
  layout.clear(copies);
  if (!context.confirm(dedupeQuestion(duplicates.groups, static_cast<int>(copies.size())))) {
    return EditOutcome::cancelled();
  }
  return context.runModelEdit(
      {.bank = Bank::Models,
       .title = kDedupeTitle,
       .shownTitle = userText(kShownTitle),
       .progressText = userText(USER_TEXT("Progress", "Removing duplicate models...")),
       .progressMaximum = 999,
       .disableDrops = true},
      layout, renumbering, userText(kUpdatingSounds));
}

}  // namespace slotsmith
