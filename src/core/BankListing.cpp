#include "core/BankListing.h"

namespace slotsmith {

void listBank(FileSystem& fs, const std::string& root, Bank bank, BankListing& listing) {
  listing.slotTypes.fill(EntryType::Missing);
  listing.status = fs.listFolderEntries(bankFolderPath(root, bank), listing.entries);
  if (!listing.status.isOk()) return;
  for (const FolderEntry& entry : listing.entries) {
    const std::optional<int> number = slotNumberFromFolderName(bank, entry.name);
    if (number && *number < kSlotCount) listing.slotTypes[*number] = entry.type;
  }
}

}  // namespace slotsmith
