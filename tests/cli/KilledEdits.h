// Child processes for the tests that run the real `slotsmith` binary (and the system's tools)
// and kill it: starting, waiting, and the check that a killed edit leaves a database exactly
// before or exactly after the edit.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "CliRun.h"
#include "core/FileSystem.h"
#include "ops/Transaction.h"
#include "support/TempDir.h"

namespace slotsmith::cli {

using Tree = std::map<std::string, std::string>;

// Starts the program argv[0] (a path) with the arguments; its standard input is /dev/null, and
// its output goes to outputFd, or is thrown away when that is negative. The child's id.
inline pid_t startProgram(const std::vector<std::string>& argv, int outputFd = -1) {
  std::vector<std::string> all = argv;
  std::vector<char*> pointers;
  for (std::string& arg : all)
    pointers.push_back(arg.data());
  pointers.push_back(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    const int null = ::open("/dev/null", O_RDWR);
    const int out = outputFd >= 0 ? outputFd : null;
    if (null >= 0) ::dup2(null, STDIN_FILENO);
    if (out >= 0) {
      ::dup2(out, STDOUT_FILENO);
      ::dup2(out, STDERR_FILENO);
    }
    ::execv(pointers[0], pointers.data());
    ::_exit(127);
  }
  return child;
}

inline int waitFor(pid_t child) {
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

// A pipe whose ends a started program does not inherit; macOS has no pipe2, and the tests start
// their programs from one thread.
inline int makePipeClosedOnExec(int fds[2]) {
  if (::pipe(fds) != 0) return -1;
  for (int i = 0; i < 2; ++i)
    static_cast<void>(::fcntl(fds[i], F_SETFD, FD_CLOEXEC));
  return 0;
}

// Runs the program to its end; its exit status (-1 when it did not exit), with what it printed.
inline int runProgram(const std::vector<std::string>& argv, std::string& output) {
  output.clear();
  int pipeFds[2];
  if (makePipeClosedOnExec(pipeFds) != 0) return -1;
  const pid_t child = startProgram(argv, pipeFds[1]);
  ::close(pipeFds[1]);
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    output.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(pipeFds[0]);
  const int status = waitFor(child);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

inline std::vector<std::string> slotsmithArgs(std::vector<std::string> args) {
  args.insert(args.begin(), SLOTSMITH_BINARY);
  return args;
}

// The first path where two trees differ, for a failure message.
inline std::string firstDifference(const Tree& now, const Tree& other) {
  for (const auto& [path, bytes] : now) {
    const auto found = other.find(path);
    if (found == other.end()) return "extra " + path;
    if (found->second != bytes) return "changed " + path;
  }
  for (const auto& entry : other)
    if (!now.count(entry.first)) return "missing " + entry.first;
  return "-";
}

// Runs an edit of the database at root (whose tree is before) once undisturbed, undoes it, then
// starts it again `rounds` times and kills it after a random part of its undisturbed duration:
// SIGKILL, and SIGTERM in the last round. After each, the next `list` (which recovers on open)
// must find the tree exactly before or exactly after; an edit found done is undone for the next
// round, so the database ends as before. A caught SIGTERM leaves nothing to recover.
inline void checkKilledEdits(const std::string& root, const Tree& before,
                             const std::vector<std::string>& edit, int rounds,
                             std::mt19937& random) {
  using Clock = std::chrono::steady_clock;
  std::vector<std::string> args = slotsmithArgs({edit[0], root});
  args.insert(args.end(), edit.begin() + 1, edit.end());
  const auto start = Clock::now();
  ASSERT_EQ(waitFor(startProgram(args)), 0);
  const auto duration = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
  const Tree after = testing::treeSnapshot(root);
  ASSERT_NE(before, after);
  ASSERT_EQ(runSlotsmith({"undo", root, "--yes"}).status, kExitDone);

  for (int round = 0; round < rounds; ++round) {
    const int signal = round + 1 < rounds ? SIGKILL : SIGTERM;
    const auto delay =
        std::chrono::microseconds(std::uniform_int_distribution<long>(0, duration.count())(random));
    SCOPED_TRACE("round " + std::to_string(round) + ", signal " + std::to_string(signal) +
                 " after " + std::to_string(delay.count()) + " us of " +
                 std::to_string(duration.count()));
    const pid_t child = startProgram(args);
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
}

}  // namespace slotsmith::cli
