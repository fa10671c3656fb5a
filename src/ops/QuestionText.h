// How the engine's questions and reports name what an edit acts on, the same in the desktop's
// alerts and on the terminal. A count alone lets the user confirm an edit of the wrong selection;
// every number can fill the screen. So slots are named as runs of consecutive numbers
// ("3–7, 12"), and past a few runs the rest is only counted ("3–7, 12, 20, 31–40 … and 17 more").
// Counts take the singular for one ("1 sound slot").
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/DatabasePaths.h"

namespace slotsmith {

// Runs or items named before the rest is only counted.
inline constexpr std::size_t kNamedRuns = 4;

// The slots as runs of consecutive numbers, in ascending order whatever order they come in;
// past maxRuns runs, how many slots are left out. Empty for no slots.
std::string slotRunsText(std::vector<int> slots, std::size_t maxRuns = kNamedRuns);

// "slot 12" or "slots 3–7, 12": the runs with their noun.
std::string slotsText(const std::vector<int>& slots, std::size_t maxRuns = kNamedRuns);

// "1 sound", "0 sounds", "2 sounds": the plural is the singular with an s unless given.
std::string countText(std::size_t count, const std::string& singular, std::string plural = {});

// The refusal of an edit given no slots of the bank: "No sounds were chosen."
std::string noneChosen(Bank bank);

// The items joined with commas; past maxItems, how many are left out.
std::string shortenedList(const std::vector<std::string>& items, std::size_t maxItems = kNamedRuns);

}  // namespace slotsmith
