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

// Whether an entry holds anything at all: after a rollback, staged/ holds what the rollback took
// back out of the slots.
bool holdsItems(FileSystem& fs, const std::string& folder) {
  std::vector<std::string> names;
  return holdsMovedItems(fs, folder) ||
         (fs.listFolder(folder + "/staged", names).isOk() && !names.empty());
}

// A rollback takes out of the slots what the edit put there. Before it does, every slot it is
// about to empty must still hold what the edit placed, by the fingerprint the edit recorded: a
// journal that came with the database from elsewhere could otherwise name any slot, and have the
// user's sounds taken out of the bank.
Status checkPlacedStillThere(FileSystem& fs, const std::string& root, const Journal& journal) {
  for (const JournalRename& rename : phaseRenames(journal, Direction::Backward, 1)) {
    if (rename.from == "SoundNames" || rename.from == "ModelNames") continue;
    const std::string from = absolute(root, rename.from);
    const EntryType type = fs.entryType(from);
    // Already taken out by the run that was cut, or never placed: nothing to take.
    if (type == EntryType::Missing || fs.entryType(absolute(root, rename.to)) != EntryType::Missing)
      continue;
    const auto mismatch = [&] {
      return Status::invalid(from,
                             "does not hold what the interrupted edit placed there, so rolling it "
                             "back would take it out of the bank; nothing was changed");
    };
    if (rename.placedChecksum == 0) {
      if (journal.legacy) continue;
      return mismatch();
    }
    std::uint64_t now = 0;
    if (Status s = placedChecksumNow(fs, from, now); !s.isOk()) return s;
    if (now != rename.placedChecksum) return mismatch();
  }
  return Status::ok();
}

// What the dead process renamed, in the phases it completed and in the one it was in, may still
// wait in the cache of a file system flushed path by path, where this process's own flush would
// not reach it: every folder the journal renames in or out of is flushed before the next marker
// relies on it. (A flush of the whole file system, as on ext4, covers it anyway.)
void rememberRenamesToFlush(FileSystem& fs, const std::string& root, const Journal& journal) {
  for (const JournalRename& rename : journal.renames)
    fs.rememberRenameToFlush(absolute(root, rename.from), absolute(root, rename.to));
}

}  // namespace

bool hasUnfinishedTransaction(FileSystem& fs, const std::string& root) {
  if (!checkOwnFolders(fs, root).isOk()) return true;
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
  // A link in place of Slotsmith's own folders: what it leads to is not this database's history.
  if (Status own = checkOwnFolders(fs, root); !own.isOk()) {
    result.status = own;
    return result;
  }
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
        result.status = Status::invalid(
            folder + "/journal",
            "the journal is missing, damaged or not committed, but the entry holds folders of the "
            "database; nothing was deleted (`slotsmith doctor` shows where they lie, and "
            "`slotsmith doctor --fix` puts back what it can and sets the rest aside)");
        continue;
      }
      // Only copies prepared for an edit that never began: nothing of the slots.
      if (Status s = discardEntry(fs, root, entry.number); !s.isOk()) result.status = s;
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
    Status safe = checkJournalPathsOnDisk(fs, root, journal);
    if (safe.isOk() && direction == Direction::Backward && phase == 1) {
      safe = checkPlacedStillThere(fs, root, journal);
    }
    if (!safe.isOk()) {
      result.status =
          Status::invalid(safe.path(), "could not finish " + quoted + ": " + safe.reason());
      continue;
    }
    rememberRenamesToFlush(fs, root, journal);
    const DriveResult driven = drive(fs, root, entry.number, journal, direction, phase);
    if (!driven.status.isOk()) {
      result.status = Status::ioError(driven.status.path(),
                                      "could not finish " + quoted + ": " + driven.status.reason());
      continue;
    }
    const JournalState finished = finalMarker(direction, journal);
    // What a rollback or an undo took back out of the slots lies in the entry now, and a new edit
    // would delete it with the redo data. Only the journal says it was the edit's own, and a
    // journal may have come with the database from elsewhere: it is set aside instead, for the
    // user to look at.
    std::string aside;
    if (direction == Direction::Backward && holdsItems(fs, folder)) {
      static_cast<void>(setEntryAside(fs, root, entry.number, &aside));
    } else if (finished == JournalState::Abandoned) {
      static_cast<void>(discardEntry(fs, root, entry.number));
    }
    const std::string setAside =
        aside.empty() ? std::string()
                      : " What it had taken back out of the slots was set aside in " + aside +
                            " (`slotsmith doctor` shows it).";
    if (finished == JournalState::Abandoned) {
      result.report += "The edit " + quoted +
                       " failed and was interrupted while it was rolled back. The rollback was "
                       "finished: the database is as it was before it." +
                       setAside + "\n";
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
                     "as it is after it." +
                     setAside + "\n";
  }
  return result;
}

}  // namespace slotsmith
