// What a crash or a power cut left unfinished, driven to its end from the last marker that
// reached the disk: every phase before that marker is durable, so the phase it names is run
// again (its done renames are recognised and skipped), and the run goes on as it would have.
#include "core/UserText.h"
#include "ops/History.h"
#include "ops/Transaction.h"
#include "ops/TransactionSteps.h"

namespace slotsmith {

using namespace transaction;

namespace {

// Whether anything of the database may lie in an entry: what an edit moved out of its place goes
// into kept/ or moving/, and only a committed journal may tell where it belongs. A subfolder that
// cannot be listed may hold anything, and counts as holding something.
bool holdsMovedItems(FileSystem& fs, const std::string& folder) {
  std::vector<std::string> names;
  for (const char* part : {"/kept", "/moving"}) {
    const Status listed = fs.listFolder(folder + part, names);
    if (!listed.isOk() && !listed.isNotFound()) return true;
    if (!names.empty()) return true;
  }
  return false;
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
      return Status::invalid(from, userText(USER_TEXT("Recovery",
                                                      "does not hold what the interrupted edit "
                                                      "placed there, so rolling it back would "
                                                      "take it out of the bank; nothing was "
                                                      "changed")));
    };
    // Nothing recorded proves nothing: never a pass.
    if (rename.placedChecksum == 0) return mismatch();
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

HistorySummary summarizeHistory(FileSystem& fs, const std::string& root) {
  HistorySummary summary;
  Status unreadable;
  const std::vector<HistoryEntry> entries = readHistory(fs, root, &unreadable);
  // A history that cannot be read may hold anything unfinished: recovery says why.
  if (!unreadable.isOk()) summary.ownUnfinished = true;
  for (const HistoryEntry& entry : entries) {
    if (entry.foreign) {
      ++summary.foreignEntries;
      if (!entry.finished()) ++summary.foreignUnfinished;
    } else if (!entry.finished()) {
      summary.ownUnfinished = true;
    }
  }
  return summary;
}

bool hasUnfinishedTransaction(FileSystem& fs, const std::string& root) {
  const HistorySummary summary = summarizeHistory(fs, root);
  return summary.ownUnfinished || summary.foreignUnfinished > 0;
}

RecoveryResult recoverTransactions(FileSystem& fs, const std::string& root,
                                   const std::function<void(Bank)>& rewriteNames) {
  RecoveryResult result;
  // A link in place of Slotsmith's own folders: what it leads to is not this database's history.
  if (Status own = checkOwnFolders(fs, root); !own.isOk()) {
    result.status = own;
    return result;
  }
  Status unreadable;
  const std::vector<HistoryEntry> entries = readHistory(fs, root, &unreadable);
  if (!unreadable.isOk()) {
    result.status = Status::ioError(
        unreadable.path(), userText(USER_TEXT("Recovery",
                                              "the undo history cannot be read, so whether an "
                                              "edit is unfinished is not known: {reason}"),
                                    {{"reason", unreadable.reason()}}));
    return result;
  }
  for (const HistoryEntry& entry : entries) {
    const std::string folder = entryPath(root, entry.number);
    const TextArgument title{"title", entry.journal.title};
    const Journal& journal = entry.journal;
    const JournalState state = journal.state;
    // History made elsewhere is never obeyed: it stays exactly as it is until the user adopts it
    // or sets it aside (the doctor).
    if (entry.foreign) {
      ++result.foreignEntries;
      if (!entry.finished()) ++result.foreignUnfinished;
      continue;
    }
    if (!entry.status.isOk() && !entry.status.isNotFound()) {
      result.status = Status::invalid(folder + "/journal", entry.status.reason());
      continue;
    }
    // An entry without a journal never got past its prepare; so did one without a commit. One
    // rolled back in full holds nothing of the database either: only what it had staged.
    if (entry.status.isNotFound() || state == JournalState::Prepared ||
        state == JournalState::Abandoned) {
      if (holdsMovedItems(fs, folder)) {
        // Damaged by hand: deleting the entry would delete slots.
        result.status = Status::invalid(
            folder + "/journal",
            userText(USER_TEXT("Recovery",
                               "the journal is missing, damaged or not committed, but the entry "
                               "holds folders of the database; nothing was deleted (`slotsmith "
                               "doctor` shows where they lie, and `slotsmith doctor --fix` puts "
                               "back what it can and sets the rest aside)")));
        continue;
      }
      // Only copies prepared for an edit that never began: nothing of the slots.
      if (Status s = discardEntry(fs, root, entry.number); !s.isOk()) result.status = s;
      if (entry.status.isOk() && state == JournalState::Prepared) {
        result.report += userText(USER_TEXT("Recovery",
                                            "The edit \"{title}\" was interrupted before it was "
                                            "committed, so none of its changes had reached the "
                                            "slots. It was rolled back: what it had prepared was "
                                            "deleted."),
                                  {title}) +
                         "\n";
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
      result.status = Status::invalid(
          safe.path(), userText(USER_TEXT("Recovery", "could not finish \"{title}\": {reason}"),
                                {title, {"reason", safe.reason()}}));
      continue;
    }
    rememberRenamesToFlush(fs, root, journal);
    const DriveResult driven = drive(fs, root, entry.number, journal, direction, phase);
    if (!driven.status.isOk()) {
      result.status =
          Status::ioError(driven.status.path(),
                          userText(USER_TEXT("Recovery", "could not finish \"{title}\": {reason}"),
                                   {title, {"reason", driven.status.reason()}}));
      continue;
    }
    // A count in a bracket of figures, not a plural form: the line reads the same for any.
    const TextArgument count{"count", std::to_string(journal.renames.size())};
    const JournalState finished = finalMarker(direction, journal);
    if (finished == JournalState::Abandoned) {
      // Rolled back in full: kept/ and moving/ are empty again, and staged/ holds only what this
      // edit had staged. Anything else found there stays, and is named.
      if (holdsMovedItems(fs, folder)) {
        result.status = Status::invalid(
            folder, userText(USER_TEXT("Recovery",
                                       "the rolled-back edit \"{title}\" still holds folders; "
                                       "nothing was deleted"),
                             {title}));
        continue;
      }
      if (Status s = discardEntry(fs, root, entry.number); !s.isOk()) result.status = s;
      result.report += userText(USER_TEXT("Recovery",
                                          "The edit \"{title}\" failed and was interrupted while "
                                          "it was rolled back. The rollback was finished: every "
                                          "slot it had filled still held what it had placed "
                                          "there and was emptied, and what it had moved out was "
                                          "put back ({count} renames checked)."),
                                {title, count}) +
                       "\n";
      continue;
    }
    // An entry of the earlier format left its names files out of its renames.
    if (journal.legacy && journal.namesBank && rewriteNames) {
      rewriteNames(*journal.namesBank);
      if (journal.bothNamesFiles) {
        rewriteNames(*journal.namesBank == Bank::Sounds ? Bank::Models : Bank::Sounds);
      }
    }
    if (direction == Direction::Backward) {
      result.report += userText(USER_TEXT("Recovery",
                                          "The undo of \"{title}\" was interrupted after it was "
                                          "committed. It was finished: every slot it empties "
                                          "still held what the edit had placed there, and what "
                                          "the edit had moved out was put back ({count} renames "
                                          "checked). The edit can be redone."),
                                {title, count}) +
                       "\n";
    } else {
      result.report += userText(USER_TEXT("Recovery",
                                          "The edit \"{title}\" was interrupted after it was "
                                          "committed. It was finished: each of its {count} "
                                          "renames was found done or was done."),
                                {title, count}) +
                       "\n";
    }
  }
  return result;
}

}  // namespace slotsmith
