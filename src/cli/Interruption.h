// Stopping an edit safely when the user asks the program to stop: Ctrl+C, the terminal or console
// window closing, or a polite kill. While a guard lives, such a request only sets
// interruptionRequested (ops/Transaction.h); the edit then rolls back at its next step, or, past
// its commit point, finishes with its report. Each platform has its own file: posix/ catches
// SIGINT, SIGTERM and SIGHUP, windows/ the console's control events.
#pragma once

namespace slotsmith::cli {

// Catches the stop requests while it lives; what handled them before comes back after. Only the
// outermost guard acts, so a request caught early is not forgotten by a guard made later.
class InterruptionGuard {
 public:
  InterruptionGuard();
  ~InterruptionGuard();
  InterruptionGuard(const InterruptionGuard&) = delete;
  InterruptionGuard& operator=(const InterruptionGuard&) = delete;
};

}  // namespace slotsmith::cli
