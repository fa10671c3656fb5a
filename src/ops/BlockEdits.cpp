// Copy and move of a block of slots, in both banks. The layout replays the edit's folder
// algorithm; for sounds that is all there is, since nothing refers to a sound by number. For
// models the renumbering replays the same algorithm's reference steps, so that afterwards every
// sound refers to the same model contents as before.
#include "core/UserText.h"
#include "ops/DropPreview.h"
#include "ops/EditRunner.h"
#include "ops/QuestionText.h"

namespace slotsmith {

namespace {

struct BlockKind {
  const char* title;  // English: it names the edit in the history too
  TextTemplate shownTitle;
  TextTemplate progressText;
  TextTemplate informative;  // takes {count}, {first} and {destination}
};

BlockKind copyKind(Bank bank) {
  if (bank == Bank::Sounds) {
    return {"Copy sounds", USER_TEXT("Copy", "Copy sounds"), USER_TEXT("Copy", "Copying sounds..."),
            USER_TEXT("Copy",
                      "Are you sure you want to copy {count} sounds starting at slot#{first} to "
                      "slot#{destination}? Undo reverses it.")};
  }
  return {"Copy models", USER_TEXT("Copy", "Copy models"), USER_TEXT("Copy", "Copying models..."),
          USER_TEXT("Copy",
                    "Are you sure you want to copy {count} models starting at slot #{first} to "
                    "slot #{destination}? Undo reverses it.")};
}

BlockKind moveKind(Bank bank) {
  if (bank == Bank::Sounds) {
    return {"Move sounds", USER_TEXT("Move", "Move sounds"), USER_TEXT("Move", "Moving sounds..."),
            USER_TEXT("Move",
                      "Are you sure you want to move {count} sounds starting at slot #{first} to "
                      "slot #{destination}? Undo reverses it.")};
  }
  return {"Move models", USER_TEXT("Move", "Move models"), USER_TEXT("Move", "Moving models..."),
          USER_TEXT("Move",
                    "Are you sure you want to move {count} models starting at slot #{first} to "
                    "slot #{destination}? Undo reverses it.")};
}

// The start every copy and move shares: some slots, a block that fits the bank, and the
// confirmation. An outcome when the edit ends here, none when it goes on.
std::optional<EditOutcome> startBlockEdit(EditContext& context, const BlockKind& kind, Bank bank,
                                          const std::vector<int>& slots, int destination) {
  const int count = static_cast<int>(slots.size());
  if (count == 0) return context.refuse(kind.title, noneChosen(bank));
  // A block that runs past slot 999 would land its own slots outside the bank, where the
  // synthesizer never sees them; such a drop is refused before anything is asked.
  if (const std::string problem = blockFitProblem(bank, count, destination); !problem.empty()) {
    return context.refuse(kind.title, problem);
  }
  if (!context.confirm({.message = userText(kind.shownTitle),
                        .informative = userText(kind.informative,
                                                {{"count", std::to_string(count)},
                                                 {"first", std::to_string(slots.front())},
                                                 {"destination", std::to_string(destination)}}),
                        .buttons = {userText(kOk), userText(kCancel), ""},
                        .confirmingAnswer = kAlertDefault,
                        .decliningAnswer = kAlertAlternate})) {
    return EditOutcome::cancelled();
  }
  return std::nullopt;
}

EditSettings blockSettings(const BlockKind& kind, Bank bank) {
  return {.bank = bank,
          .title = kind.title,
          .shownTitle = userText(kind.shownTitle),
          .progressText = userText(kind.progressText),
          .progressMaximum = 999,
          .disableDrops = true};
}

EditOutcome runSoundLayout(EditContext& context, const BlockKind& kind, const SlotLayout& layout) {
  EditPlan plan;
  if (Status planned = context.planLayout(Bank::Sounds, layout, plan); !planned.isOk()) {
    return context.refuse(kind.title, nothingChanged(planned.message()));
  }
  return context.run({.settings = blockSettings(kind, Bank::Sounds), .plan = std::move(plan)});
}

}  // namespace

EditOutcome copySlots(EditContext& context, const CopyRequest& request) {
  const BlockKind kind = copyKind(request.bank);
  if (auto ended =
          startBlockEdit(context, kind, request.bank, request.slots, request.destination)) {
    return *ended;
  }
  const SlotLayout layout = SlotLayout::afterCopy(request.slots, request.destination);
  if (request.bank == Bank::Sounds) return runSoundLayout(context, kind, layout);
  return context.runModelEdit(blockSettings(kind, Bank::Models), layout,
                              ReferenceRenumbering::forBlockCopy(
                                  static_cast<int>(request.slots.size()), request.destination),
                              userText(kUpdatingSounds));
}

EditOutcome moveSlots(EditContext& context, const MoveRequest& request) {
  const BlockKind kind = moveKind(request.bank);
  if (auto ended =
          startBlockEdit(context, kind, request.bank, request.slots, request.destination)) {
    return *ended;
  }
  const SlotLayout layout = SlotLayout::afterMove(request.slots, request.destination);
  if (request.bank == Bank::Sounds) return runSoundLayout(context, kind, layout);
  return context.runModelEdit(
      blockSettings(kind, Bank::Models), layout,
      ReferenceRenumbering::forBlockMove(request.slots, request.destination),
      userText(kUpdatingSounds));
}

}  // namespace slotsmith
