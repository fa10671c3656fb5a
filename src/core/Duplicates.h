// The duplicates of a database: model slots that hold the same model, and sound slots whose
// scripts are the same but for their names. Both are read from the disk through the FileSystem
// seam (not from the slot tables, which hold only names and references) and nothing is changed.
//
// Models are identical when their folders are (see ModelIdentity.h), with or without MName; a
// model slot is compared when its MName exists. Sounds are identical when their sound.script
// bytes are equal once every line whose key is a name key ("SoundNameC00".."SoundNameC15") is
// left out — line endings, unknown keys and lines the table cannot hold all count.
//
// Groups hold two or more slots, ascending, and are ordered by their lowest slot. A slot that
// cannot be read is reported with the reason and kept out of every group, never passed over in
// silence; an empty slot is simply not a candidate.
#pragma once

#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "core/ModelIdentity.h"
#include "core/Status.h"

namespace slotsmith {

struct DuplicateGroups {
  std::vector<std::vector<int>> groups;
  std::vector<Status> unreadable;  // each names the path that could not be read
};

// Groups of model slots of the database at root holding identical model folders.
DuplicateGroups findDuplicateModels(FileSystem& fs, const std::string& root,
                                    FolderIdentityOptions options);

// Groups of sound slots of the database at root whose scripts are identical but for their names.
// The scripts are held in memory without their name lines while they are grouped (a few
// megabytes for a full bank).
DuplicateGroups findDuplicateSounds(FileSystem& fs, const std::string& root);

}  // namespace slotsmith
