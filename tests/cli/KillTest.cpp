// The real `slotsmith` binary, killed at a random moment of an edit on a full database: the next
// command (here `list`, which recovers on open) finds the slots exactly as before the edit or
// exactly as after it. A catchable signal (SIGTERM) instead leaves them so without any recovery:
// the edit is rolled back or finished before the process ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "KilledEdits.h"

namespace slotsmith::cli {
namespace {

struct KillCase {
  std::string title;
  std::vector<std::string> edit;  // the arguments after the database folder
};

class KillTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new testing::TempDir("kill test");
    const CliRun demo = runSlotsmith({"demo", demoRoot(), "--full"});
    ASSERT_EQ(demo.status, kExitDone) << demo.err;
    // Both names files, as every edit (and every undo) leaves them.
    ASSERT_EQ(runSlotsmith({"names", demoRoot()}).status, kExitDone);
    before_ = new Tree(testing::treeSnapshot(demoRoot()));
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
    delete before_;
    before_ = nullptr;
  }

  static std::string demoRoot() { return dir_->path() + "/demo"; }

  // A fresh copy of the demo database for one round.
  std::string freshCopy() {
    const std::string root = dir_->path() + "/round" + std::to_string(++rounds_);
    std::filesystem::copy(testing::pathFromUtf8(demoRoot()), testing::pathFromUtf8(root),
                          std::filesystem::copy_options::recursive);
    return root;
  }

  static testing::TempDir* dir_;
  static Tree* before_;  // the demo database, as every copy starts
  int rounds_ = 0;
};

testing::TempDir* KillTest::dir_ = nullptr;
Tree* KillTest::before_ = nullptr;

TEST_F(KillTest, AKilledEditLeavesTheDatabaseBeforeOrAfterAndATerminatedOneNeedsNoRecovery) {
#ifdef SLOTSMITH_SANITIZED
  GTEST_SKIP() << "too slow under the sanitizers";
#endif
  const std::vector<KillCase> cases{
      {"move models", {"move", "models", "100-199", "--to", "0", "--yes"}},
      {"remove models", {"remove", "models", "3,5", "--yes"}},
  };
  std::mt19937 random(20261208);
  for (const KillCase& c : cases) {
    SCOPED_TRACE(c.title);
    // One copy per edit: each round that ends after the edit is undone for the next one, which
    // is cheaper than a fresh copy of the whole database and checks the undo as well.
    const std::string root = freshCopy();
    checkKilledEdits(root, *before_, c.edit, 3, random);
    std::filesystem::remove_all(testing::pathFromUtf8(root));
  }
}

}  // namespace
}  // namespace slotsmith::cli
