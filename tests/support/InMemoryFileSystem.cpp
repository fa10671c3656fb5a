#include "support/InMemoryFileSystem.h"

namespace slotsmith::testing {

namespace {

std::string parentOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos || slash == 0 ? std::string("/") : path.substr(0, slash);
}

// Holds a path in the set of locked paths; the holder text goes when the lock does.
class HeldLock final : public FileLock {
 public:
  HeldLock(std::set<std::string>& locked, std::string& text, std::string path)
      : locked_(locked), text_(text), path_(std::move(path)) {}
  ~HeldLock() override {
    text_.clear();
    locked_.erase(path_);
  }
  HeldLock(const HeldLock&) = delete;
  HeldLock& operator=(const HeldLock&) = delete;

 private:
  std::set<std::string>& locked_;
  std::string& text_;
  std::string path_;
};

bool isBelow(const std::string& candidate, const std::string& path) {
  return candidate.size() > path.size() + 1 && candidate.compare(0, path.size(), path) == 0 &&
         candidate[path.size()] == '/';
}

}  // namespace

void InMemoryFileSystem::addFolder(const std::string& path) {
  if (path.empty() || path == "/") return;
  addFolder(parentOf(path));
  entries_[path].isFolder = true;
}

void InMemoryFileSystem::addFile(const std::string& path, const std::string& contents) {
  addFolder(parentOf(path));
  entries_[path] = Node{false, contents};
}

std::vector<std::string> InMemoryFileSystem::subtree(const std::string& path) const {
  std::vector<std::string> paths;
  if (entries_.count(path)) paths.push_back(path);
  for (auto it = entries_.upper_bound(path + "/"); it != entries_.end(); ++it) {
    if (!isBelow(it->first, path)) break;
    paths.push_back(it->first);
  }
  return paths;
}

std::vector<std::string> InMemoryFileSystem::treeBelow(const std::string& path) const {
  std::vector<std::string> paths;
  for (const std::string& entry : subtree(path)) {
    if (entry == path) continue;
    paths.push_back(entry.substr(path.size() + 1) + (entries_.at(entry).isFolder ? "/" : ""));
  }
  return paths;
}

std::string InMemoryFileSystem::contentsOf(const std::string& path) const {
  auto found = entries_.find(path);
  return found == entries_.end() || found->second.isFolder ? "<missing>" : found->second.contents;
}

EntryType InMemoryFileSystem::entryType(const std::string& path) {
  auto found = entries_.find(path);
  if (found == entries_.end()) return EntryType::Missing;
  return found->second.isFolder ? EntryType::Folder : EntryType::File;
}

bool InMemoryFileSystem::canReadFile(const std::string& path) {
  return entryType(path) == EntryType::File;
}

Status InMemoryFileSystem::readFile(const std::string& path, std::string& contents,
                                    std::size_t maxBytes, bool* truncated) {
  if (!canReadFile(path)) return Status::notFound(path);
  const std::string& stored = entries_[path].contents;
  contents.assign(stored, 0, std::min(maxBytes, stored.size()));
  if (truncated != nullptr) *truncated = stored.size() > maxBytes;
  return Status::ok();
}

Status InMemoryFileSystem::checkNewEntry(const std::string& path) {
  if (entryType(parentOf(path)) != EntryType::Folder) return Status::notFound(parentOf(path));
  if (!isWritableFolder(parentOf(path))) return Status::ioError(parentOf(path), "read-only");
  return Status::ok();
}

Status InMemoryFileSystem::writeFileAtomically(const std::string& path,
                                               const std::string& contents) {
  if (Status status = checkNewEntry(path); !status.isOk()) return status;
  if (entryType(path) == EntryType::Folder) return Status::invalid(path, "is a folder");
  entries_[path] = Node{false, contents};
  return Status::ok();
}

Status InMemoryFileSystem::createFile(const std::string& path, const std::string& contents) {
  if (Status status = checkNewEntry(path); !status.isOk()) return status;
  if (entryType(path) != EntryType::Missing) return Status::alreadyExists(path);
  entries_[path] = Node{false, contents};
  return Status::ok();
}

Status InMemoryFileSystem::createFolder(const std::string& path) {
  if (Status status = checkNewEntry(path); !status.isOk()) return status;
  if (entryType(path) != EntryType::Missing) return Status::alreadyExists(path);
  entries_[path] = Node{true, {}};
  return Status::ok();
}

Status InMemoryFileSystem::listFolder(const std::string& path, std::vector<std::string>& names) {
  if (entryType(path) != EntryType::Folder) return Status::notFound(path);
  names.clear();
  for (const std::string& entry : subtree(path)) {
    if (entry != path && parentOf(entry) == path) names.push_back(entry.substr(path.size() + 1));
  }
  return Status::ok();
}

Status InMemoryFileSystem::renameFolder(const std::string& from, const std::string& to) {
  if (entryType(from) == EntryType::Missing) return Status::notFound(from);
  if (entryType(to) != EntryType::Missing) return Status::alreadyExists(to);
  if (!isWritableFolder(parentOf(from))) return Status::ioError(parentOf(from), "read-only");
  if (Status status = checkNewEntry(to); !status.isOk()) return status;
  for (const std::string& path : subtree(from)) {
    auto node = entries_.extract(path);
    node.key() = to + path.substr(from.size());
    entries_.insert(std::move(node));
  }
  return Status::ok();
}

Status InMemoryFileSystem::copyFolder(const std::string& from, const std::string& to) {
  if (entryType(from) != EntryType::Folder) return Status::notFound(from);
  if (entryType(to) != EntryType::Missing) return Status::alreadyExists(to);
  if (Status status = checkNewEntry(to); !status.isOk()) return status;
  for (const std::string& path : subtree(from)) {
    entries_[to + path.substr(from.size())] = entries_[path];
  }
  return Status::ok();
}

Status InMemoryFileSystem::removeFolder(const std::string& path) {
  if (entryType(path) == EntryType::Missing) return Status::notFound(path);
  if (!isWritableFolder(parentOf(path))) return Status::ioError(parentOf(path), "read-only");
  for (const std::string& entry : subtree(path))
    entries_.erase(entry);
  return Status::ok();
}

Status InMemoryFileSystem::appendToFileDurably(const std::string& path, const std::string& text) {
  if (entryType(path) != EntryType::File) return Status::notFound(path);
  entries_[path].contents += text;
  return Status::ok();
}

Status InMemoryFileSystem::diskUsage(const std::string& path, std::uint64_t& bytes) {
  if (entryType(path) == EntryType::Missing) return Status::notFound(path);
  for (const std::string& entry : subtree(path))
    bytes += entries_[entry].contents.size();
  return Status::ok();
}

Status InMemoryFileSystem::lockFile(const std::string& path, const std::string& holder,
                                    std::unique_ptr<FileLock>& lock) {
  if (locked_.count(path)) return Status::alreadyExists(path, entries_[path].contents);
  if (entryType(path) == EntryType::Missing) {
    if (Status status = createFile(path, {}); !status.isOk()) return status;
  }
  if (entryType(path) != EntryType::File) return Status::invalid(path, "not a file");
  locked_.insert(path);
  // std::map keeps references to its values valid until the entry is erased.
  std::string& text = entries_[path].contents;
  text = holder;
  lock = std::make_unique<HeldLock>(locked_, text, path);
  return Status::ok();
}

bool InMemoryFileSystem::isWritableFolder(const std::string& path) {
  return entryType(path) == EntryType::Folder && !readOnly_.count(path);
}

}  // namespace slotsmith::testing
