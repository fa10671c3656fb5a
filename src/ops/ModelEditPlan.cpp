#include "ops/ModelEditPlan.h"

#include <algorithm>
#include <iterator>

namespace slotsmith {

namespace {

// The removals of folders set aside for deletion come last in a relocation; they run after the
// script writes, so that a failing removal leaves a leftover folder but no stale reference.
std::vector<EditStep>::iterator firstTrailingRemoval(std::vector<EditStep>& steps) {
  auto it = steps.end();
  while (it != steps.begin() && std::prev(it)->kind == EditStep::Kind::RemoveFolder)
    --it;
  return it;
}

std::string staleSoundsSentence(const std::vector<int>& sounds, const std::string& target) {
  bool one = sounds.size() == 1;
  return (one ? "sound " : "sounds ") + describeSlots(sounds) +
         (one ? " still refers to " : " still refer to ") + target;
}

}  // namespace

Status withReferenceRewrites(FileSystem& fs, const std::string& root, EditPlan folderSteps,
                             const ReferenceRenumbering& renumbering,
                             const std::bitset<kSlotCount>& sounds, ModelEditPlan& edit) {
  edit.plan = std::move(folderSteps);
  EditPlan writes;
  ScriptRewritePass pass;
  if (Status read = planScriptRewrites(fs, root, renumbering, sounds, writes, pass); !read.isOk()) {
    return read;
  }
  edit.rewrittenSounds = std::move(pass.rewrittenSounds);
  edit.touchedReferences = pass.touchedReferences;
  std::vector<EditStep>& steps = edit.plan.steps;
  auto removals = firstTrailingRemoval(steps);
  edit.firstScriptStep = static_cast<std::size_t>(removals - steps.begin());
  const auto firstRename = std::find_if(steps.begin(), removals, [](const EditStep& step) {
    return step.kind == EditStep::Kind::RenameFolder;
  });
  edit.firstRenameStep = static_cast<std::size_t>(firstRename - steps.begin());
  steps.insert(removals, std::make_move_iterator(writes.steps.begin()),
               std::make_move_iterator(writes.steps.end()));
  return Status::ok();
}

std::string describeStaleReferences(const ModelEditPlan& edit, std::size_t stepsDone) {
  // Copies made under staging names change no model's number: nothing is stale before the first
  // rename has run.
  if (stepsDone <= edit.firstRenameStep) return {};
  const std::vector<int>& sounds = edit.rewrittenSounds;
  std::size_t written = stepsDone > edit.firstScriptStep ? stepsDone - edit.firstScriptStep : 0;
  if (written >= sounds.size()) return {};
  std::vector<int> stale(sounds.begin() + static_cast<std::ptrdiff_t>(written), sounds.end());
  std::string text =
      std::to_string(written) + " of " + std::to_string(sounds.size()) +
      " sound scripts were rewritten: " + staleSoundsSentence(stale, edit.staleTarget) + ".";
  if (edit.firstScriptStep > 0 && stepsDone >= edit.firstScriptStep) {
    text = "The model folders are in their new places, but only " + text;
  }
  return text;
}

std::string describeSlots(const std::vector<int>& ascendingSlots) {
  std::string text;
  for (std::size_t i = 0; i < ascendingSlots.size();) {
    std::size_t end = i + 1;
    while (end < ascendingSlots.size() && ascendingSlots[end] == ascendingSlots[end - 1] + 1) {
      ++end;
    }
    if (!text.empty()) text += ", ";
    text += std::to_string(ascendingSlots[i]);
    if (end - i > 1) {
      text += '-';
      text += std::to_string(ascendingSlots[end - 1]);
    }
    i = end;
  }
  return text;
}

}  // namespace slotsmith
