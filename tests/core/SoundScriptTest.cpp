#include "core/SoundScript.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/ScriptKeyReader.h"
#include "core/SoundScriptFile.h"

namespace slotsmith {
namespace {

// Tables are 264 KB: keep them off the test's stack.
std::unique_ptr<SoundScript> parsed(const std::string& bytes) {
  auto script = std::make_unique<SoundScript>();
  script->parse(bytes);
  return script;
}

std::string numberedLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += "Key" + std::to_string(i) + "\t" + std::to_string(i) + "\n";
  return text;
}

TEST(SoundScript, TwoLinesLoadLookUpAndWriteBackByteForByte) {
  const std::string file = "R1ModellIndex\t12\nR1Switch\t1\n";
  auto script = parsed(file);
  EXPECT_EQ(valueForKey("R1ModellIndex", *script), 12);
  EXPECT_EQ(valueForKey("R1Switch", *script), 1);
  EXPECT_EQ(valueForKey("R2Switch", *script), 0);
  EXPECT_STREQ(script->lines[2].key, "");
  EXPECT_TRUE(script->fitsTable());
  EXPECT_EQ(script->serialize(), file);
}

TEST(SoundScript, NormalisesLineEndsSignsAndZerosOfFilesThatFit) {
  auto script = parsed("A\t+007\r\nB\t-0\nC\t-12");
  EXPECT_EQ(valueForKey("A", *script), 7);
  EXPECT_EQ(valueForKey("C", *script), -12);
  EXPECT_TRUE(script->fitsTable());
  EXPECT_EQ(script->serialize(), "A\t7\nB\t0\nC\t-12\n");
}

TEST(SoundScript, DuplicateKeysFirstLineWinsReplaceChangesAll) {
  auto script = parsed("R1ModellIndex\t5\nX\t1\nR1ModellIndex\t9\n");
  EXPECT_EQ(valueForKey("R1ModellIndex", *script), 5);
  replaceValueForKey("R1ModellIndex", 40, *script);
  EXPECT_EQ(script->lines[0].value, 40);
  EXPECT_EQ(script->lines[2].value, 40);
  EXPECT_EQ(script->serialize(), "R1ModellIndex\t40\nX\t1\nR1ModellIndex\t40\n");
}

TEST(SoundScript, ReplacingAMissingKeyAddsNothing) {
  const std::string file = "A\t1\n";
  auto script = parsed(file);
  replaceValueForKey("R1ModellIndex", 3, *script);
  EXPECT_FALSE(script->hasChangedValues());
  EXPECT_EQ(script->serialize(), file);
}

TEST(SoundScript, EmptyFileAndExactly1024Lines) {
  auto empty = parsed("");
  EXPECT_STREQ(empty->lines[0].key, "");
  EXPECT_EQ(empty->serialize(), "");

  const std::string full = numberedLines(1024);
  auto script = parsed(full);
  EXPECT_EQ(valueForKey("Key1023", *script), 1023);
  EXPECT_TRUE(script->fitsTable());
  EXPECT_EQ(script->serialize(), full);
}

TEST(SoundScript, ValuesOutside32BitsClampToTheNearestLimit) {
  auto script = parsed("Big\t99999999999\nSmall\t-99999999999\n");
  EXPECT_EQ(valueForKey("Big", *script), 2147483647);
  EXPECT_EQ(valueForKey("Small", *script), -2147483647 - 1);
}

// Files the table cannot hold are written back whole: only changed numbers are put in anew.
TEST(SoundScript, FilesBeyondTheTableAreKeptWholeWhenWrittenBack) {
  const std::string longLine = "Comment\t" + std::string(300, 'x') + "\n";
  const std::string cases[] = {
      numberedLines(1030) + "R1ModellIndex\t4\n",           // more than 1024 lines
      "R1ModellIndex\t4\n" + longLine + "Tail\t1\n",        // a line longer than 255 bytes
      "R1ModellIndex\t4\n\nAfterBlank\t2\n",                // an empty line before more lines
      "R1ModellIndex\t4\nNoTabHere\nZ\t3\n",                // a line without a key
      "R1ModellIndex\t4\nFine\t1.5\nText\tabc\n",           // values that are not whole numbers
      "R1ModellIndex\t4\nSpaced\t  12\n",                   // white space before the number
      std::string("R1ModellIndex\t4\nNul\t1\0junk\n", 26),  // a NUL byte
  };
  for (const std::string& file : cases) {
    SCOPED_TRACE(file.substr(0, 60));
    auto script = parsed(file);
    EXPECT_FALSE(script->fitsTable());
    EXPECT_EQ(script->serialize(), file);
  }
  // Changing a value changes only that number's bytes.
  auto script = parsed(cases[2]);
  ASSERT_EQ(valueForKey("R1ModellIndex", *script), 4);
  replaceValueForKey("R1ModellIndex", 123, *script);
  EXPECT_EQ(script->serialize(), "R1ModellIndex\t123\n\nAfterBlank\t2\n");
}

TEST(SoundScript, AValueGivenToALineWithoutANumberStaysOnThatLine) {
  // The white space strtol skips runs over the line end; the new number must not land in the
  // next line's key.
  const std::string cases[][2] = {
      {"R1ModellIndex\t\nR2Switch\t1\n", "R1ModellIndex\t7\nR2Switch\t1\n"},
      {"R1ModellIndex\t\r\nR2Switch\t1\r\n", "R1ModellIndex\t7\r\nR2Switch\t1\r\n"},
      {"R1ModellIndex\t  \nZ\t1\n", "R1ModellIndex\t7  \nZ\t1\n"},
      {"R1ModellIndex\tabc\nZ\t1\n", "R1ModellIndex\t7abc\nZ\t1\n"},
  };
  for (const auto& [file, expected] : cases) {
    SCOPED_TRACE(file);
    auto script = parsed(file);
    ASSERT_EQ(valueForKey("R1ModellIndex", *script), 0);
    replaceValueForKey("R1ModellIndex", 7, *script);
    EXPECT_EQ(script->serialize(), expected);
    EXPECT_EQ(valueForKey("R1ModellIndex", *parsed(script->serialize())), 7);
  }
}

TEST(SoundScript, LongLinesContinueInTheNextEntryAsTheFileFormatReadsThem) {
  // 255 bytes fill one entry; the rest of the line is read as the next entry.
  const std::string file = "Key\t1" + std::string(250, '0') + "\tR1ModellIndex\t7\n";
  auto script = parsed(file);
  EXPECT_EQ(std::string(script->lines[0].key), "Key");
  EXPECT_FALSE(script->fitsTable());
  EXPECT_EQ(script->serialize(), file);
}

TEST(SoundScript, BinaryGarbageNeitherCrashesNorLosesBytes) {
  std::string garbage;
  uint32_t state = 7;
  for (int i = 0; i < 200000; ++i) {
    state = state * 1103515245u + 12345u;
    garbage += static_cast<char>(state >> 24);
  }
  auto script = parsed(garbage);
  EXPECT_EQ(script->serialize(), garbage);
}

// The scan's key reader must agree with the table on every file, whatever its shape: lines just
// under, at and over the 255 bytes of an entry, files longer than the table, keys repeated, torn
// by a NUL or without a tab, line ends of either kind, and files of every length around the
// 64-byte blocks the reader walks.
TEST(ScriptKeyReader, AgreesWithTheTableOnRandomScripts) {
  std::mt19937 random(20261208);
  const auto pick = [&random](int below) {
    return static_cast<int>(random() % static_cast<unsigned>(below));
  };
  std::vector<std::string> wanted = {kModel1Key, kModel2Key, kSwitch1Key, kSwitch2Key};
  for (int k = 0; k < 16; ++k)
    wanted.push_back(soundNameKey(k));
  // Long files carry their wanted keys only near the table's last entry, where an entry counted
  // wrongly decides whether a key is read at all; only short ones have lines of many entries.
  const auto entryLine = [&](bool wantedHere, bool fullFills, bool longLines) {
    std::string line;
    int kind = pick(8);
    if (!wantedHere && kind >= 2 && kind <= 4) kind = 6;
    switch (kind) {
      case 0:  // a filler of 246 to 255 bytes, the longest that fill one entry, or 256, which make
               // two
        return "Fill\t" +
               std::string(static_cast<std::size_t>(240 + pick(fullFills ? 11 : 10)), '7') + "\n";
      case 1:  // a line too long for one entry, or an empty one
        if (longLines && pick(4) == 0)
          line = "Long\t" + std::string(static_cast<std::size_t>(251 + pick(40)), '7');
        break;
      case 7:
        line = "SoundNameX\t" + std::to_string(pick(300));
        break;
      case 2:
      case 3:
      case 4:
        line =
            wanted[static_cast<std::size_t>(pick(20))] + "\t" + std::to_string(pick(2000) - 1000);
        if (pick(12) == 0) {
          line.insert(static_cast<std::size_t>(pick(static_cast<int>(line.size()))), 1, '\0');
        }
        if (pick(12) == 0) line.erase(line.find('\t'), 1);
        break;
      default:
        line = "Osc" + std::to_string(pick(50)) + "\t" + std::to_string(pick(100));
    }
    return line + (pick(10) == 0 ? "\r\n" : "\n");
  };
  const std::vector<std::string> nameKeys(wanted.begin() + 4, wanted.end());
  auto table = std::make_unique<SoundScript>();
  for (int round = 0; round < 400; ++round) {
    std::string file;
    const bool longFile = round % 4 == 0;
    const int lines = longFile ? 1000 + pick(60) : pick(260);
    for (int i = 0; i < lines; ++i)
      file += entryLine(!longFile || i > 1000 + pick(20), round % 8 != 0, !longFile);
    if (pick(3) == 0 && !file.empty()) file.pop_back();  // no final line ending
    table->parse(file);
    const ScriptKeyValues values = readScriptKeys(file);
    SCOPED_TRACE("round " + std::to_string(round));
    ASSERT_EQ(values.model1, valueForKey(kModel1Key, *table));
    ASSERT_EQ(values.model2, valueForKey(kModel2Key, *table));
    ASSERT_EQ(values.switch1, valueForKey(kSwitch1Key, *table));
    ASSERT_EQ(values.switch2, valueForKey(kSwitch2Key, *table));
    for (int k = 0; k < 16; ++k)
      ASSERT_EQ(values.nameCodes[static_cast<std::size_t>(k)], valueForKey(soundNameKey(k), *table))
          << k;
    const bool tableHasName = std::any_of(table->lines.begin(), table->lines.end(), [&](auto& l) {
      return std::find(nameKeys.begin(), nameKeys.end(), l.key) != nameKeys.end();
    });
    ASSERT_EQ(values.hasName, tableHasName);
    // Every line of the reference keys, as the table holds them, repeats included.
    std::vector<int32_t> referenceLines;
    int model1Lines = 0, model2Lines = 0;
    for (const ScriptLine& line : table->lines) {
      const std::string_view key = line.key;
      model1Lines += key == kModel1Key;
      model2Lines += key == kModel2Key;
      if (key == kModel1Key || key == kModel2Key) referenceLines.push_back(line.value);
    }
    ASSERT_EQ(values.repeatsModel1, model1Lines > 1);
    ASSERT_EQ(values.repeatsModel2, model2Lines > 1);
    ASSERT_EQ(allReferenceValues(file), referenceLines);
  }
}

// A script is text the synthesizer wrote: any control byte but tab, CR and LF, anywhere, or a
// script without a single name key is no sound, whatever else it holds.
TEST(SoundScriptFile, ControlBytesAndAMissingNameMarkAScriptDamaged) {
  const auto damaged = [](const std::string& file) {
    return !soundScriptDamage(file, readScriptKeys(file)).empty();
  };
  const std::string named = "SoundNameC07\t65\r\nR1ModellIndex\t3\n";
  EXPECT_FALSE(damaged(named));
  for (int byte = 0; byte < 256; ++byte) {
    const char c = static_cast<char>(byte);
    const bool allowed = c == '\t' || c == '\r' || c == '\n' || (byte >= 0x20 && byte != 0x7f);
    EXPECT_EQ(damaged(named + "Note\tA" + c + "\n"), !allowed) << "byte " << byte;
    EXPECT_EQ(damaged(std::string(1, c) + "\n" + named), !allowed) << "a line of byte " << byte;
  }
  // Wherever it lies, in the bulk checked many bytes at once or in the rest, the first control
  // byte is found and its offset named; bytes above 0x7f are text (UTF-8).
  const std::string longer = named + std::string(40, 'x') + "\n";
  for (std::size_t offset = 0; offset < longer.size(); ++offset) {
    for (const unsigned char byte : {0x01, 0x1b, 0x1f, 0x7f, 0x80, 0xff}) {
      std::string file = longer;
      file[offset] = static_cast<char>(byte);
      const std::string damage = soundScriptDamage(file, readScriptKeys(named));
      if (byte >= 0x80) {
        EXPECT_EQ(damage, "") << offset;
      } else {
        EXPECT_NE(damage.find("at offset " + std::to_string(offset) + ","), std::string::npos)
            << damage;
      }
    }
  }
  // Only the sixteen name keys count as a name, and only within the lines the table reads.
  for (const std::string& nameless :
       {std::string(), std::string("R1ModellIndex\t3\n"), std::string("SoundNameC16\t65\n"),
        std::string("soundNameC00\t65\n"), std::string("SoundNameC00 65\n"),
        numberedLines(1024) + "SoundNameC00\t65\n"}) {
    EXPECT_TRUE(damaged(nameless)) << nameless.substr(0, 40);
  }
}

}  // namespace
}  // namespace slotsmith
