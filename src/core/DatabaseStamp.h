// The cheap stamp of a database: for every slot, the entry of the file a scan reads there
// (sound.script, MName) and, for a model, the entry of its folder, looked at through each bank
// folder opened once, without reading a byte. A slot whose stamp is unchanged holds what it held:
// every edit replaces a file by a new one (a new inode), moves a slot folder whole (its files'
// inodes move with it) or adds, replaces and removes entries in a model's folder (its time
// changes); another program that rewrites a script or a name in place changes its time. Only a
// model's data file rewritten in place leaves the stamp as it was. Stamping a full database costs
// 3000 looks at entries, a few milliseconds.
#pragma once

#include <string>
#include <vector>

#include "core/DatabasePaths.h"
#include "core/FileSystem.h"
#include "core/SlotTables.h"

namespace slotsmith {

struct SlotStamp {
  EntryStamp folder;  // NNN.model; a sound slot's is not looked at
  EntryStamp file;    // its sound.script or MName
  bool operator==(const SlotStamp&) const = default;
};

struct DatabaseStamp {
  // False when the file system keeps no stamps (one that is no disk): then only reading tells.
  bool known = false;
  std::vector<SlotStamp> sounds;  // by slot, kSlotCount of them when known
  std::vector<SlotStamp> models;
  const std::vector<SlotStamp>& of(Bank bank) const {
    return bank == Bank::Sounds ? sounds : models;
  }
  bool operator==(const DatabaseStamp&) const = default;
};

// Stamps every slot of the database at root. A bank folder that is missing stamps all its slots
// as missing.
DatabaseStamp stampDatabase(FileSystem& fs, const std::string& root);

}  // namespace slotsmith
