// The FileSystem seam on POSIX calls. Everything here works on the path bytes as given (no
// shell, no quoting), never replaces an existing folder by renaming onto it, and never follows a
// symbolic link when copying or deleting, so nothing outside the database root can be reached
// through a link inside it. It remembers what it changed until the next flush, for the file
// systems on which only a flush of each changed file and folder reaches the disk (on macOS, all
// of them). The calls that differ between Linux and macOS are in core/PosixPlatform.h.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/FileSystem.h"
#include "core/PendingFlushes.h"
#include "core/PosixPlatform.h"

namespace slotsmith {
namespace {

Status errnoStatus(const std::string& path, int error) {
  if (error == ENOENT || error == ENOTDIR) return Status::notFound(path, std::strerror(error));
  if (error == EEXIST || error == ENOTEMPTY) return Status::alreadyExists(path);
  return Status::ioError(path, std::strerror(error));
}

// Opens a regular file for reading; fails for folders, devices and pipes, and never blocks on a
// pipe that has no writer. A relative path is taken from the open folder (or the working folder).
int openRegularFile(const char* path, struct stat& info, int folder = AT_FDCWD) {
  const int fd = ::openat(folder, path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return -1;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    errno = EISDIR;
    return -1;
  }
  return fd;
}

int openRegularFile(const std::string& path, struct stat& info) {
  return openRegularFile(path.c_str(), info);
}

// Whether the open file fd may be written in place: a plain file that no other name shares. The
// lock file and the journals lie in a folder that came with the database, perhaps from elsewhere;
// a hard link planted there would have us truncate or append to a file outside the database. The
// look is at the file opened, so nothing can be swapped in between the look and the write.
Status ownFileStatus(int fd, const std::string& path) {
  struct stat info;
  if (::fstat(fd, &info) != 0) return errnoStatus(path, errno);
  if (!S_ISREG(info.st_mode)) {
    return Status::invalid(path, "is not a plain file; nothing was written to it");
  }
  if (info.st_nlink > 1) {
    return Status::invalid(path,
                           "has other hard links, so writing it would change a file elsewhere "
                           "too; nothing was written to it");
  }
  return Status::ok();
}

// Opens the file at path for writing in place (flags add to O_CLOEXEC, O_NOFOLLOW and O_NONBLOCK,
// which keeps a pipe planted there from stalling the open); -1 with status set when it cannot be
// opened or is not a file of its own (ownFileStatus).
int openOwnFile(const std::string& path, int flags, Status& status) {
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
  if (fd < 0) {
    status = errnoStatus(path, errno);
    return -1;
  }
  status = ownFileStatus(fd, path);
  if (status.isOk()) return fd;
  ::close(fd);
  return -1;
}

Status writeAll(int fd, const std::string& contents, const std::string& path) {
  std::size_t written = 0;
  while (written < contents.size()) {
    const ssize_t n = ::write(fd, contents.data() + written, contents.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errnoStatus(path, errno);
    }
    written += static_cast<std::size_t>(n);
  }
  return Status::ok();
}

Status copyFile(const std::string& from, const std::string& to, mode_t mode) {
  struct stat info;
  const int in = openRegularFile(from, info);
  if (in < 0) return errnoStatus(from, errno);
  const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode & 07777);
  if (out < 0) {
    const int error = errno;
    ::close(in);
    return errnoStatus(to, error);
  }
  Status status;
  std::string buffer(1 << 16, '\0');
  for (;;) {
    const ssize_t n = ::read(in, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      status = errnoStatus(from, errno);
      break;
    }
    if (n == 0) break;
    status = writeAll(out, buffer.substr(0, static_cast<std::size_t>(n)), to);
    if (!status.isOk()) break;
  }
  ::close(in);
  if (::close(out) != 0 && status.isOk()) status = errnoStatus(to, errno);
  return status;
}

// An flock held on an open file. The holder text is cleared before the lock is let go, so that a
// lock file with text in it and no lock on it was left by a process that ended without letting go.
class FlockedFile final : public FileLock {
 public:
  explicit FlockedFile(int fd) : fd_(fd) {}
  ~FlockedFile() override {
    static_cast<void>(::ftruncate(fd_, 0));
    ::close(fd_);  // closing the last descriptor releases the flock
  }
  FlockedFile(const FlockedFile&) = delete;
  FlockedFile& operator=(const FlockedFile&) = delete;

