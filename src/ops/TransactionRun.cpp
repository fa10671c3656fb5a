// Preparing, committing, driving and rolling back a transaction: the durable steps of an edit,
// an undo and a redo, in the one order that a power cut on any file system leaves whole.
//
//   stage, flush, commit marker | phase 1, flush, marker | phase 2, flush, final marker | clean up
//
// A rename that fails turns the run around: the opposite direction's marker is written, and the
// phases done so far are reversed the same way (so a rollback is a transaction too, and recovery
// finishes it if it is cut short).
#include <ctime>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "core/UserText.h"
#include "ops/History.h"
#include "ops/Transaction.h"
#include "ops/TransactionSteps.h"

namespace slotsmith {

volatile std::sig_atomic_t interruptionRequested = 0;

namespace transaction {

std::string absolute(const std::string& root, const std::string& relative) {
  return root + "/" + relative;
}

std::string entryPath(const std::string& root, int entry) {
  return absolute(root, entryRelativePath(entry));
}

std::string journalPath(const std::string& root, int entry) {
  return entryPath(root, entry) + "/journal";
}

Direction opposite(Direction direction) {
  return direction == Direction::Forward ? Direction::Backward : Direction::Forward;
}

JournalState phaseMarker(Direction direction, int phase) {
  if (direction == Direction::Forward) {
    return phase == 1 ? JournalState::Forward : JournalState::Forward2;
  }
  return phase == 1 ? JournalState::Backward : JournalState::Backward2;
}

JournalState finalMarker(Direction direction, const Journal& journal) {
  if (direction == Direction::Forward) return JournalState::Applied;
  // Backwards from a state that was never applied is the rollback of a new edit.
  return journal.everApplied ? JournalState::Undone : JournalState::Abandoned;
}

std::vector<JournalRename> phaseRenames(const Journal& journal, Direction direction, int phase) {
  const auto split =
      journal.renames.begin() + static_cast<std::ptrdiff_t>(journal.firstPhaseRenames);
  const bool firstHalf = (direction == Direction::Forward) == (phase == 1);
  const auto begin = firstHalf ? journal.renames.begin() : split;
  const auto end = firstHalf ? split : journal.renames.end();
  if (direction == Direction::Forward) return {begin, end};
  std::vector<JournalRename> reversed;
  reversed.reserve(static_cast<std::size_t>(end - begin));
  for (auto it = end; it != begin;) {
    --it;
    reversed.push_back({it->to, it->from, it->placedChecksum});
  }
  return reversed;
}

namespace {

// A rename whose source is gone and whose target is present has been done (by this run, or by
// one a crash stopped, whichever part of it the disk kept), so running a phase again finishes it.
// The rename is tried first: in a run that nothing interrupted it succeeds, and the look at both
// ends is needed only when it fails.
Status renameOnce(FileSystem& fs, const std::string& root, const JournalRename& rename) {
  const std::string from = absolute(root, rename.from), to = absolute(root, rename.to);
  Status renamed = fs.renameFile(from, to);
  if (!renamed.isOk() && fs.entryType(from) == EntryType::Missing &&
      fs.entryType(to) != EntryType::Missing) {
    return Status::ok();
  }
  return renamed;
}

FailedStep failedRename(const JournalRename& rename) {
  return {FailedStep::Kind::Rename, rename.from, rename.to};
}

}  // namespace

Status appendMarker(FileSystem& fs, const std::string& root, int entry, JournalState state) {
  // Each marker is signed in a chain with the record before it, which is read back from the
  // journal itself: what is on disk is what the next reader checks the chain against.
  std::string text;
  if (Status read = fs.readFile(journalPath(root, entry), text, kMaxJournalBytes); !read.isOk()) {
    return read;
  }
  return fs.appendToFileDurably(journalPath(root, entry), markerLine(text, entry, state));
}

DriveResult drive(FileSystem& fs, const std::string& root, int entry, const Journal& journal,
                  Direction direction, int fromPhase, const Progress& progress) {
  const std::size_t total = journal.renames.size();
  std::size_t position = fromPhase == 2 ? journal.renames.size() - journal.firstPhaseRenames : 0;
  if (direction == Direction::Forward && fromPhase == 2) position = journal.firstPhaseRenames;
  int shown = -1;
  for (int phase = fromPhase; phase <= 2; ++phase) {
    for (const JournalRename& rename : phaseRenames(journal, direction, phase)) {
      if (progress.ui != nullptr && progress.texts != nullptr &&
          position < progress.texts->size() && !(*progress.texts)[position].empty()) {
        progress.ui->setProgressText((*progress.texts)[position]);
      }
      if (Status s = renameOnce(fs, root, rename); !s.isOk()) {
        return {s, failedRename(rename), phase, true};
      }
      ++position;
      if (progress.ui == nullptr) continue;
      // One position per rename while they fit the display; spread evenly when there are more.
      const std::size_t max = static_cast<std::size_t>(progress.maximum);
      const int scaled = static_cast<int>(total <= max ? position : position * max / total);
      if (scaled != shown) progress.ui->setProgressPosition(shown = scaled);
    }
    // The phase is durable before the marker that says so.
    if (Status s = fs.syncFileSystem(root); !s.isOk())
      return {s, {FailedStep::Kind::Flush, {}, {}}, phase};
    const JournalState next =
        phase == 1 ? phaseMarker(direction, 2) : finalMarker(direction, journal);
    if (Status s = appendMarker(fs, root, entry, next); !s.isOk()) {
      return {s, {FailedStep::Kind::WriteJournal, {}, {}}, phase};
    }
  }
  return {};
}

}  // namespace transaction

using namespace transaction;

namespace {

Status createFolderIfMissing(FileSystem& fs, const std::string& path) {
  if (fs.entryType(path) == EntryType::Folder) return Status::ok();
  return fs.createFolder(path);
}

int nextEntryNumber(FileSystem& fs, const std::string& root) {
  int newest = 0;
  std::vector<std::string> names;
  if (fs.listFolder(historyFolderPath(root), names).isOk()) {
    for (const std::string& name : names) {
      if (std::optional<int> number = entryNumberFromName(name)) newest = std::max(newest, *number);
    }
  }
  return newest + 1;
}

Status interrupted() {
  return Status::refused(userText(USER_TEXT("Transaction", "interrupted by a signal")));
}

// Stage everything that can fail for lack of space or permission inside the entry, write the
// journal, and flush it all: nothing anybody else sees has changed yet.
Status prepare(FileSystem& fs, const std::string& root, int entry,
               const CompiledTransaction& compiled) {
  const std::string folder = entryPath(root, entry);
  for (const std::string& path : {slotsmithFolderPath(root), historyFolderPath(root), folder}) {
    if (Status s = createFolderIfMissing(fs, path); !s.isOk()) return s;
  }
  // Signed, and durable, before anything is staged: an entry a crash leaves without its journal
  // is then still known to be this user's own leftover, which any later run may delete. (One the
  // power cut before this flush holds nothing but perhaps a claim, and is deleted as such.)
  if (Status s = fs.createFile(folder + "/claim", entryClaim(entry)); !s.isOk()) return s;
  if (Status s = fs.syncFileSystem(root); !s.isOk()) return s;
  for (const std::string& path : {folder + "/staged", folder + "/kept", folder + "/moving"}) {
    if (Status s = createFolderIfMissing(fs, path); !s.isOk()) return s;
  }
  for (const StagedItem& item : compiled.staged) {
    if (interruptionRequested) return interrupted();
    const std::string staged = absolute(root, item.staged);
    if (item.replaces) {
      if (fs.entryType(staged) != EntryType::Missing) {
        if (Status s = fs.removeFolder(staged); !s.isOk()) return s;
      }
    }
    Status s =
        item.isCopy ? fs.copyFolder(item.source, staged) : fs.createFile(staged, *item.contents);
    if (!s.isOk()) return s;
  }
  if (Status s = fs.createFile(journalPath(root, entry), formatJournal(compiled.journal, entry));
      !s.isOk()) {
    return s;
  }
  if (Status s = fs.syncFileSystem(root); !s.isOk()) return s;
  if (interruptionRequested) return interrupted();
  return Status::ok();
}

TransactionResult resultOf(TransactionResult::Kind kind, Status status, FailedStep step,
                           int entry) {
  TransactionResult result;
  result.kind = kind;
  result.interrupted = interruptionRequested != 0;
  result.status = std::move(status);
  result.failedStep = std::move(step);
  result.entry = entry;
  return result;
}

// A commit marker that could not be written may or may not be on disk. The state before it,
// written after it, settles that; when that cannot be written either, the next open does.
TransactionResult failedCommit(FileSystem& fs, const std::string& root, int entry, Status status,
                               JournalState before) {
  if (!appendMarker(fs, root, entry, before).isOk()) {
    return resultOf(TransactionResult::Kind::Unfinished, std::move(status),
                    {FailedStep::Kind::Commit, {}, {}}, entry);
  }
  if (before == JournalState::Abandoned) static_cast<void>(fs.removeFolder(entryPath(root, entry)));
  return resultOf(TransactionResult::Kind::RolledBack, std::move(status),
                  {FailedStep::Kind::Commit, {}, {}}, entry);
}

// Drives a committed run to its end, or back to where it started when a rename fails.
TransactionResult runCommitted(FileSystem& fs, const std::string& root, int entry,
                               const Journal& journal, Direction direction,
                               const Progress& progress) {
  const DriveResult forth = drive(fs, root, entry, journal, direction, 1, progress);
  if (forth.status.isOk()) {
    TransactionResult result;
    result.entry = entry;
    result.interrupted = interruptionRequested != 0;
    return result;
  }
  if (!forth.renameFailed) {
    // Renamed, but not known to be durable: the journal still names the phase, and the next open
    // runs it again and writes the marker. The edit is done all the same.
    TransactionResult result =
        resultOf(TransactionResult::Kind::Unfinished, forth.status, forth.failedStep, entry);
    result.endsDone = true;
    return result;
  }
  // The phase that failed is reversed first: a failure in phase 1 is undone by the opposite
  // direction's phase 2, one in phase 2 by its phase 1 and then its phase 2.
  const Direction back = opposite(direction);
  const int startPhase = 3 - forth.failedPhase;
  const DriveResult undone =
      appendMarker(fs, root, entry, phaseMarker(back, startPhase)).isOk()
          ? drive(fs, root, entry, journal, back, startPhase)
          : DriveResult{Status::ioError(journalPath(root, entry), "not written"),
                        {FailedStep::Kind::WriteJournal, {}, {}},
                        0,
                        false};
  if (!undone.status.isOk()) {
    return resultOf(TransactionResult::Kind::Unfinished, forth.status, forth.failedStep, entry);
  }
  if (finalMarker(back, journal) == JournalState::Abandoned) {
    static_cast<void>(fs.removeFolder(entryPath(root, entry)));
  }
  return resultOf(TransactionResult::Kind::RolledBack, forth.status, forth.failedStep, entry);
}

}  // namespace

TransactionResult runTransaction(FileSystem& fs, const std::string& root, const EditPlan& plan,
                                 const TransactionSettings& settings) {
  // An edit that changes nothing leaves nothing to undo.
  if (plan.changes.empty()) return {};
  const int entry = nextEntryNumber(fs, root);
  CompiledTransaction compiled;
  // Compiling reads every byte the edit places, for the fingerprints its undo checks.
  if (Status s = compileChanges(fs, root, plan, entry, compiled); !s.isOk()) {
    return resultOf(TransactionResult::Kind::RolledBack, s, {FailedStep::Kind::ReadPlaced, {}, {}},
                    entry);
  }
  Journal& journal = compiled.journal;
  journal.title = settings.title;
  journal.time = static_cast<std::int64_t>(std::time(nullptr));
  journal.namesBank = settings.namesBank;
  journal.bothNamesFiles = settings.bothNamesFiles;
  if (Status ready = prepare(fs, root, entry, compiled); !ready.isOk()) {
    // Nothing outside the entry changed. What cannot be deleted now, the next open deletes: an
    // entry without its commit marker.
    static_cast<void>(fs.removeFolder(entryPath(root, entry)));
    return resultOf(TransactionResult::Kind::RolledBack, ready, {FailedStep::Kind::Prepare, {}, {}},
                    entry);
  }
  if (Status committed = appendMarker(fs, root, entry, JournalState::Forward); !committed.isOk()) {
    return failedCommit(fs, root, entry, committed, JournalState::Abandoned);
  }
  const Progress progress{settings.progress, settings.progressMaximum, &compiled.progressTexts};
  TransactionResult result = runCommitted(fs, root, entry, journal, Direction::Forward, progress);
  if (result.kind == TransactionResult::Kind::Done) trimHistory(fs, root, entry);
  return result;
}

namespace {

// A folder on the journal's paths that is a link or a file, or a name that is a special file.
enum class NotPlain { Folder, SpecialFile };

Status throughLink(const std::string& path, NotPlain what) {
  return Status::invalid(
      path, what == NotPlain::Folder
                ? userText(USER_TEXT("Transaction",
                                     "is a symbolic link or not a plain folder; the edit's "
                                     "journal leads through it, so nothing was changed"))
                : userText(USER_TEXT("Transaction",
                                     "is a symbolic link or a special file; the edit's journal "
                                     "leads through it, so nothing was changed")));
}

}  // namespace

std::vector<JournalRename> renamesFor(const Journal& journal, HistoryDirection direction) {
  const Direction way =
      direction == HistoryDirection::Redo ? Direction::Forward : Direction::Backward;
  std::vector<JournalRename> renames = phaseRenames(journal, way, 1);
  for (JournalRename& rename : phaseRenames(journal, way, 2))
    renames.push_back(std::move(rename));
  return renames;
}

Status checkJournalPathsOnDisk(FileSystem& fs, const std::string& root, const Journal& journal,
                               bool lookAtNames) {
  // Most names share their folders (the bank, the entry and its kept/, moving/ and staged/), so
  // each folder is looked at once.
  std::unordered_set<std::string_view> realFolders;
  std::string path;
  for (const JournalRename& rename : journal.renames) {
    for (const std::string* relative : {&rename.from, &rename.to}) {
      for (std::size_t slash = relative->find('/'); slash != std::string::npos;
           slash = relative->find('/', slash + 1)) {
        const std::string_view folder(relative->data(), slash);
        if (realFolders.count(folder)) continue;
        path.assign(root).append("/").append(folder);
        const EntryType type = fs.entryType(path);
        // Nothing can be below a name that is not there: the rename fails by itself.
        if (type == EntryType::Missing) break;
        if (type != EntryType::Folder) return throughLink(path, NotPlain::Folder);
        realFolders.insert(folder);
      }
      if (!lookAtNames) continue;
      path = absolute(root, *relative);
      if (fs.entryType(path) == EntryType::Other) return throughLink(path, NotPlain::SpecialFile);
    }
  }
  return Status::ok();
}

Status checkHistoryStep(FileSystem& fs, const std::string& root, const Journal& journal,
                        HistoryDirection direction) {
  if (Status own = checkOwnFolders(fs, root); !own.isOk()) return own;
  // The names themselves are looked at below, once each.
  if (Status paths = checkJournalPathsOnDisk(fs, root, journal, false); !paths.isOk()) {
    return paths;
  }
  std::unordered_map<std::string, bool> present;
  Status link;
  auto exists = [&](const std::string& path) {
    auto found = present.find(path);
    if (found != present.end()) return found->second;
    const EntryType type = fs.entryType(absolute(root, path));
    if (type == EntryType::Other && link.isOk()) {
      link = throughLink(absolute(root, path), NotPlain::SpecialFile);
    }
    return type != EntryType::Missing;
  };
  for (const JournalRename& rename : renamesFor(journal, direction)) {
    const bool fromThere = exists(rename.from), toThere = exists(rename.to);
    if (!link.isOk()) return link;
    if (!fromThere) {
      return Status::refused(
          userText(USER_TEXT("Transaction", "{path} is no longer where the edit left it"),
                   {{"path", rename.from}}));
    }
    if (toThere) {
      return Status::refused(
          userText(USER_TEXT("Transaction", "{path} is taken"), {{"path", rename.to}}));
    }
    // An undo takes out of the database what the edit placed there, and only when every byte of
    // it is still what the edit placed: a slot changed by hand since is never taken away. A
    // rename without a record to compare with proves nothing, and is refused like a change.
    // The names files are derived from the slots and written again by every edit of their bank,
    // so one found changed is no slot of the user's: it goes into the undo data like the rest.
    const bool takesOut = !rename.from.starts_with(".slotsmith/") && rename.from != "SoundNames" &&
                          rename.from != "ModelNames";
    if (direction == HistoryDirection::Undo && takesOut) {
      std::uint64_t now = 0;
      Status looked = placedChecksumNow(fs, absolute(root, rename.from), now);
      if (!looked.isOk()) return looked;
      if (rename.placedChecksum == 0 || now != rename.placedChecksum) {
        return Status::refused(userText(USER_TEXT("Transaction",
                                                  "{path} no longer holds what the edit placed "
                                                  "there (it was changed after the edit), so the "
                                                  "undo would take it away"),
                                        {{"path", rename.from}}));
      }
    }
    present[rename.from] = false;
    present[rename.to] = true;
  }
  return Status::ok();
}

TransactionResult runHistoryStep(FileSystem& fs, const std::string& root, int entry,
                                 const Journal& journal, HistoryDirection direction,
                                 const TransactionSettings& settings) {
  const bool undo = direction == HistoryDirection::Undo;
  if (interruptionRequested) {
    return resultOf(TransactionResult::Kind::RolledBack, interrupted(),
                    {FailedStep::Kind::Start, {}, {}}, entry);
  }
  const Direction way = undo ? Direction::Backward : Direction::Forward;
  if (Status s = appendMarker(fs, root, entry, phaseMarker(way, 1)); !s.isOk()) {
    return failedCommit(fs, root, entry, s, undo ? JournalState::Applied : JournalState::Undone);
  }
  return runCommitted(fs, root, entry, journal, way, {settings.progress, settings.progressMaximum});
}

}  // namespace slotsmith
