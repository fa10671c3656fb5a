#include "ops/History.h"

#include <algorithm>
#include <charconv>
#include <ctime>

#include "core/UserText.h"

namespace slotsmith {

namespace {

std::string entryPath(const std::string& root, int entry) {
  return historyFolderPath(root) + "/" + entryFolderName(entry);
}

// An entry's size is measured once, after it was applied, and remembered beside its journal.
std::string sizeFilePath(const std::string& root, int entry) {
  return entryPath(root, entry) + "/size";
}

}  // namespace

namespace {

// An entry folder that holds nothing but perhaps a claim: what the power cut right after the
// entry was made leaves, nothing to act on and nothing to keep, whoever made it.
bool holdsNothing(FileSystem& fs, const std::string& folder) {
  std::vector<std::string> inside;
  return fs.listFolder(folder, inside).isOk() &&
         std::all_of(inside.begin(), inside.end(),
                     [](const std::string& name) { return name == "claim"; });
}

}  // namespace

std::string asideFolderPath(const std::string& root) {
  return slotsmithFolderPath(root) + "/aside";
}

std::string trashFolderPath(const std::string& root) {
  return slotsmithFolderPath(root) + "/trash";
}

Status checkOwnFolders(FileSystem& fs, const std::string& root) {
  for (const std::string& path : {slotsmithFolderPath(root), historyFolderPath(root),
                                  asideFolderPath(root), trashFolderPath(root)}) {
    const EntryType type = fs.entryType(path);
    if (type == EntryType::Missing) break;
    if (type != EntryType::Folder) {
      return Status::invalid(path, userText(USER_TEXT("History",
                                                      "is a symbolic link or another kind of "
                                                      "file than the folder Slotsmith makes "
                                                      "there; nothing in it was read or changed")));
    }
  }
  return Status::ok();
}

std::vector<HistoryEntry> readHistory(FileSystem& fs, const std::string& root, Status* failure) {
  std::vector<HistoryEntry> entries;
  std::vector<std::string> names;
  // A link in their place would have another folder's contents read as this database's history.
  if (Status own = checkOwnFolders(fs, root); !own.isOk()) {
    if (failure) *failure = own;
    return entries;
  }
  if (Status listed = fs.listFolder(historyFolderPath(root), names); !listed.isOk()) {
    // No history yet is no history; one that cannot be read is not "no entries".
    if (failure && !listed.isNotFound()) *failure = listed;
    return entries;
  }
  std::string text;
  for (const std::string& name : names) {
    const std::optional<int> number = entryNumberFromName(name);
    if (!number) continue;
    HistoryEntry entry;
    entry.number = *number;
    const std::string folder = entryPath(root, *number);
    if (fs.entryType(folder) != EntryType::Folder) {
      // A link or a file under an entry's name: nothing Slotsmith made, and nothing to follow.
      entry.status = Status::invalid(
          folder, userText(USER_TEXT("History", "is a symbolic link or not a plain folder")));
    } else {
      entry.status = fs.readFile(folder + "/journal", text, kMaxJournalBytes);
      if (fs.entryType(folder + "/journal") == EntryType::Other) {
        entry.status = Status::invalid(folder + "/journal",
                                       userText(USER_TEXT("History", "is not a plain file")));
      }
    }
    const bool parsed = entry.status.isOk();
    if (parsed) entry.status = parseJournal(text, entry.journal, *number);
    // Ours only when the first record of its journal proves it (a damaged journal of ours too).
    entry.foreign = !parsed || entry.journal.foreign;
    // A journal never written, never committed or damaged beyond proof: the entry is ours when
    // its claim is (it is then only ever deleted when it holds nothing of the database, or shown
    // by the doctor). A committed journal signed elsewhere stays another's, whatever lies beside.
    const bool committedElsewhere = parsed && entry.status.isOk() && entry.journal.foreign &&
                                    entry.journal.state != JournalState::Prepared;
    if (entry.foreign && !committedElsewhere && fs.readFile(folder + "/claim", text, 4096).isOk()) {
      entry.foreign = !isOwnClaim(text, *number);
    }
    // An entry the power cut right after it was made holds nothing, or a claim that never
    // reached the disk whole: nothing to act on and nothing to keep.
    if (entry.foreign && entry.status.isNotFound() && holdsNothing(fs, folder)) {
      entry.foreign = false;
    }
    if (entry.status.isOk()) entry.status = checkJournalPaths(entry.journal, *number);
    // Recovery acts on a committed journal that is not settled; an undo or a redo checks the one
    // it runs (nothing of an uncommitted one is ever acted on: its entry is only deleted).
    const JournalState state = entry.journal.state;
    if (entry.status.isOk() && state != JournalState::Prepared && state != JournalState::Applied &&
        state != JournalState::Undone) {
      entry.status = checkJournalShape(entry.journal, *number);
    }
    entries.push_back(std::move(entry));
  }
  std::sort(entries.begin(), entries.end(),
            [](const HistoryEntry& a, const HistoryEntry& b) { return a.number < b.number; });
  return entries;
}

std::optional<HistoryEntry> entryToUndo(const std::vector<HistoryEntry>& entries) {
  for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
    if (it->foreign) continue;
    if (it->status.isOk() && it->journal.state == JournalState::Applied) return *it;
  }
  return std::nullopt;
}

