// Journals as the engine signs them, for tests that plant or cut one: the records are chained, so
// a marker is appended to the text it follows, never searched for as a fixed line.
#pragma once

#include <string>
#include <vector>

#include "ops/Journal.h"

namespace slotsmith::testing {

// While it lives, this process signs with another user's key (a key file of its own in a temporary
// folder): what it writes is history made elsewhere. Command lines started meanwhile still use the
// key of the environment.
class OtherHistoryKey {
 public:
  explicit OtherHistoryKey(const std::string& keyFile);
  ~OtherHistoryKey();
  OtherHistoryKey(const OtherHistoryKey&) = delete;
  OtherHistoryKey& operator=(const OtherHistoryKey&) = delete;
};

// The journal of history entry `entry` with markers appended in order, signed with the key in use.
std::string journalWithMarkers(const Journal& journal, int entry,
                               const std::vector<JournalState>& markers);

// The text before the first marker: the body as prepare writes it.
std::string journalBody(const std::string& text);

// Whether the text holds a record of the marker.
bool hasMarker(const std::string& text, JournalState state);

}  // namespace slotsmith::testing
