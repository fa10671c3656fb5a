#include "core/BankListing.h"

namespace slotsmith {

void listBank(FileSystem& fs, const std::string& root, Bank bank, BankListing& listing) {
  listing.slotTypes.fill(EntryType::Missing);
  listing.inOtherCase.fill(false);
  listing.status = fs.listFolderEntries(bankFolderPath(root, bank), listing.entries);
  if (!listing.status.isOk()) return;
  std::string lower;
  for (const FolderEntry& entry : listing.entries) {
    std::optional<int> number = slotNumberFromFolderName(bank, entry.name);
    if (number && *number < kSlotCount) listing.slotTypes[*number] = entry.type;
    if (number) continue;
    lower = entry.name;
    for (char& c : lower)
      c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    number = slotNumberFromFolderName(bank, lower);
    if (number && *number < kSlotCount) listing.inOtherCase[*number] = true;
  }
}

}  // namespace slotsmith
