// A file system that can lose power. It runs every call on an in-memory tree, as the page cache
// would, and remembers each change made since the last flush. After the power is cut at a chosen
// change, it tells which trees the disk may then hold, the way file systems without an order
// between flushes (FAT, exFAT, network shares) may leave it:
//
//  - every unflushed change kept, in order (what a killed process leaves);
//  - every unflushed change kept but one, for each of them (a later change reached the disk, an
//    earlier one did not);
//  - every unflushed change kept, the last one torn (a file write or append cut in half).
//
// A flush of the whole file system makes every change durable; a durable append makes that
// file's appends durable, as long as the file itself already is. A change that cannot apply
// because one it depends on was lost is lost as well.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "support/InMemoryFileSystem.h"

namespace slotsmith::testing {

class PowerLossFileSystem : public FileSystem {
 public:
  explicit PowerLossFileSystem(const InMemoryFileSystem& disk) : live_(disk), durable_(disk) {}

  // The change with this index (0 is the first change or flush from now on) never happens, nor
  // does any after it: the power is gone.
  void cutPowerAtChange(std::size_t index) { cutAt_ = index; }
  // Changes and flushes attempted so far (the one the cut stopped included).
  std::size_t changesAttempted() const { return changes_; }
  // The trees the disk may hold after the cut (see above); the first is the in-order one.
  std::vector<InMemoryFileSystem> statesAfterCut() const;

  EntryType entryType(const std::string& path) override { return live_.entryType(path); }
  bool canReadFile(const std::string& path) override { return live_.canReadFile(path); }
  Status readFile(const std::string& path, std::string& contents, std::size_t maxBytes,
                  bool* truncated = nullptr) override {
    return live_.readFile(path, contents, maxBytes, truncated);
  }
  Status listFolder(const std::string& path, std::vector<std::string>& names) override {
    return live_.listFolder(path, names);
  }
  bool isWritableFolder(const std::string& path) override { return live_.isWritableFolder(path); }
  Status diskUsage(const std::string& path, std::uint64_t& bytes) override {
    return live_.diskUsage(path, bytes);
  }
  Status lockFile(const std::string& path, const std::string& holder,
                  std::unique_ptr<FileLock>& lock) override {
    return live_.lockFile(path, holder, lock);
  }

  Status writeFileAtomically(const std::string& path, const std::string& contents) override;
  Status createFile(const std::string& path, const std::string& contents) override;
  Status createFolder(const std::string& path) override;
  Status renameFolder(const std::string& from, const std::string& to) override;
  Status renameFile(const std::string& from, const std::string& to) override;
  Status copyFolder(const std::string& from, const std::string& to) override;
  Status removeFolder(const std::string& path) override;
  Status appendToFileDurably(const std::string& path, const std::string& text) override;
  Status syncFileSystem(const std::string& path) override;

 private:
  struct Change {
    enum class Kind { WriteFile, CreateFile, CreateFolder, Rename, Copy, Remove, Append };
    Kind kind;
    std::string path;
    std::string other;  // a rename's or copy's target
    std::string bytes;
  };
  // False when the power is gone; counts the change otherwise.
  bool powered();
  // Runs a change on the live tree and remembers it when it succeeded.
  Status record(Change change);
  static Status apply(InMemoryFileSystem& disk, const Change& change);

  InMemoryFileSystem live_;
  InMemoryFileSystem durable_;
  std::vector<Change> unflushed_;
  std::optional<std::size_t> cutAt_;
  std::size_t changes_ = 0;
};

}  // namespace slotsmith::testing
