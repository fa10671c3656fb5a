#include "ops/ModelEditPlan.h"

#include <iterator>

namespace slotsmith {

Status withReferenceRewrites(FileSystem& fs, const std::string& root, EditPlan folderChanges,
                             const ReferenceRenumbering& renumbering,
                             const std::bitset<kSlotCount>& sounds, ModelEditPlan& edit) {
  edit.plan = std::move(folderChanges);
  EditPlan writes;
  ScriptRewritePass pass;
  if (Status read = planScriptRewrites(fs, root, renumbering, sounds, writes, pass); !read.isOk()) {
    return read;
  }
  edit.rewrittenSounds = std::move(pass.rewrittenSounds);
  edit.touchedReferences = pass.touchedReferences;
  std::vector<Change>& changes = edit.plan.changes;
  edit.firstScriptChange = changes.size();
  changes.insert(changes.end(), std::make_move_iterator(writes.changes.begin()),
                 std::make_move_iterator(writes.changes.end()));
  return Status::ok();
}

}  // namespace slotsmith
