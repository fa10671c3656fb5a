#include <iostream>

#include "cli/CliLanguage.h"
#include "cli/Command.h"
#include "cli/StandardStreams.h"

int main(int argc, char** argv) {
  slotsmith::cli::prepareStandardStreams();
  slotsmith::cli::speakUsersLanguage();
  const std::vector<std::string> arguments = slotsmith::cli::commandLineArguments(argc, argv);
  std::vector<const char*> pointers;
  pointers.reserve(arguments.size());
  for (const std::string& argument : arguments)
    pointers.push_back(argument.c_str());
  slotsmith::cli::Console console{std::cin, std::cout, std::cerr,
                                  slotsmith::cli::standardInputIsTerminal(),
                                  slotsmith::cli::standardErrorIsTerminal()};
  return slotsmith::cli::runCli(static_cast<int>(pointers.size()), pointers.data(), console);
}
