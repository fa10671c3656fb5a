// The one-line texts the windows show about the database and about the last edit: the summaries
// above the two lists, the counts in the status bar, and what an edit did.
#pragma once

#include <QList>
#include <QString>
#include <string>
#include <vector>

#include "core/SlotTables.h"
#include "ops/Doctor.h"
#include "ops/Edits.h"

namespace slotsmith {

// "12 sounds in 1000 slots".
QString soundSummaryText(const SlotTables& tables);
// "5 models: 3 in use, 1 in use - disabled, 1 unused". A model is a slot with a name file; a
// reference to a slot without one is no model and is mentioned on its own: "; 2 empty slots
// referred to".
QString modelSummaryText(const SlotTables& tables);
// "150 sounds, 81 models" for the status bar.
QString countsText(const SlotTables& tables);
// What the selected rows hold, for the status bar: "Selected: 5 sounds and 2 empty slots; 1
// model". An empty slot is no sound or model, so it is counted on its own. Empty without rows.
QString selectionCountText(const SlotTables& tables, const QList<int>& soundRows,
                           const QList<int>& modelRows);

// The slots an undo or a redo put back in place, ascending, by bank: those whose folder it put
// back, or, when it moved no slot folder (a find and replace, a rename), those whose files it did.
struct RestoredSlots {
  std::vector<int> sounds;
  std::vector<int> models;
  bool empty() const { return sounds.empty() && models.empty(); }
};
RestoredSlots restoredSlots(const EditPlan& plan, const std::string& root);

// Whether a health finding is damage or a leftover to look at, rather than a choice the user may
// have made (a reference to an empty model slot).
bool isDamage(const DoctorFinding& finding);
// The line shown when a database opens: none when nothing is damaged.
QString healthLineText(const std::vector<DoctorFinding>& findings);

// What an edit did, for the status bar: "Moved 3 sounds to slot 10", "Cancelled; nothing was
// changed", "Remove models failed: ...".
// An undo or a redo names the slots it put back, found in the plan under the database root.
QString outcomeText(const EditRequest& request, const EditOutcome& outcome,
                    const std::string& root = {});

}  // namespace slotsmith
