#include "support/JournalText.h"

#include <string_view>

#include "core/HistoryKey.h"

namespace slotsmith::testing {

namespace {

// The text of a record line ("#<length> <proof> <text>").
std::string_view recordTextOf(std::string_view line) {
  const std::size_t first = line.find(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t second = line.find(' ', first + 1);
  return second == std::string_view::npos ? std::string_view() : line.substr(second + 1);
}

bool isMarkerText(std::string_view text) {
  for (JournalState state : {JournalState::Forward, JournalState::Forward2, JournalState::Applied,
                             JournalState::Backward, JournalState::Backward2, JournalState::Undone,
                             JournalState::Abandoned}) {
    if (text == stateName(state)) return true;
  }
  return false;
}

}  // namespace

OtherHistoryKey::OtherHistoryKey(const std::string& keyFile) {
  useHistoryKeyFile(keyFile);
}

OtherHistoryKey::~OtherHistoryKey() {
  useHistoryKeyFile({});
}

std::string journalWithMarkers(const Journal& journal, int entry,
                               const std::vector<JournalState>& markers) {
  std::string text = formatJournal(journal, entry);
  for (JournalState state : markers)
    text += markerLine(text, entry, state);
  return text;
}

std::string journalBody(const std::string& text) {
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    const std::string_view line(text.data() + start,
                                (end == std::string::npos ? text.size() : end) - start);
    if (isMarkerText(recordTextOf(line))) return text.substr(0, start);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return text;
}

bool hasMarker(const std::string& text, JournalState state) {
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    const std::string_view line(text.data() + start,
                                (end == std::string::npos ? text.size() : end) - start);
    if (recordTextOf(line) == stateName(state)) return true;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return false;
}

}  // namespace slotsmith::testing
