// Runs the command-line tool in-process, as a script would run it: arguments, standard input
// (not a terminal, unless a test plays the user at one), and the exit status with what went to
// standard output and error.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/Command.h"

namespace slotsmith::cli {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

inline CliRun runSlotsmith(const std::vector<std::string>& args, const std::string& input = {},
                           bool inputIsTerminal = false) {
  std::istringstream in(input);
  std::ostringstream out, err;
  Console console{in, out, err, inputIsTerminal, false};
  std::vector<const char*> argv{"slotsmith"};
  for (const std::string& arg : args)
    argv.push_back(arg.c_str());
  const int status = runCli(static_cast<int>(argv.size()), argv.data(), console);
  return {status, out.str(), err.str()};
}

}  // namespace slotsmith::cli
