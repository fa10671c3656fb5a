// The texts the two slot lists show for a slot, shared by the desktop lists and the CLI's
// `list` output so that both always say the same thing.
#pragma once

#include <cstdint>
#include <string>

#include "core/SlotTables.h"

namespace slotsmith {

// "---" for a switched-off reference (switch 0 or less); otherwise "%d (%s)" with the model
// number and that model slot's name, or "unused" for a number outside 0..999.
std::string modelReferenceText(const SlotTables& tables, int32_t model, int32_t switchValue);

// "in use" (1), "in use - disabled" (-1), "!!UNUSED!!" for anything else.
std::string modelStatusText(int32_t isUsed);

}  // namespace slotsmith
