// Child processes for the tests that run the real `slotsmith` binary (and the system's tools)
// and kill it: starting, waiting, and the check that a killed edit leaves a database exactly
// before or exactly after the edit. On POSIX a child is killed with SIGKILL or stopped with
// SIGTERM; on Windows it is ended with TerminateProcess, which like SIGKILL gives the program
// no say, and a polite stop has no counterpart for a program without a console of its own.
#pragma once

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include "core/windows/WindowsText.h"
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

#include <cerrno>
#include <chrono>
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

#ifdef _WIN32

// The exit code a killed child is given: one that slotsmith never exits with.
constexpr DWORD kKilledExitCode = 0xDEAD;

// A started program; process is null when it could not be started.
struct Child {
  HANDLE process = nullptr;
};

// The child's process id, as a lock file names its holder.
inline long childId(Child child) {
  return static_cast<long>(GetProcessId(child.process));
}

// One argument as the C runtime of the child splits its command line again: quoted, with the
// backslashes before a quote doubled.
inline std::wstring quotedArgument(const std::string& argument) {
  const std::wstring wide = wideFromUtf8(argument);
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : wide) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L'"';
}

// Starts the program argv[0] (a path) with the arguments; its standard input is empty, and its
// output goes to the file outputPath (created anew), or is thrown away when that is empty; its
// standard error goes to errorPath, or where its output goes when that is empty.
inline Child startChild(const std::vector<std::string>& argv, const std::string& outputPath = {},
                        const std::string& errorPath = {}) {
  std::wstring commandLine;
  for (const std::string& argument : argv)
    commandLine += (commandLine.empty() ? L"" : L" ") + quotedArgument(argument);
  SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  const auto open = [&](const std::string& path, DWORD access) {
    return CreateFileW(path.empty() ? L"NUL" : windowsPath(path).c_str(), access,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                       path.empty() ? OPEN_EXISTING : CREATE_ALWAYS, 0, nullptr);
  };
  const HANDLE input = open({}, GENERIC_READ);
  const HANDLE output = open(outputPath, GENERIC_WRITE);
  const HANDLE error = errorPath.empty() ? output : open(errorPath, GENERIC_WRITE);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input;
  startup.hStdOutput = output;
  startup.hStdError = error;
  PROCESS_INFORMATION started{};
  Child child;
  if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                     nullptr, &startup, &started)) {
    CloseHandle(started.hThread);
    child.process = started.hProcess;
  }
  CloseHandle(input);
  CloseHandle(output);
  if (error != output) CloseHandle(error);
  return child;
}

// Waits for the child's end: its exit code, or -1 when it could not be started or was ended.
inline int waitForExit(Child child) {
  if (!child.process) return -1;
  WaitForSingleObject(child.process, INFINITE);
  DWORD code = 0;
  const bool exited = GetExitCodeProcess(child.process, &code);
  CloseHandle(child.process);
  return exited && code != kKilledExitCode ? static_cast<int>(code) : -1;
}

// Ends the child at once (TerminateProcess), the way a power cut ends it for the program.
inline void killChild(Child child) {
  TerminateProcess(child.process, kKilledExitCode);
}

// Runs the program to its end with its standard output and error in new files at the two paths;
// its exit status, or -1.
inline int runProgramToFiles(const std::vector<std::string>& argv, const std::string& outputPath,
                             const std::string& errorPath) {
  return waitForExit(startChild(argv, outputPath, errorPath));
}

#else

// A started program; pid is not positive when it could not be started.
struct Child {
  pid_t pid = -1;
};

// The child's process id, as a lock file names its holder.
inline long childId(Child child) {
  return static_cast<long>(child.pid);
}

