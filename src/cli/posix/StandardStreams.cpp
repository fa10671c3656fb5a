#include "cli/StandardStreams.h"

#include <unistd.h>

namespace slotsmith::cli {

void prepareStandardStreams() {}

std::vector<std::string> commandLineArguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

bool standardInputIsTerminal() {
  return ::isatty(STDIN_FILENO) == 1;
}

bool standardErrorIsTerminal() {
  return ::isatty(STDERR_FILENO) == 1;
}

}  // namespace slotsmith::cli
