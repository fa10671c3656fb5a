// The few POSIX calls in which Linux and macOS differ, for RealFileSystem.cpp: how a file reaches
// the disk, how a rename refuses to replace, how a folder is listed with the type of each entry,
// whether one call flushes a whole file system, and the program's own name. Everything else the
// real file system does is plain POSIX and reads the same on both.
//
// What a caller may rely on, on either system:
// - flushToDisk(fd) returns once what fd holds, data and size, is on the disk itself, not only
//   handed to the drive; flushDataToDisk(fd) promises at least the data.
// - orderBeforeRename(fd) returns once a rename made after it cannot reach the disk before what
//   was written to fd.
// - renameWithoutReplacingAt() never replaces what is at the target; where the file system cannot
//   promise that in one call, it fails and renameIsNeverExclusive() says so for its errno.
// - flushWholeFileSystem() either flushes everything on the file system of fd in one call
//   (returning true, with the errno of a failure in error, or 0), or returns false: the caller
//   then flushes each file and folder it changed.
// - openFolderBeneath(root, relative) opens the folder at relative below the open folder root in
//   one call, failing with ELOOP when any name on the way is a symbolic link; where the system has
//   no such call it fails with ENOSYS, and the caller opens one name at a time with
//   kFolderWalkFlags, which never follow a link either.
#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#if defined(__APPLE__)
#include <stdio.h>
#include <stdlib.h>
#else
#include <linux/openat2.h>
#include <sys/syscall.h>
#include <sys/vfs.h>

#include <atomic>
#endif

namespace slotsmith::posix {

#if defined(__APPLE__)

// On macOS fsync() hands the data to the drive, whose cache may keep it past a power cut and
// write it in any order; F_FULLFSYNC asks the drive to empty its cache. Some file systems (SMB
// and other network ones among them) do not offer it, and there fsync() is the best there is.
inline int flushToDisk(int fd) {
  if (::fcntl(fd, F_FULLFSYNC) == 0) return 0;
  return ::fsync(fd);
}

inline int flushDataToDisk(int fd) {
  return flushToDisk(fd);
}

// A barrier orders the writes before it ahead of those after it without waiting for the drive to
// empty its cache: all that a replace by rename needs, at a fraction of a full flush. A file
// system without barriers gets the full flush.
inline int orderBeforeRename(int fd) {
  if (::fcntl(fd, F_BARRIERFSYNC) == 0) return 0;
  return flushToDisk(fd);
}

inline bool folderFlushIsUnsupported(int error) {
  return error == EINVAL || error == ENOTSUP || error == EOPNOTSUPP || error == ENOSYS;
}

// APFS and HFS+ rename with RENAME_EXCL in one step; a file system that cannot (some network
// and FAT-like ones) answers ENOTSUP.

inline bool renameIsNeverExclusive(int error) {
  return error == ENOTSUP;
}

inline int renameWithoutReplacingAt(int fromFolder, const char* from, int toFolder,
                                    const char* to) {
  return ::renameatx_np(fromFolder, from, toFolder, to, RENAME_EXCL);
}

// A folder opened only to find names relative to it. macOS has no O_PATH, so it is opened for
// reading; O_NOFOLLOW_ANY, where the system has it, refuses a link anywhere in the name as well.
#if defined(O_NOFOLLOW_ANY)
inline constexpr int kFolderWalkFlags =
    O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NOFOLLOW_ANY | O_CLOEXEC;
#else
inline constexpr int kFolderWalkFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
#endif

// No call resolves a whole relative path refusing every link: the caller walks name by name.
inline int openFolderBeneath(int /*root*/, const char* /*relative*/) {
  errno = ENOSYS;
  return -1;
}

// macOS has no call that flushes a whole file system and reaches the disk: every flush goes
// file by file and folder by folder.
inline bool flushWholeFileSystem(int /*fd*/, int& /*error*/) {
  return false;
}

// Calls visit(name, d_type) for each entry of an open listing but "." and "..", then closes it;
// returns 0 or the errno that stopped the listing. APFS and HFS+ give the type with each entry.
template <class Visit>
int visitAndClose(DIR* dir, Visit& visit) {
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(dir);
    if (entry == nullptr) break;
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..") visit(name, entry->d_type);
  }
  const int error = errno;
  ::closedir(dir);
  return error;
}

// Calls visit(name, d_type) for each entry but "." and ".." of the folder open as fd (which stays
// open and the caller's); returns 0 or the errno that stopped the listing.
template <class Visit>
int forEachEntryOfOpenFolder(int fd, Visit&& visit) {
  const int copy = ::dup(fd);
  if (copy < 0) return errno;
  DIR* dir = ::fdopendir(copy);
  if (dir == nullptr) {
    const int error = errno;
    ::close(copy);
    return error;
  }
  ::rewinddir(dir);
  return visitAndClose(dir, visit);
}

// As forEachEntryOfOpenFolder, for the folder at path.
template <class Visit>
int forEachFolderEntry(const std::string& path, Visit&& visit) {
  DIR* dir = ::opendir(path.c_str());
  if (dir == nullptr) return errno;
  return visitAndClose(dir, visit);
}

