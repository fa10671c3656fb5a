// A FileSystem that passes every call to another one, except that it fails one chosen change or
// read on command: the k-th rename, copy, remove, write, append or flush of a run fails without
// changing anything, as a full disk or a pulled cable would, or the k-th file read fails as a bad
// sector would. Tests run an edit once per step with the fault moved along, and check that no sound
// is lost wherever it stops, and that an edit that could not read what it needs changes nothing. To
// simulate a crash, every change from the k-th on fails, and recovery runs afterwards.
#pragma once

#include <cstddef>
#include <optional>

#include "core/FileSystem.h"

namespace slotsmith::testing {

class FaultInjectingFileSystem : public FileSystem {
 public:
  explicit FaultInjectingFileSystem(FileSystem& inner) : inner_(inner) {}

  // The change with this index (0 is the first rename, copy, remove or write from now on) fails.
  void failChange(std::size_t index) {
    failAt_ = index;
    changes_ = 0;
    crashes_ = false;
  }
  // The change with this index and every later one fail, as if the process had died there: what
  // is on disk is what a crash at that moment leaves (everything done so far was flushed).
  void crashAtChange(std::size_t index) {
    failChange(index);
    crashes_ = true;
  }
  // The file read with this index (0 is the first readFile of an existing entry from now on)
  // fails with an I/O error.
  void failRead(std::size_t index) {
    failReadAt_ = index;
    reads_ = 0;
    readsBeforeFirstChange_.reset();
  }
  // How many changes were attempted since the last failChange() (the failed one included).
  std::size_t changesAttempted() const { return changes_; }
  // How many files were read since the last failRead() (the failed one included).
  std::size_t readsAttempted() const { return reads_; }
  // How many files were read since the last failRead() before the first change the user could
  // see was attempted (changes inside the program's own .slotsmith folder do not count): the
  // reads an edit plans with.
  std::size_t readsBeforeFirstChange() const { return readsBeforeFirstChange_.value_or(reads_); }
  bool faultHappened() const { return faultHappened_; }

  Status anchorRoot(const std::string& root, std::unique_ptr<RootAnchor>& anchor) override {
    return inner_.anchorRoot(root, anchor);
  }
  EntryType entryType(const std::string& path) override { return inner_.entryType(path); }
  bool canReadFile(const std::string& path) override { return inner_.canReadFile(path); }
  Status readFile(const std::string& path, std::string& contents, std::size_t maxBytes,
                  bool* truncated = nullptr) override;
  Status writeFileAtomically(const std::string& path, const std::string& contents) override;
  Status createFile(const std::string& path, const std::string& contents) override;
  Status createFolder(const std::string& path) override;
  Status listFolder(const std::string& path, std::vector<std::string>& names) override {
    return inner_.listFolder(path, names);
  }
  Status renameFolder(const std::string& from, const std::string& to) override;
  Status copyFolder(const std::string& from, const std::string& to) override;
  Status removeFolder(const std::string& path) override;
  bool isWritableFolder(const std::string& path) override { return inner_.isWritableFolder(path); }
  Status renameFile(const std::string& from, const std::string& to) override;
  Status appendToFileDurably(const std::string& path, const std::string& text) override;
  Status syncFileSystem(const std::string& path) override;
  void rememberRenameToFlush(const std::string& from, const std::string& to) override {
    inner_.rememberRenameToFlush(from, to);
  }
  Status diskUsage(const std::string& path, std::uint64_t& bytes) override {
    return inner_.diskUsage(path, bytes);
  }
  Status lockFile(const std::string& path, const std::string& holder,
                  std::unique_ptr<FileLock>& lock) override {
    return inner_.lockFile(path, holder, lock);
  }

 private:
  // Counts a change; true when this one is to fail.
  bool shouldFail(const std::string& path, const std::string& other = {});

  FileSystem& inner_;
  std::optional<std::size_t> failAt_;
  std::size_t changes_ = 0;
  bool crashes_ = false;
  std::optional<std::size_t> failReadAt_;
  std::size_t reads_ = 0;
  std::optional<std::size_t> readsBeforeFirstChange_;
  bool faultHappened_ = false;
};

}  // namespace slotsmith::testing
