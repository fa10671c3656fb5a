// Checking and carrying out plans: the check foresees every failure it can before anything
// changes, and carrying out stops at the first step that fails.
#include "ops/EditPlan.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/FakeUi.h"
#include "support/FaultInjectingFileSystem.h"
#include "support/InMemoryFileSystem.h"
#include "support/TempDir.h"

namespace slotsmith {
namespace {

using testing::FaultInjectingFileSystem;
using testing::InMemoryFileSystem;
using Kind = EditStep::Kind;

EditStep step(Kind kind, std::string from, std::string to = {}, std::string contents = {}) {
  EditStep result;
  result.kind = kind;
  result.from = std::move(from);
  result.to = std::move(to);
  result.contents = std::move(contents);
  return result;
}

class EditPlanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.addFile("/db/Sounds/000.sound/sound.script", "a");
    fs.addFile("/db/Sounds/001.sound/sound.script", "b");
  }
  InMemoryFileSystem fs;
};

TEST_F(EditPlanTest, StepsDescribeThemselvesOnOneLine) {
  EXPECT_EQ(step(Kind::RenameFolder, "/a", "/b").describe(), "rename /a -> /b");
  EXPECT_EQ(step(Kind::CopyFolder, "/a", "/b").describe(), "copy /a -> /b");
  EXPECT_EQ(step(Kind::RemoveFolder, "/a").describe(), "remove /a");
  EXPECT_EQ(step(Kind::WriteFile, {}, "/b", "xyz").describe(), "write /b (3 bytes)");
}

TEST_F(EditPlanTest, TheCheckFollowsTheStepsSoATargetFreedEarlierIsFree) {
  EditPlan plan;
  plan.steps = {step(Kind::RenameFolder, "/db/Sounds/001.sound", "/db/Sounds/002.sound"),
                step(Kind::RenameFolder, "/db/Sounds/000.sound", "/db/Sounds/001.sound"),
                step(Kind::WriteFile, {}, "/db/Sounds/001.sound/sound.script", "new"),
                step(Kind::CopyFolder, "/db/Sounds/002.sound", "/db/Sounds/000.sound"),
                step(Kind::RemoveFolder, "/db/Sounds/002.sound")};
  EXPECT_TRUE(checkPlan(plan, fs).isOk()) << checkPlan(plan, fs).message();
}

TEST_F(EditPlanTest, TheCheckRefusesWhatWouldFailAndNamesIt) {
  const std::vector<std::pair<EditStep, std::string>> cases = {
      {step(Kind::RenameFolder, "/db/Sounds/000.sound", "/db/Sounds/001.sound"), "taken"},
      {step(Kind::RenameFolder, "/db/Sounds/005.sound", "/db/Sounds/006.sound"), "005.sound"},
      {step(Kind::CopyFolder, "/db/Sounds/000.sound/sound.script", "/db/Sounds/009.sound"),
       "not a folder"},
      {step(Kind::RemoveFolder, "/db/Sounds/007.sound"), "007.sound"},
      {step(Kind::WriteFile, {}, "/db/Sounds/007.sound/sound.script", "x"), "does not exist"},
  };
  for (const auto& [failing, expected] : cases) {
    EditPlan plan;
    plan.steps = {failing};
    const Status status = checkPlan(plan, fs);
    EXPECT_EQ(status.code(), Status::Code::Refused) << failing.describe();
    EXPECT_NE(status.message().find(expected), std::string::npos) << status.message();
  }
}

TEST(EditPlanCheck, NothingIsWrittenThroughASlotFolderThatIsALink) {
  testing::TempDir outside;
  testing::TempDir dir;
  testing::writeFile(outside.path() + "/sound.script", "R1ModellIndex\t3\n");
  std::filesystem::create_directories(dir.path() + "/Sounds");
  std::filesystem::create_directory_symlink(outside.path(), dir.path() + "/Sounds/007.sound");
  EditPlan plan;
  plan.steps = {step(Kind::WriteFile, {}, dir.path() + "/Sounds/007.sound/sound.script", "x")};
  const Status status = checkPlan(plan, realFileSystem());
  EXPECT_FALSE(status.isOk());
  EXPECT_NE(status.message().find("symbolic link"), std::string::npos) << status.message();
}

TEST_F(EditPlanTest, TheCheckRefusesAFolderThatIsNotWritable) {
  fs.makeReadOnly("/db/Sounds");
  EditPlan plan;
  plan.steps = {step(Kind::RenameFolder, "/db/Sounds/000.sound", "/db/Sounds/005.sound")};
  const Status status = checkPlan(plan, fs);
  EXPECT_FALSE(status.isOk());
  EXPECT_NE(status.message().find("not writable"), std::string::npos);
}

TEST_F(EditPlanTest, CarryingOutStopsAtTheFirstFailureAndSaysHowFarItGot) {
  FaultInjectingFileSystem faulty(fs);
  faulty.failChange(1);
  EditPlan plan;
  plan.steps = {step(Kind::RenameFolder, "/db/Sounds/001.sound", "/db/Sounds/002.sound"),
                step(Kind::RenameFolder, "/db/Sounds/000.sound", "/db/Sounds/001.sound"),
                step(Kind::RemoveFolder, "/db/Sounds/002.sound")};
  const CarryOutResult result = carryOut(plan, faulty);
  EXPECT_FALSE(result.status.isOk());
  EXPECT_EQ(result.stepsDone, 1u);
  EXPECT_EQ(faulty.changesAttempted(), 2u);
  EXPECT_EQ(fs.contentsOf("/db/Sounds/002.sound/sound.script"), "b");
  EXPECT_EQ(fs.contentsOf("/db/Sounds/000.sound/sound.script"), "a");
}

TEST_F(EditPlanTest, ProgressMovesOnePositionPerStepAndStaysWithinTheMaximum) {
  testing::FakeUi ui;
  EditPlan plan;
  for (int i = 0; i < 4; ++i) {
    plan.steps.push_back(step(Kind::WriteFile, {}, "/db/Sounds/000.sound/f" + std::to_string(i)));
  }
  carryOut(plan, fs, &ui, 999);
  EXPECT_EQ(ui.progressPosition, 4);
  carryOut(plan, fs, &ui, 2);
  EXPECT_EQ(ui.progressPosition, 2);
}

TEST_F(EditPlanTest, TemporaryPathsInUseAreThoseEnteredAndNotYetLeft) {
  EditPlan plan;
  plan.temporaryPaths = {"/db/Sounds/t1", "/db/Sounds/t2"};
  plan.steps = {step(Kind::CopyFolder, "/db/Sounds/000.sound", "/db/Sounds/t1"),
                step(Kind::RenameFolder, "/db/Sounds/001.sound", "/db/Sounds/t2"),
                step(Kind::RenameFolder, "/db/Sounds/t1", "/db/Sounds/001.sound"),
                step(Kind::RemoveFolder, "/db/Sounds/t2")};
  EXPECT_TRUE(temporaryPathsInUse(plan, 0).empty());
  EXPECT_EQ(temporaryPathsInUse(plan, 2),
            (std::vector<std::string>{"/db/Sounds/t1", "/db/Sounds/t2"}));
  EXPECT_EQ(temporaryPathsInUse(plan, 3), (std::vector<std::string>{"/db/Sounds/t2"}));
  EXPECT_TRUE(temporaryPathsInUse(plan, 4).empty());
}

}  // namespace
}  // namespace slotsmith
