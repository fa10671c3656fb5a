// `check`, `list` and `demo`, and the slot lists every command takes, as scripts rely on them.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "CliRun.h"
#include "cli/PrintableStream.h"
#include "core/DatabasePaths.h"
#include "support/Platform.h"
#include "support/TempDir.h"

namespace slotsmith::cli {
namespace {

using testing::TempDir;

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  for (std::size_t end; (end = text.find('\n', begin)) != std::string::npos; begin = end + 1) {
    lines.push_back(text.substr(begin, end - begin));
  }
  return lines;
}

TEST(ReadCommands, CheckTellsADatabaseFromAnyOtherFolder) {
  TempDir dir;
  EXPECT_EQ(runSlotsmith({"check", dir.path()}).status, kExitRefused);
  testing::writeModel(dir.path(), 123, "Lead");
  EXPECT_EQ(runSlotsmith({"check", dir.path()}).status, kExitDone);
  EXPECT_EQ(runSlotsmith({"check"}).status, kExitUsage);
}

TEST(ReadCommands, ListPrintsEverySlotAsTheListsShowIt) {
  TempDir dir;
  testing::writeModel(dir.path(), 12, "Lead");
  testing::writeSound(dir.path(), 3, "Bass", 12, 1, 12, 0);
  testing::writeSound(dir.path(), 4, "Pad", -1, 1, 7, 0);

  const CliRun sounds = runSlotsmith({"list", dir.path(), "sounds"});
  ASSERT_EQ(sounds.status, kExitDone);
  const auto soundLines = linesOf(sounds.out);
  ASSERT_EQ(soundLines.size(), 1000u);
  EXPECT_EQ(soundLines[0], "000\t--<empty>--\t---\t---");
  EXPECT_EQ(soundLines[3], "003\tBass\t12 (Lead)\t---");
  EXPECT_EQ(soundLines[4], "004\tPad\t-1 (unused)\t---");

  const CliRun models = runSlotsmith({"list", dir.path(), "models"});
  const auto modelLines = linesOf(models.out);
  ASSERT_EQ(modelLines.size(), 1000u);
  EXPECT_EQ(modelLines[12], "012\tLead\tin use");
  EXPECT_EQ(modelLines[7], "007\t--<empty>--\tin use - disabled");
  EXPECT_EQ(modelLines[999], "999\t--<empty>--\t!!UNUSED!!");

  const CliRun json = runSlotsmith({"list", dir.path(), "models", "--json"});
  EXPECT_EQ(json.out.front(), '[');
  EXPECT_NE(json.out.find("{\"slot\": 12, \"name\": \"Lead\", \"use\": 1, \"status\": \"in use\"}"),
            std::string::npos);

  EXPECT_EQ(runSlotsmith({"list", dir.path(), "voices"}).status, kExitUsage);
  EXPECT_EQ(runSlotsmith({"list", dir.path() + "/nothing", "sounds"}).status, kExitRefused);
}

TEST(ReadCommands, ATabOrLineBreakInANameNeverSplitsASlotsLine) {
  TempDir dir;
  testing::writeModel(dir.path(), 12, "Le\tad");
  testing::writeSound(dir.path(), 3, "Ba\nss\r", 12, 1, 12, 0);

  const auto soundLines = linesOf(runSlotsmith({"list", dir.path(), "sounds"}).out);
  ASSERT_EQ(soundLines.size(), 1000u);
  EXPECT_EQ(soundLines[3], "003\tBa ss \t12 (Le ad)\t---");
  const auto modelLines = linesOf(runSlotsmith({"list", dir.path(), "models"}).out);
  ASSERT_EQ(modelLines.size(), 1000u);
  EXPECT_EQ(modelLines[12], "012\tLe ad\tin use");
}

TEST(ReadCommands, DemoWritesADatabaseOnlyIntoANewOrEmptyFolder) {
  TempDir dir;
  const std::string demo = dir.path() + "/demo";
  ASSERT_EQ(runSlotsmith({"demo", demo}).status, kExitDone);
  EXPECT_EQ(runSlotsmith({"check", demo}).status, kExitDone);
  // It has something for every feature to show, duplicates included.
  EXPECT_EQ(runSlotsmith({"duplicates", demo}).out, "models: 5 130\nsounds: 5 360\n");
  const std::string before = testing::readFile(demo + "/Sounds/000.sound/sound.script");
  EXPECT_EQ(runSlotsmith({"demo", demo}).status, kExitRefused);
  EXPECT_EQ(testing::readFile(demo + "/Sounds/000.sound/sound.script"), before);
}

// CLI11's usage errors are read back into templates whose English is its own: with a catalogue
// that marks every text it translates, each line of the message is a marked template, and without
// the marks it is what CLI11 says, byte for byte.
TEST(ReadCommands, UsageErrorsAreWholeTemplatesWithCli11sEnglish) {
  TempDir dir;
  const std::string db = dir.path() + "/DB";
  ASSERT_EQ(runSlotsmith({"demo", db}).status, kExitDone);
  const std::vector<std::vector<std::string>> commands{
      {},
      {"check", db, "extra"},
      {"check", db, "one", "two"},
      {"diff", db, "0"},
      {"diff", db, "0", "1000"},
      {"list", db, "banks"},
      {"sort", db, "sounds", "1-3", "--by", "size"},
      {"copy", db, "sounds", "1", "--to"},
      {"copy", db, "sounds", "1", "--to", "5", "--yes=maybe"},
      {"rename", db, "sounds", "3", "Pad", "--from", "names.txt"},
  };
  const auto unmarked = [](std::string text) {
    for (const std::string_view mark : {std::string_view("\u00ab"), std::string_view("\u00bb")}) {
      for (std::size_t at; (at = text.find(mark)) != std::string::npos;)
        text.erase(at, mark.size());
    }
    return text;
  };
  for (const std::vector<std::string>& command : commands) {
    SCOPED_TRACE(::testing::PrintToString(command));
    const CliRun english = runSlotsmith(command);
    setTextTranslator([](const char*, const char* text, std::optional<long long>) {
      return std::optional<std::string>("\u00ab" + std::string(text) + "\u00bb");
    });
    const CliRun marked = runSlotsmith(command);
    setTextTranslator({});
    EXPECT_EQ(english.status, kExitUsage);
    EXPECT_EQ(marked.status, kExitUsage);
    EXPECT_EQ(unmarked(marked.err), english.err);
    ASSERT_EQ(linesOf(marked.err).size(), 2u) << marked.err;
    for (const std::string& line : linesOf(marked.err)) {
      EXPECT_TRUE(line.starts_with("\u00ab") && line.ends_with("\u00bb")) << line;
    }
  }
}

TEST(ReadCommands, SlotListsAcceptNumbersAndRangesWithinTheBank) {
  EXPECT_EQ(parseSlotList("3"), std::vector<int>{3});
  EXPECT_EQ(parseSlotList("9,5-7,3"), (std::vector<int>{3, 5, 6, 7, 9}));
  EXPECT_EQ(parseSlotList("0-2,1"), (std::vector<int>{0, 1, 2}));
  for (const char* bad : {"", "1000", "-1", "7-5", "3,", "a", "1-", "2,,3", "5 "}) {
    EXPECT_EQ(parseSlotList(bad), std::nullopt) << bad;
  }
}

// A database made elsewhere may name its folder, sounds and models with any bytes: whatever a
// command prints of them reaches the terminal with its control characters escaped, and the names
// files written for the synthesizer keep the bytes as they are.
TEST(ReadCommands, ControlCharactersInNamesAndPathsReachTheTerminalEscaped) {
  // Windows file names cannot hold control characters: there only the names inside the files
  // and the path given on the command line carry them.
  TempDir dir(testing::kOnWindows ? "hostile" : "hostile \x1b]0;title\a");
  const std::string db = dir.path();
  const std::string red = "\x1b[31m\a\r";
  testing::writeModel(db, 12, "M\x1b[2J");
  testing::writeSound(db, 3, red + "caf\xc3\xa9", 12, 1, 12, 0);
  testing::writeSound(db, 4, "Plain", 12, 1, 12, 0);
  testing::writeFile(soundScriptPath(db, 4),
                     testing::readFile(soundScriptPath(db, 4)) + "Note\x1b[1m\t5\n");
  const auto hasRawControl = [](const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
      const auto byte = static_cast<unsigned char>(c);
      return (byte < 0x20 && c != '\n' && c != '\t') || byte == 0x7f;
    });
  };
  const std::vector<std::vector<std::string>> commands{
      {"check", db},
      {"list", db, "sounds"},
      {"list", db, "models"},
      {"doctor", db},
      {"diff", db, "3", "4"},
      {"duplicates", db},
      {"names", db},
      {"rename", db, "sounds", "3", "Ok\x1b", "--yes"},
      {"list", db + "/\x1b[1mnothing", "sounds"}};
  for (const auto& command : commands) {
    SCOPED_TRACE(command[0]);
    const CliRun run = runSlotsmith(command);
    EXPECT_FALSE(hasRawControl(run.out)) << run.out.substr(0, 400);
    EXPECT_FALSE(hasRawControl(run.err)) << run.err;
  }
  const auto soundLines = linesOf(runSlotsmith({"list", db, "sounds"}).out);
  ASSERT_EQ(soundLines.size(), 1000u);
  EXPECT_EQ(soundLines[3], "003\t\\e[31m\\a caf\xc3\xa9\t12 (M\\e[2J)\t---");
  const std::string names = testing::readFile(soundNamesPath(db));
  EXPECT_NE(names.find("003\t" + red + "caf\xc3\xa9"), std::string::npos);
}

// A command may write a character in pieces: the terminal still gets it whole, and an end that
// never completes it is shown escaped; the progress line's own sequences pass as they are.
TEST(ReadCommands, OutputWrittenInPiecesIsEscapedAsAWhole) {
  std::ostringstream target;
  {
    PrintableStreamBuf printable(target.rdbuf());
    std::ostream out(&printable);
    out << "caf\xc3"
        << "\xa9 \xe2\x82"
        << "\xac\x1b";
    out.put('[');
    writeTerminalControl(out, "\r\x1b[K");
    out << "\xe2\x82";
  }
  EXPECT_EQ(target.str(), "caf\xc3\xa9 \xe2\x82\xac\\e[\r\x1b[K\\xe2\\x82");
}

}  // namespace
}  // namespace slotsmith::cli