std::optional<HistoryEntry> entryToRedo(const std::vector<HistoryEntry>& entries) {
  std::optional<HistoryEntry> redo;
  for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
    if (!it->status.isOk() || it->foreign) continue;
    if (it->journal.state == JournalState::Applied) break;
    if (it->journal.state == JournalState::Undone) redo = *it;
  }
  return redo;
}

std::uint64_t entryBytes(FileSystem& fs, const std::string& root, int entry) {
  std::string text;
  std::uint64_t bytes = 0;
  if (fs.readFile(sizeFilePath(root, entry), text, 64).isOk()) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), bytes);
    if (error == std::errc() && end == text.data() + text.size()) return bytes;
  }
  bytes = 0;
  static_cast<void>(fs.diskUsage(entryPath(root, entry), bytes));
  return bytes;
}

void trimHistory(FileSystem& fs, const std::string& root, int newestEntry) {
  // Remembered so that later trims read one small file per entry instead of walking it.
  const std::uint64_t newestBytes = entryBytes(fs, root, newestEntry);
  static_cast<void>(fs.createFile(sizeFilePath(root, newestEntry), std::to_string(newestBytes)));
  std::vector<HistoryEntry> kept;
  for (HistoryEntry& entry : readHistory(fs, root)) {
    // History made elsewhere is never trimmed away: it is the user's to look at and adopt.
    if (entry.foreign) continue;
    const bool redoable = entry.status.isOk() && entry.journal.state == JournalState::Undone;
    if (redoable && entry.number < newestEntry) {
      static_cast<void>(discardEntry(fs, root, entry.number));
    } else if (entry.status.isOk() && entry.journal.state == JournalState::Applied) {
      kept.push_back(std::move(entry));
    }
  }
  std::uint64_t total = 0;
  std::vector<std::uint64_t> sizes;
  for (const HistoryEntry& entry : kept) {
    sizes.push_back(entryBytes(fs, root, entry.number));
    total += sizes.back();
  }
  // The newest edit always stays undoable, however large it is.
  for (std::size_t i = 0; i + 1 < kept.size(); ++i) {
    const bool tooMany = kept.size() - i > static_cast<std::size_t>(kHistoryEdits);
    if (!tooMany && total <= kHistoryBytes) break;
    if (!discardEntry(fs, root, kept[i].number).isOk()) break;
    total -= sizes[i];
  }
}

std::string formatEditTime(std::int64_t time) {
  const std::time_t seconds = static_cast<std::time_t>(time);
  std::tm local{};
  char text[32] = "?";
  if (::localtime_r(&seconds, &local) != nullptr) {
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  }
  return text;
}

