#include "ops/QuestionText.h"

#include <algorithm>

#include "core/UserText.h"

namespace slotsmith {
namespace {

std::string joinedWithRest(const std::vector<std::string>& shown, std::size_t leftOut) {
  std::string text;
  for (const std::string& item : shown) {
    if (!text.empty()) text += ", ";
    text += item;
  }
  if (leftOut == 0) return text;
  return userText(USER_TEXT_N("Lists", "{items} \u2026 and {n} more"), {{"items", text}},
                  static_cast<long long>(leftOut));
}

}  // namespace

std::string slotRunsText(std::vector<int> slots, std::size_t maxRuns) {
  std::sort(slots.begin(), slots.end());
  slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
  std::vector<std::string> runs;
  std::size_t leftOut = 0;
  for (std::size_t first = 0; first < slots.size();) {
    std::size_t last = first;
    while (last + 1 < slots.size() && slots[last + 1] == slots[last] + 1)
      ++last;
    if (runs.size() < maxRuns) {
      runs.push_back(last == first
                         ? std::to_string(slots[first])
                         : std::to_string(slots[first]) + "\u2013" + std::to_string(slots[last]));
    } else {
      leftOut += last - first + 1;
    }
    first = last + 1;
  }
  return joinedWithRest(runs, leftOut);
}

std::string slotsText(const std::vector<int>& slots, std::size_t maxRuns) {
  return userText(USER_TEXT_N("Lists", "slot(s) {runs}"), {{"runs", slotRunsText(slots, maxRuns)}},
                  static_cast<long long>(slots.size()));
}

std::string countText(std::size_t count, const std::string& singular, std::string plural) {
  if (count == 1) return "1 " + singular;
  if (plural.empty()) plural = singular + "s";
  return std::to_string(count) + " " + plural;
}

std::string noneChosen(Bank bank) {
  return bank == Bank::Sounds ? userText(USER_TEXT("Refusals", "No sounds were chosen."))
                              : userText(USER_TEXT("Refusals", "No models were chosen."));
}

std::string shortenedList(const std::vector<std::string>& items, std::size_t maxItems) {
  const std::size_t shown = std::min(items.size(), maxItems);
  return joinedWithRest({items.begin(), items.begin() + static_cast<std::ptrdiff_t>(shown)},
                        items.size() - shown);
}

}  // namespace slotsmith
