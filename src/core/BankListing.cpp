#include "core/BankListing.h"

namespace slotsmith {

void listBank(FileSystem& fs, const std::string& root, Bank bank, BankListing& listing) {
  listing.slotTypes.fill(EntryType::Missing);
  listing.inOtherCase.fill(false);
  listing.status = fs.listFolderEntries(bankFolderPath(root, bank), listing.entries);
  if (!listing.status.isOk()) return;
  for (const FolderEntry& entry : listing.entries) {
    if (const std::optional<int> number = slotNumberFromFolderName(bank, entry.name)) {
      if (*number < kSlotCount) listing.slotTypes[*number] = entry.type;
    } else if (const std::optional<std::string> exact =
                   slotFolderNameInOtherCase(bank, entry.name)) {
      const std::optional<int> slot = slotNumberFromFolderName(bank, *exact);
      if (*slot < kSlotCount) listing.inOtherCase[*slot] = true;
    }
  }
}

}  // namespace slotsmith
