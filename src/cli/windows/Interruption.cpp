#include "cli/Interruption.h"

#include <windows.h>

#include "ops/Transaction.h"

namespace slotsmith::cli {
namespace {

int depth = 0;
bool installed = false;
// Set when the outermost guard ends, that is when the edit has reached its safe point.
HANDLE safePointReached = nullptr;

// Runs on a thread of its own that the system starts for each event. Ctrl+C and Ctrl+Break only
// ask; the program goes on to its safe point and exits as usual. For a closing console, a
// logoff or a shutdown the system ends the process as soon as this returns (or after a few
// seconds), so it waits for the safe point first.
BOOL WINAPI requestInterruption(DWORD event) {
  if (!interruptionRequested) {
    static constexpr char kNote[] =
        "\nslotsmith: stopping safely: the edit is rolled back, or finished when it is past its "
        "commit point...\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), kNote, sizeof kNote - 1, &written, nullptr);
  }
  interruptionRequested = 1;
  if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
    WaitForSingleObject(safePointReached, INFINITE);
  }
  return TRUE;
}

}  // namespace

InterruptionGuard::InterruptionGuard() {
  if (depth++ > 0) return;
  interruptionRequested = 0;
  if (!safePointReached) safePointReached = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (safePointReached) ResetEvent(safePointReached);
  installed = SetConsoleCtrlHandler(requestInterruption, TRUE) != 0;
}

InterruptionGuard::~InterruptionGuard() {
  if (--depth > 0) return;
  if (safePointReached) SetEvent(safePointReached);
  if (installed) SetConsoleCtrlHandler(requestInterruption, FALSE);
  interruptionRequested = 0;
}

}  // namespace slotsmith::cli
