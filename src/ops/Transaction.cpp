#include "ops/Transaction.h"

#include <ctime>
#include <optional>
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
  bool replaces = false;                  // a script rewritten inside a copy prepared before it
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

// A folder or file the edit moves: where it is before the edit and where after it (relative
// paths; one of them may lie in the entry's own folder).
struct MovedObject {
  std::string initial;
  std::string final;
  std::uint64_t checksum = 0;  // a new script's
  std::string progressText;
};

// Follows the plan's steps on paths only: every object with its place before and after the
// edit. The plan's own temporary names are passed through and never appear on disk.
class ObjectTracker {
 public:
  ObjectTracker(FileSystem& fs, std::string root, std::string entryPath)
      : fs_(fs), root_(std::move(root)), entry_(std::move(entryPath)), touched_(root_) {}

  Status follow(const EditStep& step, BuiltTransaction& built) {
    std::string from, to;
    const bool writes = step.kind == EditStep::Kind::WriteFile;
    // A copy's source is only read, while the copy is prepared; it may lie in another database
    // (an import). Everything a step changes lies inside this one.
    if (!writes && step.kind != EditStep::Kind::CopyFolder) {
      if (Status s = relativePath(root_, step.from, from); !s.isOk()) return s;
    }
    if (step.kind != EditStep::Kind::RemoveFolder) {
      if (Status s = relativePath(root_, step.to, to); !s.isOk()) return s;
    }
    // A script written into a folder this plan copies (an imported sound, renumbered) is written
    // into the prepared copy itself, before anything is placed.
    if (writes) {
      if (std::optional<std::string> inCopy = insidePreparedCopy(to)) {
        built.staged.push_back({false, {}, &step.contents, *inCopy, true});
        ++built.journal.scripts;
        return Status::ok();
      }
    }
    const bool prepared = writes || step.kind == EditStep::Kind::CopyFolder;
    const std::string& read = writes ? step.to : step.from;
    if (prepared && touched_.touches(read)) {
      return Status::invalid(read, "is changed by an earlier step, but must be prepared first");
    }
    switch (step.kind) {
      case EditStep::Kind::RenameFolder:
        moveTo(take(from, step.progressText), to);
        ++built.journal.folders;
        break;
      case EditStep::Kind::CopyFolder: {
        std::string staged = stagedPath();
        built.staged.push_back({true, step.from, nullptr, staged});
        moveTo(add(staged, step.progressText), to);
        ++built.journal.folders;
        break;
      }
      case EditStep::Kind::RemoveFolder:
        objects_[take(from, step.progressText)].final = keptPath();
        break;
      case EditStep::Kind::WriteFile: {
        // The old script goes into the undo data: it is never destroyed.
        if (fs_.entryType(step.to) == EntryType::File) objects_[take(to, {})].final = keptPath();
        std::string staged = stagedPath();
        built.staged.push_back({false, {}, &step.contents, staged});
        const std::size_t written = add(staged, step.progressText);
        objects_[written].checksum = checksumOf(step.contents);
        moveTo(written, to);
        ++built.journal.scripts;
        break;
      }
    }
    touched_.add(read);
    if (!to.empty()) touched_.add(step.to);
    return Status::ok();
  }

  const std::vector<MovedObject>& objects() const { return objects_; }
  bool isPrivate(const std::string& path) const { return path.starts_with(entry_ + "/"); }
  std::string movingPath(std::size_t index) const {
    return entry_ + "/moving/" + std::to_string(index);
  }

 private:
  // Where a path inside a folder copied by an earlier step lies in that copy's prepared folder;
  // none when no copy holds it.
  std::optional<std::string> insidePreparedCopy(const std::string& path) const {
    for (std::size_t slash = path.rfind('/'); slash != std::string::npos && slash > 0;
         slash = path.rfind('/', slash - 1)) {
      auto found = at_.find(path.substr(0, slash));
      if (found == at_.end()) continue;
      const std::string& initial = objects_[found->second].initial;
      if (!initial.starts_with(entry_ + "/staged/")) return std::nullopt;
      return initial + path.substr(slash);
    }
    return std::nullopt;
  }

  std::size_t add(const std::string& initial, const std::string& progressText) {
    objects_.push_back({initial, initial, 0, progressText});
    return objects_.size() - 1;
  }
  // The object at path now (one not moved before starts there).
  std::size_t take(const std::string& path, const std::string& progressText) {
    auto found = at_.find(path);
    if (found == at_.end()) return add(path, progressText);
    const std::size_t index = found->second;
    at_.erase(found);
    return index;
  }
  void moveTo(std::size_t index, const std::string& path) {
    objects_[index].final = path;
    at_[path] = index;
  }
  std::string stagedPath() { return entry_ + "/staged/" + std::to_string(staged_++); }
  std::string keptPath() { return entry_ + "/kept/" + std::to_string(kept_++); }

  FileSystem& fs_;
  std::string root_;
  std::string entry_;
  TouchedPaths touched_;
  std::vector<MovedObject> objects_;
  std::unordered_map<std::string, std::size_t> at_;
  int staged_ = 0, kept_ = 0;
};

// The sentinel file of an entry tells which phase of its renames is running: it is renamed from
// "before" to "between" after the first phase and on to "after" after the second (and back by an
// undo). Within one phase every rename goes into or out of a name of the entry's own, used by no
// other rename, so "its source gone and its target present" tells exactly whether it was done.
std::string sentinelPath(const std::string& entryPath, const char* position) {
  return entryPath + "/progress-" + position;
}

