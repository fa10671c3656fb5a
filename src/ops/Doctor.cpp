#include "ops/Doctor.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <set>

#include "core/DatabasePaths.h"
#include "ops/Journal.h"
#include "ops/Transaction.h"

namespace slotsmith {

namespace {

bool isTemporaryFolderName(const std::string& name) {
  constexpr std::string_view prefix = "slotsmith-";
  if (!name.starts_with(prefix)) return false;
  std::size_t at = prefix.size();
  const std::size_t digits = at;
  while (at < name.size() && name[at] >= '0' && name[at] <= '9')
    ++at;
  return at > digits && at < name.size() && name[at] == '-';
}

bool isTemporaryFileName(const std::string& name) {
  return name.size() > 1 && name[0] == '.' && name.find(".slotsmith-") != std::string::npos;
}

// "pid 1234 on host studio (slotsmith)" -> 1234 and "studio".
bool parseHolder(const std::string& text, long& pid, std::string& host) {
  if (!text.starts_with("pid ")) return false;
  const char* begin = text.data() + 4;
  const auto [end, error] = std::from_chars(begin, text.data() + text.size(), pid);
  if (error != std::errc() || end == begin) return false;
  const std::string rest(end, text.data() + text.size());
  if (!rest.starts_with(" on host ")) return false;
  host = rest.substr(
      9, rest.find(" (") == std::string::npos ? std::string::npos : rest.find(" (") - 9);
  return true;
}

// Whether a model slot's MName is there, as lstat would tell; Unknown until something found out.
enum class NameFile : unsigned char { Unknown, Present, Absent };
using NameFiles = std::array<NameFile, kSlotCount>;

// Reports the temporary files in folder; false when the folder cannot be listed. Its entries are
// left in `entries` for the caller.
bool examineTemporaryFiles(FileSystem& fs, const std::string& folder,
                           std::vector<FolderEntry>& entries,
                           std::vector<DoctorFinding>& findings) {
  if (!fs.listFolderEntries(folder, entries).isOk()) return false;
  for (const FolderEntry& entry : entries) {
    if (entry.type != EntryType::File || !isTemporaryFileName(entry.name)) continue;
    // Slotsmith stages every file it writes in its history now, so only an earlier version (or
    // another program) leaves such a name here: shown, never removed.
    findings.push_back({DoctorFinding::Kind::TemporaryFile, folder + "/" + entry.name,
                        "a file named like the temporary files of earlier versions, which an "
                        "interrupted write left behind: remove it yourself if it is not yours",
                        false});
  }
  return true;
}

// The leftovers in a bank, from its listing. For the model bank it also notes which slots have
// an MName, from what the scan read or else from the listings of their folders, so that
// references need no look-up of their own. Without lookInsideSlots the slot folders are not
// listed.
void examineBank(FileSystem& fs, const std::string& root, Bank bank, const BankListing& listing,
                 const std::bitset<kSlotCount>* modelNameFiles,
                 std::vector<DoctorFinding>& findings, NameFiles& names) {
  if (!listing.status.isOk()) return;
  if (bank == Bank::Models) {
    for (int n = 0; n < kSlotCount; ++n) {
      // No folder, or a plain file in its place: nothing can be below it.
      const EntryType type = listing.slotTypes[n];
      if (type == EntryType::Missing || type == EntryType::File) names[n] = NameFile::Absent;
      if (modelNameFiles != nullptr && modelNameFiles->test(static_cast<std::size_t>(n)))
        names[n] = NameFile::Present;
    }
  }
  const std::string folder = bankFolderPath(root, bank);
  std::vector<const FolderEntry*> folders;
  for (const FolderEntry& entry : listing.entries) {
    if (entry.type != EntryType::Folder) continue;
    // Not looking inside the slots, a slot folder in its place has nothing to show.
    if (modelNameFiles != nullptr) {
      const std::optional<int> number = slotNumberFromFolderName(bank, entry.name);
      if (number && *number < kSlotCount) continue;
    }
    folders.push_back(&entry);
  }
  std::sort(folders.begin(), folders.end(),
            [](const FolderEntry* a, const FolderEntry* b) { return a->name < b->name; });
  std::vector<FolderEntry> inside;
  for (const FolderEntry* entry : folders) {
    const std::string& name = entry->name;
    const std::string path = folder + "/" + name;
    if (isTemporaryFolderName(name)) {
      // Only the name says what it is, and Slotsmith no longer makes such folders: it may be the
      // user's own, so it is shown and never removed.
      const bool empty = fs.listFolderEntries(path, inside).isOk() && inside.empty();
      findings.push_back({DoctorFinding::Kind::TemporaryFolder, path,
                          empty ? "an empty folder named like the temporary folders of earlier "
                                  "versions: remove it yourself if it is not yours"
                                : "a folder named like the temporary folders of earlier versions, "
                                  "not empty: look into it and move what you want to keep into "
                                  "a free slot yourself",
                          false});
      continue;
    }
    const std::optional<int> number = slotNumberFromFolderName(bank, name);
    if (number && *number >= kSlotCount) {
      findings.push_back({DoctorFinding::Kind::OverflowFolder, path,
                          "an overflow folder: a slot an edit pushed past 999, no longer in the "
                          "bank; move it into a free slot to keep it",
                          false});
    }
    if (!number || modelNameFiles != nullptr) continue;
    if (!examineTemporaryFiles(fs, path, inside, findings)) continue;
    if (bank == Bank::Models && *number < kSlotCount) {
      const bool hasName = std::any_of(inside.begin(), inside.end(), [](const FolderEntry& e) {
        return e.name == kModelNameFileName;
      });
      names[*number] = hasName ? NameFile::Present : NameFile::Absent;
    }
  }
}

}  // namespace

std::vector<DoctorFinding> examineDatabase(FileSystem& fs, const std::string& root,
                                           const SlotTables& tables,
                                           const ProcessProbe& isRunning) {
  return examineDatabase(fs, root, tables, AlreadyKnown{}, isRunning);
}

std::vector<DoctorFinding> examineDatabase(FileSystem& fs, const std::string& root,
                                           const SlotTables& tables, const AlreadyKnown& known,
                                           const ProcessProbe& isRunning) {
  std::vector<DoctorFinding> findings;
  const bool unfinished =
      known.unfinishedEdit ? *known.unfinishedEdit : hasUnfinishedTransaction(fs, root);
  if (unfinished) {
    findings.push_back({DoctorFinding::Kind::UnfinishedEdit, historyFolderPath(root),
                        "an interrupted edit that is neither finished nor rolled back (it is "
                        "recovered when the database is opened without another edit running)",
                        false});
  }
  std::string lockText;
  long pid = 0;
  std::string host;
  long ownPid = 0;
  std::string ownHost;
  if (fs.readFile(lockFilePath(root), lockText, 4096).isOk() && parseHolder(lockText, pid, host) &&
      parseHolder(thisProcessDescription(), ownPid, ownHost) && host == ownHost && pid != ownPid &&
      !isRunning(pid)) {
    findings.push_back({DoctorFinding::Kind::StaleLock, lockFilePath(root),
                        "the lock names " + lockText +
                            ", which is not running: that edit was interrupted (the lock itself "
                            "is free)",
                        true});
  }
  std::vector<FolderEntry> entries;
  examineTemporaryFiles(fs, root, entries, findings);
  DatabaseListing listed;
  if (known.banks == nullptr) {
    for (Bank bank : {Bank::Sounds, Bank::Models})
      listBank(fs, root, bank, bank == Bank::Sounds ? listed.sounds : listed.models);
  }
  const DatabaseListing& banks = known.banks != nullptr ? *known.banks : listed;
  NameFiles names;
  names.fill(NameFile::Unknown);
  for (Bank bank : {Bank::Sounds, Bank::Models})
    examineBank(fs, root, bank, banks.of(bank), known.modelNameFiles, findings, names);
  for (int sound = 0; sound < kSlotCount; ++sound) {
    const SoundSlot& slot = tables.soundSlots[sound];
    if (slot.sIsUsed != kSoundOccupied) continue;
    for (const int32_t model : {slot.sModel1, slot.sModel2}) {
      if (!isModelNumber(model)) continue;
      // Looked up only where no listing told: a model folder that is a link, or one that could
      // not be listed.
      NameFile& name = names[model];
      if (name == NameFile::Unknown) {
        name = fs.entryType(modelNamePath(root, model)) == EntryType::Missing ? NameFile::Absent
                                                                              : NameFile::Present;
      }
      if (name == NameFile::Present) continue;
      findings.push_back({DoctorFinding::Kind::EmptyModelReference, soundScriptPath(root, sound),
                          "sound " + std::to_string(sound) + " refers to model slot " +
                              std::to_string(model) + ", which is empty",
                          false});
    }
  }
  return findings;
}

Status fixDatabase(FileSystem& fs, const std::string& root,
                   const std::vector<DoctorFinding>& findings, std::vector<std::string>& cleared) {
  const bool anything = std::any_of(findings.begin(), findings.end(),
                                    [](const DoctorFinding& f) { return f.removable; });
  if (!anything) return Status::ok();
  std::unique_ptr<FileLock> lock;
  if (Status locked = fs.lockFile(lockFilePath(root), thisProcessDescription(), lock);
      !locked.isOk()) {
    if (locked.code() != Status::Code::AlreadyExists) {
      return Status::refused("The lock " + lockFilePath(root) + " cannot be taken (" +
                             locked.message() + "); nothing was cleared.");
    }
    return Status::refused("Another edit is running on this database (" + locked.reason() +
                           "); nothing was cleared.");
  }
  // Holding the lock proves that nobody else does; letting it go empties the file, so the name
  // of the process that is gone goes with it.
  lock.reset();
  for (const DoctorFinding& finding : findings) {
    if (finding.kind == DoctorFinding::Kind::StaleLock) cleared.push_back(finding.path);
  }
  return Status::ok();
}

}  // namespace slotsmith
