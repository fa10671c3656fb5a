// A FileSystem that passes every call to another one, except that just before its N-th change
// (a write, create, rename, copy, removal, append or lock) it does what a program racing the
// engine would: renames a chosen folder aside and puts a symbolic link to another folder in its
// place. Right before a change is the worst moment for the swap: every look the engine took is
// behind it, and only the change itself can still notice. Tests sweep N over every change of a
// run and check that nothing in the folder the link names changed.
#pragma once

#include <cstddef>
#include <limits>
#include <string>

#include "core/FileSystem.h"

namespace slotsmith::testing {

class SwappingFileSystem : public FileSystem {
 public:
  explicit SwappingFileSystem(FileSystem& inner) : inner_(inner) {}

  // Before the change with this index (0 is the first from now on), folder goes aside and a link
  // to target takes its name. A folder that is not there at that moment is left alone.
  void swapBeforeChange(std::size_t index, std::string folder, std::string target) {
    swapAt_ = index;
    calls_ = 0;
    swapped_ = false;
    folder_ = std::move(folder);
    target_ = std::move(target);
  }
  // Changes made since swapBeforeChange (all of them when it never swapped).
  std::size_t changesMade() const { return calls_; }
  bool swapped() const { return swapped_; }

  Status anchorRoot(const std::string& root, std::unique_ptr<RootAnchor>& anchor) override {
    return inner_.anchorRoot(root, anchor);
  }
  EntryType entryType(const std::string& path) override { return inner_.entryType(path); }
  bool canReadFile(const std::string& path) override { return inner_.canReadFile(path); }
  Status readFile(const std::string& path, std::string& contents, std::size_t maxBytes,
                  bool* truncated = nullptr) override {
    return inner_.readFile(path, contents, maxBytes, truncated);
  }
  std::unique_ptr<FolderReader> folderReader(const std::string& folder) override {
    return inner_.folderReader(folder);
  }
  Status writeFileAtomically(const std::string& path, const std::string& contents) override {
    tick();
    return inner_.writeFileAtomically(path, contents);
  }
  Status createFile(const std::string& path, const std::string& contents) override {
    tick();
    return inner_.createFile(path, contents);
  }
  Status createLockedFile(const std::string& path, const std::string& contents,
                          std::unique_ptr<FileLock>& lock) override {
    tick();
    return inner_.createLockedFile(path, contents, lock);
  }
  Status createFolder(const std::string& path) override {
    tick();
    return inner_.createFolder(path);
  }
  Status listFolder(const std::string& path, std::vector<std::string>& names) override {
    return inner_.listFolder(path, names);
  }
  Status listFolderEntries(const std::string& path, std::vector<FolderEntry>& entries) override {
    return inner_.listFolderEntries(path, entries);
  }
  Status renameFolder(const std::string& from, const std::string& to) override {
    tick();
    return inner_.renameFolder(from, to);
  }
  Status copyFolder(const std::string& from, const std::string& to) override {
    tick();
    return inner_.copyFolder(from, to);
  }
  Status removeFolder(const std::string& path) override {
    tick();
    return inner_.removeFolder(path);
  }
  bool isWritableFolder(const std::string& path) override { return inner_.isWritableFolder(path); }
  Status renameFile(const std::string& from, const std::string& to) override {
    tick();
    return inner_.renameFile(from, to);
  }
  Status appendToFileDurably(const std::string& path, const std::string& text) override {
    tick();
    return inner_.appendToFileDurably(path, text);
  }
  // Not passed on: the race is about where changes land, not when they reach the disk, and a
  // flush of the whole disk per step would make a sweep of hundreds of runs take minutes.
  Status syncFileSystem(const std::string& path) override {
    static_cast<void>(path);
    tick();
    return Status::ok();
  }
  void rememberRenameToFlush(const std::string& from, const std::string& to) override {
    inner_.rememberRenameToFlush(from, to);
  }
  Status diskUsage(const std::string& path, std::uint64_t& bytes) override {
    return inner_.diskUsage(path, bytes);
  }
  Status lockFile(const std::string& path, const std::string& holder,
                  std::unique_ptr<FileLock>& lock) override {
    tick();
    return inner_.lockFile(path, holder, lock);
  }
  Status lockFileShared(const std::string& path, std::unique_ptr<FileLock>& lock) override {
    tick();
    return inner_.lockFileShared(path, lock);
  }

 private:
  // Counts a change; swaps the folder when this is the chosen one.
  void tick();

  FileSystem& inner_;
  std::size_t swapAt_ = std::numeric_limits<std::size_t>::max();
  std::size_t calls_ = 0;
  bool swapped_ = false;
  std::string folder_;
  std::string target_;
};

}  // namespace slotsmith::testing
