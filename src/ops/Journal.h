// The durable record of one transaction, and where the transactions of a database live.
//
// Everything Slotsmith keeps for itself lies in one hidden folder inside the database root, on
// the same file system as the slots, so that every change of an edit is a rename within one file
// system and the folder travels with the database (a removable drive, another computer):
//
//   .slotsmith/lock                      held while an edit runs; names the holder
//   .slotsmith/history/NNNNNN/claim      the user's signature on the entry, made first
//   .slotsmith/history/NNNNNN/journal    one edit: what it is, its renames, its state markers
//   .slotsmith/history/NNNNNN/staged/K   copies and new scripts prepared before the commit
//   .slotsmith/history/NNNNNN/kept/K     what the edit replaced or deleted: its undo data
//
// A journal is a text file of records, one a line, each carrying its own length and a signature
// under the user's history key (core/HistoryKey.h), chained from record to record, so that a line
// cut short or written over is never taken for another, and a journal this user's Slotsmith did
// not write is told from one it did: a header, one record per
// rename (paths relative to the root), then state markers appended as the transaction moves on. The
// renames come in two phases: the first takes everything the edit moves out of its place into a
// name of the entry's own, the second puts everything at its new place. Within a phase no two
// renames share a name, so each one is done exactly when its source is gone and its target present,
// whichever of them a power cut kept. Each marker is flushed on its own, and only after the renames
// before it were flushed, so the last complete marker always tells what is durable. A marker torn
// by a crash is ignored, so the state is the one before it:
//
//   (none)     prepared only; nothing visible changed yet: recovery deletes the entry
//   forward    committed: the first phase is running (recovery finishes the edit)
//   forward2   the first phase is durable, the second is running
//   applied    the edit is in place and can be undone
//   backward   an undo (or the rollback of a failed edit) is committed: the second phase is
//              being reversed
//   backward2  the second phase is reversed and durable, the first is being reversed
//   undone     the edit is undone and can be redone
//   abandoned  a new edit was rolled back before it was ever applied: the entry is deleted
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/DatabasePaths.h"
#include "core/Status.h"

namespace slotsmith {

// The largest journal read back: far more than the renames of any edit of 2000 slots.
inline constexpr std::size_t kMaxJournalBytes = std::size_t{64} << 20;

// One rename of a transaction, both paths relative to the database root.
struct JournalRename {
  std::string from;
  std::string to;
  // For the rename that puts a new script in place: the checksum of the script's bytes; for one
  // that puts a folder in a slot: the fingerprint of the names below it. An undo tells from it a
  // script changed since, or a file added since, from what the edit left. 0: nothing to compare
  // (every other rename, and folders in journals of earlier versions).
  std::uint64_t placedChecksum = 0;
};

enum class JournalState {
  Prepared,
  Forward,
  Forward2,
  Applied,
  Backward,
  Backward2,
  Undone,
  Abandoned
};

struct Journal {
  std::string title;              // the edit as the user knows it, e.g. "Move models"
  std::int64_t time = 0;          // when it was made, seconds since the epoch
  std::optional<Bank> namesBank;  // the bank whose names file the edit rewrites, if any
  bool bothNamesFiles = false;    // it rewrites the other bank's names file too (an import)
  int folders = 0;                // slot folders the edit moved, copied or deleted
  int scripts = 0;                // sound scripts it rewrote
  std::vector<JournalRename> renames;
  std::size_t firstPhaseRenames = 0;  // renames[0, firstPhaseRenames) are the first phase
  std::size_t listedRenames = 0;      // how many renames the header announces
  JournalState state = JournalState::Prepared;
  bool everApplied = false;  // an applied marker was written at some point
  // Written by an earlier version: its names files are not among the renames, so they are
  // rewritten after an undo or recovery of it.
  bool legacy = false;
  // Cut short or damaged before its commit marker (a crash while it was written): the edit was
  // never committed, and nothing but its own folder may be deleted.
  bool torn = false;
  // Not signed by this user's history key: written on another computer, by another user or an
  // earlier version, or planted. Listed, never acted on, until the user adopts it.
  bool foreign = false;
};

// The text of the journal of history entry `entry` without markers, as written during prepare,
// signed with the user's history key.
std::string formatJournal(const Journal& journal, int entry);
// Reads the journal of entry `entry` back; Invalid when a committed journal is damaged. One
// without a marker that is empty, cut short or damaged reads as prepared and torn. One that this
// user's key did not sign is read by the frames of its records alone, and marked foreign.
Status parseJournal(const std::string& text, Journal& journal, int entry);
// Every record of a damaged or cut journal that still proves itself, in order: its title, its
// renames and its last marker, for the doctor to tell where the folders of a stuck edit lie.
Journal provenRecords(const std::string& text, int entry);
// Whether every path of the journal of entry `entry` is one the engine writes: relative, without
// "." or ".." parts, and a slot folder, a script or MName in one, a names file, or a name inside
// that entry's own folder. A journal naming anything else was not written by Slotsmith, and
// nothing it names is touched.
Status checkJournalPaths(const Journal& journal, int entry);
// The paths, and the shape the transaction's compiler gives every journal: no name is moved
// twice or is the target of two renames; the first phase only takes names of the database into
// the entry's kept/ or moving/, the second only puts the entry's staged/ or moving/ names into the
// database. Recovery, undo and redo act on nothing else.
Status checkJournalShape(const Journal& journal, int entry);
// The record appended to mark a state (see above), chained to the last record of the journal's
// text so far.
std::string markerLine(const std::string& journalText, int entry, JournalState state);
// What a new entry holds before anything is staged in it: this user's signature on the entry's
// number, so that an entry a crash left without a journal is still told to be ours (and deleted)
// from one that came with the database (and is left alone).
std::string entryClaim(int entry);
bool isOwnClaim(const std::string& text, int entry);
// "applied", "undone", ...
const char* stateName(JournalState state);

// A 64-bit FNV-1a checksum: tells a script changed since an edit from the one it left.
std::uint64_t checksumOf(const std::string& bytes);

// Paths of the hidden folder. Entries are numbered from 1, six digits: "history/000012".
std::string slotsmithFolderPath(const std::string& root);
std::string lockFilePath(const std::string& root);
std::string historyFolderPath(const std::string& root);
std::string entryFolderName(int entry);
// .slotsmith/history/NNNNNN relative to the root.
std::string entryRelativePath(int entry);
// The entry number of a history folder name, or none for anything else.
std::optional<int> entryNumberFromName(const std::string& name);

}  // namespace slotsmith
