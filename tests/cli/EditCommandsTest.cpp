// The edit commands as scripts use them: arguments, confirmation by --yes only, exit statuses,
// the dry run, and the files they leave behind.
#include <gtest/gtest.h>

#include <filesystem>

#include "CliRun.h"
#include "core/DatabasePaths.h"
#include "support/Platform.h"
#include "support/TempDir.h"

namespace slotsmith::cli {
namespace {

using testing::readFile;
using testing::TempDir;

class EditCommandsTest : public ::testing::Test {
 protected:
  EditCommandsTest() : dir_("cli edits $ \"`") {
    for (int slot = 0; slot < 10; ++slot) {
      testing::writeSound(root(), slot, "Sound " + std::to_string(slot), 0);
    }
    testing::writeModel(root(), 0, "Model 0");
  }

  std::string root() const { return dir_.path() + "/DB"; }

  CliRun run(const std::vector<std::string>& args, const std::string& input = {}) {
    return runSlotsmith(args, input);
  }

  // The sound name in slot n's script, told apart by the first letters the test wrote.
  std::string soundIn(int slot) const {
    const std::string text = readFile(soundScriptPath(root(), slot));
    if (text == "<missing>") return "-";
    const std::size_t at = text.find("SoundNameC06\t");
    return std::to_string(std::stoi(text.substr(at + 13)) - '0');
  }

  std::string firstSlots(int count) const {
    std::string result;
    for (int slot = 0; slot < count; ++slot)
      result += soundIn(slot) + " ";
    return result;
  }

