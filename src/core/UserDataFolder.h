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

}  // namespace slotsmith