Status clearHistory(FileSystem& fs, const std::string& root) {
  if (Status own = checkOwnFolders(fs, root); !own.isOk()) return own;
  Status unreadable;
  const std::vector<HistoryEntry> entries = readHistory(fs, root, &unreadable);
  if (!unreadable.isOk()) return unreadable;
  for (const HistoryEntry& entry : entries) {
    // Only this user's own finished edits are deleted; anything else may hold slot folders, or be
    // another's history that was never this program's to delete.
    Status s = entry.finished() && !entry.foreign ? discardEntry(fs, root, entry.number)
                                                  : setEntryAside(fs, root, entry.number, nullptr);
    if (!s.isOk()) return s;
  }
  emptyTrash(fs, root);
  return Status::ok();
}

namespace {

// A free name in folder for an entry taken out of the history: its number, then -2, -3...
Status freeNameIn(FileSystem& fs, const std::string& folder, int entry, std::string& path) {
  if (const EntryType type = fs.entryType(folder); type == EntryType::Missing) {
    if (Status made = fs.createFolder(folder); !made.isOk()) return made;
  } else if (type != EntryType::Folder) {
    return Status::invalid(
        folder,
        userText(USER_TEXT("History", "is a symbolic link or another kind of file than a folder")));
  }
  for (int suffix = 1; suffix < 10000; ++suffix) {
    path = folder + "/" + entryFolderName(entry) +
           (suffix == 1 ? std::string() : "-" + std::to_string(suffix));
    if (fs.entryType(path) == EntryType::Missing) return Status::ok();
  }
  return Status::alreadyExists(folder);
}

Status moveEntryOut(FileSystem& fs, const std::string& root, int entry, const std::string& folder,
                    std::string& path) {
  if (Status own = checkOwnFolders(fs, root); !own.isOk()) return own;
  if (Status named = freeNameIn(fs, folder, entry, path); !named.isOk()) return named;
  // Renaming an entry that is a link moves the link, never what it points to.
  return fs.renameFile(entryPath(root, entry), path);
}

}  // namespace

Status setEntryAside(FileSystem& fs, const std::string& root, int entry, std::string* where) {
  std::string path;
  if (Status moved = moveEntryOut(fs, root, entry, asideFolderPath(root), path); !moved.isOk()) {
    return moved;
  }
  if (where != nullptr) *where = path;
  // Set aside is where slot folders may now lie: the rename must outlive a power cut.
  return fs.syncFileSystem(root);
}

Status discardEntry(FileSystem& fs, const std::string& root, int entry) {
  std::string path;
  if (Status moved = moveEntryOut(fs, root, entry, trashFolderPath(root), path); !moved.isOk()) {
    return moved;
  }
  // Deleted only once a flush made the rename durable (emptyTrash): on a file system that keeps
  // no order between flushes, a deletion inside it could otherwise reach the disk without the
  // rename, and leave a half-deleted entry in the history.
  return Status::ok();
}

void emptyTrash(FileSystem& fs, const std::string& root) {
  const std::string trash = trashFolderPath(root);
  std::vector<std::string> names;
  if (fs.entryType(trash) != EntryType::Folder || !fs.listFolder(trash, names).isOk() ||
      names.empty()) {
    return;
  }
  // The renames into the trash were made by an earlier run, perhaps not flushed yet: deleting
  // before they are durable could leave a half-deleted entry in the history after a power cut.
  for (const std::string& name : names)
    fs.rememberRenameToFlush(historyFolderPath(root) + "/" + name, trash + "/" + name);
  if (!fs.syncFileSystem(root).isOk()) return;
  std::string text;
  Journal journal;
  for (const std::string& name : names) {
    // Only what this user's Slotsmith put there: the trash may have come with the database too.
    const std::optional<int> entry = entryNumberFromName(name.substr(0, 6));
    const std::string path = trash + "/" + name;
    const bool claimed =
        entry && fs.readFile(path + "/claim", text, 4096).isOk() && isOwnClaim(text, *entry);
    const bool signedJournal = entry && !claimed &&
                               fs.readFile(path + "/journal", text, kMaxJournalBytes).isOk() &&
                               parseJournal(text, journal, *entry).isOk() && !journal.foreign;
    if (claimed || signedJournal || holdsNothing(fs, path)) {
      static_cast<void>(fs.removeFolder(path));
    }
  }
}

}  // namespace slotsmith
