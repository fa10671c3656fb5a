// Every edit on disk runs as a transaction: after any interruption (a crash, a power cut on any
// file system, a full disk, a signal, a failing step) the database is exactly as before the edit
// or exactly as after it, names files included, and what the edit replaced or deleted is kept so
// that it can be undone. The edit hands over a change set (EditPlan); only the transaction
// orders it on disk:
//
//  1. Prepare. Everything that can fail for lack of space or permission happens first, inside
//     the edit's history entry (.slotsmith/history/NNNNNN, see Journal.h): folder copies and
//     every new file are made in full under staged/, the journal lists the renames of both
//     phases, and a flush makes it all durable. Nothing the synthesizer or a reader sees has
//     changed yet; a failure here deletes the entry.
//  2. Commit. The "forward" marker appended to the journal and flushed: from here on the edit is
//     done, even if the power fails the next moment.
//  3. Phase 1 takes everything the edit moves, deletes or replaces out of its place, then a
//     flush and the "forward2" marker; phase 2 puts everything at its new place, then a flush
//     and the "applied" marker.
//
// Undo runs the phases backwards, redo forwards again, each with its own markers, so they are
// transactions too, and so is the rollback of a failed run. On file systems that keep no order
// between two flushes (FAT and exFAT sticks, network shares), recovery only relies on what a
// flush made durable. Opening a database recovers whatever a crash left unfinished
// (recoverTransactions).
//
// All of this assumes that a rename is atomic on the medium. FAT and exFAT write a rename between
// two folders as two directory entries in no set order, so a power cut at that instant can leave
// a folder under both names (recovery then stops rather than replace either, and the doctor sets
// the entry's copy aside) or under neither (lost to the file system's own check). A flush after
// each such rename would close the window, at about 1.6 times the edit's time there; it is not
// made.
#pragma once

#include <csignal>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "core/FileSystem.h"
#include "core/Ui.h"
#include "ops/EditPlan.h"
#include "ops/Journal.h"

namespace slotsmith {

// Set by a front end's signal handler (SIGINT, SIGTERM, SIGHUP) while an edit runs; the runner
// checks it between steps. Before the commit point the edit is rolled back, after it finished.
extern volatile std::sig_atomic_t interruptionRequested;

struct TransactionSettings {
  std::string title;
  std::optional<Bank> namesBank;  // the names file the edit rewrites (journaled for recovery)
  bool bothNamesFiles = false;    // and the other bank's too
  Ui* progress = nullptr;         // one position per rename when given
  int progressMaximum = 999;
};

// The step of a transaction that failed, for the report: each kind is told in a sentence of its
// own, in the user's language.
struct FailedStep {
  enum class Kind { None, Start, ReadPlaced, Prepare, Commit, Rename, Flush, WriteJournal };
  Kind kind = Kind::None;
  std::string from, to;  // a rename's, relative to the database
};

struct TransactionResult {
  enum class Kind {
    Done,        // committed and applied
    RolledBack,  // stopped before or after the commit and rolled back: nothing changed
    Unfinished,  // committed, but a flush, a marker or a rollback failed after the commit: the
                 // next open drives it to its end (see endsDone)
  };
  Kind kind = Kind::Done;
  Status status;             // what stopped it (ok when done)
  FailedStep failedStep;     // preparing the edit, or the rename that failed
  bool interrupted = false;  // a signal stopped it (or, after the commit, arrived during it)
  // Unfinished: the journal leads to the state asked for (the edit, undo or redo is done; the next
  // open only completes it), not back to the state before.
  bool endsDone = false;
  int entry = 0;  // the history entry
};

// Runs a checked change set as a transaction.
TransactionResult runTransaction(FileSystem& fs, const std::string& root, const EditPlan& plan,
                                 const TransactionSettings& settings);

enum class HistoryDirection { Undo, Redo };

// Whether the renames of an applied (undo) or undone (redo) entry can run now: every folder
// and file they move is where the entry left it, every target is free, and every script the edit
// placed still has the bytes it placed. The reason when not.
Status checkHistoryStep(FileSystem& fs, const std::string& root, const Journal& journal,
                        HistoryDirection direction);

// Whether every path the journal names is reached from the root through real folders: each
// name above it a folder (not a link, not a file), the name itself no link. Recovery, undo and
// redo act on nothing else, so that a link planted in a database that came from elsewhere never
// has them change anything outside it. The reason names the first link found. Without
// lookAtNames only the folders on the way are looked at, for a caller that looks at each name.
Status checkJournalPathsOnDisk(FileSystem& fs, const std::string& root, const Journal& journal,
                               bool lookAtNames = true);

// Undoes or redoes an entry (after checkHistoryStep) as a transaction of its own.
TransactionResult runHistoryStep(FileSystem& fs, const std::string& root, int entry,
                                 const Journal& journal, HistoryDirection direction,
                                 const TransactionSettings& settings);

// The renames an undo or a redo of the journal runs, in order.
std::vector<JournalRename> renamesFor(const Journal& journal, HistoryDirection direction);

struct RecoveryResult {
  Status status;           // not ok: a transaction is left unfinished (the reason)
  std::string report;      // for the user: what was rolled back or finished, and why
  int foreignEntries = 0;  // entries made elsewhere, left as they are
  int foreignUnfinished =
      0;  // of which unfinished: edits are refused until the doctor settles them
};

// What the history holds, read from the journals alone: whether an edit of this user's is left
// unfinished (or the history cannot be read), and how many entries were made elsewhere.
struct HistorySummary {
  bool ownUnfinished = false;
  int foreignEntries = 0;
  int foreignUnfinished = 0;
};
HistorySummary summarizeHistory(FileSystem& fs, const std::string& root);

// Finishes or rolls back every unfinished transaction of the database (call with the database
// locked). rewriteNames rewrites the names file of an edit journaled by an earlier version, whose
// names files are not among its renames, from a fresh scan. Nothing to do,
// and an empty report, when none is unfinished.
RecoveryResult recoverTransactions(FileSystem& fs, const std::string& root,
                                   const std::function<void(Bank)>& rewriteNames);

// Whether a transaction is unfinished, this user's or one made elsewhere (cheap: reads the
// journals only).
bool hasUnfinishedTransaction(FileSystem& fs, const std::string& root);

}  // namespace slotsmith