Status buildTransaction(FileSystem& fs, const std::string& root, const EditPlan& plan, int entry,
                        BuiltTransaction& built) {
  const std::string entryPath = entryRelativePath(entry);
  ObjectTracker tracker(fs, root, entryPath);
  for (const EditStep& step : plan.steps) {
    if (Status s = tracker.follow(step, built); !s.isOk()) return s;
  }
  std::vector<JournalRename>& renames = built.journal.renames;
  auto addRename = [&](std::string from, std::string to, std::uint64_t checksum,
                       const std::string& progressText) {
    renames.push_back({std::move(from), std::move(to), checksum});
    built.progressTexts.push_back(progressText);
  };
  const std::vector<MovedObject>& objects = tracker.objects();
  // First phase: everything leaves the database for a name of the entry's own.
  std::vector<std::string> between(objects.size());
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const MovedObject& object = objects[i];
    if (object.initial == object.final || tracker.isPrivate(object.initial)) {
      between[i] = object.initial;
      continue;
    }
    between[i] = tracker.isPrivate(object.final) ? object.final : tracker.movingPath(i);
    addRename(object.initial, between[i], 0, object.progressText);
  }
  addRename(sentinelPath(entryPath, "before"), sentinelPath(entryPath, "between"), 0, {});
  // Second phase: everything comes to its new place in the database.
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const MovedObject& object = objects[i];
    if (between[i] == object.final) continue;
    const std::string text = tracker.isPrivate(object.initial) ? object.progressText : "";
    addRename(between[i], object.final, object.checksum, text);
  }
  addRename(sentinelPath(entryPath, "between"), sentinelPath(entryPath, "after"), 0, {});
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
  for (const std::string& folder :
       {slotsmithFolderPath(root), historyFolderPath(root), entryPath, entryPath + "/staged",
        entryPath + "/kept", entryPath + "/moving"}) {
    if (Status s = createFolderIfMissing(fs, folder); !s.isOk()) return s;
  }
  if (Status s = fs.createFile(entryPath + "/progress-before", {}); !s.isOk()) return s;
  for (const StagedItem& item : built.staged) {
    if (interruptionRequested) return interrupted();
    const std::string staged = absolute(root, item.staged);
    // A script rewritten inside a prepared copy replaces the copied one; both lie in the entry's
    // own folder and are flushed with everything else below, so no flush per file is needed.
    if (item.replaces) {
      if (Status s = fs.removeFolder(staged); !s.isOk()) return s;
    }
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
// the one a crash stopped), so running a phase's renames again after a crash finishes them.
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

// Where a run of the renames that a crash stopped takes up again: at the start of the phase the
// entry's sentinel says is running. The sentinel is one file, so at most one of its renames has
// its target present: the latest one done. Forwards the sentinel renames end the phases
// ("before" -> "between", "between" -> "after"); an undo runs them reversed, so there they begin
// the phases ("after" -> "between" first, "between" -> "before" in the middle), and the run takes
// up right after whichever was done last either way.
std::vector<JournalRename> remainingAfterCrash(FileSystem& fs, const std::string& root,
                                               const std::vector<JournalRename>& renames) {
  std::size_t start = 0;
  for (std::size_t i = renames.size(); i-- > 0;) {
    if (renames[i].from.find("/progress-") == std::string::npos) continue;
    if (fs.entryType(absolute(root, renames[i].to)) != EntryType::Missing) {
      start = i + 1;
      break;
    }
  }
  return {renames.begin() + static_cast<std::ptrdiff_t>(start), renames.end()};
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
  // An edit that changes no slot leaves nothing to undo.
  if (plan.steps.empty()) {
    if (settings.finish) settings.finish();
    return {};
  }
  const int entry = nextEntryNumber(fs, root);
  BuiltTransaction built;
  if (Status s = buildTransaction(fs, root, plan, entry, built); !s.isOk()) {
    return rolledBack(s, "prepare the edit", entry);
  }
  built.journal.title = settings.title;
  built.journal.time = static_cast<std::int64_t>(std::time(nullptr));
  built.journal.namesBank = settings.namesBank;
  built.journal.bothNamesFiles = settings.bothNamesFiles;
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
      Status read = fs.readFile(absolute(root, rename.from), bytes, std::size_t{1} << 30);
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
    const std::vector<JournalRename> renames = remainingAfterCrash(
        fs, root,
        renamesFor(entry.journal, undo ? HistoryDirection::Undo : HistoryDirection::Redo));
    std::size_t done = 0;
    if (Status s = applyRenames(fs, root, renames, {}, done); !s.isOk()) {
      result.status = Status::ioError(s.path(), "could not finish " + quoted + ": " + s.reason());
      continue;
    }
    static_cast<void>(fs.syncFileSystem(root));
    if (entry.journal.namesBank && rewriteNames) {
      rewriteNames(*entry.journal.namesBank);
      if (entry.journal.bothNamesFiles) {
        rewriteNames(*entry.journal.namesBank == Bank::Sounds ? Bank::Models : Bank::Sounds);
      }
    }
    const JournalState finished = undo ? JournalState::Undone : JournalState::Applied;
    static_cast<void>(fs.appendToFileDurably(folder + "/journal", markerLine(finished)));
    result.report += std::string(undo ? "The undo of " : "The edit ") + quoted +
                     " was interrupted after it was committed. It was finished: the database is "
                     "as it is after it.\n";
  }
  return result;
}

}  // namespace slotsmith