inline const char* programName() {
  return ::getprogname();
}

#else

inline int flushToDisk(int fd) {
  return ::fsync(fd);
}

inline int flushDataToDisk(int fd) {
  return ::fdatasync(fd);
}

inline int orderBeforeRename(int fd) {
  return ::fsync(fd);
}

inline bool folderFlushIsUnsupported(int error) {
  return error == EINVAL || error == EOPNOTSUPP || error == ENOSYS;
}

// FUSE drivers on libfuse 2 and old kernels know no RENAME_NOREPLACE.
inline bool renameIsNeverExclusive(int error) {
  return error == EINVAL || error == ENOSYS;
}

inline int renameWithoutReplacingAt(int fromFolder, const char* from, int toFolder,
                                    const char* to) {
  return ::renameat2(fromFolder, from, toFolder, to, RENAME_NOREPLACE);
}

// A folder opened only to find names relative to it: O_PATH needs no permission to read it.
inline constexpr int kFolderWalkFlags = O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// openat2 (Linux 5.6) resolves the whole relative path in the kernel, refusing any link and any
// way out of root. Older kernels answer ENOSYS, and a seccomp filter that does not know the call
// (some containers) EPERM or ENOSYS; after the first such answer every walk goes name by name.
inline int openFolderBeneath(int root, const char* relative) {
  static std::atomic<bool> unavailable{false};
  if (unavailable.load(std::memory_order_relaxed)) {
    errno = ENOSYS;
    return -1;
  }
  struct open_how how {};
  how.flags = O_PATH | O_DIRECTORY | O_CLOEXEC;
  how.resolve = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS;
  for (int attempt = 0;; ++attempt) {
    const long fd = ::syscall(SYS_openat2, root, relative, &how, sizeof how);
    if (fd >= 0) return static_cast<int>(fd);
    // EAGAIN: a rename elsewhere on the file system raced the lookup; the kernel asks for a retry.
    if (errno == EAGAIN && attempt < 8) continue;
    if (errno == ENOSYS || errno == EPERM || errno == E2BIG || errno == EAGAIN) {
      if (errno != EAGAIN) unavailable.store(true, std::memory_order_relaxed);
      errno = ENOSYS;
    }
    return -1;
  }
}

// Whether syncfs(2) makes the file system of this type durable. It does where the kernel itself
// writes the disk. A FUSE driver (exFAT or NTFS on a removable drive, fuseblk included) keeps
// its own cache in its own process, which syncfs reaches only if the driver implements a whole
// file system sync, and few do; a network file system's server commits what an fsync of each
// file asks for, and syncfs makes no such promise across clients and kernel versions.
inline bool syncfsReachesTheDisk(std::uint32_t type) {
  switch (type) {
    case 0x65735546:  // FUSE, fuseblk, virtiofs
    case 0x6969:      // NFS
    case 0x517B:      // SMB
    case 0xFF534D42:  // CIFS
    case 0xFE534D42:  // SMB2
    case 0x01021997:  // 9p
    case 0x00C36400:  // Ceph
    case 0x5346414F:  // AFS
    case 0x6B414653:  // kAFS
    case 0x73757245:  // Coda
      return false;
    default:
      return true;
  }
}

inline bool flushWholeFileSystem(int fd, int& error) {
  struct statfs type;
  error = 0;
  if (::fstatfs(fd, &type) != 0) {
    error = errno;
    return true;
  }
  if (!syncfsReachesTheDisk(static_cast<std::uint32_t>(type.f_type))) return false;
  if (::syncfs(fd) != 0) error = errno;
  return true;
}

// getdents64 straight on the folder open as fd (which stays open and the caller's, read from its
// current offset): opendir() would look at the folder once more to size its buffer, and readdir()
// hides nothing that is needed here. The type comes with each entry; a file system that does not
// record it there gives DT_UNKNOWN.
template <class Visit>
int forEachEntryOfOpenFolder(int fd, Visit&& visit) {
  alignas(struct dirent64) char buffer[32768];
  for (;;) {
    const ssize_t got = ::getdents64(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return errno;
    if (got == 0) break;
    for (std::size_t at = 0; at < static_cast<std::size_t>(got);) {
      unsigned short length = 0;
      unsigned char type = DT_UNKNOWN;
      std::memcpy(&length, buffer + at + offsetof(struct dirent64, d_reclen), sizeof length);
      std::memcpy(&type, buffer + at + offsetof(struct dirent64, d_type), sizeof type);
      const std::string_view name(buffer + at + offsetof(struct dirent64, d_name));
      at += length;
      if (name != "." && name != "..") visit(name, type);
    }
  }
  return 0;
}

template <class Visit>
int forEachFolderEntry(const std::string& path, Visit&& visit) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno;
  const int error = forEachEntryOfOpenFolder(fd, visit);
  ::close(fd);
  return error;
}

inline const char* programName() {
  return program_invocation_short_name;
}

#endif

}  // namespace slotsmith::posix
