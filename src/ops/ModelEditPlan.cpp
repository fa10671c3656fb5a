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
  steps.insert(removals, std::make_move_iterator(writes.steps.begin()),
               std::make_move_iterator(writes.steps.end()));
  return Status::ok();
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
