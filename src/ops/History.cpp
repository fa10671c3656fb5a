#include "ops/History.h"

#include <algorithm>
#include <charconv>
#include <ctime>

namespace slotsmith {

namespace {

constexpr std::size_t kMaxJournalBytes = std::size_t{64} << 20;

std::string entryPath(const std::string& root, int entry) {
  return historyFolderPath(root) + "/" + entryFolderName(entry);
}

// An entry's size is measured once, after it was applied, and remembered beside its journal.
std::string sizeFilePath(const std::string& root, int entry) {
  return entryPath(root, entry) + "/size";
}

}  // namespace

std::vector<HistoryEntry> readHistory(FileSystem& fs, const std::string& root) {
  std::vector<HistoryEntry> entries;
  std::vector<std::string> names;
  if (!fs.listFolder(historyFolderPath(root), names).isOk()) return entries;
  std::string text;
  for (const std::string& name : names) {
    const std::optional<int> number = entryNumberFromName(name);
    if (!number) continue;
    HistoryEntry entry;
    entry.number = *number;
    const std::string folder = entryPath(root, *number);
    if (fs.entryType(folder) != EntryType::Folder) {
      // A link or a file under an entry's name: nothing Slotsmith made, and nothing to follow.
      entry.status = Status::invalid(folder, "is not a plain folder");
    } else {
      entry.status = fs.readFile(folder + "/journal", text, kMaxJournalBytes);
      if (fs.entryType(folder + "/journal") == EntryType::Other) {
        entry.status = Status::invalid(folder + "/journal", "is not a plain file");
      }
    }
    if (entry.status.isOk()) entry.status = parseJournal(text, entry.journal);
    if (entry.status.isOk()) entry.status = checkJournalPaths(entry.journal, *number);
    entries.push_back(std::move(entry));
  }
  std::sort(entries.begin(), entries.end(),
            [](const HistoryEntry& a, const HistoryEntry& b) { return a.number < b.number; });
  return entries;
}

std::optional<HistoryEntry> entryToUndo(const std::vector<HistoryEntry>& entries) {
  for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
    if (it->status.isOk() && it->journal.state == JournalState::Applied) return *it;
  }
  return std::nullopt;
}

std::optional<HistoryEntry> entryToRedo(const std::vector<HistoryEntry>& entries) {
  std::optional<HistoryEntry> redo;
  for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
    if (!it->status.isOk()) continue;
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
    const bool redoable = entry.status.isOk() && entry.journal.state == JournalState::Undone;
    if (redoable && entry.number < newestEntry) {
      static_cast<void>(fs.removeFolder(entryPath(root, entry.number)));
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
    if (!fs.removeFolder(entryPath(root, kept[i].number)).isOk()) break;
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
  const std::string history = historyFolderPath(root);
  if (fs.entryType(history) == EntryType::Missing) return Status::ok();
  return fs.removeFolder(history);
}

}  // namespace slotsmith
