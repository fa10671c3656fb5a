// What the command-line tool needs from the platform about its process: its arguments in UTF-8,
// standard output and error that pass bytes unchanged, and whether a person is at the terminal.
// The contract of the tool is the same everywhere (one "\n" ends a line, arguments and names are
// UTF-8); posix/ and windows/ each make it so.
#pragma once

#include <string>
#include <vector>

namespace slotsmith::cli {

// Sets up the standard streams for the contract. On Windows: binary output (no "\r" before
// each "\n") and UTF-8 text on a console.
void prepareStandardStreams();

// The command line as UTF-8 arguments, the program's name first. Windows hands main() its
// arguments in the local code page, which cannot hold every file name; the wide command line
// can.
std::vector<std::string> commandLineArguments(int argc, char** argv);

bool standardInputIsTerminal();
bool standardErrorIsTerminal();

}  // namespace slotsmith::cli
