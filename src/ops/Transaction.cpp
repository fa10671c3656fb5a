#include "ops/Transaction.h"

#include <ctime>
#include <unordered_map>
#include <unordered_set>

#include "ops/History.h"

namespace slotsmith {

volatile std::sig_atomic_t interruptionRequested = 0;

namespace {

// What prepare makes under staged/ before the commit.
struct StagedItem {
  bool isCopy = false;
  std::string source;                     // a copy's source folder (absolute)
  const std::string* contents = nullptr;  // a new script's bytes (owned by the plan)
  std::string staged;                     // where it goes (relative)
};

struct BuiltTransaction {
  Journal journal;
  std::vector<StagedItem> staged;
  std::vector<std::string> progressTexts;  // shown when the rename of the same index starts
};

// The paths earlier steps of a plan change. A copy or a script prepared before the commit reads
// or replaces what is on disk before the first step, so it must not depend on one of them.
class TouchedPaths {
 public:
  explicit TouchedPaths(std::string root) : root_(std::move(root)) {}
  void add(const std::string& path) {
    exact_.insert(path);
    forEachAncestor(path, [&](const std::string& folder) { above_.insert(folder); });
  }
  bool touches(const std::string& path) const {
    bool touched = exact_.count(path) > 0 || above_.count(path) > 0;
    forEachAncestor(path, [&](const std::string& folder) { touched |= exact_.count(folder) > 0; });
    return touched;
  }

