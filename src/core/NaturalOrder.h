// The order people expect of names that carry numbers: "Pad 2" before "Pad 10". Letters compare
// without regard to (ASCII) case, a run of digits compares by the number it spells, and of two
// runs that spell the same number the shorter comes first ("1" before "01"), so that two names
// compare equal only when they differ in letter case alone.
#pragma once

#include <string_view>

namespace slotsmith {

// Negative when a comes before b, zero when they are equal in this order, positive otherwise.
int compareNaturally(std::string_view a, std::string_view b);

}  // namespace slotsmith