 private:
  int fd_;
};

// A shared flock on a file that is only read: letting go writes nothing.
class SharedLock final : public FileLock {
 public:
  explicit SharedLock(int fd) : fd_(fd) {}
  ~SharedLock() override { ::close(fd_); }
  SharedLock(const SharedLock&) = delete;
  SharedLock& operator=(const SharedLock&) = delete;

 private:
  int fd_;
};

// Reads at most maxBytes of the open regular file fd into contents and closes it: 0, or the
// errno of the read that failed.
int readOpenFile(int fd, const struct stat& info, std::string& contents, std::size_t maxBytes,
                 bool* truncated) {
  std::size_t size = 0;
  // A byte more than the file holds: the read that comes back short has met the end, so a whole
  // file costs one read rather than a second one that returns nothing.
  const std::size_t expected = static_cast<std::size_t>(info.st_size);
  contents.resize(std::min(expected < maxBytes ? expected + 1 : expected, maxBytes));
  for (;;) {
    if (size == contents.size()) {
      if (size >= maxBytes) break;
      contents.resize(std::min(maxBytes, size * 2 + 4096));  // the file grew while we read
    }
    const std::size_t wanted = contents.size() - size;
    const ssize_t n = ::read(fd, contents.data() + size, wanted);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      ::close(fd);
      contents.clear();
      return error;
    }
    if (n == 0) break;
    size += static_cast<std::size_t>(n);
    if (static_cast<std::size_t>(n) < wanted) break;
  }
  if (truncated && size == maxBytes) {
    char probe;
    *truncated = ::read(fd, &probe, 1) == 1;
  }
  ::close(fd);
  contents.resize(size);
  return 0;
}

// Files opened relative to an open folder: the kernel walks only the relative part of each path.
class RealFolderReader final : public FolderReader {
 public:
  RealFolderReader(int fd, std::string folder) : fd_(fd), folder_(std::move(folder)) {}
  ~RealFolderReader() override { ::close(fd_); }
  RealFolderReader(const RealFolderReader&) = delete;
  RealFolderReader& operator=(const RealFolderReader&) = delete;

  Status readFile(std::string_view relative, std::string& contents, std::size_t maxBytes) override {
    contents.clear();
    relative_.assign(relative);
    struct stat info;
    const int fd = openRegularFile(relative_.c_str(), info, fd_);
    const int error = fd < 0 ? errno : readOpenFile(fd, info, contents, maxBytes, nullptr);
    return error == 0 ? Status::ok() : errnoStatus(folder_ + "/" + relative_, error);
  }

 private:
  int fd_;
  std::string folder_;
  std::string relative_;
};

class RealFileSystem final : public FileSystem {
 public:
  void setFlushObserver(std::function<void(const std::string&)> observer) {
    pending_.setObserver(std::move(observer));
  }

