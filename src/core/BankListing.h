// What lies in a bank folder (Sounds/ or Models/), from one listing of it: every entry with its
// type, and what stands under each slot's folder name. The scan opens only the slot folders the
// listing shows, and the health check looks for leftovers in the same listing instead of listing
// the bank again and looking at every entry.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/DatabasePaths.h"
#include "core/FileSystem.h"
#include "core/SlotTables.h"
#include "core/Status.h"

namespace slotsmith {

struct BankListing {
  // Of listing the bank folder. When it is not ok (no such folder, or one that cannot be read but
  // may still be passed through) nothing is known about the slots.
  Status status = Status::notFound("", "not listed");
  std::vector<FolderEntry> entries;  // in the order the folder gave them
  // What the folder "NNN.sound" or "NNN.model" of each slot is; Missing where the bank has none.
  std::array<EntryType, kSlotCount> slotTypes{};
  // Slots whose folder name the listing shows only in other letter cases ("005.SOUND"): a file
  // system that ignores case (FAT, exFAT) opens the slot through it, so the scan tries.
  std::array<bool, kSlotCount> inOtherCase{};

  // Whether a file in slot n's folder can be there to read: the folder is a folder or something
  // that may lead to one (a symbolic link), or the listing could not tell. A missing folder or a
  // plain file in its place holds nothing, so the scan does not try.
  bool mayHoldFiles(int slot) const {
    if (!status.isOk() || inOtherCase[slot]) return true;
    const EntryType type = slotTypes[slot];
    return type == EntryType::Folder || type == EntryType::Other;
  }
};

// Lists root/Sounds or root/Models into listing, reusing its capacity.
void listBank(FileSystem& fs, const std::string& root, Bank bank, BankListing& listing);

// The listings of both banks, as a scan took them.
struct DatabaseListing {
  BankListing sounds;
  BankListing models;
  const BankListing& of(Bank bank) const { return bank == Bank::Sounds ? sounds : models; }
};

}  // namespace slotsmith
