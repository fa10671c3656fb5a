// The user's history key: a secret of 32 random bytes kept outside every database, in the
// user's own data folder, readable by the user alone. Slotsmith signs every journal of the undo
// history with it, so that recovery, undo and redo act only on history this program wrote for
// this user. A .slotsmith folder that came with a database from someone else, or from this
// user's other computer, carries signatures under another key: it is shown, never obeyed, until
// the user adopts it.
//
// Where the key lives:
//   SLOTSMITH_HISTORY_KEY        a file named by the environment (tests and CI use this, and
//                                `--history-key FILE` sets it for one command)
//   Linux and other systems      $XDG_DATA_HOME/slotsmith/history-key (~/.local/share/...)
//   macOS                        ~/Library/Application Support/Slotsmith/history-key
//   Windows                      %LOCALAPPDATA%\Slotsmith\history-key
#pragma once

#include <string>
#include <string_view>

#include "core/Hashes.h"
#include "core/Status.h"

namespace slotsmith {

// The file the key is read from (or made in) now.
std::string historyKeyPath();

// Uses the key in path from now on (made there on first use); an empty path goes back to the
// environment's or the platform's place. Forgets the key read so far.
void useHistoryKeyFile(std::string path);

// Reads the key, making it first when there is none (the folders above it too): ok with the
// key's bytes, or why it can be neither read nor made. Read once a process (and again after
// useHistoryKeyFile).
Status historyKey(std::string& key);

// HMAC-SHA-256 of message under the key; false when there is no key to sign with.
bool signWithHistoryKey(std::string_view message, Digest& mac);

}  // namespace slotsmith
