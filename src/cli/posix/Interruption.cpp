#include "cli/Interruption.h"

#include <unistd.h>

#include <array>
#include <csignal>
#include <cstddef>

#include "ops/Transaction.h"

namespace slotsmith::cli {
namespace {

constexpr std::array<int, 3> kInterruptingSignals{SIGINT, SIGTERM, SIGHUP};

extern "C" void requestInterruption(int) {
  if (!interruptionRequested) {
    static constexpr char kNote[] =
        "\nslotsmith: stopping safely: the edit is rolled back, or finished when it is past its "
        "commit point...\n";
    // Only async-signal-safe calls here; a failed write has nobody to tell.
    const ssize_t written = ::write(STDERR_FILENO, kNote, sizeof kNote - 1);
    static_cast<void>(written);
  }
  interruptionRequested = 1;
}

int depth = 0;
std::array<struct sigaction, kInterruptingSignals.size()> previous{};
std::array<bool, kInterruptingSignals.size()> installed{};

}  // namespace

InterruptionGuard::InterruptionGuard() {
  if (depth++ > 0) return;
  interruptionRequested = 0;
  struct sigaction action {};
  action.sa_handler = requestInterruption;
  sigemptyset(&action.sa_mask);
  for (std::size_t i = 0; i < kInterruptingSignals.size(); ++i) {
    installed[i] = ::sigaction(kInterruptingSignals[i], &action, &previous[i]) == 0;
  }
}

InterruptionGuard::~InterruptionGuard() {
  if (--depth > 0) return;
  for (std::size_t i = 0; i < kInterruptingSignals.size(); ++i) {
    if (installed[i]) ::sigaction(kInterruptingSignals[i], &previous[i], nullptr);
  }
  interruptionRequested = 0;
}

}  // namespace slotsmith::cli
