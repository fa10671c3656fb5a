// The FileSystem seam on POSIX calls. Everything here works on the path bytes as given (no
// shell, no quoting), never replaces an existing folder by renaming onto it, and never follows a
// symbolic link when copying or deleting, so nothing outside the database root can be reached
// through a link inside it. Below an anchored root every change finds its place from the root's
// open folder one name at a time and refuses a link on the way, so that a folder swapped for a
// link between the engine's look and its change cannot carry the change outside (see Place). It
// remembers what it changed until the next flush, for the file systems on which only a flush of
// each changed file and folder reaches the disk (on macOS, all of them). The calls that differ
// between Linux and macOS are in core/PosixPlatform.h.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "core/FileSystem.h"
#include "core/PendingFlushes.h"
#include "core/PosixPlatform.h"
#include "core/UserText.h"

namespace slotsmith {
namespace {

// The system's words for the failures a database folder meets, in the user's language; the C
// library says them in English, the same words on Linux and macOS. Any other in its words.
std::string errorText(int error) {
  switch (error) {
    case ENOENT:
      return userText(USER_TEXT("Files", "No such file or directory"));
    case ENOTDIR:
      return userText(USER_TEXT("Files", "Not a directory"));
    case EISDIR:
      return userText(USER_TEXT("Files", "Is a directory"));
    case EACCES:
      return userText(USER_TEXT("Files", "Permission denied"));
    case EPERM:
      return userText(USER_TEXT("Files", "Operation not permitted"));
    case ENOSPC:
      return userText(USER_TEXT("Files", "No space left on device"));
    case EROFS:
      return userText(USER_TEXT("Files", "Read-only file system"));
    case EIO:
      return userText(USER_TEXT("Files", "Input/output error"));
    case ENAMETOOLONG:
      return userText(USER_TEXT("Files", "File name too long"));
    case ELOOP:
      return userText(USER_TEXT("Files", "Too many levels of symbolic links"));
    default:
      return std::strerror(error);
  }
}

Status errnoStatus(const std::string& path, int error) {
  if (error == ENOENT || error == ENOTDIR) return Status::notFound(path, errorText(error));
  if (error == EEXIST || error == ENOTEMPTY) return Status::alreadyExists(path);
  return Status::ioError(path, errorText(error));
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
    return Status::invalid(
        path, userText(USER_TEXT("Files", "is not a plain file; nothing was written to it")));
  }
  if (info.st_nlink > 1) {
    return Status::invalid(path, userText(USER_TEXT("Files",
                                                    "has other hard links, so writing it would "
                                                    "change a file elsewhere too; nothing was "
                                                    "written to it")));
  }
  return Status::ok();
}

// Opens name in the open folder dir (AT_FDCWD: name is a path) for writing in place (flags add to
// O_CLOEXEC, O_NOFOLLOW and O_NONBLOCK, which keeps a pipe planted there from stalling the open);
// -1 with status set when it cannot be opened or is not a file of its own (ownFileStatus).
int openOwnFile(int dir, const char* name, const std::string& path, int flags, Status& status) {
  const int fd = ::openat(dir, name, flags | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
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

// Copies the open regular file in to a new file out; both stay open.
Status copyOpenFile(int in, const std::string& from, int out, const std::string& to) {
  std::string buffer(1 << 16, '\0');
  for (;;) {
    const ssize_t n = ::read(in, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errnoStatus(from, errno);
    if (n == 0) return Status::ok();
    if (Status status = writeAll(out, buffer.substr(0, static_cast<std::size_t>(n)), to);
        !status.isOk()) {
      return status;
    }
  }
}

// The refusal of a change whose path leads through a symbolic link below an anchored root.
Status throughLinkStatus(const std::string& path) {
  return Status::invalid(path, userText(USER_TEXT("Files",
                                                  "leads through a symbolic link inside the "
                                                  "database, which a change never follows; "
                                                  "nothing was changed there")));
}

// The status of a call on name in the open folder dir that failed with error: a link there met by
// a call that does not follow one (ELOOP; ENOTDIR for a folder opened so) is named as such.
Status failureAt(int dir, const char* name, const std::string& path, int error) {
  struct stat info;
  if (error == ELOOP ||
      ((error == ENOTDIR || error == EMLINK) &&
       ::fstatat(dir, name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(info.st_mode))) {
    return throughLinkStatus(path);
  }
  return errnoStatus(path, error);
}

// An open folder, closed when the last user lets go: an anchor may go away while a call that
// found its path through it still works below it. Its identity tells whether the root's path
// still names it.
struct OpenFolder {
  explicit OpenFolder(int descriptor) : fd(descriptor) {
    struct stat info;
    if (::fstat(fd, &info) == 0) {
      device = info.st_dev;
      inode = info.st_ino;
    }
  }
  ~OpenFolder() { ::close(fd); }
  OpenFolder(const OpenFolder&) = delete;
  OpenFolder& operator=(const OpenFolder&) = delete;
  int fd;
  dev_t device = 0;
  ino_t inode = 0;
};

// Opens a root by its path as the user named it, a link included: only what lies below it is
// walked. -1 with errno when it cannot be opened.
int openRoot(const std::string& root) {
  return ::open(root.c_str(), posix::kFolderWalkFlags & ~O_NOFOLLOW);
}

// The roots anchored now. Several databases may be anchored at once (an import reads another
// one), by several objects each (a front end's database and a view of it).
class AnchoredRoots {
 public:
  std::uint64_t add(std::string root, std::shared_ptr<const OpenFolder> folder) {
    // "/db/" and "/db" are one root; "/" stays itself.
    while (root.size() > 1 && root.back() == '/')
      root.pop_back();
    const std::lock_guard<std::mutex> guard(mutex_);
    const std::uint64_t id = ++lastId_;
    roots_.push_back({id, std::move(root), std::move(folder)});
    count_.store(roots_.size(), std::memory_order_release);
    return id;
  }

  void remove(std::uint64_t id) {
    const std::lock_guard<std::mutex> guard(mutex_);
    std::erase_if(roots_, [id](const Root& root) { return root.id == id; });
    count_.store(roots_.size(), std::memory_order_release);
  }

  // The open folder of the longest anchored root that path lies below (or is), and where the rest
  // of path begins; null when path lies below none. The root is the folder its path names now:
  // one the user replaced (renamed away, another put in its place) since it was anchored is
  // opened again, so that a change never lands in the folder that went away while the reads,
  // which go by path, see the new one. A root that is gone anchors nothing.
  std::shared_ptr<const OpenFolder> find(const std::string& path, std::size_t& rest) {
    if (count_.load(std::memory_order_acquire) == 0) return nullptr;
    const std::lock_guard<std::mutex> guard(mutex_);
    Root* best = nullptr;
    for (Root& root : roots_) {
      const std::string& key = root.path;
      if (path.compare(0, key.size(), key) != 0) continue;
      if (path.size() != key.size() && path[key.size()] != '/' && key != "/") continue;
      if (best == nullptr || key.size() > best->path.size()) best = &root;
    }
    if (best == nullptr) return nullptr;
    struct stat now;
    if (::stat(best->path.c_str(), &now) != 0) return nullptr;
    if (now.st_dev != best->folder->device || now.st_ino != best->folder->inode) {
      const int fd = openRoot(best->path);
      if (fd < 0) return nullptr;
      best->folder = std::make_shared<const OpenFolder>(fd);
    }
    rest = best->path.size();
    return best->folder;
  }

 private:
  struct Root {
    std::uint64_t id;
    std::string path;
    std::shared_ptr<const OpenFolder> folder;
  };
  mutable std::mutex mutex_;
  std::vector<Root> roots_;
  std::atomic<std::size_t> count_{0};
  std::uint64_t lastId_ = 0;
};

class HeldAnchor final : public RootAnchor {
 public:
  HeldAnchor(AnchoredRoots& roots, std::uint64_t id) : roots_(roots), id_(id) {}
  ~HeldAnchor() override { roots_.remove(id_); }
  HeldAnchor(const HeldAnchor&) = delete;
  HeldAnchor& operator=(const HeldAnchor&) = delete;

 private:
  AnchoredRoots& roots_;
  std::uint64_t id_;
};

// Where a change acts: a name in an open folder. Below an anchored root the folder is the one
// above the path's last name, reached from the root's open folder name by name without following
// a link; elsewhere (the root itself included) it is the working folder and the name is the whole
// path, as the calls have always taken it.
class Place {
 public:
  Place() = default;
  ~Place() {
    if (owned_) ::close(dir_);
  }
  Place(const Place&) = delete;
  Place& operator=(const Place&) = delete;

  // Finds path's place; a link on the way (or a name that steps out with "..") fails it.
  Status find(AnchoredRoots& roots, const std::string& path) {
    path_ = &path;
    std::size_t at = 0;
    root_ = roots.find(path, at);
    if (!root_) {
      name_ = path;
      return Status::ok();
    }
    // The names below the root, without empty ones and ".".
    std::vector<std::string_view> names;
    const std::string_view rest = std::string_view(path).substr(at);
    for (std::size_t begin = 0; begin <= rest.size();) {
      std::size_t end = rest.find('/', begin);
      if (end == std::string_view::npos) end = rest.size();
      const std::string_view name = rest.substr(begin, end - begin);
      if (name == "..") {
        return Status::invalid(
            path,
            userText(USER_TEXT("Files", "steps out of the database; nothing was changed there")));
      }
      if (!name.empty() && name != ".") names.push_back(name);
      begin = end + 1;
    }
    if (names.empty()) {
      // The root itself: the user's choice, taken by its path as it always was.
      root_.reset();
      name_ = path;
      return Status::ok();
    }
    anchored_ = true;
    dir_ = root_->fd;
    name_ = names.back();
    names.pop_back();
    if (names.empty()) return Status::ok();
    std::string above;
    for (const std::string_view name : names) {
      if (!above.empty()) above += '/';
      above += name;
    }
    int fd = posix::openFolderBeneath(root_->fd, above.c_str());
    if (fd < 0 && errno == ENOSYS) return walk(names);
    if (fd < 0) return walkFailure(errno);
    dir_ = fd;
    owned_ = true;
    return Status::ok();
  }

  int dir() const { return dir_; }
  const char* name() const { return name_.c_str(); }
  bool anchored() const { return anchored_; }
  // Turns the errno of a call made at this place into a status: below an anchored root a link
  // there (ELOOP, or ENOTDIR for a folder opened without following) is named as such.
  Status failure(int error) const {
    return anchored_ ? failureAt(dir_, name_.c_str(), *path_, error) : errnoStatus(*path_, error);
  }

 private:
  // Opens the folders above the last name one at a time, none of them through a link.
  Status walk(const std::vector<std::string_view>& names) {
    std::string name;
    for (const std::string_view part : names) {
      name.assign(part);
      const int fd = ::openat(dir_, name.c_str(), posix::kFolderWalkFlags);
      if (fd < 0) {
        Status status = failureAt(dir_, name.c_str(), *path_, errno);
        if (owned_) ::close(dir_);
        owned_ = false;
        return status;
      }
      if (owned_) ::close(dir_);
      dir_ = fd;
      owned_ = true;
    }
    return Status::ok();
  }

  Status walkFailure(int error) const {
    if (error == ELOOP || error == EXDEV) return throughLinkStatus(*path_);
    return errnoStatus(*path_, error);
  }

  const std::string* path_ = nullptr;
  std::shared_ptr<const OpenFolder> root_;
  int dir_ = AT_FDCWD;
  bool owned_ = false;
  bool anchored_ = false;
  std::string name_;
};

// The path of a temporary file beside name ("dir/.name.slotsmith-XXXXXX" for "dir/name"), unique
// in this process and, with the process id in it, among processes.
std::string temporaryNameBeside(std::string_view name) {
  static std::atomic<std::uint64_t> counter{0};
  const std::size_t slash = name.rfind('/');
  const std::string_view folder = slash == std::string_view::npos ? "" : name.substr(0, slash + 1);
  const std::string_view base = slash == std::string_view::npos ? name : name.substr(slash + 1);
  constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  // splitmix64 of the process id and the count, so that every bit of both reaches the six digits
  std::uint64_t seed = (static_cast<std::uint64_t>(::getpid()) << 32) + counter.fetch_add(1);
  seed += 0x9E3779B97F4A7C15ULL;
  seed = (seed ^ (seed >> 30)) * 0xBF58476D1CE4E5B9ULL;
  seed = (seed ^ (seed >> 27)) * 0x94D049BB133111EBULL;
  seed ^= seed >> 31;
  std::string suffix;
  for (int i = 0; i < 6; ++i) {
    suffix += kDigits[seed % 62];
    seed /= 62;
  }
  std::string temporary(folder);
  temporary += '.';
  temporary += base;
  temporary += ".slotsmith-";
  temporary += suffix;
  return temporary;
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

  bool stampEntry(std::string_view relative, EntryStamp& stamp) override {
    relative_.assign(relative);
    struct stat entry {};
    if (::fstatat(fd_, relative_.c_str(), &entry, AT_SYMLINK_NOFOLLOW) != 0) return true;
    stamp = stampOf(entry);
    return true;
  }

  // Each folder on the way is opened from the one before it with O_NOFOLLOW, and the file too:
  // the kernel refuses a link itself (ELOOP), so no look can be raced.
  Status readPlainFile(std::string_view relative, std::string& contents, std::size_t maxBytes,
                       bool& truncated, EntryStamp* opened) override {
    contents.clear();
    truncated = false;
    relative_.assign(relative);
    int dir = fd_;
    std::size_t start = 0;
    for (std::size_t slash; (slash = relative_.find('/', start)) != std::string::npos;) {
      relative_[slash] = '\0';
      const int next = ::openat(dir, relative_.c_str() + start,
                                O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
      const int error = errno;
      relative_[slash] = '/';
      if (dir != fd_) ::close(dir);
      if (next < 0) return plainFileError(relative_.substr(0, slash), error);
      dir = next;
      start = slash + 1;
    }
    const int fd =
        ::openat(dir, relative_.c_str() + start, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    const int error = errno;
    if (dir != fd_) ::close(dir);
    if (fd < 0) return plainFileError(relative_, error);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
      const bool folder = S_ISDIR(info.st_mode);
      ::close(fd);
      if (folder) return errnoStatus(folder_ + "/" + relative_, EISDIR);
      return Status::refused(userText(USER_TEXT("Files", "{path}: a device, which is not read"),
                                      {{"path", folder_ + "/" + relative_}}));
    }
    if (opened != nullptr) *opened = stampOf(info);
    const int failed = readOpenFile(fd, info, contents, maxBytes, &truncated);
    return failed == 0 ? Status::ok() : errnoStatus(folder_ + "/" + relative_, failed);
  }

 private:
  static EntryStamp stampOf(const struct stat& entry) {
#if defined(__APPLE__)
    const timespec& modified = entry.st_mtimespec;
#else
    const timespec& modified = entry.st_mtim;
#endif
    return {modified.tv_sec, modified.tv_nsec, static_cast<std::int64_t>(entry.st_size),
            static_cast<std::uint64_t>(entry.st_ino)};
  }

  // ELOOP is the kernel's answer to O_NOFOLLOW on a link (some systems say EMLINK); ENOTDIR
  // may also be a link that O_DIRECTORY met first, and a look tells which.
  Status plainFileError(const std::string& relative, int error) const {
    const std::string path = folder_ + "/" + relative;
    struct stat entry {};
    const bool link =
        error == ELOOP || error == EMLINK ||
        (error == ENOTDIR && ::fstatat(fd_, relative.c_str(), &entry, AT_SYMLINK_NOFOLLOW) == 0 &&
         S_ISLNK(entry.st_mode));
    if (link) {
      return Status::refused(
          userText(USER_TEXT("Files", "{path}: a link, which is not followed"), {{"path", path}}));
    }
    return errnoStatus(path, error);
  }

  int fd_;
  std::string folder_;
  std::string relative_;
};

class RealFileSystem final : public FileSystem {
 public:
  void setFlushObserver(std::function<void(const std::string&)> observer) {
    pending_.setObserver(std::move(observer));
  }

  Status anchorRoot(const std::string& root, std::unique_ptr<RootAnchor>& anchor) override {
    anchor.reset();
    const int fd = openRoot(root);
    if (fd < 0) return errnoStatus(root, errno);
    const std::uint64_t id = anchors_.add(root, std::make_shared<const OpenFolder>(fd));
    anchor = std::make_unique<HeldAnchor>(anchors_, id);
    return Status::ok();
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
    Place place;
    if (Status found = place.find(anchors_, path); !found.isOk()) return found;
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
      temporary = temporaryNameBeside(place.name());
      fd = ::openat(place.dir(), temporary.c_str(),
                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
      if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return errnoStatus(parentFolder(path), errno);
    // Keep the permissions of the file being replaced; a new file gets the usual 0644.
    struct stat info;
    const mode_t mode =
        ::fstatat(place.dir(), place.name(), &info, 0) == 0 ? (info.st_mode & 07777) : 0644;
    Status status = writeAll(fd, contents, path);
    if (status.isOk() && ::fchmod(fd, mode) != 0) status = errnoStatus(path, errno);
    if (status.isOk() && posix::orderBeforeRename(fd) != 0) status = errnoStatus(path, errno);
    if (::close(fd) != 0 && status.isOk()) status = errnoStatus(path, errno);
    if (status.isOk() &&
        ::renameat(place.dir(), temporary.c_str(), place.dir(), place.name()) != 0) {
      status = place.failure(errno);
    }
    if (!status.isOk()) {
      ::unlinkat(place.dir(), temporary.c_str(), 0);
      return status;
    }
    pending_.rememberFile(path);
    pending_.rememberFolder(parentFolder(path));
    return status;
  }

  Status createFile(const std::string& path, const std::string& contents) override {
    Place place;
    if (Status found = place.find(anchors_, path); !found.isOk()) return found;
    const int fd = ::openat(place.dir(), place.name(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return place.failure(errno);
    Status status = writeAll(fd, contents, path);
    if (::close(fd) != 0 && status.isOk()) status = errnoStatus(path, errno);
    if (!status.isOk()) {
      ::unlinkat(place.dir(), place.name(), 0);
      return status;
    }
    pending_.rememberFile(path);
    pending_.rememberFolder(parentFolder(path));
    return status;
  }

  Status createLockedFile(const std::string& path, const std::string& contents,
                          std::unique_ptr<FileLock>& lock) override {
    lock.reset();
    Place place;
    if (Status found = place.find(anchors_, path); !found.isOk()) return found;
    const int fd = ::openat(place.dir(), place.name(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return place.failure(errno);
    // Locked before a byte is written: whoever finds the file with its contents in finds it locked
    // for as long as this run lives.
    Status status = ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? Status::ok() : errnoStatus(path, errno);
    if (status.isOk()) status = writeAll(fd, contents, path);
    if (!status.isOk()) {
      ::unlinkat(place.dir(), place.name(), 0);
      ::close(fd);
      return status;
    }
    lock = std::make_unique<SharedLock>(fd);  // closing the descriptor lets go, writing nothing
    pending_.rememberFile(path);
    pending_.rememberFolder(parentFolder(path));
    return status;
  }

  Status createFolder(const std::string& path) override {
    Place place;
    if (Status found = place.find(anchors_, path); !found.isOk()) return found;
    if (::mkdirat(place.dir(), place.name(), 0755) != 0) return place.failure(errno);
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
    Place source;
    Place target;
    if (Status found = source.find(anchors_, from); !found.isOk()) return found;
    if (Status found = target.find(anchors_, to); !found.isOk()) return found;
    if (posix::renameWithoutReplacingAt(source.dir(), source.name(), target.dir(), target.name()) !=
        0) {
      if (!posix::renameIsNeverExclusive(errno)) {
        return errno == EEXIST ? errnoStatus(to, errno) : source.failure(errno);
      }
      // A file system that cannot refuse to replace in the rename itself: look first, then
      // rename. The look still refuses a target that is there; only one made by another program
      // between the two calls could be replaced, and the lock on the database keeps Slotsmith's
      // own processes out.
      struct stat info;
      if (::fstatat(target.dir(), target.name(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
        return Status::alreadyExists(to);
      }
      if (::renameat(source.dir(), source.name(), target.dir(), target.name()) != 0) {
        return source.failure(errno);
      }
    }
    pending_.rememberRename(from, to);
    return Status::ok();
  }

  Status renameFile(const std::string& from, const std::string& to) override {
    return renameFolder(from, to);
  }

  Status appendToFileDurably(const std::string& path, const std::string& text) override {
    Place place;
    if (Status found = place.find(anchors_, path); !found.isOk()) return found;
    Status status;
    const int fd = openOwnFile(place.dir(), place.name(), path, O_WRONLY | O_APPEND, status);
    if (fd < 0) return status.code() == Status::Code::Invalid ? status : place.failure(errno);
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
    Place place;
    if (Status found = place.find(anchors_, path); !found.isOk()) return found;
    Status opened;
    const int fd = openOwnFile(place.dir(), place.name(), path, O_RDWR | O_CREAT, opened);
    if (fd < 0) return opened.code() == Status::Code::Invalid ? opened : place.failure(errno);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      if (error != EWOULDBLOCK) {
        ::close(fd);
        return errnoStatus(path, error);
      }
      // Held shared, by runs that only read: there is no holder to name, whatever text a process
      // that ended without letting go left in the file.
      const bool readers = ::flock(fd, LOCK_SH | LOCK_NB) == 0;
      ::close(fd);
      if (readers) return Status::alreadyExists(path, std::string());
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
    Place place;
    // No folder above it: no file, so nobody can hold the exclusive lock.
    if (Status found = place.find(anchors_, path); !found.isOk()) {
      return found.isNotFound() ? Status::ok() : found;
    }
    const int fd = ::openat(place.dir(), place.name(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return errno == ENOENT ? Status::ok() : place.failure(errno);
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
    Place source;
    Place target;
    if (Status found = source.find(anchors_, from); !found.isOk()) return found;
    if (Status found = target.find(anchors_, to); !found.isOk()) return found;
    return pending_.copyFolder(
        to,
        [&](bool* created) {
          return copyTree(source.dir(), source.name(), from, target.dir(), target.name(), to,
                          created);
        },
        [&] { return removeTree(target.dir(), target.name(), to); });
  }

  Status removeFolder(const std::string& path) override {
    Place place;
    if (Status found = place.find(anchors_, path); !found.isOk()) return found;
    return pending_.removeFolder(path, [&] { return removeTree(place.dir(), place.name(), path); });
  }

  bool isWritableFolder(const std::string& path) override {
    Place place;
    if (!place.find(anchors_, path).isOk()) return false;
    // Below an anchored root a link to a folder is no folder of the database's.
    struct stat info;
    return ::fstatat(place.dir(), place.name(), &info,
                     place.anchored() ? AT_SYMLINK_NOFOLLOW : 0) == 0 &&
           S_ISDIR(info.st_mode) && ::faccessat(place.dir(), place.name(), W_OK | X_OK, 0) == 0;
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

  // The names in the open folder fd (read from its start).
  static int namesInOpenFolder(int fd, std::vector<std::string>& names) {
    names.clear();
    return posix::forEachEntryOfOpenFolder(
        fd, [&](std::string_view name, unsigned char) { names.emplace_back(name); });
  }

  // Copies the entry name of the open folder fromDir to a new entry of toDir, everything below
  // it found from the folders opened on the way, never through a link (a link is copied as one).
  // *created (when given) tells whether the target itself was made by this call.
  Status copyTree(int fromDir, const char* fromName, const std::string& from, int toDir,
                  const char* toName, const std::string& to, bool* created = nullptr) {
    struct stat info;
    if (::fstatat(fromDir, fromName, &info, AT_SYMLINK_NOFOLLOW) != 0) {
      return errnoStatus(from, errno);
    }
    if (S_ISLNK(info.st_mode)) {
      std::string target(static_cast<std::size_t>(info.st_size) + 1, '\0');
      const ssize_t n = ::readlinkat(fromDir, fromName, target.data(), target.size());
      if (n < 0) return errnoStatus(from, errno);
      target.resize(static_cast<std::size_t>(n));
      return ::symlinkat(target.c_str(), toDir, toName) == 0 ? Status::ok()
                                                             : errnoStatus(to, errno);
    }
    if (S_ISREG(info.st_mode)) {
      const int in = ::openat(fromDir, fromName, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
      if (in < 0) return errnoStatus(from, errno);
      struct stat opened;
      if (::fstat(in, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(in);
        return Status::invalid(from, userText(USER_TEXT("Files", "not a file or folder")));
      }
      const int out = ::openat(toDir, toName, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                               info.st_mode & 07777);
      if (out < 0) {
        const int error = errno;
        ::close(in);
        return errnoStatus(to, error);
      }
      Status status = copyOpenFile(in, from, out, to);
      ::close(in);
      if (::close(out) != 0 && status.isOk()) status = errnoStatus(to, errno);
      // Remembered even when the copy fails half-way: the file is there until it is removed.
      pending_.rememberFile(to);
      return status;
    }
    if (!S_ISDIR(info.st_mode)) {
      return Status::invalid(from, userText(USER_TEXT("Files", "not a file or folder")));
    }
    const int source =
        ::openat(fromDir, fromName, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (source < 0) return failureAt(fromDir, fromName, from, errno);
    if (::mkdirat(toDir, toName, (info.st_mode & 07777) | S_IRWXU) != 0) {
      const int error = errno;
      ::close(source);
      return errnoStatus(to, error);
    }
    if (created) *created = true;
    pending_.rememberFolder(to);
    const int target = ::openat(toDir, toName, posix::kFolderWalkFlags);
    if (target < 0) {
      Status status = failureAt(toDir, toName, to, errno);
      ::close(source);
      return status;
    }
    std::vector<std::string> names;
    const int error = namesInOpenFolder(source, names);
    Status status = error == 0 ? Status::ok() : errnoStatus(from, error);
    for (std::size_t i = 0; status.isOk() && i < names.size(); ++i) {
      status = copyTree(source, names[i].c_str(), from + "/" + names[i], target, names[i].c_str(),
                        to + "/" + names[i]);
    }
    ::close(source);
    ::close(target);
    return status;
  }

  // Removes the entry name of the open folder dir and, for a folder, everything in it, each found
  // from the folder opened above it: a folder swapped for a link while this runs fails to open
  // (O_NOFOLLOW) or to be removed (a link is no folder), and whatever the link names is never
  // reached. A folder whose removal stopped half-way is remembered, since it lost entries and
  // stays.
  Status removeTree(int dir, const char* name, const std::string& path) {
    struct stat info;
    if (::fstatat(dir, name, &info, AT_SYMLINK_NOFOLLOW) != 0) return errnoStatus(path, errno);
    if (!S_ISDIR(info.st_mode)) {
      return ::unlinkat(dir, name, 0) == 0 ? Status::ok() : errnoStatus(path, errno);
    }
    const int fd =
        ::openat(dir, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return failureAt(dir, name, path, errno);
    std::vector<std::string> names;
    const int error = namesInOpenFolder(fd, names);
    Status status = error == 0 ? Status::ok() : errnoStatus(path, error);
    for (std::size_t i = 0; status.isOk() && i < names.size(); ++i) {
      status = removeTree(fd, names[i].c_str(), path + "/" + names[i]);
    }
    ::close(fd);
    if (status.isOk() && ::unlinkat(dir, name, AT_REMOVEDIR) != 0) {
      status = failureAt(dir, name, path, errno);
    }
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
  AnchoredRoots anchors_;
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
