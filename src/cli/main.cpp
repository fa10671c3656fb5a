#include <unistd.h>

#include <iostream>

#include "cli/Command.h"

int main(int argc, char** argv) {
  slotsmith::cli::Console console{std::cin, std::cout, std::cerr, ::isatty(STDIN_FILENO) == 1,
                                  ::isatty(STDERR_FILENO) == 1};
  return slotsmith::cli::runCli(argc, argv, console);
}