 private:
  TempDir dir_;
};

TEST_F(EditCommandsTest, NamesWritesBothListsWithTheirFixedSizes) {
  const CliRun result = run({"names", root()});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(readFile(root() + "/SoundNames").size(), 21000u);
  EXPECT_EQ(readFile(root() + "/ModelNames").size(), 16000u);
  EXPECT_EQ(readFile(root() + "/SoundNames").substr(0, 21), "000\tSound 0         \n");
}

// sort and compact as scripts call them: the block arranged in place, "nothing to do" (exit 0)
// where nothing would move, bad usage refused before anything is read, the dry run changing
// nothing, and a slot folder in another letter case refused by name.
TEST_F(EditCommandsTest, SortAndCompactArrangeTheBlockOrSayThereIsNothingToDo) {
  ASSERT_EQ(run({"delete", root(), "sounds", "3", "--yes"}).status, kExitDone);
  ASSERT_EQ(run({"rename", root(), "sounds", "0", "Sound 99", "--yes"}).status, kExitDone);
  struct Step {
    std::vector<std::string> args;
    int status;
    std::string said;   // on standard output, or standard error for a refusal
    std::string slots;  // slots 0-9 afterwards
  };
  const std::string start = "9 1 2 - 4 5 6 7 8 9 ";
  const std::string compacted = "9 1 2 4 5 6 7 8 9 - ";
  const std::string sorted = "1 2 4 5 6 7 8 9 9 - ";
  const std::vector<Step> steps{
      {{"sort", root(), "models", "0-9", "--by", "model", "--yes"}, kExitUsage, "name only", start},
      {{"sort", root(), "sounds", "0-9", "--by", "size", "--yes"}, kExitUsage, "size", start},
      {{"compact", root(), "sounds", "0-9", "--dry-run"},
       kExitDone,
       "Dry run: Close gaps in sounds",
       start},
      {{"compact", root(), "sounds", "0-9", "--yes"},
       kExitDone,
       "Close gaps in sounds: done",
       compacted},
      {{"compact", root(), "sounds", "0-9", "--yes"}, kExitDone, "nothing to do", compacted},
      {{"sort", root(), "sounds", "0-9", "--by", "name", "--yes"},
       kExitDone,
       "Sort sounds by name: done",
       sorted},
      {{"sort", root(), "sounds", "4", "--by", "model", "--yes"},
       kExitDone,
       "nothing to do",
       sorted},
  };
  for (const Step& step : steps) {
    const CliRun result = run(step.args);
    SCOPED_TRACE(step.args[0] + " " + step.args[3] + ": " + result.out + result.err);
    EXPECT_EQ(result.status, step.status);
    EXPECT_NE((step.status == kExitDone ? result.out : result.err).find(step.said),
              std::string::npos);
    EXPECT_EQ(firstSlots(10), step.slots);
  }
  // Undone in one step, whatever the arrangement moved.
  ASSERT_EQ(run({"undo", root(), "--yes"}).status, kExitDone);
  EXPECT_EQ(firstSlots(10), compacted);

  // A slot folder the synthesizer would not see as a slot is named, and nothing moves.
  testing::writeFile(root() + "/Sounds/011.SOUND/sound.script",
                     testing::soundScriptText("Sound 1", 0, 1, 0, 0));
  const CliRun refused = run({"compact", root(), "sounds", "9-12", "--yes"});
  EXPECT_EQ(refused.status, kExitRefused);
  EXPECT_NE(refused.err.find("011.SOUND"), std::string::npos) << refused.err;
  EXPECT_EQ(firstSlots(10), compacted);
}

// sort --by model groups a sound whose first reference is on and names an empty model slot under
// that slot, ahead of those whose first reference is off or names no slot; its help says the same.
TEST_F(EditCommandsTest, SortByModelGroupsAReferenceToAnEmptySlotUnderThatSlotAsItsHelpSays) {
  testing::writeSound(root(), 1, "Sound 1", 0, 0);
  testing::writeSound(root(), 2, "Sound 2", 5, 1);
  testing::writeSound(root(), 3, "Sound 3", -1, 1);
  ASSERT_EQ(run({"sort", root(), "sounds", "0-3", "--by", "model", "--yes"}).status, kExitDone);
  EXPECT_EQ(firstSlots(4), "0 2 1 3 ");
  const CliRun help = run({"sort", "--help"});
  EXPECT_NE(help.out.find("an empty model slot too"), std::string::npos) << help.out;
}

TEST_F(EditCommandsTest, MoveAndCopyWithYesChangeTheBankAndRewriteSoundNames) {
  EXPECT_EQ(run({"move", root(), "sounds", "7,8", "--to", "2", "--yes"}).status, 0);
  EXPECT_EQ(firstSlots(11), "0 1 7 8 2 3 4 5 6 9 - ");
  EXPECT_EQ(readFile(root() + "/SoundNames").substr(42, 21), "002\tSound 7         \n");

  EXPECT_EQ(run({"copy", root(), "sounds", "0-1", "--to", "10", "--yes"}).status, 0);
  EXPECT_EQ(firstSlots(13), "0 1 7 8 2 3 4 5 6 9 0 1 - ");
}

TEST_F(EditCommandsTest, DeleteAndRemoveGiveTheAlertsTwoAnswers) {
  EXPECT_EQ(run({"delete", root(), "sounds", "1", "--yes"}).status, 0);
  EXPECT_EQ(firstSlots(10), "0 - 2 3 4 5 6 7 8 9 ");
  EXPECT_EQ(run({"remove", root(), "sounds", "3,5", "--yes"}).status, 0);
  EXPECT_EQ(firstSlots(10), "0 - 2 4 6 7 8 9 - - ");
}

TEST_F(EditCommandsTest, WithoutYesAndWithoutATerminalTheEditIsDeclined) {
  const CliRun result = run({"remove", root(), "sounds", "3"}, "y\n");
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("Are you sure you want to delete or remove 1 selected sounds now?"),
            std::string::npos);
  EXPECT_EQ(firstSlots(10), "0 1 2 3 4 5 6 7 8 9 ");
  EXPECT_FALSE(testing::exists(root() + "/SoundNames"));
}

TEST_F(EditCommandsTest, ADryRunPrintsThePlanAndChangesNothing) {
  const CliRun result = run({"move", root(), "sounds", "5", "--to", "4", "--dry-run"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("rename "), std::string::npos);
  EXPECT_NE(result.out.find("nothing was changed"), std::string::npos);
  EXPECT_EQ(firstSlots(10), "0 1 2 3 4 5 6 7 8 9 ");
}

TEST_F(EditCommandsTest, ABlockThatDoesNotFitIsRefusedAndBadArgumentsAreUsageErrors) {
  const CliRun refused = run({"copy", root(), "sounds", "1,2", "--to", "999", "--yes"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("does not fit"), std::string::npos);
  EXPECT_EQ(run({"move", root(), "sounds", "1", "--to", "1000", "--yes"}).status, 1);
  EXPECT_EQ(run({"move", root(), "sounds", "1", "--to", "1001"}).status, 2);
  EXPECT_EQ(run({"move", root(), "sounds", "5-3", "--to", "0"}).status, 2);
  EXPECT_EQ(run({"delete", root(), "voices", "1"}).status, 2);
  EXPECT_EQ(run({"copy", root(), "sounds", "1"}).status, 2);
  EXPECT_EQ(firstSlots(10), "0 1 2 3 4 5 6 7 8 9 ");
}

// Numbers are whole numbers in range, each complaint saying which of the two it is; -1 is a
// reference value that find and replace can look for and give.
TEST_F(EditCommandsTest, NumberOptionsSayWhatIsWrongWithThem) {
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string said;
  };
  const std::vector<Case> cases = {
      {{"move", root(), "sounds", "1", "--to", "5.5"}, 2, "not a whole number"},
      {{"move", root(), "sounds", "1", "--to", "x"}, 2, "not a whole number"},
      {{"move", root(), "sounds", "1", "--to", "1200"}, 2, "not in range"},
      {{"consolidate", root(), "--from", "-3"}, 2, "not in range"},
      {{"replace", root(), "--find", "0", "--with", "2.0"}, 2, "not a whole number"},
      {{"replace", root(), "--find", "-2", "--with", "3"}, 2, "not in range"},
      {{"replace", root(), "--find", "-1", "--with", "3", "--yes"}, 0, "Replaced 0 occurrences"},
      {{"replace", root(), "--find", "0", "--with", "-1", "--yes"}, 0, "Replaced 20 occurrences"},
      {{"replace", root(), "--find", "-1", "--with", "0", "--sounds", "1-2"},
       0,
       "Replaced 4 occurrences"},
  };
  for (const Case& c : cases) {
    const CliRun result = run(c.args);
    SCOPED_TRACE(c.args[0] + " " + c.args[c.args.size() - 1]);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_NE((result.out + result.err).find(c.said), std::string::npos)
        << result.out << result.err;
  }
}

// --yes confirms, but a warning is still shown: the user learns which sounds leave the bank.
TEST_F(EditCommandsTest, YesStillPrintsTheWarningAboutSlotsLeavingTheBank) {
  testing::writeSound(root(), 999, "Last", 0);
  const CliRun result = run({"copy", root(), "sounds", "0", "--to", "0", "--yes"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.err.find("will leave the bank"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("999.sound"), std::string::npos) << result.err;
  EXPECT_TRUE(testing::exists(soundScriptPath(root(), 1000)));
}

// Sounds or Models as a link would take an edit out of the database; every edit refuses, nothing
// outside changes, and the database can still be listed.
TEST_F(EditCommandsTest, ALinkedBankFolderIsNeverEditedThrough) {
  SKIP_WITHOUT_SYMBOLIC_LINKS();
  for (const std::string bank : {"Sounds", "Models"}) {
    SCOPED_TRACE(bank);
    const std::string outside = root() + "/../outside-" + bank;
    std::filesystem::rename(testing::pathFromUtf8(root() + "/" + bank),
                            testing::pathFromUtf8(outside));
    testing::createDirectorySymlink(outside, root() + "/" + bank);
    const auto before = testing::treeSnapshot(outside);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"remove", root(), "sounds", "1", "--yes"},
             {"delete", root(), "models", "0", "--yes"},
             {"move", root(), "sounds", "1", "--to", "0", "--yes"},
             {"copy", root(), "models", "0", "--to", "0", "--yes"},
             {"replace", root(), "--find", "0", "--with", "1", "--yes"},
             {"consolidate", root(), "--yes"}}) {
      const CliRun result = run(args);
      EXPECT_EQ(result.status, 1) << args[0];
      EXPECT_NE(result.err.find("not a plain folder"), std::string::npos) << result.err;
    }
    EXPECT_EQ(testing::treeSnapshot(outside), before);
    EXPECT_EQ(run({"list", root(), "sounds"}).status, 0);
    std::filesystem::remove(testing::pathFromUtf8(root() + "/" + bank));
    std::filesystem::rename(testing::pathFromUtf8(outside),
                            testing::pathFromUtf8(root() + "/" + bank));
  }
}

TEST_F(EditCommandsTest, AFolderThatIsNotADatabaseIsRefused) {
  EXPECT_EQ(run({"remove", root() + "/Sounds", "sounds", "1", "--yes"}).status, 1);
  EXPECT_EQ(run({"names", root() + "/nothing"}).status, 1);
}

// A database so deep that the edit's own files pass the longest path Linux takes (4096 bytes):
// every change finds its way from the database's open folder by names relative to it, so the
// edit is done and undone all the same.
TEST_F(EditCommandsTest, AnEditDeeperThanTheLongestPathIsDoneAndUndone) {
#ifndef __linux__
  GTEST_SKIP() << "the longest path differs elsewhere";
#endif
  TempDir dir;
  constexpr std::size_t kDeep = 4050;  // the edit's staged copy of a script passes 4096
  std::string deep = dir.path();
  while (deep.size() + 201 < kDeep)
    deep += "/" + std::string(200, 'd');
  deep += "/" + std::string(kDeep - deep.size() - 1, 'x');
  const std::string db = deep + "/DB";
  testing::writeSound(db, 0, "S", 0);
  testing::writeModel(db, 0, "M");
  const CliRun copied = run({"copy", db, "sounds", "0", "--to", "7", "--yes"});
  EXPECT_EQ(copied.status, kExitDone) << copied.err.substr(0, 300);
  EXPECT_EQ(readFile(soundScriptPath(db, 7)), readFile(soundScriptPath(db, 0)));
  const CliRun undone = run({"undo", db, "--yes"});
  EXPECT_EQ(undone.status, kExitDone) << undone.err.substr(0, 300);
  EXPECT_EQ(readFile(soundScriptPath(db, 7)), "<missing>");
}

}  // namespace
}  // namespace slotsmith::cli
