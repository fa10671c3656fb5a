// Every edit on disk runs as a transaction: after any interruption (a crash, a full disk, a
// signal, a failing step) the slots are exactly as before the edit or exactly as after it, and
// what the edit replaced or deleted is kept so that it can be undone. A plan of steps
// (EditPlan) becomes a transaction in three phases:
//
//  1. Prepare. Everything that can fail for lack of space or permission happens first, inside
//     the edit's history entry (.slotsmith/history/NNNNNN, see Journal.h): folder copies are
//     made under staged/, every new script is written in full under staged/, the journal lists
//     every rename to come, and one flush of the file system makes it all durable. Nothing the
//     synthesizer or a reader sees has changed yet; a failure here deletes the entry.
//  2. Commit. One line appended to the journal and flushed: from here on the edit is done, even
//     if the process dies the next moment.
//  3. Apply. Only renames remain: folders along the planned chains, staged copies into place,
//     deleted folders and old scripts into kept/, new scripts from staged/ over their targets.
//     Each rename can be checked and redone (its source gone and its target present means it is
//     done), so recovery finishes them after a crash.
//
// Undo runs the renames of an applied edit backwards, redo forwards again, each with its own
// commit marker, so they are transactions too. Opening a database recovers whatever transaction
// a crash left unfinished (recoverTransactions).
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
  // Runs after the last rename, before the edit is marked applied (the rescan and names file),
  // so that a crash before it ran is recovered like one during the renames.
  std::function<void()> finish = nullptr;
};

struct TransactionResult {
  enum class Kind {
    Done,        // committed and applied
    RolledBack,  // stopped before or after the commit and rolled back: nothing changed
    Unfinished,  // committed, could neither be finished nor rolled back now; the next open
                 // finishes it
  };
  Kind kind = Kind::Done;
  Status status;             // what stopped it (ok when done)
  std::string failedAction;  // "prepare the edit" or the rename that failed
  bool interrupted = false;  // a signal stopped it (or, after the commit, arrived during it)
  int entry = 0;             // the history entry
};

// Runs a checked plan as a transaction.
TransactionResult runTransaction(FileSystem& fs, const std::string& root, const EditPlan& plan,
                                 const TransactionSettings& settings);

enum class HistoryDirection { Undo, Redo };

// Whether the renames of an applied (undo) or undone (redo) entry can run now: every folder
// and file they move is where the entry left it, every target is free, and every script the edit
// placed still has the bytes it placed. The reason when not.
Status checkHistoryStep(FileSystem& fs, const std::string& root, const Journal& journal,
                        HistoryDirection direction);

// Undoes or redoes an entry (after checkHistoryStep) as a transaction of its own.
TransactionResult runHistoryStep(FileSystem& fs, const std::string& root, int entry,
                                 const Journal& journal, HistoryDirection direction,
                                 const TransactionSettings& settings);

// The renames an undo or a redo of the journal runs, in order.
std::vector<JournalRename> renamesFor(const Journal& journal, HistoryDirection direction);

struct RecoveryResult {
  Status status;       // not ok: a transaction is left unfinished (the reason)
  std::string report;  // for the user: what was rolled back or finished, and why
};

// Finishes or rolls back every unfinished transaction of the database (call with the database
// locked). rewriteNames rewrites a finished edit's names file from a fresh scan. Nothing to do,
// and an empty report, when none is unfinished.
RecoveryResult recoverTransactions(FileSystem& fs, const std::string& root,
                                   const std::function<void(Bank)>& rewriteNames);

// Whether a transaction is unfinished (cheap: reads the journals only).
bool hasUnfinishedTransaction(FileSystem& fs, const std::string& root);

}  // namespace slotsmith
