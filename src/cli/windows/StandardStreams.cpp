#include "cli/StandardStreams.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cstdlib>

#include "core/windows/WindowsText.h"

namespace slotsmith::cli {
namespace {

// A console, not merely a character device: _isatty() says yes to NUL as well.
bool isConsole(DWORD which) {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(which), &mode) != 0;
}

UINT consoleOutputCodePage = 0;

void restoreConsoleOutputCodePage() {
  SetConsoleOutputCP(consoleOutputCodePage);
}

}  // namespace

void prepareStandardStreams() {
  // Standard input stays in text mode: an answer typed at the console ends in "\r\n".
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  // Names are UTF-8 bytes; the console shows them as such only in its UTF-8 code page, which
  // the console keeps after the program ends unless it is given back.
  consoleOutputCodePage = GetConsoleOutputCP();
  if (consoleOutputCodePage != 0 && consoleOutputCodePage != CP_UTF8 &&
      SetConsoleOutputCP(CP_UTF8)) {
    std::atexit(restoreConsoleOutputCodePage);
  }
}

std::vector<std::string> commandLineArguments(int argc, char** argv) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) return std::vector<std::string>(argv, argv + argc);
  std::vector<std::string> arguments;
  arguments.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    arguments.push_back(utf8FromWide(wide[i]));
  LocalFree(wide);
  return arguments;
}

bool standardInputIsTerminal() {
  return isConsole(STD_INPUT_HANDLE);
}

bool standardErrorIsTerminal() {
  return isConsole(STD_ERROR_HANDLE);
}

}  // namespace slotsmith::cli
