// The one-line texts the windows show about the database and about the last edit: the summaries
// above the two lists, the counts in the status bar, and what an edit did.
#pragma once

#include <QString>

#include "core/SlotTables.h"
#include "ops/Edits.h"

namespace slotsmith {

// "1 sound", "3 sounds".
QString countText(int count, const QString& singular, const QString& plural);

// "12 sounds in 1000 slots".
QString soundSummaryText(const SlotTables& tables);
// "5 models: 3 in use, 1 in use - disabled, 1 unused". A model is a slot with a name file; a
// reference to a slot without one is no model and is mentioned on its own: "; 2 empty slots
// referred to".
QString modelSummaryText(const SlotTables& tables);
// "150 sounds, 81 models" for the status bar.
QString countsText(const SlotTables& tables);

// What an edit did, for the status bar: "Moved 3 sounds to slot 10", "Cancelled; nothing was
// changed", "Remove models failed: ...".
QString outcomeText(const EditRequest& request, const EditOutcome& outcome);

}  // namespace slotsmith