 private:
  template <typename Visit>
  void forEachAncestor(const std::string& path, Visit visit) const {
    for (std::size_t slash = path.rfind('/'); slash != std::string::npos && slash > root_.size();
         slash = path.rfind('/', slash - 1)) {
      visit(path.substr(0, slash));
    }
  }
  std::string root_;
  std::unordered_set<std::string> exact_;
  std::unordered_set<std::string> above_;
};

std::string absolute(const std::string& root, const std::string& relative) {
  return root + "/" + relative;
}

std::string journalPath(const std::string& root, int entry) {
  return absolute(root, entryRelativePath(entry) + "/journal");
}

Status relativePath(const std::string& root, const std::string& path, std::string& relative) {
  if (path.size() <= root.size() + 1 || path.compare(0, root.size(), root) != 0 ||
      path[root.size()] != '/') {
    return Status::invalid(path, "lies outside the database");
  }
  relative = path.substr(root.size() + 1);
  return Status::ok();
}

Status buildTransaction(FileSystem& fs, const std::string& root, const EditPlan& plan, int entry,
                        BuiltTransaction& built) {
  const std::string entryPath = entryRelativePath(entry);
  int stagedCount = 0, keptCount = 0;
  TouchedPaths touched(root);
  Journal& journal = built.journal;
  auto addRename = [&](std::string from, std::string to, std::uint64_t checksum,
                       const std::string& progressText) {
    journal.renames.push_back({std::move(from), std::move(to), checksum});
    built.progressTexts.push_back(progressText);
  };
  for (const EditStep& step : plan.steps) {
    std::string from, to;
    const bool writes = step.kind == EditStep::Kind::WriteFile;
    if (!writes) {
      if (Status s = relativePath(root, step.from, from); !s.isOk()) return s;
    }
    if (step.kind != EditStep::Kind::RemoveFolder) {
      if (Status s = relativePath(root, step.to, to); !s.isOk()) return s;
    }
    const bool prepared = writes || step.kind == EditStep::Kind::CopyFolder;
    if (prepared && touched.touches(writes ? step.to : step.from)) {
      return Status::invalid(writes ? step.to : step.from,
                             "is changed by an earlier step, but must be prepared before them");
    }
    switch (step.kind) {
      case EditStep::Kind::RenameFolder:
        addRename(from, to, 0, step.progressText);
        ++journal.folders;
        break;
      case EditStep::Kind::CopyFolder: {
        std::string staged = entryPath + "/staged/" + std::to_string(stagedCount++);
        built.staged.push_back({true, step.from, nullptr, staged});
        addRename(staged, to, 0, step.progressText);
        ++journal.folders;
        break;
      }
      case EditStep::Kind::RemoveFolder:
        addRename(from, entryPath + "/kept/" + std::to_string(keptCount++), 0, step.progressText);
        break;
      case EditStep::Kind::WriteFile: {
        std::string staged = entryPath + "/staged/" + std::to_string(stagedCount++);
        built.staged.push_back({false, {}, &step.contents, staged});
        std::string progressText = step.progressText;
        // The old script goes into the undo data first: it is never destroyed.
        if (fs.entryType(step.to) == EntryType::File) {
          addRename(to, entryPath + "/kept/" + std::to_string(keptCount++), 0, progressText);
          progressText.clear();
        }
        addRename(staged, to, checksumOf(step.contents), progressText);
        ++journal.scripts;
        break;
      }
    }
    touched.add(writes ? step.to : step.from);
    if (!to.empty()) touched.add(step.to);
  }
  return Status::ok();
}

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
  return Status::refused("interrupted by a signal");
}

Status prepare(FileSystem& fs, const std::string& root, int entry, const BuiltTransaction& built) {
  const std::string entryPath = absolute(root, entryRelativePath(entry));
  for (const std::string& folder : {slotsmithFolderPath(root), historyFolderPath(root), entryPath,
                                    entryPath + "/staged", entryPath + "/kept"}) {
    if (Status s = createFolderIfMissing(fs, folder); !s.isOk()) return s;
  }
  for (const StagedItem& item : built.staged) {
    if (interruptionRequested) return interrupted();
    const std::string staged = absolute(root, item.staged);
    Status s =
        item.isCopy ? fs.copyFolder(item.source, staged) : fs.createFile(staged, *item.contents);
    if (!s.isOk()) return s;
  }
  if (Status s = fs.createFile(journalPath(root, entry), formatJournal(built.journal)); !s.isOk()) {
    return s;
  }
  // One flush for everything prepared: the copies, the new scripts and the journal.
  if (Status s = fs.syncFileSystem(root); !s.isOk()) return s;
  if (interruptionRequested) return interrupted();
  return Status::ok();
}

// A rename whose source is gone and whose target is present has been done (by this run or by
// the one a crash stopped), so running the renames again after a crash finishes them.
Status renameOnce(FileSystem& fs, const std::string& root, const JournalRename& rename) {
  const std::string from = absolute(root, rename.from), to = absolute(root, rename.to);
  if (fs.entryType(from) == EntryType::Missing && fs.entryType(to) != EntryType::Missing) {
    return Status::ok();
  }
  return fs.renameFile(from, to);
}

struct ApplyProgress {
  Ui* ui = nullptr;
  int maximum = 999;
  const std::vector<std::string>* texts = nullptr;
};

Status applyRenames(FileSystem& fs, const std::string& root,
                    const std::vector<JournalRename>& renames, const ApplyProgress& progress,
                    std::size_t& done) {
  const std::size_t total = renames.size();
  int shown = -1;
  for (done = 0; done < total; ++done) {
    if (progress.ui != nullptr && progress.texts != nullptr && !(*progress.texts)[done].empty()) {
      progress.ui->setProgressText((*progress.texts)[done]);
    }
    if (Status s = renameOnce(fs, root, renames[done]); !s.isOk()) return s;
    if (progress.ui == nullptr) continue;
    // One position per rename while they fit the display; spread evenly when there are more.
    const std::size_t max = static_cast<std::size_t>(progress.maximum);
    const int scaled = static_cast<int>(total <= max ? done + 1 : (done + 1) * max / total);
    if (scaled != shown) progress.ui->setProgressPosition(shown = scaled);
  }
  return Status::ok();
}

// Reverses the first `done` renames, last first.
Status revertRenames(FileSystem& fs, const std::string& root,
                     const std::vector<JournalRename>& renames, std::size_t done) {
  while (done > 0) {
    const JournalRename& rename = renames[--done];
    if (Status s = renameOnce(fs, root, {rename.to, rename.from, 0}); !s.isOk()) return s;
  }
  return Status::ok();
}

std::string describeRename(const JournalRename& rename) {
  return "rename " + rename.from + " -> " + rename.to;
}

TransactionResult rolledBack(Status status, std::string action, int entry) {
  TransactionResult result;
  result.kind = TransactionResult::Kind::RolledBack;
  result.interrupted = status.code() == Status::Code::Refused && interruptionRequested;
  result.status = std::move(status);
  result.failedAction = std::move(action);
  result.entry = entry;
  return result;
}

// Runs the committed renames, and rolls them back when one fails: the journal then gets the
// marker of the state before (abandoned for a new edit). After the last rename, one flush, the
// finish, and the final marker.
TransactionResult applyCommitted(FileSystem& fs, const std::string& root, int entry,
                                 const std::vector<JournalRename>& renames,
                                 const ApplyProgress& progress, const TransactionSettings& settings,
                                 JournalState before, JournalState after) {
  std::size_t done = 0;
  Status applied = applyRenames(fs, root, renames, progress, done);
  if (!applied.isOk()) {
    TransactionResult result = rolledBack(applied, describeRename(renames[done]), entry);
    if (!revertRenames(fs, root, renames, done).isOk()) {
      // The journal still says committed: the next open finishes the edit.
      result.kind = TransactionResult::Kind::Unfinished;
      return result;
    }
    // Should the marker not land, the next open finishes the edit instead: also a whole state.
    static_cast<void>(fs.appendToFileDurably(journalPath(root, entry), markerLine(before)));
    if (before == JournalState::Abandoned) {
      static_cast<void>(fs.removeFolder(absolute(root, entryRelativePath(entry))));
    }
    return result;
  }
  // The journal is durable, so a crash before the renames reach the disk is recovered by
  // running them again; a flush that fails here changes nothing about the edit.
  static_cast<void>(fs.syncFileSystem(root));
  if (settings.finish) settings.finish();
  // Without the final marker the next open finds every rename done and only marks it.
  static_cast<void>(fs.appendToFileDurably(journalPath(root, entry), markerLine(after)));
  TransactionResult result;
  result.entry = entry;
  result.interrupted = interruptionRequested != 0;
  return result;
}

}  // namespace

