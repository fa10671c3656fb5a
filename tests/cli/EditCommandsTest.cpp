// The edit commands as scripts use them: arguments, confirmation by --yes only, exit statuses,
// the dry run, and the files they leave behind.
#include <gtest/gtest.h>

#include "CliRun.h"
#include "core/DatabasePaths.h"
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

TEST_F(EditCommandsTest, AFolderThatIsNotADatabaseIsRefused) {
  EXPECT_EQ(run({"remove", root() + "/Sounds", "sounds", "1", "--yes"}).status, 1);
  EXPECT_EQ(run({"names", root() + "/nothing"}).status, 1);
}

}  // namespace
}  // namespace slotsmith::cli
