#include "ops/EditPlan.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace slotsmith {

std::string EditStep::describe() const {
  switch (kind) {
    case Kind::RenameFolder:
      return "rename " + from + " -> " + to;
    case Kind::CopyFolder:
      return "copy " + from + " -> " + to;
    case Kind::RemoveFolder:
      return "remove " + from;
    case Kind::WriteFile:
      return "write " + to + " (" + std::to_string(contents.size()) + " bytes)";
  }
  return {};
}

std::vector<std::string> temporaryPathsInUse(const EditPlan& plan, std::size_t stepsDone) {
  const std::unordered_set<std::string> temporary(plan.temporaryPaths.begin(),
                                                  plan.temporaryPaths.end());
  std::vector<std::string> inUse;
  const std::size_t end = std::min(stepsDone, plan.steps.size());
  for (std::size_t i = 0; i < end; ++i) {
    const EditStep& step = plan.steps[i];
    const bool leavesTemporary =
        step.kind == EditStep::Kind::RenameFolder || step.kind == EditStep::Kind::RemoveFolder;
    if (leavesTemporary && temporary.count(step.from)) {
      inUse.erase(std::remove(inUse.begin(), inUse.end(), step.from), inUse.end());
    }
    const bool entersTemporary =
        step.kind == EditStep::Kind::RenameFolder || step.kind == EditStep::Kind::CopyFolder;
    if (entersTemporary && temporary.count(step.to)) inUse.push_back(step.to);
  }
  return inUse;
}

namespace {

std::string parentOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// What the disk will look like after the steps checked so far: the entries they created, moved
// or removed, on top of what is on disk now.
class SimulatedTree {
 public:
  explicit SimulatedTree(FileSystem& fs) : fs_(fs) {}

  EntryType typeOf(const std::string& path) {
    auto found = changed_.find(path);
    if (found != changed_.end()) return found->second;
    return fs_.entryType(path);
  }
  void set(const std::string& path, EntryType type) { changed_[path] = type; }

  // Whether entries can be created in and renamed out of a folder. A folder that is not on disk
  // yet arrives by a rename or copy within the plan, and is checked where it comes from.
  bool canChangeEntriesOf(const std::string& folder) {
    if (fs_.entryType(folder) != EntryType::Folder) return true;
    auto found = writable_.find(folder);
    if (found != writable_.end()) return found->second;
    const bool writable = fs_.isWritableFolder(folder);
    writable_[folder] = writable;
    return writable;
  }

 private:
  FileSystem& fs_;
  std::unordered_map<std::string, EntryType> changed_;
  std::unordered_map<std::string, bool> writable_;
};

Status checkWritableParent(SimulatedTree& tree, const std::string& path) {
  const std::string parent = parentOf(path);
  if (tree.canChangeEntriesOf(parent)) return Status::ok();
  return Status::ioError(parent, "the folder is not writable");
}

Status checkStep(const EditStep& step, SimulatedTree& tree) {
  using Kind = EditStep::Kind;
  if (step.kind != Kind::WriteFile) {
    const EntryType source = tree.typeOf(step.from);
    if (source == EntryType::Missing) return Status::notFound(step.from);
    if (step.kind == Kind::CopyFolder && source != EntryType::Folder) {
      return Status::invalid(step.from, "is not a folder");
    }
    // A copy changes nothing where it reads: its source may lie in a folder that is read only,
    // such as another database an import reads from.
    if (step.kind != Kind::CopyFolder) {
      if (Status status = checkWritableParent(tree, step.from); !status.isOk()) return status;
    }
  }
  if (step.kind == Kind::RemoveFolder) {
    tree.set(step.from, EntryType::Missing);
    return Status::ok();
  }
  if (step.kind == Kind::WriteFile) {
    const EntryType folder = tree.typeOf(parentOf(step.to));
    if (folder == EntryType::Other) {
      // A slot folder that is a symbolic link leads outside the database; nothing is written
      // through it.
      return Status::invalid(parentOf(step.to),
                             "is a symbolic link or special file, not a folder; Slotsmith does "
                             "not write through links");
    }
    if (folder != EntryType::Folder) {
      return Status::notFound(parentOf(step.to), "the folder to write into does not exist");
    }
    const EntryType target = tree.typeOf(step.to);
    if (target != EntryType::Missing && target != EntryType::File) {
      return Status::invalid(step.to, "is not a regular file");
    }
  } else if (tree.typeOf(step.to) != EntryType::Missing) {
    return Status::alreadyExists(step.to, "the target is taken");
  }
  if (Status status = checkWritableParent(tree, step.to); !status.isOk()) return status;
  const EntryType moved = step.kind == Kind::WriteFile ? EntryType::File : tree.typeOf(step.from);
  if (step.kind == Kind::RenameFolder) tree.set(step.from, EntryType::Missing);
  tree.set(step.to, moved);
  return Status::ok();
}

Status runStep(const EditStep& step, FileSystem& fs) {
  switch (step.kind) {
    case EditStep::Kind::RenameFolder:
      return fs.renameFolder(step.from, step.to);
    case EditStep::Kind::CopyFolder: {
      // A copy that stopped half way leaves nothing behind; a folder that was already under the
      // target name (put there after the check) is not this edit's to delete.
      const bool targetWasFree = fs.entryType(step.to) == EntryType::Missing;
      Status status = fs.copyFolder(step.from, step.to);
      if (!status.isOk() && targetWasFree && fs.entryType(step.to) == EntryType::Folder) {
        // The copy's failure is what gets reported; a half copy that cannot be removed either
        // stays under the target name, which the failure report names.
        static_cast<void>(fs.removeFolder(step.to));
      }
      return status;
    }
    case EditStep::Kind::RemoveFolder:
      return fs.removeFolder(step.from);
    case EditStep::Kind::WriteFile:
      return fs.writeFileAtomically(step.to, step.contents);
  }
  return Status::invalid(step.from, "unknown step");
}

}  // namespace

Status checkPlan(const EditPlan& plan, FileSystem& fs) {
  SimulatedTree tree(fs);
  for (const EditStep& step : plan.steps) {
    Status status = checkStep(step, tree);
    if (!status.isOk()) {
      return Status::refused("cannot " + step.describe() + ": " + status.message());
    }
  }
  return Status::ok();
}

CarryOutResult carryOut(const EditPlan& plan, FileSystem& fs, Ui* progress, int progressMaximum) {
  CarryOutResult result;
  const std::size_t total = plan.steps.size();
  int shown = -1;
  for (const EditStep& step : plan.steps) {
    if (progress != nullptr && !step.progressText.empty()) {
      progress->setProgressText(step.progressText);
    }
    result.status = runStep(step, fs);
    if (!result.status.isOk()) return result;
    ++result.stepsDone;
    if (progress == nullptr) continue;
    // One position per step while the steps fit the display; spread evenly when there are more.
    const std::size_t scaled =
        total <= static_cast<std::size_t>(progressMaximum)
            ? result.stepsDone
            : result.stepsDone * static_cast<std::size_t>(progressMaximum) / total;
    if (static_cast<int>(scaled) != shown) {
      shown = static_cast<int>(scaled);
      progress->setProgressPosition(shown);
    }
  }
  return result;
}

}  // namespace slotsmith
