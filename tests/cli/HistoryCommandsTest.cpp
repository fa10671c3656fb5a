// Undo, redo and the history as scripts use them, recovery when a command opens a database,
// and the lock: an edit refused at once while another holds it.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>

#include "CliRun.h"
#include "core/DatabasePaths.h"
#include "core/FileSystem.h"
#include "ops/Journal.h"
#include "support/TempDir.h"

namespace slotsmith::cli {
namespace {

using Tree = std::map<std::string, std::string>;

class HistoryCommandsTest : public ::testing::Test {
 protected:
  HistoryCommandsTest() : dir_("cli history $ \"`") {
    for (int slot = 0; slot <= 5; ++slot)
      testing::writeModel(root(), slot, "M" + std::to_string(slot));
    for (int sound = 0; sound < 6; ++sound)
      testing::writeSound(root(), sound, "S" + std::to_string(sound), sound % 6, 1, 2, 0);
    // Both names files, as every edit leaves them.
    EXPECT_EQ(runSlotsmith({"names", root()}).status, kExitDone);
  }

  std::string root() const { return dir_.path() + "/DB"; }
  Tree tree() const { return testing::treeSnapshot(root()); }
  CliRun run(const std::vector<std::string>& args, const std::string& input = {}) {
    return runSlotsmith(args, input);
  }

  // An edit's journal as a crash during its prepare leaves it: nothing visible changed yet.
  void leavePreparedEdit(int entry) {
    Journal journal;
    journal.title = "Move sounds";
    journal.renames.push_back({"Sounds/000.sound", "Sounds/009.sound", 0});
    testing::writeFile(historyFolderPath(root()) + "/" + entryFolderName(entry) + "/journal",
                       formatJournal(journal, entry));
  }

  bool entryExists(int entry) const {
    return testing::exists(historyFolderPath(root()) + "/" + entryFolderName(entry));
  }

 private:
  testing::TempDir dir_;
};

TEST_F(HistoryCommandsTest, UndoAndRedoWalkTheEditsBackAndForthAndHistoryFollows) {
  const Tree before = tree();
  ASSERT_EQ(run({"move", root(), "models", "1-2", "--to", "5", "--yes"}).status, kExitDone);
  const Tree afterMove = tree();
  ASSERT_EQ(run({"delete", root(), "sounds", "3", "--yes"}).status, kExitDone);
  const Tree afterDelete = tree();

  CliRun history = run({"history", root()});
  EXPECT_EQ(history.status, kExitDone) << history.err;
  // Newest first, each with what it touched and whether it is in place.
  const std::size_t deleteLine = history.out.find("Delete sounds\t1 folders, 0 scripts\tin place");
  const std::size_t moveLine = history.out.find("Move models\t");
  ASSERT_NE(deleteLine, std::string::npos) << history.out;
  ASSERT_NE(moveLine, std::string::npos) << history.out;
  EXPECT_LT(deleteLine, moveLine);
  EXPECT_NE(history.out.find("Keeps the newest 50 edits"), std::string::npos) << history.out;

  // Each way, the dry run and the unconfirmed run change nothing; --yes steps one edit.
  struct Step {
    std::string command;
    const Tree* expected;
  };
  const std::vector<Step> steps{{"undo", &afterMove},
                                {"undo", &before},
                                {"redo", &afterMove},
                                {"redo", &afterDelete},
                                {"undo", &afterMove}};
  const Tree* now = &afterDelete;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.command);
    EXPECT_EQ(run({step.command, root(), "--dry-run"}).status, kExitDone);
    EXPECT_EQ(tree(), *now);
    EXPECT_EQ(run({step.command, root()}, "y\n").status, kExitRefused);
    EXPECT_EQ(tree(), *now);
    const CliRun stepped = run({step.command, root(), "--yes"});
    EXPECT_EQ(stepped.status, kExitDone) << stepped.err;
    EXPECT_EQ(tree(), *step.expected);
    now = step.expected;
  }
  history = run({"history", root()});
  EXPECT_NE(history.out.find("Delete sounds\t1 folders, 0 scripts\tundone"), std::string::npos)
      << history.out;

