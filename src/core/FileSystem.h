// The seam between Slotsmith and the disk. Everything that reads or changes a database goes
// through this interface, so that tests can run the same code on an in-memory tree or on a real
// folder whose operations fail on command. The real implementation never starts a process and
// never follows a symbolic link when it deletes or copies.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/Status.h"

namespace slotsmith {

enum class EntryType { Missing, File, Folder, Other };

// One entry of a folder and what it is, as entryType() tells it (a symbolic link is Other).
struct FolderEntry {
  std::string name;
  EntryType type = EntryType::Missing;
};

// An exclusive lock held on a file; released when the object goes away (or the process ends).
class FileLock {
 public:
  virtual ~FileLock() = default;
};

// What an entry says of its contents without reading them: when none of these changed, neither
// did the contents (short of a rewrite in place, of the same size, within the file system's clock
// tick). A missing entry keeps the values below.
struct EntryStamp {
  std::int64_t seconds = -1;
  std::int64_t nanoseconds = -1;
  std::int64_t size = -1;
  std::uint64_t inode = 0;
  bool operator==(const EntryStamp&) const = default;
};

// Reads the files below one folder by their paths relative to it. A scan reads a bank's 1000
// scripts through one reader, so that the real file system looks up the database's own path once
// rather than once per file.
class FolderReader {
 public:
  virtual ~FolderReader() = default;

  // As FileSystem::readFile, for the file at folder/relative.
  virtual Status readFile(std::string_view relative, std::string& contents,
                          std::size_t maxBytes) = 0;

  // Fills stamp from the entry at folder/relative, following no link (a missing entry leaves it
  // as it is), and returns true; or returns false when this file system keeps no stamps, and only
  // reading a file tells whether it changed.
  virtual bool stampEntry(std::string_view relative, EntryStamp& stamp) {
    static_cast<void>(relative);
    static_cast<void>(stamp);
    return false;
  }

