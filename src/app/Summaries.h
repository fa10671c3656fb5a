// The one-line summaries above the two lists.
#pragma once

#include <QString>

#include "core/SlotTables.h"

namespace slotsmith {

// "12 sounds in 1000 slots".
QString soundSummaryText(const slotsmith::SlotTables& tables);
// "5 models: 3 in use, 1 in use - disabled, 1 unused". A model is a slot with a name file.
QString modelSummaryText(const slotsmith::SlotTables& tables);

}  // namespace slotsmith
