// The real `slotsmith` binary, killed at a random moment of an edit on a full database: the next
// command (here `list`, which recovers on open) finds the slots exactly as before the edit or
// exactly as after it. A catchable signal (SIGTERM) instead leaves them so without any recovery:
// the edit is rolled back or finished before the process ends.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <thread>

#include "CliRun.h"
#include "core/FileSystem.h"
#include "ops/Transaction.h"
#include "support/TempDir.h"

namespace slotsmith::cli {
namespace {

using Tree = std::map<std::string, std::string>;
using Clock = std::chrono::steady_clock;

// Starts the binary with the arguments, its output thrown away; the child's id.
pid_t startSlotsmith(const std::vector<std::string>& args) {
  std::vector<std::string> all{SLOTSMITH_BINARY};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : all)
    argv.push_back(arg.data());
  argv.push_back(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    const int null = ::open("/dev/null", O_RDWR);
    if (null >= 0) {
      ::dup2(null, STDIN_FILENO);
      ::dup2(null, STDOUT_FILENO);
      ::dup2(null, STDERR_FILENO);
    }
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  return child;
}

int waitFor(pid_t child) {
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

// The first path where two trees differ, for a failure message.
std::string firstDifference(const Tree& now, const Tree& other) {
  for (const auto& [path, bytes] : now) {
    const auto found = other.find(path);
    if (found == other.end()) return "extra " + path;
    if (found->second != bytes) return "changed " + path;
  }
  for (const auto& entry : other)
    if (!now.count(entry.first)) return "missing " + entry.first;
  return "-";
}

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
    std::filesystem::copy(demoRoot(), root, std::filesystem::copy_options::recursive);
    return root;
  }

  static std::vector<std::string> editArgs(const std::string& root, const KillCase& c) {
    std::vector<std::string> args{c.edit[0], root};
    args.insert(args.end(), c.edit.begin() + 1, c.edit.end());
    return args;
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
  const Tree& before = *before_;
  for (const KillCase& c : cases) {
    SCOPED_TRACE(c.title);
    // One copy per edit: each round that ends after the edit is undone for the next one, which
    // is cheaper than a fresh copy of the whole database and checks the undo as well.
    const std::string root = freshCopy();
    // The whole edit once, undisturbed: its after-state and how long it takes.
    const auto start = Clock::now();
    ASSERT_EQ(waitFor(startSlotsmith(editArgs(root, c))), 0);
    const auto duration =
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
    const Tree after = testing::treeSnapshot(root);
    ASSERT_NE(before, after);
    ASSERT_EQ(runSlotsmith({"undo", root, "--yes"}).status, kExitDone);

    for (int round = 0; round < 3; ++round) {
      // SIGKILL twice, then SIGTERM once.
      const int signal = round < 2 ? SIGKILL : SIGTERM;
      const auto delay = std::chrono::microseconds(
          std::uniform_int_distribution<long>(0, duration.count())(random));
      SCOPED_TRACE("round " + std::to_string(round) + ", signal " + std::to_string(signal) +
                   " after " + std::to_string(delay.count()) + " us of " +
                   std::to_string(duration.count()));
      const pid_t child = startSlotsmith(editArgs(root, c));
      ASSERT_GT(child, 0);
      std::this_thread::sleep_for(delay);
      ::kill(child, signal);
      const int status = waitFor(child);
      if (signal == SIGTERM && WIFEXITED(status)) {
        // Caught: the edit was rolled back (exit 1) or finished (exit 0), nothing left undone.
        EXPECT_FALSE(hasUnfinishedTransaction(realFileSystem(), root));
      }
      const CliRun listed = runSlotsmith({"list", root, "models"});
      EXPECT_EQ(listed.status, kExitDone) << listed.err;
      EXPECT_FALSE(hasUnfinishedTransaction(realFileSystem(), root));
      const Tree now = testing::treeSnapshot(root);
      const bool isBefore = now == before;
      ASSERT_TRUE(isBefore || now == after)
          << listed.err << "\nvs before: " << firstDifference(now, before)
          << "\nvs after: " << firstDifference(now, after);
      if (!isBefore) {
        ASSERT_EQ(runSlotsmith({"undo", root, "--yes"}).status, kExitDone);
      }
    }
    EXPECT_EQ(testing::treeSnapshot(root), before);
    std::filesystem::remove_all(root);
  }
}

}  // namespace
}  // namespace slotsmith::cli
