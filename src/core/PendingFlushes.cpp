#include "core/PendingFlushes.h"

#include <utility>
#include <vector>

namespace slotsmith {

std::string parentFolder(const std::string& path, std::string_view separators) {
  std::size_t end = path.size();
  while (end > 1 && separators.find(path[end - 1]) != std::string_view::npos)
    --end;
  const std::size_t slash = end == 0 ? std::string::npos : path.find_last_of(separators, end - 1);
  if (slash == std::string::npos) return ".";
  return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

bool isAtOrBelow(const std::string& path, const std::string& folder, std::string_view separators) {
  return path.starts_with(folder) &&
         (path.size() == folder.size() ||
          separators.find(path[folder.size()]) != std::string_view::npos);
}

PendingFlushes::PendingFlushes(std::string_view separators) : separators_(separators) {
  // An edit changes a handful of folders, or every file of the slots it copies.
  files_.reserve(1024);
  folders_.reserve(256);
}

void PendingFlushes::rememberFile(const std::string& path) {
  std::lock_guard lock(mutex_);
  files_.insert(path);
}

void PendingFlushes::rememberFolder(const std::string& path) {
  std::lock_guard lock(mutex_);
  folders_.insert(path);
}

Status PendingFlushes::copyFolder(const std::string& to,
                                  const std::function<Status(bool* created)>& copy,
                                  const std::function<Status()>& removeCopy) {
  bool created = false;
  Status status = copy(&created);
  if (!status.isOk() && created) static_cast<void>(removeCopy());
  rememberFolder(parentFolder(to, separators_));
  return status;
}

Status PendingFlushes::removeFolder(const std::string& path,
                                    const std::function<Status()>& remove) {
  Status status = remove();
  rememberFolder(parentFolder(path, separators_));
  return status;
}

void PendingFlushes::rememberRename(const std::string& from, const std::string& to) {
  std::lock_guard lock(mutex_);
  for (std::unordered_set<std::string>* paths : {&files_, &folders_}) {
    if (paths->empty()) continue;
    std::vector<std::string> moved;
    for (auto it = paths->begin(); it != paths->end();) {
      if (isAtOrBelow(*it, from, separators_)) {
        moved.push_back(to + it->substr(from.size()));
        it = paths->erase(it);
      } else {
        ++it;
      }
    }
    for (std::string& path : moved)
      paths->insert(std::move(path));
  }
  folders_.insert(parentFolder(from, separators_));
  folders_.insert(parentFolder(to, separators_));
}

Status PendingFlushes::flush(const FlushPath& flushPath) {
  std::lock_guard lock(mutex_);
  Status first;
  std::vector<std::unordered_set<std::string>::iterator> doneFiles, doneFolders;
  const auto flushAll = [&](std::unordered_set<std::string>& paths, bool folders, auto& done) {
    done.reserve(paths.size());
    for (auto it = paths.begin(); it != paths.end(); ++it) {
      Status failure;
      const PathFlush result = flushPath(*it, folders, failure);
      if (result == PathFlush::Flushed && observer_) observer_(*it);
      if (result == PathFlush::Flushed || result == PathFlush::Gone) done.push_back(it);
      if (result == PathFlush::Failed && first.isOk()) first = failure;
    }
  };
  flushAll(files_, false, doneFiles);
  flushAll(folders_, true, doneFolders);
  if (!first.isOk()) return first;
  for (const auto& it : doneFiles)
    files_.erase(it);
  for (const auto& it : doneFolders)
    folders_.erase(it);
  return first;
}

void PendingFlushes::forgetAllBut(const std::function<bool(const std::string& path)>& isWaiting) {
  std::lock_guard lock(mutex_);
  const auto flushed = [&isWaiting](const std::string& path) { return !isWaiting(path); };
  std::erase_if(files_, flushed);
  std::erase_if(folders_, flushed);
}

void PendingFlushes::setObserver(std::function<void(const std::string& path)> observer) {
  std::lock_guard lock(mutex_);
  observer_ = std::move(observer);
}

bool PendingFlushes::observed() {
  std::lock_guard lock(mutex_);
  return static_cast<bool>(observer_);
}

}  // namespace slotsmith
