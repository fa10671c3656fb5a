// A model edit planned as a whole: the folder changes that bring the model bank to its new
// layout, and the sound script writes that make every reference follow its model. The edit runs
// as one transaction (Transaction.h), so the references never disagree with the folders after an
// interruption.
#pragma once

#include <bitset>
#include <cstddef>
#include <string>
#include <vector>

#include "core/Database.h"
#include "ops/EditPlan.h"
#include "ops/ReferenceRenumbering.h"

namespace slotsmith {

struct ModelEditPlan {
  EditPlan plan;
  std::size_t firstScriptChange = 0;  // index in plan.changes of the first script write
  std::vector<int> rewrittenSounds;   // sounds whose scripts are written, in step order
  int touchedReferences = 0;          // reference keys whose first value the renumbering touched
};

// Adds to the folder changes of an edit the script writes that carry out `renumbering` in the
// given sounds. Not ok, naming the path, when a script that exists cannot be read: its references
// would be left behind.
Status withReferenceRewrites(FileSystem& fs, const std::string& root, EditPlan folderChanges,
                             const ReferenceRenumbering& renumbering,
                             const std::bitset<kSlotCount>& sounds, ModelEditPlan& edit);

}  // namespace slotsmith
