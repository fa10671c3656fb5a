// What a crash or a power cut left unfinished, driven to its end from the last marker that
// reached the disk: every phase before that marker is durable, so the phase it names is run
// again (its done renames are recognised and skipped), and the run goes on as it would have.
#include "ops/History.h"
#include "ops/Transaction.h"
#include "ops/TransactionSteps.h"

namespace slotsmith {

using namespace transaction;

namespace {

// Whether anything of the database lies in an entry: what an edit moved out of its place goes
// into kept/ or moving/, and only a committed journal may tell where it belongs.
bool holdsMovedItems(FileSystem& fs, const std::string& folder) {
  std::vector<std::string> names;
  for (const char* part : {"/kept", "/moving"}) {
    if (fs.listFolder(folder + part, names).isOk() && !names.empty()) return true;
  }
  return false;
}

}  // namespace

bool hasUnfinishedTransaction(FileSystem& fs, const std::string& root) {
  for (const HistoryEntry& entry : readHistory(fs, root)) {
    const JournalState state = entry.journal.state;
    if (!entry.status.isOk() || (state != JournalState::Applied && state != JournalState::Undone)) {
      return true;
    }
  }
  return false;
}

RecoveryResult recoverTransactions(FileSystem& fs, const std::string& root,
                                   const std::function<void(Bank)>& rewriteNames) {
  RecoveryResult result;
  for (const HistoryEntry& entry : readHistory(fs, root)) {
    const std::string folder = entryPath(root, entry.number);
    const std::string quoted = "\"" + entry.journal.title + "\"";
    const Journal& journal = entry.journal;
    const JournalState state = journal.state;
    if (!entry.status.isOk() && !entry.status.isNotFound()) {
      result.status = Status::invalid(folder + "/journal", entry.status.reason());
      continue;
    }
    // An entry without a journal never got past its prepare; so did one without a commit.
    if (entry.status.isNotFound() || state == JournalState::Prepared ||
        state == JournalState::Abandoned) {
      if (holdsMovedItems(fs, folder)) {
        // A journal damaged by hand, or planted: deleting the entry would delete slots.
        result.status = Status::invalid(folder + "/journal",
                                        "the journal is missing, damaged or not committed, but the "
                                        "entry holds folders of the database; nothing was deleted");
        continue;
      }
      if (Status s = fs.removeFolder(folder); !s.isOk()) result.status = s;
      if (entry.status.isOk() && state == JournalState::Prepared) {
        result.report += "The edit " + quoted +
                         " was interrupted before it was committed. It was rolled back: the "
                         "database is as it was before it.\n";
      }
      continue;
    }
    if (state == JournalState::Applied || state == JournalState::Undone) continue;
    const Direction direction = state == JournalState::Forward || state == JournalState::Forward2
                                    ? Direction::Forward
                                    : Direction::Backward;
    const int phase = state == JournalState::Forward2 || state == JournalState::Backward2 ? 2 : 1;
    const DriveResult driven = drive(fs, root, entry.number, journal, direction, phase);
    if (!driven.status.isOk()) {
      result.status = Status::ioError(driven.status.path(),
                                      "could not finish " + quoted + ": " + driven.status.reason());
      continue;
    }
    const JournalState finished = finalMarker(direction, journal);
    if (finished == JournalState::Abandoned) {
      static_cast<void>(fs.removeFolder(folder));
      result.report += "The edit " + quoted +
                       " failed and was interrupted while it was rolled back. The rollback was "
                       "finished: the database is as it was before it.\n";
      continue;
    }
    // An entry of the earlier format left its names files out of its renames.
    if (journal.legacy && journal.namesBank && rewriteNames) {
      rewriteNames(*journal.namesBank);
      if (journal.bothNamesFiles) {
        rewriteNames(*journal.namesBank == Bank::Sounds ? Bank::Models : Bank::Sounds);
      }
    }
    const bool undo = direction == Direction::Backward;
    result.report += std::string(undo ? "The undo of " : "The edit ") + quoted +
                     " was interrupted after it was committed. It was finished: the database is "
                     "as it is after it.\n";
  }
  return result;
}

}  // namespace slotsmith
