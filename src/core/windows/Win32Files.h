// The Win32 file calls that the Windows FileSystem (RealFileSystem.cpp beside it) is made of: an
// owned handle, error codes said as a Status, a folder's entries and what each is, reading,
// writing and copying a file, and the byte-range locks of the lock file. Paths come as the engine
// writes them (UTF-8, '/'); windowsPath() makes them what these calls take.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "core/FileSystem.h"
#include "core/Status.h"
#include "core/windows/WindowsText.h"

namespace slotsmith::win32 {

// Closes a handle when it goes out of scope.
class Handle {
 public:
  explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
  ~Handle() { reset(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  Handle(Handle&& other) noexcept : handle_(other.release()) {}
  Handle& operator=(Handle&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = other.release();
    }
    return *this;
  }

  HANDLE get() const { return handle_; }
  bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }
  // Closes the handle; false when closing failed (the last write may not have made it).
  bool reset() {
    if (!isOpen()) return true;
    return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0;
  }

 private:
  HANDLE handle_;
};

// Another handle keeps the file from being used this way (ERROR_SHARING_VIOLATION and kin).
bool isSharingConflict(DWORD error);

// A Win32 error code as a Status for path: NotFound and AlreadyExists where POSIX says so too.
Status errorStatus(const std::string& path, DWORD error);

// errorStatus of GetLastError().
Status lastErrorStatus(const std::string& path);

// A rename or replacement that Windows refuses because a file in the way is open elsewhere (an
// editor, a virus scanner, an indexer): said as such, since it is what the user can fix.
Status renameErrorStatus(const std::string& from, const std::string& to, DWORD error);

// A symbolic link, a junction or a mount point: an entry that names another place. Other
// reparse points (files kept in the cloud, deduplicated files) are files like any other.
bool namesAnotherPlace(DWORD attributes, DWORD reparseTag);

// What an entry with these attributes is, as FileSystem::entryType tells it.
EntryType entryTypeOf(DWORD attributes, DWORD reparseTag);

// What is at path, without following it; false when nothing is there (or it cannot be seen).
bool lookAt(const std::wstring& path, WIN32_FIND_DATAW& found);

// The size in bytes of a file that lookAt or a listing found.
std::uint64_t sizeOf(const WIN32_FIND_DATAW& found);

// Calls each(name, data) for every entry of the folder but "." and "..".
template <typename Each>
Status forEachEntry(const std::string& path, Each each) {
  const std::wstring pattern = windowsPath(path) + L"\\*";
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (search == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    // A folder with nothing in it, not even "." (the root of some drives).
    if (error == ERROR_FILE_NOT_FOUND) {
      const DWORD attributes = GetFileAttributesW(windowsPath(path).c_str());
      if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return Status::ok();
      }
    }
    return errorStatus(path, error);
  }
  do {
    const std::wstring_view name(found.cFileName);
    if (name == L"." || name == L"..") continue;
    each(utf8FromWide(name), found);
  } while (FindNextFileW(search, &found));
  const DWORD error = GetLastError();
  FindClose(search);
  return error == ERROR_NO_MORE_FILES ? Status::ok() : errorStatus(path, error);
}

// Opens a regular file for reading; fails for folders and devices. Others may go on reading,
// writing, renaming or deleting it meanwhile, as on POSIX.
Handle openRegularFile(const std::string& path, DWORD& error);

// Writes all of data, in as many calls as it takes.
Status writeAll(HANDLE file, const char* data, std::size_t size, const std::string& path);

// Reads up to size bytes; how many came (fewer only at the end of the file).
bool readSome(HANDLE file, char* data, std::size_t size, std::size_t& got);

// Copies the bytes of the regular file from to a new file to (which must not exist yet).
Status copyFile(const std::string& from, const std::string& to);

// A name for a temporary file beside the target that no one else picks at the same moment.
std::string temporarySuffix();

// The byte that the lock files lock: far past any text a holder writes, so that reading the text
// never runs into the lock.
constexpr DWORD kLockOffsetHigh = 0x40000000;

// Takes or lets go of the lock on that byte, without waiting.
bool lockRange(HANDLE file, bool exclusive);
void unlockRange(HANDLE file);

// Empties the file and puts the file pointer at its start.
bool truncateToEmpty(HANDLE file);

// An exclusive lock held on an open file. The holder text is cleared before the lock is let go,
// so that a lock file with text in it and no lock on it was left by a process that ended without
// letting go.
class LockedFile final : public FileLock {
 public:
  explicit LockedFile(Handle file) : file_(std::move(file)) {}
  ~LockedFile() override {
    truncateToEmpty(file_.get());
    unlockRange(file_.get());
  }
  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;

 private:
  Handle file_;
};

// A shared lock on a file that is only read: letting go writes nothing.
class SharedLock final : public FileLock {
 public:
  explicit SharedLock(Handle file) : file_(std::move(file)) {}
  ~SharedLock() override { unlockRange(file_.get()); }
  SharedLock(const SharedLock&) = delete;
  SharedLock& operator=(const SharedLock&) = delete;

 private:
  Handle file_;
};

// Opens the file at path itself, never what a link there points to; a folder or a reparse point
// there is refused with ERROR_CANT_ACCESS_FILE.
Handle openFileItself(const std::string& path, DWORD access, DWORD disposition, DWORD& error);

// Opens the file at path itself for writing in place (the lock file, a journal), and only when it
// is a plain file that no other name shares: a hard link planted in the database's own folder
// would have us truncate or append to a file outside it. The look is at the file opened, so
// nothing can be swapped in between the look and the write. The status says why not.
Handle openOwnFile(const std::string& path, DWORD access, DWORD disposition, Status& status);

}  // namespace slotsmith::win32
