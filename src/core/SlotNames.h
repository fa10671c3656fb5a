// Names as the database stores them, and the pure byte transformations that change them: a
// sound's name in its sound.script, a model's name in its MName file, and the names files a user
// edits to rename many slots at once. Nothing here touches the disk; a caller reads the bytes,
// asks for the new bytes, and writes them back (atomically) itself.
//
// Both renames are lossless: every byte of the file that does not hold the name stays exactly as
// it was — unknown keys, lines the 1024-entry table cannot hold, CRLF line endings, a missing
// final line ending. A name that cannot be stored faithfully is refused with a message saying
// why; nothing is ever cut short or converted.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "core/DatabasePaths.h"
#include "core/Status.h"

namespace slotsmith {

inline constexpr std::size_t kSoundNameLength = 16;
inline constexpr std::size_t kModelNameLength = 15;

// The position (0..15) of a sound name key "SoundNameC00".."SoundNameC15"; -1 for any other key.
int soundNamePosition(std::string_view key);

// Ok when the name can be stored in the bank: one to 16 (sounds) or 15 (models) printable ASCII
// characters (space to tilde). Otherwise Invalid, saying what is wrong with it.
Status checkSlotName(Bank bank, std::string_view name);

// The model name an MName file holds as the scan reads it: its first line, at most 15 bytes,
// without the CR of a CRLF ending.
std::string_view modelNameIn(std::string_view modelNameFile);

// Ok when a name a bank holds, as the scan reads it, may travel to another database (in a pack):
// any byte but the control characters (below space, and DEL), up to the bank's length. A name
// Slotsmith would not give (empty, or with bytes above 127 of the 8-bit text scripts may hold) is
// one the database holds and the lists show, so it travels as it is. Otherwise Invalid, saying
// what is wrong with it.
Status checkNameToCarry(Bank bank, std::string_view name);

// Ok when every name the given bank files hold, as the scan reads it, is one checkNameToCarry
// accepts. Names from elsewhere (a pack) become the lists', the names files' and the terminal's:
// an escape sequence in one would reach all three. files maps a path relative to the database
// ("Sounds/003.sound/sound.script", "Models/000.model/MName") to its bytes; other paths are
// passed over. Otherwise Invalid, naming the first slot whose name is refused and why.
Status checkStoredNames(const std::map<std::string, std::string>& files);

// New file contents, or the reason there are none.
struct RenamedBytes {
  Status status;
  std::string bytes;
};

// Gives a sound.script the name: entry k of the sixteen name keys holds the code of the name's
// k-th character, and the entries after the name hold the padding the script used before (32 when
// every existing name entry after the old name's last visible character held a space, 0
// otherwise, since a 0 ends a name). Entries are the script's lines as the scan reads them; every
// entry with a name key gets its number replaced in place, repeated keys included. A name key the
// script lacks is added after the last existing name entry in file order (or at the end of the
// file), in the file's own line ending style.
RenamedBytes renameSoundScript(std::string_view script, std::string_view newName);

// Gives an MName file the name: its first line is replaced, its line ending (LF, CRLF or none) and
// every later byte are kept.
RenamedBytes renameModelNameFile(std::string_view modelNameFile, std::string_view newName);

// Reads a names file: the SoundNames or ModelNames the program writes ("NNN<TAB>name" padded with
// spaces) or any hand-written "N<TAB>name" lines (one to three digits, LF or CRLF). Blank lines
// are skipped; trailing spaces of a name are padding and dropped, everything else after the TAB is
// the name as written. A line without a TAB, a number outside 0..999 or a slot named twice is
// Invalid, naming the line. Names are not checked here: a file written from a database may hold
// names no rename would accept, for slots the user does not mean to rename.
Status parseNamesFile(std::string_view text, std::map<int, std::string>& names);

// A slot number written as one to three decimal digits ("7", "007", "999"), as names files and
// filter words write it; none for anything else.
std::optional<int> parseSlotNumber(std::string_view digits);

}  // namespace slotsmith