  // A new edit drops what could be redone.
  ASSERT_EQ(run({"delete", root(), "sounds", "4", "--yes"}).status, kExitDone);
  const CliRun redo = run({"redo", root(), "--yes"});
  EXPECT_EQ(redo.status, kExitRefused);
  EXPECT_NE(redo.err.find("no undone edit"), std::string::npos) << redo.err;
}

TEST_F(HistoryCommandsTest, ClearAsksThenDeletesTheUndoDataAndLeavesTheSlots) {
  ASSERT_EQ(run({"delete", root(), "sounds", "3", "--yes"}).status, kExitDone);
  const Tree edited = tree();
  EXPECT_EQ(run({"history", root(), "--clear"}).status, kExitRefused);
  EXPECT_NE(run({"history", root()}).out.find("Delete sounds"), std::string::npos);

  const CliRun cleared = run({"history", root(), "--clear", "--yes"});
  EXPECT_EQ(cleared.status, kExitDone) << cleared.err;
  EXPECT_EQ(tree(), edited);
  EXPECT_NE(run({"history", root()}).out.find("No edits"), std::string::npos);
  EXPECT_EQ(run({"undo", root(), "--yes"}).status, kExitRefused);
  EXPECT_EQ(tree(), edited);
  EXPECT_EQ(run({"history", root(), "--clear", "--yes"}).status, kExitRefused);
}

TEST_F(HistoryCommandsTest, EveryCommandRecoversOnOpenButReadersSkipItWhileAnEditHoldsTheLock) {
  const Tree before = tree();
  struct Case {
    std::vector<std::string> args;
    bool lockHeld;
  };
  const std::vector<Case> cases{
      {{"list", root(), "sounds"}, false},
      {{"diff", root(), "0", "1"}, false},
      {{"duplicates", root()}, false},
      {{"history", root()}, false},
      {{"list", root(), "models"}, true},
      {{"duplicates", root()}, true},
      {{"delete", root(), "sounds", "5", "--dry-run"}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[0] + (c.lockHeld ? " with the lock held" : ""));
    leavePreparedEdit(7);
    std::unique_ptr<FileLock> lock;
    if (c.lockHeld) {
      ASSERT_TRUE(
          realFileSystem()
              .lockFile(lockFilePath(root()), "pid 4242 on host elsewhere (slotsmith)", lock)
              .isOk());
    }
    const CliRun result = run(c.args);
    EXPECT_NE(result.status, kExitUsage) << result.err;
    EXPECT_EQ(entryExists(7), c.lockHeld);
    EXPECT_EQ(result.err.find("another edit is in progress") != std::string::npos, c.lockHeld)
        << result.err;
    EXPECT_EQ(result.err.find("rolled back") != std::string::npos, !c.lockHeld) << result.err;
    EXPECT_EQ(tree(), before);
    lock.reset();
    static_cast<void>(run({"list", root(), "sounds"}));
  }
}

TEST_F(HistoryCommandsTest, AnEditIsRefusedAtOnceNamingTheHolderWhileAnotherHoldsTheLock) {
  const Tree before = tree();
  std::filesystem::create_directories(testing::pathFromUtf8(slotsmithFolderPath(root())));
  std::unique_ptr<FileLock> lock;
  ASSERT_TRUE(realFileSystem()
                  .lockFile(lockFilePath(root()), "pid 4242 on host elsewhere (slotsmith)", lock)
                  .isOk());
  const auto start = std::chrono::steady_clock::now();
  const CliRun result = run({"move", root(), "models", "1-2", "--to", "5", "--yes"});
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(result.status, kExitRefused);
  EXPECT_NE(result.err.find("pid 4242 on host elsewhere"), std::string::npos) << result.err;
  EXPECT_EQ(tree(), before);
  // A run that only reads the database (a backup) holds the lock shared and writes no name in it.
  lock.reset();
  ASSERT_TRUE(realFileSystem().lockFileShared(lockFilePath(root()), lock).isOk());
  const CliRun whileRead = run({"move", root(), "models", "1-2", "--to", "5", "--yes"});
  EXPECT_EQ(whileRead.status, kExitRefused);
  EXPECT_NE(whileRead.err.find("being read by a backup"), std::string::npos) << whileRead.err;
  EXPECT_EQ(tree(), before);
}

}  // namespace
}  // namespace slotsmith::cli
