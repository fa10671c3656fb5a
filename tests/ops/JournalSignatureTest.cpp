// A journal proves who wrote it and what it says. Whatever is done to the text of one of ours —
// a bit flipped anywhere, a line dropped, lines swapped, the journal moved to another entry or
// read under another key — it never reads as one of ours that says something else: it reads as
// damaged, as cut by a crash (an earlier state of the same edit), or as made elsewhere.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ops/Journal.h"
#include "support/JournalText.h"
#include "support/TempDir.h"

namespace slotsmith::testing {
namespace {

struct Reading {
  Status status;
  Journal journal;
};

Reading read(const std::string& text, int entry) {
  Reading reading;
  reading.status = parseJournal(text, reading.journal, entry);
  return reading;
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start + 1));
    start = end + 1;
  }
  return lines;
}

TEST(JournalSignature, NoChangeToOneOfOursReadsAsOursSayingSomethingElse) {
  Journal journal;
  journal.title = "Move models";
  journal.time = 1700000000;
  journal.namesBank = Bank::Models;
  journal.renames = {{"Models/001.model", ".slotsmith/history/000004/moving/0", 0},
                     {"Sounds/002.sound/sound.script", ".slotsmith/history/000004/kept/0", 0},
                     {".slotsmith/history/000004/moving/0", "Models/005.model", 77},
                     {".slotsmith/history/000004/staged/0", "Sounds/002.sound/sound.script", 91}};
  journal.firstPhaseRenames = 2;
  const std::vector<JournalState> markers{JournalState::Forward, JournalState::Forward2,
                                          JournalState::Applied, JournalState::Backward};
  const std::string text = journalWithMarkers(journal, 4, markers);
  const Reading whole = read(text, 4);
  ASSERT_TRUE(whole.status.isOk());
  ASSERT_FALSE(whole.journal.foreign);
  ASSERT_EQ(whole.journal.state, JournalState::Backward);

  // Ours, saying what the whole says, at the state of one of its markers (a crash cut the rest).
  const auto sameEditOrNotOurs = [&](const Reading& reading) {
    if (!reading.status.isOk() || reading.journal.foreign) return true;
    const Journal& got = reading.journal;
    if (got.state == JournalState::Prepared) return got.renames.empty() && got.torn;
    bool renamesEqual = got.renames.size() == journal.renames.size();
    for (std::size_t i = 0; renamesEqual && i < got.renames.size(); ++i) {
      renamesEqual = got.renames[i].from == journal.renames[i].from &&
                     got.renames[i].to == journal.renames[i].to &&
                     got.renames[i].placedChecksum == journal.renames[i].placedChecksum;
    }
    return renamesEqual && got.title == journal.title &&
           got.firstPhaseRenames == journal.firstPhaseRenames;
  };
  for (std::size_t at = 0; at < text.size(); ++at) {
    for (const char bit : {'\x01', '\x20'}) {
      std::string flipped = text;
      flipped[at] = static_cast<char>(flipped[at] ^ bit);
      ASSERT_TRUE(sameEditOrNotOurs(read(flipped, 4))) << "byte " << at;
    }
  }
  const std::vector<std::string> lines = linesOf(text);
  for (std::size_t dropped = 1; dropped < lines.size(); ++dropped) {
    std::string shorter;
    for (std::size_t i = 0; i < lines.size(); ++i)
      if (i != dropped) shorter += lines[i];
    const Reading reading = read(shorter, 4);
    ASSERT_TRUE(sameEditOrNotOurs(reading)) << "line " << dropped;
    // A marker dropped from the middle never lets a later one count.
    if (dropped + 1 < lines.size() && reading.status.isOk() && !reading.journal.foreign) {
      ASSERT_NE(reading.journal.state, JournalState::Backward) << "line " << dropped;
    }
  }
  for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
    std::vector<std::string> swapped = lines;
    std::swap(swapped[i], swapped[i + 1]);
    std::string text2;
    for (const std::string& line : swapped)
      text2 += line;
    ASSERT_TRUE(sameEditOrNotOurs(read(text2, 4))) << "lines " << i << " and " << i + 1;
  }
  // Moved to another entry, or read by another user's Slotsmith: made elsewhere.
  EXPECT_TRUE(read(text, 5).journal.foreign);
  TempDir dir("another key");
  {
    OtherHistoryKey other(dir.path() + "/history-key");
    const Reading elsewhere = read(text, 4);
    EXPECT_TRUE(elsewhere.status.isOk());
    EXPECT_TRUE(elsewhere.journal.foreign);
    // Still read by its frames, for the doctor and `history` to show.
    EXPECT_EQ(elsewhere.journal.title, journal.title);
  }
  EXPECT_FALSE(read(text, 4).journal.foreign);
}

}  // namespace
}  // namespace slotsmith::testing
