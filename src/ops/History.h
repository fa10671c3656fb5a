// The edits that can be undone and redone: the entries of .slotsmith/history (see Journal.h),
// and the rules that keep the history small. The newest applied entry is the one to undo; the
// undone entries after it are the ones to redo, oldest first. A new edit drops them, and only
// the newest kHistoryEdits entries, within kHistoryBytes of undo data, are kept: the oldest
// undo data leaves first.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "ops/Journal.h"

namespace slotsmith {

inline constexpr int kHistoryEdits = 50;
inline constexpr std::uint64_t kHistoryBytes = std::uint64_t{512} << 20;

struct HistoryEntry {
  int number = 0;
  Status status;  // not ok: the journal is missing or damaged (the entry is a leftover)
  Journal journal;
  // Not this user's own (see Journal::foreign): its journal is signed by another key or none. An
  // entry whose journal never got written is this user's by the claim it was made with.
  // Recovery, undo and redo leave a foreign entry as it is.
  bool foreign = false;

  // Applied or undone: an edit with nothing left to finish.
  bool finished() const {
    return status.isOk() &&
           (journal.state == JournalState::Applied || journal.state == JournalState::Undone);
  }
};

// Every entry, oldest first; empty when the database has no history. A history that is there but
// cannot be listed (or is not a plain folder) sets *failure, when given, instead of reading as
// empty.
std::vector<HistoryEntry> readHistory(FileSystem& fs, const std::string& root,
                                      Status* failure = nullptr);

// The entry an undo undoes, and the one a redo redoes; none when there is none.
std::optional<HistoryEntry> entryToUndo(const std::vector<HistoryEntry>& entries);
std::optional<HistoryEntry> entryToRedo(const std::vector<HistoryEntry>& entries);

// After a new edit was applied: deletes every undone entry (nothing can be redone after a new
// edit) and the oldest entries beyond the bounds. Best effort: what cannot be deleted now is
// deleted after a later edit.
void trimHistory(FileSystem& fs, const std::string& root, int newestEntry);

// The bytes of undo data an entry holds (what lies in its folder).
std::uint64_t entryBytes(FileSystem& fs, const std::string& root, int entry);

// "2024-05-01 14:03": when an edit was made, in local time.
std::string formatEditTime(std::int64_t time);

// Clears the history (the lock file stays): every finished entry of this user's is discarded; one
// that is not finished, whose journal is missing or damaged, or that was made elsewhere, is set
// aside, since it may hold slot folders.
Status clearHistory(FileSystem& fs, const std::string& root);

// .slotsmith/aside and .slotsmith/trash: entries taken out of the history whole, by one rename.
// An entry set aside may hold slot folders of an edit that could not be finished or rolled back
// (or was planted): it stays until the user clears it. One in the trash is deleted.
std::string asideFolderPath(const std::string& root);
std::string trashFolderPath(const std::string& root);

// Whether .slotsmith and its history are real folders where they exist (not a link, not a file):
// nothing below a link there is read as history or changed. The reason names the first that is
// not.
Status checkOwnFolders(FileSystem& fs, const std::string& root);

// Takes an entry out of the history into .slotsmith/aside by one rename; `where` is its new path.
Status setEntryAside(FileSystem& fs, const std::string& root, int entry, std::string* where);
// Takes an entry out of the history into the trash by one rename, so that an interruption never
// leaves a half-deleted entry in the history; emptyTrash deletes it.
Status discardEntry(FileSystem& fs, const std::string& root, int entry);
// Deletes what an interrupted discard left in the trash, once a flush made its renames durable.
void emptyTrash(FileSystem& fs, const std::string& root);

}  // namespace slotsmith