  // As readFile, but for a reader that follows no link: the file and every folder on the way
  // from folder to it must be what they seem, a plain file and plain folders. A link or a device
  // met on the way fails with Refused and names it; a file longer than maxBytes is read in part
  // and truncated set. The real file system makes its checks on what it opens (O_NOFOLLOW), so
  // nothing can be swapped in between a look and the read, and fills opened, when given, with
  // the stamp of the file it read.
  virtual Status readPlainFile(std::string_view relative, std::string& contents,
                               std::size_t maxBytes, bool& truncated, EntryStamp* opened) = 0;
};

// Held while an engine acts on a database: see FileSystem::anchorRoot.
class RootAnchor {
 public:
  virtual ~RootAnchor() = default;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Opens the folder root once (by its path as given: a root the user reached through a link is
  // the one the user chose) and, for as long as anchor lives, makes every change below it (a
  // write, a create, a rename, a removal, a copy, an append, a lock) find its path from that open
  // folder one name at a time, never through a symbolic link. A database may come from someone
  // else, and whatever lies inside it may be swapped for a link between the look the engine takes
  // and the change it then makes; resolved this way, a link met on the way fails the change
  // instead of carrying it outside the root. Reads (a scan, a listing) still follow links as they
  // always have: they change nothing. Several roots may be anchored at once; a path belongs to
  // the longest one it lies below. This default anchors nothing: a file system that is no disk
  // has nothing to race.
  virtual Status anchorRoot(const std::string& root, std::unique_ptr<RootAnchor>& anchor) {
    static_cast<void>(root);
    anchor.reset();
    return Status::ok();
  }

  // What lies at path, without following a final symbolic link ("Other" for a link, a device...).
  virtual EntryType entryType(const std::string& path) = 0;

  // Whether a regular file at path (links followed) can be opened for reading.
  virtual bool canReadFile(const std::string& path) = 0;

  // Reads at most maxBytes of the regular file at path into contents, reusing its capacity.
  // A folder, a device or a missing file is an error; a file longer than maxBytes is read in part
  // (and truncated is set), never an error.
  virtual Status readFile(const std::string& path, std::string& contents, std::size_t maxBytes,
                          bool* truncated = nullptr) = 0;

  // A reader of the files below folder. This default joins the paths and calls readFile; the
  // real file system opens the folder once and each file relative to it.
  virtual std::unique_ptr<FolderReader> folderReader(const std::string& folder);

  // Replaces (or creates) the file at path with contents so that a reader sees either the old or
  // the new bytes, never a truncated file: a temporary file beside it, then a rename over it.
  virtual Status writeFileAtomically(const std::string& path, const std::string& contents) = 0;

  // Creates a new file with contents; fails (AlreadyExists) when anything is at path. Unlike
  // writeFileAtomically it does not flush: it is for files that are new as a whole, such as a
  // freshly written demo database, where nothing old can be lost.
  virtual Status createFile(const std::string& path, const std::string& contents) = 0;

  // createFile, keeping an exclusive lock on the new file in lock until it is released (which
  // leaves the file as it is): a file made to be renamed into place later, which another run must
  // not take for one a killed run left behind while this one still has it. A file system without
  // locks takes none.
  virtual Status createLockedFile(const std::string& path, const std::string& contents,
                                  std::unique_ptr<FileLock>& lock) {
    lock.reset();
    return createFile(path, contents);
  }

  // Creates a folder; fails (AlreadyExists) when anything is at path. The folder above must exist.
  virtual Status createFolder(const std::string& path) = 0;

  // The names of the entries of a folder (no "." or ".."), in no particular order.
  virtual Status listFolder(const std::string& path, std::vector<std::string>& names) = 0;

  // The entries of a folder with what each one is (no "." or ".."), in no particular order,
  // reusing the capacity of entries. The real file system takes the types from the listing
  // itself where the disk's file system records them there, so that looking at a bank of 1000
  // slot folders is one listing rather than 1000 look-ups; this default looks at each entry.
  virtual Status listFolderEntries(const std::string& path, std::vector<FolderEntry>& entries) {
    entries.clear();
    std::vector<std::string> names;
    Status status = listFolder(path, names);
    for (std::string& name : names) {
      const EntryType type = entryType(path + "/" + name);
      entries.push_back({std::move(name), type});
    }
    return status;
  }

  // Renames a folder; fails (AlreadyExists) rather than replace an existing target.
  virtual Status renameFolder(const std::string& from, const std::string& to) = 0;

  // Copies a folder with everything in it to a target that must not exist yet. Symbolic links
  // inside are copied as links, not followed.
  virtual Status copyFolder(const std::string& from, const std::string& to) = 0;

  // Deletes a folder and everything in it, or the file or link at path. A symbolic link is removed
  // as a link; what it points to is never touched.
  virtual Status removeFolder(const std::string& path) = 0;

  // Whether new entries can be created in the folder at path (and entries renamed out of it).
  virtual bool isWritableFolder(const std::string& path) = 0;

  // Renames a file (or a folder); fails (AlreadyExists) rather than replace an existing target.
  // Both paths lie on one file system, so the rename is atomic.
  virtual Status renameFile(const std::string& from, const std::string& to) = 0;

  // Appends text to an existing file and flushes the file to the disk before returning, so that
  // the text survives a crash once this returns ok. A short text (one line) lands whole or not
  // at all.
  virtual Status appendToFileDurably(const std::string& path, const std::string& text) = 0;

  // Flushes everything written on the file system that holds path (files, folders and renames)
  // to the disk: one call makes a whole batch of changes durable. The real file system flushes
  // the whole file system where the kernel writes it to the disk itself, and elsewhere (FUSE
  // drivers, network file systems) each file and folder it changed since its last flush.
  virtual Status syncFileSystem(const std::string& path) = 0;

  // Tells a file system that is flushed path by path that a rename from -> to may be waiting for a
  // flush although this object did not make it (a process that died did, and the cache may still
  // hold it): the next syncFileSystem flushes both folders. Where a flush covers the whole file
  // system there is nothing to remember.
  virtual void rememberRenameToFlush(const std::string& from, const std::string& to) {
    static_cast<void>(from);
    static_cast<void>(to);
  }

  // The bytes of the regular files at or below path (symbolic links not followed).
  virtual Status diskUsage(const std::string& path, std::uint64_t& bytes) = 0;

  // Takes an exclusive lock on the file at path (created when missing) without waiting, and
  // writes holder into the file. When another process or object holds it, fails with
  // AlreadyExists and the holder's text as the reason. Reading the file never waits for a lock.
  virtual Status lockFile(const std::string& path, const std::string& holder,
                          std::unique_ptr<FileLock>& lock) = 0;

  // Takes a shared lock on the file at path without waiting and without writing anything, so
  // that a folder that is only read stays untouched: many readers may hold it, and none while
  // lockFile's exclusive lock is held (then AlreadyExists, with the holder's text as the reason).
  // No file there: nobody can hold the exclusive lock, and no lock is taken. A file system
  // without locks takes none.
  virtual Status lockFileShared(const std::string& path, std::unique_ptr<FileLock>& lock) {
    static_cast<void>(path);
    lock.reset();
    return Status::ok();
  }
};

// The reader every file system has: it joins the paths and asks the file system.
class JoiningFolderReader final : public FolderReader {
 public:
  JoiningFolderReader(FileSystem& fs, std::string folder) : fs_(fs), folder_(std::move(folder)) {}