  EntryType entryType(const std::string& path) override {
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0) return EntryType::Missing;
    if (S_ISREG(info.st_mode)) return EntryType::File;
    if (S_ISDIR(info.st_mode)) return EntryType::Folder;
    return EntryType::Other;
  }

  bool canReadFile(const std::string& path) override {
    struct stat info;
    const int fd = openRegularFile(path, info);
    if (fd < 0) return false;
    ::close(fd);
    return true;
  }

  Status readFile(const std::string& path, std::string& contents, std::size_t maxBytes,
                  bool* truncated) override {
    contents.clear();
    if (truncated) *truncated = false;
    struct stat info;
    const int fd = openRegularFile(path, info);
    if (fd < 0) return errnoStatus(path, errno);
    const int error = readOpenFile(fd, info, contents, maxBytes, truncated);
    return error == 0 ? Status::ok() : errnoStatus(path, error);
  }

  std::unique_ptr<FolderReader> folderReader(const std::string& folder) override {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // A folder that cannot be opened: each read then fails with its own path, as readFile's do.
    if (fd < 0) return FileSystem::folderReader(folder);
    return std::make_unique<RealFolderReader>(fd, folder);
  }

  Status writeFileAtomically(const std::string& path, const std::string& contents) override {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temporary = folder + "/." + base + ".slotsmith-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return errnoStatus(folder, errno);
    // Keep the permissions of the file being replaced; a new file gets the usual 0644.
    struct stat info;
    const mode_t mode = ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0644;
    Status status = writeAll(fd, contents, temporary);
    if (status.isOk() && ::fchmod(fd, mode) != 0) status = errnoStatus(temporary, errno);
    if (status.isOk() && posix::orderBeforeRename(fd) != 0) status = errnoStatus(temporary, errno);
    if (::close(fd) != 0 && status.isOk()) status = errnoStatus(temporary, errno);
    if (status.isOk() && ::rename(temporary.c_str(), path.c_str()) != 0) {
      status = errnoStatus(path, errno);
    }
    if (!status.isOk()) {
      ::unlink(temporary.c_str());
      return status;
    }
    pending_.rememberFile(path);
    pending_.rememberFolder(folder);
    return status;
  }

  Status createFile(const std::string& path, const std::string& contents) override {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return errnoStatus(path, errno);
    Status status = writeAll(fd, contents, path);
    if (::close(fd) != 0 && status.isOk()) status = errnoStatus(path, errno);
    if (!status.isOk()) {
      ::unlink(path.c_str());
      return status;
    }
    pending_.rememberFile(path);
    pending_.rememberFolder(parentFolder(path));
    return status;
  }

  Status createLockedFile(const std::string& path, const std::string& contents,
                          std::unique_ptr<FileLock>& lock) override {
    lock.reset();
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return errnoStatus(path, errno);
    // Locked before a byte is written: whoever finds the file with its contents in finds it locked
    // for as long as this run lives.
    Status status = ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? Status::ok() : errnoStatus(path, errno);
    if (status.isOk()) status = writeAll(fd, contents, path);
    if (!status.isOk()) {
      ::unlink(path.c_str());
      ::close(fd);
      return status;
    }
    lock = std::make_unique<SharedLock>(fd);  // closing the descriptor lets go, writing nothing
    pending_.rememberFile(path);
    pending_.rememberFolder(parentFolder(path));
    return status;
  }

  Status createFolder(const std::string& path) override {
    if (::mkdir(path.c_str(), 0755) != 0) return errnoStatus(path, errno);
    pending_.rememberFolder(path);
    pending_.rememberFolder(parentFolder(path));
    return Status::ok();
  }

  Status listFolder(const std::string& path, std::vector<std::string>& names) override {
    names.clear();
    DIR* dir = ::opendir(path.c_str());
    if (dir == nullptr) return errnoStatus(path, errno);
    while (const dirent* entry = ::readdir(dir)) {
      const std::string_view name = entry->d_name;
      if (name != "." && name != "..") names.emplace_back(name);
    }
    ::closedir(dir);
    return Status::ok();
  }

  Status listFolderEntries(const std::string& path, std::vector<FolderEntry>& entries) override {
    entries.clear();
    const int error =
        posix::forEachFolderEntry(path, [&](std::string_view name, unsigned char type) {
          entries.push_back({std::string(name), entryTypeOf(type, path, name)});
        });
    if (error != 0) {
      entries.clear();
      return errnoStatus(path, error);
    }
    return Status::ok();
  }

  Status renameFolder(const std::string& from, const std::string& to) override {
    if (posix::renameWithoutReplacing(from, to) != 0) {
      if (!posix::renameIsNeverExclusive(errno)) {
        return errnoStatus(errno == EEXIST ? to : from, errno);
      }
      // A file system that cannot refuse to replace in the rename itself: look first, then
      // rename. The look still refuses a target that is there; only one made by another program
      // between the two calls could be replaced, and the lock on the database keeps Slotsmith's
      // own processes out.
      struct stat info;
      if (::lstat(to.c_str(), &info) == 0) return Status::alreadyExists(to);
      if (::rename(from.c_str(), to.c_str()) != 0) return errnoStatus(from, errno);
    }
    pending_.rememberRename(from, to);
    return Status::ok();
  }

  Status renameFile(const std::string& from, const std::string& to) override {
    return renameFolder(from, to);
  }

  Status appendToFileDurably(const std::string& path, const std::string& text) override {
    Status status;
    const int fd = openOwnFile(path, O_WRONLY | O_APPEND, status);
    if (fd < 0) return status;
    status = writeAll(fd, text, path);
    if (status.isOk() && posix::flushDataToDisk(fd) != 0) status = errnoStatus(path, errno);
    if (::close(fd) != 0 && status.isOk()) status = errnoStatus(path, errno);
    // Its data flush promises the data; the flush promises the size and times as well.
    if (status.isOk()) pending_.rememberFile(path);
    return status;
  }

  void rememberRenameToFlush(const std::string& from, const std::string& to) override {
    pending_.rememberRename(from, to);
  }

  Status syncFileSystem(const std::string& path) override {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errnoStatus(path, errno);
    struct stat info;
    Status status;
    if (::fstat(fd, &info) != 0) status = errnoStatus(path, errno);
    int error = 0;
    if (status.isOk() && !pending_.observed() && posix::flushWholeFileSystem(fd, error)) {
      status = error == 0 ? Status::ok() : errnoStatus(path, error);
      // What lies on that file system (or is gone) needs no flush any more; what lies on another
      // one waits for that one's flush.
      const dev_t device = info.st_dev;
      if (status.isOk()) {
        pending_.forgetAllBut([device](const std::string& changed) {
          struct stat at;
          return ::lstat(changed.c_str(), &at) == 0 && at.st_dev != device;
        });
      }
    } else if (status.isOk()) {
      const dev_t device = info.st_dev;
      status = pending_.flush([device](const std::string& changed, bool folder, Status& failure) {
        return flushPath(changed, folder, device, failure);
      });
    }
    ::close(fd);
    return status;
  }

  Status diskUsage(const std::string& path, std::uint64_t& bytes) override {
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0) return errnoStatus(path, errno);
    if (S_ISREG(info.st_mode)) bytes += static_cast<std::uint64_t>(info.st_size);
    if (!S_ISDIR(info.st_mode)) return Status::ok();
    std::vector<std::string> names;
    Status status = listFolder(path, names);
    for (std::size_t i = 0; status.isOk() && i < names.size(); ++i) {
      status = diskUsage(path + "/" + names[i], bytes);
    }
    return status;
  }

  Status lockFile(const std::string& path, const std::string& holder,
                  std::unique_ptr<FileLock>& lock) override {
    // Not remembered for the flush: the lock file means something only while its holder lives.
    // A lock file that is a link would have us truncate whatever it points to.
    Status opened;
    const int fd = openOwnFile(path, O_RDWR | O_CREAT, opened);
    if (fd < 0) return opened;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      ::close(fd);
      if (error != EWOULDBLOCK) return errnoStatus(path, error);
      std::string present;
      static_cast<void>(readFile(path, present, 4096, nullptr));
      return Status::alreadyExists(path, present);
    }
    auto held = std::make_unique<FlockedFile>(fd);
    if (::ftruncate(fd, 0) != 0) return errnoStatus(path, errno);
    if (Status status = writeAll(fd, holder, path); !status.isOk()) return status;
    lock = std::move(held);
    return Status::ok();
  }

  Status lockFileShared(const std::string& path, std::unique_ptr<FileLock>& lock) override {
    lock.reset();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return errno == ENOENT ? Status::ok() : errnoStatus(path, errno);
    if (::flock(fd, LOCK_SH | LOCK_NB) != 0) {
      const int error = errno;
      ::close(fd);
      if (error != EWOULDBLOCK) return errnoStatus(path, error);
      std::string holder;
      static_cast<void>(readFile(path, holder, 4096, nullptr));
      return Status::alreadyExists(path, holder);
    }
    lock = std::make_unique<SharedLock>(fd);
    return Status::ok();
  }

  Status copyFolder(const std::string& from, const std::string& to) override {
    // A half-made copy is cleaned up, but only one this call created: a target that was there
    // already (whoever made it) is neither copied into nor deleted.
    bool created = false;
    Status status = copyTree(from, to, &created);
    // The copy's own failure is what the caller must hear about; a cleanup that fails as well
    // leaves a half-made copy under the target name, which the caller names in its report.
    if (!status.isOk() && created) static_cast<void>(removeFolder(to));
    pending_.rememberFolder(parentFolder(to));
    return status;
  }

  Status removeFolder(const std::string& path) override {
    Status status = removeTree(path);
    pending_.rememberFolder(parentFolder(path));
    return status;
  }

  bool isWritableFolder(const std::string& path) override {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           ::access(path.c_str(), W_OK | X_OK) == 0;
  }

 private:
  // What an entry listed with the type the listing gave is, as entryType() would tell.
  EntryType entryTypeOf(unsigned char listedType, const std::string& folder,
                        std::string_view name) {
    switch (listedType) {
      case DT_REG:
        return EntryType::File;
      case DT_DIR:
        return EntryType::Folder;
      case DT_UNKNOWN:
        return entryType(folder + "/" + std::string(name));
      default:
        return EntryType::Other;
    }
  }

  // Copies from to to; *created (when given) tells whether to itself was made by this call.
  Status copyTree(const std::string& from, const std::string& to, bool* created = nullptr) {
    struct stat info;
    if (::lstat(from.c_str(), &info) != 0) return errnoStatus(from, errno);
    if (S_ISLNK(info.st_mode)) {
      std::string target(static_cast<std::size_t>(info.st_size) + 1, '\0');
      const ssize_t n = ::readlink(from.c_str(), target.data(), target.size());
      if (n < 0) return errnoStatus(from, errno);
      target.resize(static_cast<std::size_t>(n));
      return ::symlink(target.c_str(), to.c_str()) == 0 ? Status::ok() : errnoStatus(to, errno);
    }
    if (S_ISREG(info.st_mode)) {
      // Remembered even when the copy fails half-way: the file is there until it is removed.
      Status status = copyFile(from, to, info.st_mode);
      pending_.rememberFile(to);
      return status;
    }
    if (!S_ISDIR(info.st_mode)) return Status::invalid(from, "not a file or folder");
    if (::mkdir(to.c_str(), (info.st_mode & 07777) | S_IRWXU) != 0) return errnoStatus(to, errno);
    if (created) *created = true;
    pending_.rememberFolder(to);
    std::vector<std::string> names;
    Status status = listFolder(from, names);
    for (std::size_t i = 0; status.isOk() && i < names.size(); ++i) {
      status = copyTree(from + "/" + names[i], to + "/" + names[i]);
    }
    return status;
  }

  // Removes what is at path; a folder whose removal stopped half-way is remembered, since it
  // lost entries and stays.
  Status removeTree(const std::string& path) {
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0) return errnoStatus(path, errno);
    if (!S_ISDIR(info.st_mode)) {
      return ::unlink(path.c_str()) == 0 ? Status::ok() : errnoStatus(path, errno);
    }
    std::vector<std::string> names;
    Status status = listFolder(path, names);
    for (std::size_t i = 0; status.isOk() && i < names.size(); ++i) {
      status = removeTree(path + "/" + names[i]);
    }
    if (status.isOk() && ::rmdir(path.c_str()) != 0) status = errnoStatus(path, errno);
    if (!status.isOk()) pending_.rememberFolder(path);
    return status;
  }

  using PathFlush = PendingFlushes::PathFlush;

  static PathFlush flushPath(const std::string& path, bool folder, dev_t device, Status& failure) {
    const int flags = O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | (folder ? O_DIRECTORY : 0);
    const int fd = ::open(path.c_str(), flags);
    if (fd < 0) {
      // Gone, or something else (a link, a file for a folder) now stands there: the rename or
      // removal that did it is remembered through the folder above.
      if (errno == ENOENT || errno == ENOTDIR || errno == ELOOP) return PathFlush::Gone;
      failure = errnoStatus(path, errno);
      return PathFlush::Failed;
    }
    PathFlush result = PathFlush::Flushed;
    struct stat info;
    if (::fstat(fd, &info) != 0) {
      failure = errnoStatus(path, errno);
      result = PathFlush::Failed;
    } else if (info.st_dev != device) {
      result = PathFlush::Elsewhere;
    } else if (!S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)) {
      result = PathFlush::Gone;
    } else if (posix::flushToDisk(fd) != 0) {
      // Some file systems cannot flush a folder on its own and keep its entries durable by
      // other means; that is no failure of ours.
      if (!S_ISDIR(info.st_mode) || !posix::folderFlushIsUnsupported(errno)) {
        failure = errnoStatus(path, errno);
        result = PathFlush::Failed;
      }
    }
    ::close(fd);
    return result;
  }

  PendingFlushes pending_;
};

RealFileSystem& theRealFileSystem() {
  static RealFileSystem fs;
  return fs;
}

}  // namespace

std::string thisProcessDescription() {
  char host[256] = {};
  if (::gethostname(host, sizeof host - 1) != 0) host[0] = '\0';
  return "pid " + std::to_string(::getpid()) + " on host " + host + " (" + posix::programName() +
         ")";
}

FileSystem& realFileSystem() {
  return theRealFileSystem();
}

void observeRealFileSystemFlushes(std::function<void(const std::string& path)> flushed) {
  theRealFileSystem().setFlushObserver(std::move(flushed));
}

}  // namespace slotsmith
