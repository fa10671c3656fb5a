// A file tree held in memory that behaves like the real file system as far as the FileSystem seam
// promises: renames never replace a target, copies need a free target, writes need an existing
// folder. Plan tests run edits on it without touching the disk, and can make folders read-only.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/FileSystem.h"

namespace slotsmith::testing {

class InMemoryFileSystem : public FileSystem {
 public:
  // Creates the folder and every folder above it.
  void addFolder(const std::string& path);
  // Creates the file (and the folders above it) with the contents.
  void addFile(const std::string& path, const std::string& contents);
  // Lets go of every lock, as the end of the process that held them does.
  void forgetLocks() { locked_.clear(); }
  // New entries can no longer be created in, or renamed out of, the folder.
  void makeReadOnly(const std::string& folder) { readOnly_.insert(folder); }

  // Every path in the tree below (not including) path, sorted; folders end with "/".
  std::vector<std::string> treeBelow(const std::string& path) const;
  // The file's contents, or "<missing>".
  std::string contentsOf(const std::string& path) const;

  EntryType entryType(const std::string& path) override;
  bool canReadFile(const std::string& path) override;
  Status readFile(const std::string& path, std::string& contents, std::size_t maxBytes,
                  bool* truncated = nullptr) override;
  Status writeFileAtomically(const std::string& path, const std::string& contents) override;
  Status createFile(const std::string& path, const std::string& contents) override;
  Status createFolder(const std::string& path) override;
  Status listFolder(const std::string& path, std::vector<std::string>& names) override;
  Status renameFolder(const std::string& from, const std::string& to) override;
  Status copyFolder(const std::string& from, const std::string& to) override;
  Status removeFolder(const std::string& path) override;
  bool isWritableFolder(const std::string& path) override;
  Status renameFile(const std::string& from, const std::string& to) override {
    return renameFolder(from, to);
  }
  Status appendToFileDurably(const std::string& path, const std::string& text) override;
  Status syncFileSystem(const std::string&) override { return Status::ok(); }
  Status diskUsage(const std::string& path, std::uint64_t& bytes) override;
  Status lockFile(const std::string& path, const std::string& holder,
                  std::unique_ptr<FileLock>& lock) override;

 private:
  struct Node {
    bool isFolder = false;
    std::string contents;
  };
  // The path and every path below it, as iterators over entries_.
  std::vector<std::string> subtree(const std::string& path) const;
  Status checkNewEntry(const std::string& path);

  std::map<std::string, Node> entries_;
  std::set<std::string> readOnly_;
  std::set<std::string> locked_;
};

}  // namespace slotsmith::testing