// Starts the program argv[0] (a path) with the arguments; its standard input is /dev/null, and
// its output goes to outputFd, or is thrown away when that is negative; its standard error goes
// to errorFd, or where its output goes when that is negative.
inline Child startChild(const std::vector<std::string>& argv, int outputFd = -1, int errorFd = -1) {
  std::vector<std::string> all = argv;
  std::vector<char*> pointers;
  for (std::string& arg : all)
    pointers.push_back(arg.data());
  pointers.push_back(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    const int null = ::open("/dev/null", O_RDWR);
    const int out = outputFd >= 0 ? outputFd : null;
    const int err = errorFd >= 0 ? errorFd : out;
    if (null >= 0) ::dup2(null, STDIN_FILENO);
    if (out >= 0) ::dup2(out, STDOUT_FILENO);
    if (err >= 0) ::dup2(err, STDERR_FILENO);
    ::execv(pointers[0], pointers.data());
    ::_exit(127);
  }
  return {child};
}

// Waits for the child's end: its exit status, or -1 when it did not exit by itself.
inline int waitForExit(Child child) {
  int status = 0;
  while (::waitpid(child.pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Ends the child at once (SIGKILL), the way a power cut ends it for the program.
inline void killChild(Child child) {
  ::kill(child.pid, SIGKILL);
}

// Asks the child to stop (SIGTERM), as a user's Ctrl+C or a closing terminal does.
inline void askChildToStop(Child child) {
  ::kill(child.pid, SIGTERM);
}

// Runs the program to its end with its standard output and error in new files at the two paths;
// its exit status, or -1.
inline int runProgramToFiles(const std::vector<std::string>& argv, const std::string& outputPath,
                             const std::string& errorPath) {
  const int flags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC;
  const int out = ::open(outputPath.c_str(), flags, 0644);
  const int err = ::open(errorPath.c_str(), flags, 0644);
  const Child child = out >= 0 && err >= 0 ? startChild(argv, out, err) : Child{};
  if (out >= 0) ::close(out);
  if (err >= 0) ::close(err);
  return child.pid > 0 ? waitForExit(child) : -1;
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
  const Child child = startChild(argv, pipeFds[1]);
  ::close(pipeFds[1]);
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    output.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(pipeFds[0]);
  return waitForExit(child);
}

#endif

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
// starts it again `rounds` times and kills it after a random part of its undisturbed duration;
// on POSIX the last round asks it to stop (SIGTERM) instead. After each, the next `list` (which
// recovers on open) must find the tree exactly before or exactly after; an edit found done is
// undone for the next round, so the database ends as before. A caught stop request leaves
// nothing to recover.
inline void checkKilledEdits(const std::string& root, const Tree& before,
                             const std::vector<std::string>& edit, int rounds,
                             std::mt19937& random) {
  using Clock = std::chrono::steady_clock;
  std::vector<std::string> args = slotsmithArgs({edit[0], root});
  args.insert(args.end(), edit.begin() + 1, edit.end());
  const auto start = Clock::now();
  ASSERT_EQ(waitForExit(startChild(args)), 0);
  const auto duration = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
  const Tree after = testing::treeSnapshot(root);
  ASSERT_NE(before, after);
  ASSERT_EQ(runSlotsmith({"undo", root, "--yes"}).status, kExitDone);

  for (int round = 0; round < rounds; ++round) {
#ifdef _WIN32
    const bool polite = false;
#else
    const bool polite = round + 1 == rounds;
#endif
    const auto delay =
        std::chrono::microseconds(std::uniform_int_distribution<long>(0, duration.count())(random));
    SCOPED_TRACE("round " + std::to_string(round) + (polite ? ", asked to stop" : ", killed") +
                 " after " + std::to_string(delay.count()) + " us of " +
                 std::to_string(duration.count()));
    const Child child = startChild(args);
    std::this_thread::sleep_for(delay);
#ifdef _WIN32
    killChild(child);
#else
    ASSERT_GT(child.pid, 0);
    if (polite) {
      askChildToStop(child);
    } else {
      killChild(child);
    }
#endif
    const int status = waitForExit(child);
    if (polite && status >= 0) {
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
