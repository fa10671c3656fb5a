#include "ops/EditPlan.h"

#include <unordered_map>
#include <unordered_set>

#include "core/UserText.h"

namespace slotsmith {

std::string Change::describe() const {
  switch (kind) {
    case Kind::Move:
      return "rename " + from + " -> " + to;
    case Kind::Copy:
      return "copy " + from + " -> " + to;
    case Kind::Delete:
      return "remove " + from;
    case Kind::Write:
      return "write " + to + " (" + std::to_string(contents.size()) + " bytes)";
  }
  return {};
}

std::string parentOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

namespace {

class ChangeChecker {
 public:
  ChangeChecker(const EditPlan& plan, FileSystem& fs) : fs_(fs) {
    for (const Change& change : plan.changes) {
      if (change.kind == Change::Kind::Move || change.kind == Change::Kind::Delete) {
        vacated_.insert(change.from);
        movedFolders_.insert(change.from);
      }
      if (change.kind == Change::Kind::Move) movedFolders_.insert(change.to);
      if (change.kind == Change::Kind::Copy) copyTargets_.insert(change.to);
    }
  }

  Status check(const Change& change) {
    using Kind = Change::Kind;
    if (change.kind != Kind::Write) {
      const EntryType source = fs_.entryType(change.from);
      if (source == EntryType::Missing) return Status::notFound(change.from);
      if (change.kind == Kind::Copy) {
        // A copy changes nothing where it reads: its source may lie in a folder that is read
        // only, such as another database an import reads from.
        if (source != EntryType::Folder)
          return Status::invalid(change.from, userText(USER_TEXT("Changes", "is not a folder")));
      } else {
        if (!claimedSources_.insert(change.from).second) {
          return Status::invalid(change.from,
                                 userText(USER_TEXT("Changes", "is moved or deleted twice")));
        }
        if (Status s = writableParent(change.from); !s.isOk()) return s;
      }
      if (change.kind == Kind::Delete) return Status::ok();
      return claimTarget(change.to);
    }
    if (insideCopy(change.to)) return claimTarget(change.to, false);
    if (hasAncestorIn(change.to, movedFolders_)) {
      return Status::invalid(
          change.to, userText(USER_TEXT("Changes", "lies in a folder the same edit moves")));
    }
    const std::string folder = parentOf(change.to);
    const EntryType type = fs_.entryType(folder);
    if (type == EntryType::Other) {
      // A slot folder that is a symbolic link leads outside the database; nothing is written
      // through it.
      return Status::invalid(folder, userText(USER_TEXT("Changes",
                                                        "is a symbolic link or special file, not "
                                                        "a folder; Slotsmith does not write "
                                                        "through links")));
    }
    if (type != EntryType::Folder) {
      return Status::notFound(
          folder, userText(USER_TEXT("Changes", "the folder to write into does not exist")));
    }
    const EntryType target = fs_.entryType(change.to);
    if (target != EntryType::Missing && target != EntryType::File) {
      return Status::invalid(change.to, userText(USER_TEXT("Changes", "is not a regular file")));
    }
    return claimTarget(change.to, false);
  }

 private:
  // Whether a folder above path is in the set.
  static bool hasAncestorIn(const std::string& path,
                            const std::unordered_set<std::string>& folders) {
    for (std::size_t slash = path.rfind('/'); slash != std::string::npos && slash > 0;
         slash = path.rfind('/', slash - 1)) {
      if (folders.count(path.substr(0, slash))) return true;
    }
    return false;
  }
  bool insideCopy(const std::string& path) const { return hasAncestorIn(path, copyTargets_); }

  // Asked once per folder: the check changes nothing, and a bank's thousand moves share one.
  Status writableParent(const std::string& path) {
    const std::string folder = parentOf(path);
    auto found = writable_.find(folder);
    if (found == writable_.end()) {
      // A folder that is not there yet is checked where it is made.
      const bool writable =
          fs_.entryType(folder) != EntryType::Folder || fs_.isWritableFolder(folder);
      found = writable_.emplace(folder, writable).first;
    }
    return found->second
               ? Status::ok()
               : Status::ioError(folder,
                                 userText(USER_TEXT("Changes", "the folder is not writable")));
  }

  // A place the edit fills: free now or vacated by the same edit, and claimed only once.
  Status claimTarget(const std::string& path, bool mustBeFree = true) {
    if (!claimedTargets_.insert(path).second) {
      return Status::alreadyExists(
          path, userText(USER_TEXT("Changes", "two changes of the edit go there")));
    }
    if (mustBeFree && !vacated_.count(path) && fs_.entryType(path) != EntryType::Missing) {
      return Status::alreadyExists(path, userText(USER_TEXT("Changes", "the target is taken")));
    }
    if (insideCopy(path)) return Status::ok();
    return writableParent(path);
  }

  FileSystem& fs_;
  std::unordered_set<std::string> vacated_;
  std::unordered_set<std::string> movedFolders_;
  std::unordered_set<std::string> copyTargets_;
  std::unordered_set<std::string> claimedSources_;
  std::unordered_set<std::string> claimedTargets_;
  std::unordered_map<std::string, bool> writable_;
};

}  // namespace

Status checkChanges(const EditPlan& plan, FileSystem& fs) {
  ChangeChecker checker(plan, fs);
  for (const Change& change : plan.changes) {
    Status status = checker.check(change);
    if (!status.isOk()) {
      // The step stays as the dry run lists it; only the sentence around it is translated.
      return Status::refused(userText(USER_TEXT("Changes", "cannot {step}: {reason}"),
                                      {{"step", change.describe()}, {"reason", status.message()}}));
    }
  }
  return Status::ok();
}

}  // namespace slotsmith
