// What changed on disk since the last flush, for the file systems that are flushed path by path
// (FUSE drivers, network file systems, Windows): a change of a folder's entries (a new entry, a
// rename into or out of it, a removal) is remembered as the folder, a new or rewritten file as the
// file. The real file systems of every platform keep their changes here and bring only the call
// that flushes one path.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_set>

#include "core/Status.h"

namespace slotsmith {

// The folder that holds the entry at path ("." for a bare name), with separators the characters
// that may separate names ("/", or "/\\" on Windows).
std::string parentFolder(const std::string& path, std::string_view separators = "/");

// Whether path is folder or names something below it.
bool isAtOrBelow(const std::string& path, const std::string& folder,
                 std::string_view separators = "/");

class PendingFlushes {
 public:
  enum class PathFlush { Flushed, Gone, Elsewhere, Failed };
  // Flushes one path (a folder or a file) if it lies on the file system being flushed, setting
  // failure when it fails.
  using FlushPath = std::function<PathFlush(const std::string& path, bool folder, Status& failure)>;

  explicit PendingFlushes(std::string_view separators = "/");

  void rememberFile(const std::string& path);
  void rememberFolder(const std::string& path);
  // Both folders, and what was remembered at or below the old name under its new name: renamed
  // before the flush, a new file would otherwise go unflushed, since its old name is gone and the
  // folder above the new name holds only the entry.
  void rememberRename(const std::string& from, const std::string& to);

  // A folder tree copied to `to` as every real file system copies one: copy(&created) copies it
  // and says whether it created the target. A half-made copy is removed by removeCopy, but only
  // one this call created: a target that was there already (whoever made it) is neither copied
  // into nor deleted. The copy's own failure is what the caller hears about; a cleanup that fails
  // as well leaves a half-made copy under the target name, which the caller names in its report.
  // The folder above the target is remembered either way.
  Status copyFolder(const std::string& to, const std::function<Status(bool* created)>& copy,
                    const std::function<Status()>& removeCopy);
  // A folder tree at path removed by remove; the folder above it is remembered either way.
  Status removeFolder(const std::string& path, const std::function<Status()>& remove);

  // Flushes every remembered file, then every remembered folder (the entries after what they
  // name). What was flushed or is gone is forgotten on success; after a failure all are kept for
  // the next flush, and the first failure is reported.
  Status flush(const FlushPath& flushPath);

  // After a flush of a whole file system: forgets what isWaiting says no longer waits for one.
  void forgetAllBut(const std::function<bool(const std::string& path)>& isWaiting);

  // For tests of the flush path by path: while set, the caller flushes path by path everywhere,
  // and the observer hears of every path flushed.
  void setObserver(std::function<void(const std::string& path)> observer);
  bool observed();

 private:
  std::string separators_;
  std::mutex mutex_;
  std::unordered_set<std::string> files_;
  std::unordered_set<std::string> folders_;
  std::function<void(const std::string&)> observer_;
};

}  // namespace slotsmith