TransactionResult runTransaction(FileSystem& fs, const std::string& root, const EditPlan& plan,
                                 const TransactionSettings& settings) {
  const int entry = nextEntryNumber(fs, root);
  BuiltTransaction built;
  if (Status s = buildTransaction(fs, root, plan, entry, built); !s.isOk()) {
    return rolledBack(s, "prepare the edit", entry);
  }
  built.journal.title = settings.title;
  built.journal.time = static_cast<std::int64_t>(std::time(nullptr));
  built.journal.namesBank = settings.namesBank;
  Status ready = prepare(fs, root, entry, built);
  if (ready.isOk()) {
    ready = fs.appendToFileDurably(journalPath(root, entry), markerLine(JournalState::Forward));
  }
  if (!ready.isOk()) {
    // Nothing outside the entry changed. What cannot be deleted now, the next open deletes: an
    // entry without its commit marker.
    static_cast<void>(fs.removeFolder(absolute(root, entryRelativePath(entry))));
    return rolledBack(ready, "prepare the edit", entry);
  }
  const ApplyProgress progress{settings.progress, settings.progressMaximum, &built.progressTexts};
  TransactionResult result =
      applyCommitted(fs, root, entry, built.journal.renames, progress, settings,
                     JournalState::Abandoned, JournalState::Applied);
  if (result.kind == TransactionResult::Kind::Done) trimHistory(fs, root, entry);
  return result;
}

