#include "core/DatabaseStamp.h"

#include <memory>

namespace slotsmith {

DatabaseStamp stampDatabase(FileSystem& fs, const std::string& root) {
  DatabaseStamp stamp;
  stamp.known = true;
  std::string name;
  for (const Bank bank : {Bank::Sounds, Bank::Models}) {
    std::vector<SlotStamp>& slots = bank == Bank::Sounds ? stamp.sounds : stamp.models;
    slots.assign(kSlotCount, SlotStamp{});
    const std::string folder = bankFolderPath(root, bank);
    if (fs.entryType(folder) == EntryType::Missing) continue;
    const std::unique_ptr<FolderReader> reader = fs.folderReader(folder);
    const std::string_view file = bank == Bank::Sounds ? kSoundScriptFileName : kModelNameFileName;
    for (int slot = 0; slot < kSlotCount; ++slot) {
      SlotStamp& entry = slots[static_cast<std::size_t>(slot)];
      formatSlotFileInBank(name, bank, slot, file);
      if (!reader->stampEntry(name, entry.file)) return DatabaseStamp{};
      // A sound is its script alone; a model is every file of its folder, whose entries the
      // folder's time follows. The slot folder's name is the file's path up to its last '/'.
      if (bank == Bank::Sounds) continue;
      name.resize(name.rfind('/'));
      reader->stampEntry(name, entry.folder);
    }
  }
  return stamp;
}

}  // namespace slotsmith
