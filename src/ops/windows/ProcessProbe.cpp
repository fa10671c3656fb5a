#include <windows.h>

#include "ops/Doctor.h"

namespace slotsmith {

// A process that has ended can still be opened while someone holds a handle to it, so its exit
// code tells, not the opening alone. One that is not ours to open (another user's, a service)
// runs: only a process that is gone can be said to have left its lock behind.
bool processIsRunning(long pid) {
  if (pid <= 0) return true;  // not a process we can tell about
  const HANDLE process =
      OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
  if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
  DWORD exitCode = 0;
  const bool running = !GetExitCodeProcess(process, &exitCode) || exitCode == STILL_ACTIVE;
  CloseHandle(process);
  return running;
}

}  // namespace slotsmith
