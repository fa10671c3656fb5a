#include "ops/Doctor.h"

#include <signal.h>

#include <algorithm>
#include <cerrno>
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

void examineTemporaryFiles(FileSystem& fs, const std::string& folder,
                           std::vector<DoctorFinding>& findings) {
  std::vector<std::string> names;
  if (!fs.listFolder(folder, names).isOk()) return;
  for (const std::string& name : names) {
    if (!isTemporaryFileName(name)) continue;
    const std::string path = folder + "/" + name;
    if (fs.entryType(path) != EntryType::File) continue;
    findings.push_back({DoctorFinding::Kind::TemporaryFile, path,
                        "a temporary file an interrupted write left behind (never the real file)",
                        true});
  }
}

void examineBank(FileSystem& fs, const std::string& root, Bank bank,
                 std::vector<DoctorFinding>& findings) {
  const std::string folder = bankFolderPath(root, bank);
  std::vector<std::string> names;
  if (!fs.listFolder(folder, names).isOk()) return;
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    const std::string path = folder + "/" + name;
    if (fs.entryType(path) != EntryType::Folder) continue;
    if (isTemporaryFolderName(name)) {
      std::vector<std::string> inside;
      const bool empty = fs.listFolder(path, inside).isOk() && inside.empty();
      findings.push_back({DoctorFinding::Kind::TemporaryFolder, path,
                          empty ? "an empty temporary folder of an earlier run"
                                : "a temporary folder of an earlier run, not empty: look into it "
                                  "and move what you want to keep into a free slot yourself",
                          empty});
      continue;
    }
    const std::optional<int> number = slotNumberFromFolderName(bank, name);
    if (number && *number >= kSlotCount) {
      findings.push_back({DoctorFinding::Kind::OverflowFolder, path,
                          "an overflow folder: a slot an edit pushed past 999, no longer in the "
                          "bank; move it into a free slot to keep it",
                          false});
    }
    if (number) examineTemporaryFiles(fs, path, findings);
  }
}

}  // namespace

bool processIsRunning(long pid) {
  if (pid <= 0) return true;  // not a process we can tell about
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

std::vector<DoctorFinding> examineDatabase(FileSystem& fs, const std::string& root,
                                           const SlotTables& tables,
                                           const ProcessProbe& isRunning) {
  std::vector<DoctorFinding> findings;
  if (hasUnfinishedTransaction(fs, root)) {
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
                        false});
  }
  examineTemporaryFiles(fs, root, findings);
  for (Bank bank : {Bank::Sounds, Bank::Models})
    examineBank(fs, root, bank, findings);
  std::set<int> reported;
  for (int sound = 0; sound < kSlotCount; ++sound) {
    const SoundSlot& slot = tables.soundSlots[sound];
    if (slot.sIsUsed != kSoundOccupied) continue;
    for (const int32_t model : {slot.sModel1, slot.sModel2}) {
      if (!isModelNumber(model)) continue;
      if (fs.entryType(modelNamePath(root, model)) != EntryType::Missing) continue;
      findings.push_back({DoctorFinding::Kind::EmptyModelReference, soundScriptPath(root, sound),
                          "sound " + std::to_string(sound) + " refers to model slot " +
                              std::to_string(model) + ", which is empty",
                          false});
    }
  }
  return findings;
}

Status fixDatabase(FileSystem& fs, const std::string& root,
                   const std::vector<DoctorFinding>& findings, std::vector<std::string>& removed) {
  std::unique_ptr<FileLock> lock;
  if (fs.entryType(slotsmithFolderPath(root)) == EntryType::Missing) {
    if (Status made = fs.createFolder(slotsmithFolderPath(root)); !made.isOk()) return made;
  }
  if (Status locked = fs.lockFile(lockFilePath(root), thisProcessDescription(), lock);
      !locked.isOk()) {
    return Status::refused("Another edit is running on this database (" + locked.reason() +
                           "); nothing was removed.");
  }
  Status result = Status::ok();
  for (const DoctorFinding& finding : findings) {
    if (!finding.removable) continue;
    Status gone = Status::ok();
    if (finding.kind == DoctorFinding::Kind::TemporaryFile) {
      // Moved into the history's trash rather than deleted outright: a rename on one drive.
      const std::string trash = slotsmithFolderPath(root) + "/removed-by-doctor";
      if (fs.entryType(trash) == EntryType::Missing) static_cast<void>(fs.createFolder(trash));
      std::string name = finding.path;
      for (char& c : name)
        if (c == '/') c = '_';
      gone = fs.renameFile(finding.path, trash + "/" + name);
    } else if (finding.kind == DoctorFinding::Kind::TemporaryFolder) {
      std::vector<std::string> inside;
      // Checked again under the lock: only an empty folder goes.
      if (!fs.listFolder(finding.path, inside).isOk() || !inside.empty()) continue;
      gone = fs.removeFolder(finding.path);
    }
    if (gone.isOk()) {
      removed.push_back(finding.path);
    } else {
      result = gone;
    }
  }
  return result;
}

}  // namespace slotsmith
