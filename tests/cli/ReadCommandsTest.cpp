// `check`, `list` and `demo`, and the slot lists every command takes, as scripts rely on them.
#include <gtest/gtest.h>

#include <string>

#include "CliRun.h"
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

TEST(ReadCommands, SlotListsAcceptNumbersAndRangesWithinTheBank) {
  EXPECT_EQ(parseSlotList("3"), std::vector<int>{3});
  EXPECT_EQ(parseSlotList("9,5-7,3"), (std::vector<int>{3, 5, 6, 7, 9}));
  EXPECT_EQ(parseSlotList("0-2,1"), (std::vector<int>{0, 1, 2}));
  for (const char* bad : {"", "1000", "-1", "7-5", "3,", "a", "1-", "2,,3", "5 "}) {
    EXPECT_EQ(parseSlotList(bad), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace slotsmith::cli