  Status readFile(std::string_view relative, std::string& contents, std::size_t maxBytes) override {
    path_.assign(folder_);
    path_ += '/';
    path_ += relative;
    return fs_.readFile(path_, contents, maxBytes);
  }

  // Looks at each entry on the way, then reads by the path: a file system that is no disk has no
  // links to race.
  Status readPlainFile(std::string_view relative, std::string& contents, std::size_t maxBytes,
                       bool& truncated, EntryStamp* opened) override {
    static_cast<void>(opened);
    contents.clear();
    truncated = false;
    path_.assign(folder_);
    for (std::size_t start = 0; start <= relative.size();) {
      std::size_t end = relative.find('/', start);
      if (end == std::string_view::npos) end = relative.size();
      path_ += '/';
      path_ += relative.substr(start, end - start);
      const bool last = end == relative.size();
      const EntryType type = fs_.entryType(path_);
      if (type == EntryType::Other) {
        return Status::refused(path_ + ": a link or a device, which is not followed");
      }
      // The file itself is left to readFile, which tells what is wrong with it.
      if (!last && type != EntryType::Folder) return Status::notFound(path_);
      start = end + 1;
    }
    return fs_.readFile(path_, contents, maxBytes, &truncated);
  }

 private:
  FileSystem& fs_;
  std::string folder_;
  std::string path_;
};

inline std::unique_ptr<FolderReader> FileSystem::folderReader(const std::string& folder) {
  return std::make_unique<JoiningFolderReader>(*this, folder);
}

// The operating system's file system.
FileSystem& realFileSystem();

// For tests of the flush path by path, which otherwise runs only on file systems that a test
// cannot count on: while an observer is set, syncFileSystem on realFileSystem() flushes path by
// path on every file system and calls the observer with each path it flushed. An empty function
// restores the choice by the type of file system.
void observeRealFileSystemFlushes(std::function<void(const std::string& path)> flushed);

// "pid 1234 on host studio (slotsmith)": names this process as the holder of a lock it takes.
std::string thisProcessDescription();

// Takes the lock at path for a run that writes (lockFile, with this process as the holder). A run
// that only reads holds the lock shared, and briefly (the sound library reads a database's
// changed slots after each edit): while such a run holds it, this waits for up to readerWait
// before it gives up, with lockFile's answer (AlreadyExists without a holder's text).
Status lockForWriting(FileSystem& fs, const std::string& path, std::unique_ptr<FileLock>& lock,
                      std::chrono::milliseconds readerWait = std::chrono::seconds(2));

// A path the user or the system gave, in the form the engine writes its own: on Windows, where
// '\' separates folders as '/' does, with '/' throughout, so that messages name slots the same
// way everywhere; elsewhere, where '\' is a character like any other, as it is.
std::string pathWithForwardSlashes(std::string_view path);

}  // namespace slotsmith
