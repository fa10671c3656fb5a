#include "core/SoundDiff.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace slotsmith {
namespace {

// "!Key#2 first|second": differing (!) or equal (=), the occurrence when it is not the first, and
// "(none)" for a side without the line.
std::vector<std::string> rendered(const SoundComparison& comparison) {
  std::vector<std::string> lines;
  for (const ParameterPair& pair : comparison.parameters) {
    std::string line = pair.differs() ? "!" : "=";
    line += pair.key;
    if (pair.occurrence > 1) line += "#" + std::to_string(pair.occurrence);
    line += " " + pair.first.value_or("(none)") + "|" + pair.second.value_or("(none)");
    lines.push_back(line);
  }
  return lines;
}

std::string numbered(int count) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += "P" + std::to_string(i) + "\t" + std::to_string(i) + "\n";
  return text;
}

// The rendered lines of numbered(count) on both sides.
std::vector<std::string> equalNumbered(std::vector<std::string> lines, int count) {
  for (int i = 0; i < count; ++i)
    lines.push_back("=P" + std::to_string(i) + " " + std::to_string(i) + "|" + std::to_string(i));
  return lines;
}

TEST(SoundDiff, PairsParametersByKeyAndOccurrenceDifferencesFirst) {
  const std::string longValue(300, '7');
  const struct {
    const char* what;
    std::string first, second;
    std::vector<std::string> expected;
  } cases[] = {
      {"equal", "A\t1\nB\t2\n", "A\t1\nB\t2\n", {"=A 1|1", "=B 2|2"}},
      {"one value", "A\t1\nB\t2\nC\t3\n", "A\t1\nB\t5\nC\t3\n", {"!B 2|5", "=A 1|1", "=C 3|3"}},
      {"lines on one side only, second-only ones last",
       "A\t1\nB\t2\n",
       "C\t3\nA\t1\n",
       {"!B 2|(none)", "!C (none)|3", "=A 1|1"}},
      {"repeated keys pair by occurrence",
       "K\t1\nX\t0\nK\t2\n",
       "K\t1\nK\t3\nK\t4\nX\t0\n",
       {"!K#2 2|3", "!K#3 (none)|4", "=K 1|1", "=X 0|0"}},
      {"line endings, empty lines and a missing last ending do not count",
       "A\t1\r\n\r\nB\t2",
       "A\t1\n\nB\t2\n\n",
       {"=A 1|1", "=B 2|2"}},
      {"values are text",
       "A\t007\nB\t7\nJunk\nC\t\n",
       "A\t7\nB\t7 \nJunk\nC\n",
       {"!A 007|7", "!B 7|7 ", "=Junk |", "=C |"}},
      {"lines the table cannot hold", "L\t" + longValue + "\n" + numbered(1100),
       "L\t" + longValue + "8\n" + numbered(1099) + "P1099\t0\n",
       equalNumbered({"!L " + longValue + "|" + longValue + "8", "!P1099 1099|0"}, 1099)},
      {"an empty script", "", "A\t1\n", {"!A (none)|1"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const SoundComparison comparison = compareSoundScripts(c.first, c.second);
    EXPECT_EQ(rendered(comparison), c.expected);
    std::size_t differing = 0;
    for (const std::string& line : c.expected)
      differing += line[0] == '!';
    EXPECT_EQ(comparison.differing, differing);
    EXPECT_EQ(comparison.identical(), differing == 0);
  }
}

// Random edits of a script: the differences are exactly the edited lines, whichever side is
// first.
TEST(SoundDiff, FindsExactlyTheEditedLinesOfRandomEdits) {
  uint32_t state = 12345;
  const auto next = [&state](uint32_t bound) {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) % bound;
  };
  for (int round = 0; round < 50; ++round) {
    std::string first;
    std::string second;
    std::size_t edits = 0;
    const int lines = 1 + static_cast<int>(next(60));
    for (int i = 0; i < lines; ++i) {
      // K0 repeats every fourth line, so that pairing by occurrence is exercised too; only its
      // values change, since deleting one would move the later ones to other partners.
      const bool repeats = i == 0 || i % 4 == 3;
      const std::string key = "K" + std::to_string(repeats ? 0 : i);
      const std::string value = std::to_string(next(100));
      const uint32_t action = next(6);
      first += key + "\t" + value + "\n";
      if (action == 0) {
        second += key + "\t" + value + "x\n";
        ++edits;
      } else if (action == 1 && !repeats) {
        ++edits;  // deleted in the second
      } else {
        second += key + "\t" + value + "\n";
      }
    }
    const std::size_t added = next(3);
    for (std::size_t i = 0; i < added; ++i)
      second += "New" + std::to_string(i) + "\t1\n";
    edits += added;
    EXPECT_EQ(compareSoundScripts(first, second).differing, edits) << first << "--\n" << second;
    EXPECT_EQ(compareSoundScripts(second, first).differing, edits);
  }
}

}  // namespace
}  // namespace slotsmith
