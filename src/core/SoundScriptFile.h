// Reading a slot's sound.script whole, for the features that look at scripts without editing
// them. A missing file is an empty slot (NotFound); a script that exists but cannot be read, or is
// larger than any real script could be (1 GiB), is an error naming its path.
#pragma once

#include <string>

#include "core/FileSystem.h"
#include "core/Status.h"

namespace slotsmith {

Status readSoundScriptFile(FileSystem& fs, const std::string& root, int slot, std::string& bytes);

}  // namespace slotsmith