std::vector<JournalRename> renamesFor(const Journal& journal, HistoryDirection direction) {
  if (direction == HistoryDirection::Redo) return journal.renames;
  std::vector<JournalRename> reversed;
  reversed.reserve(journal.renames.size());
  for (auto it = journal.renames.rbegin(); it != journal.renames.rend(); ++it) {
    reversed.push_back({it->to, it->from, it->placedChecksum});
  }
  return reversed;
}

Status checkHistoryStep(FileSystem& fs, const std::string& root, const Journal& journal,
                        HistoryDirection direction) {
  std::unordered_map<std::string, bool> present;
  auto exists = [&](const std::string& path) {
    auto found = present.find(path);
    if (found != present.end()) return found->second;
    return fs.entryType(absolute(root, path)) != EntryType::Missing;
  };
  std::string bytes;
  for (const JournalRename& rename : renamesFor(journal, direction)) {
    if (!exists(rename.from)) {
      return Status::refused(rename.from + " is no longer where the edit left it");
    }
    if (exists(rename.to)) return Status::refused(rename.to + " is taken");
    if (direction == HistoryDirection::Undo && rename.placedChecksum != 0) {
      const Status read = fs.readFile(absolute(root, rename.from), bytes, std::size_t{1} << 30);
      if (!read.isOk()) return read;
      if (checksumOf(bytes) != rename.placedChecksum) {
        return Status::refused(rename.from + " was changed after the edit");
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
  if (interruptionRequested) return rolledBack(interrupted(), "start", entry);
  const JournalState commit = undo ? JournalState::Backward : JournalState::Forward;
  if (Status s = fs.appendToFileDurably(journalPath(root, entry), markerLine(commit)); !s.isOk()) {
    return rolledBack(s, "commit", entry);
  }
  const std::vector<JournalRename> renames = renamesFor(journal, direction);
  const ApplyProgress progress{settings.progress, settings.progressMaximum, nullptr};
  return applyCommitted(fs, root, entry, renames, progress, settings,
                        undo ? JournalState::Applied : JournalState::Undone,
                        undo ? JournalState::Undone : JournalState::Applied);
}

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
    const std::string folder = absolute(root, entryRelativePath(entry.number));
    const std::string quoted = "\"" + entry.journal.title + "\"";
    const JournalState state = entry.journal.state;
    if (!entry.status.isOk() && !entry.status.isNotFound()) {
      result.status = Status::invalid(folder + "/journal", entry.status.reason());
      continue;
    }
    // An entry without a journal never got past its prepare; so did one without a commit.
    if (entry.status.isNotFound() || state == JournalState::Prepared ||
        state == JournalState::Abandoned) {
      if (Status s = fs.removeFolder(folder); !s.isOk()) result.status = s;
      if (entry.status.isOk() && state == JournalState::Prepared) {
        result.report += "The edit " + quoted +
                         " was interrupted before it was committed. It was rolled back: the "
                         "database is as it was before it.\n";
      }
      continue;
    }
    if (state != JournalState::Forward && state != JournalState::Backward) continue;
    const bool undo = state == JournalState::Backward;
    const std::vector<JournalRename> renames =
        renamesFor(entry.journal, undo ? HistoryDirection::Undo : HistoryDirection::Redo);
    std::size_t done = 0;
    if (Status s = applyRenames(fs, root, renames, {}, done); !s.isOk()) {
      result.status = Status::ioError(s.path(), "could not finish " + quoted + ": " + s.reason());
      continue;
    }
    static_cast<void>(fs.syncFileSystem(root));
    if (entry.journal.namesBank && rewriteNames) rewriteNames(*entry.journal.namesBank);
    const JournalState finished = undo ? JournalState::Undone : JournalState::Applied;
    static_cast<void>(fs.appendToFileDurably(folder + "/journal", markerLine(finished)));
    result.report += std::string(undo ? "The undo of " : "The edit ") + quoted +
                     " was interrupted after it was committed. It was finished: the database is "
                     "as it is after it.\n";
  }
  return result;
}

}  // namespace slotsmith
