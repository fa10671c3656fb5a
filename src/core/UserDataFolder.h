// The folder of this user's own Slotsmith data, outside every database: the history key and the
// sound library live there.
//   Linux and other systems      $XDG_DATA_HOME/slotsmith (~/.local/share/slotsmith)
//   macOS                        ~/Library/Application Support/Slotsmith
//   Windows                      %LOCALAPPDATA%\Slotsmith
#pragma once

#include <string>

namespace slotsmith {

// The folder's path (UTF-8, '/' separated), or empty when the environment names no home.
std::string userDataFolder();

// The user's home folder (UTF-8; HOME, on Windows USERPROFILE), or empty when none is named.
std::string userHomeFolder();

// The path with a leading "~" or "~/" read as the home folder, as a shell would: text typed where
// no shell expands it (the library window's search field) means the same as on a command line.
std::string withHomeExpanded(const std::string& path);

}  // namespace slotsmith
