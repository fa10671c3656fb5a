// Reading a slot's sound.script whole, for the features that look at scripts without editing
// them. A missing file is an empty slot (NotFound); a script that exists but cannot be read, or is
// larger than any real script could be (1 GiB), is an error naming its path.
#pragma once

#include <string>
#include <string_view>

#include "core/FileSystem.h"
#include "core/ScriptKeyReader.h"
#include "core/Status.h"

namespace slotsmith {

Status readSoundScriptFile(FileSystem& fs, const std::string& root, int slot, std::string& bytes);

// Why a sound.script's bytes (with the keys read from them) cannot be taken for a sound, or empty
// when they can. A script is lines of a key, a tab and a number, and its name is sixteen
// character codes, so the synthesizer never writes a control byte other than tab, CR and LF, and
// never leaves the name keys out. Bytes that break either rule are a damaged file or no script at
// all: the scan still lists the slot as a sound (without a name, its models read as 0), which is
// why the health check must say so. Bytes above 127 are allowed: they may be another editor's
// comment, and the tables never read them as a name.
std::string soundScriptDamage(std::string_view bytes, const ScriptKeyValues& keys);

}  // namespace slotsmith
