#include <signal.h>

#include <cerrno>

#include "ops/Doctor.h"

namespace slotsmith {

bool processIsRunning(long pid) {
  if (pid <= 0) return true;  // not a process we can tell about
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace slotsmith
