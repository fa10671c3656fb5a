// The FileSystem seam on the Win32 API, the counterpart of ../RealFileSystem.cpp. The engine speaks
// UTF-8 paths with '/'; here they become UTF-16 paths with '\', absolute ones with the
// "\\?\" prefix so that a database deep in a user's folders is not cut off at 260 characters.
// Messages keep the path as the engine gave it. As on POSIX: no shell, no replacing a folder by
// renaming onto it, and no following of symbolic links or junctions (the reparse points that name
// another place) when copying or deleting.
//
// Windows has no flush of a whole file system that an ordinary user may ask for, so every flush
// here is the path by path one: each file and folder changed since the last flush is opened and
// FlushFileBuffers'd. A byte-range lock stands in for flock; it sits far past the end of the
// lock file, because Windows locks are mandatory and the holder's text must stay readable.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "core/FileSystem.h"
#include "core/PendingFlushes.h"
#include "core/UserText.h"
#include "core/windows/Win32Files.h"

namespace slotsmith::win32 {
namespace {

// Windows takes either slash between names.
constexpr std::string_view kSeparators = "/\\";

std::string parentFolder(const std::string& path) {
  return slotsmith::parentFolder(path, kSeparators);
}

class RealFileSystem final : public FileSystem {
 public:
  void setFlushObserver(std::function<void(const std::string&)> observer) {
    pending_.setObserver(std::move(observer));
  }

  EntryType entryType(const std::string& path) override {
    WIN32_FIND_DATAW found;
    if (!lookAt(windowsPath(path), found)) return EntryType::Missing;
    return entryTypeOf(found.dwFileAttributes, found.dwReserved0);
  }

  bool canReadFile(const std::string& path) override {
    DWORD error = 0;
    return openRegularFile(path, error).isOpen();
  }

  Status readFile(const std::string& path, std::string& contents, std::size_t maxBytes,
                  bool* truncated) override {
    contents.clear();
    if (truncated) *truncated = false;
    DWORD error = 0;
    Handle file = openRegularFile(path, error);
    if (!file.isOpen()) return errorStatus(path, error);
    LARGE_INTEGER length{};
    if (!GetFileSizeEx(file.get(), &length)) return lastErrorStatus(path);
    contents.resize(std::min<std::size_t>(static_cast<std::size_t>(length.QuadPart), maxBytes));
    std::size_t size = 0;
    for (;;) {
      if (size == contents.size()) {
        if (size >= maxBytes) break;
        contents.resize(std::min(maxBytes, size * 2 + 4096));  // the file grew while we read
      }
      std::size_t got = 0;
      if (!readSome(file.get(), contents.data() + size, contents.size() - size, got)) {
        contents.clear();
        return lastErrorStatus(path);
      }
      if (got == 0) break;
      size += got;
    }
    if (truncated && size == maxBytes) {
      char probe;
      std::size_t got = 0;
      *truncated = readSome(file.get(), &probe, 1, got) && got == 1;
    }
    contents.resize(size);
    return Status::ok();
  }

  Status writeFileAtomically(const std::string& path, const std::string& contents) override {
    const std::string folder = parentFolder(path);
    const std::string base = path.substr(path.find_last_of("/\\") + 1);
    std::string temporary;
    Handle file;
    for (int attempt = 0; attempt < 100 && !file.isOpen(); ++attempt) {
      temporary = folder + "/." + base + ".slotsmith-" + temporarySuffix();
      file = Handle(CreateFileW(windowsPath(temporary).c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
      if (!file.isOpen() && GetLastError() != ERROR_FILE_EXISTS) return lastErrorStatus(folder);
    }
    if (!file.isOpen()) return lastErrorStatus(folder);
    Status status = writeAll(file.get(), contents.data(), contents.size(), temporary);
    if (status.isOk() && !FlushFileBuffers(file.get())) status = lastErrorStatus(temporary);
    if (!file.reset() && status.isOk()) status = lastErrorStatus(temporary);
    if (status.isOk() && !MoveFileExW(windowsPath(temporary).c_str(), windowsPath(path).c_str(),
                                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      const DWORD error = GetLastError();
      status = isSharingConflict(error) || error == ERROR_ACCESS_DENIED
                   ? Status::ioError(path, userText(USER_TEXT("Files",
                                                              "cannot replace it: another program "
                                                              "has it open (or it is read-only)")))
                   : errorStatus(path, error);
    }
    if (!status.isOk()) {
      DeleteFileW(windowsPath(temporary).c_str());
      return status;
    }
    pending_.rememberFile(path);
    pending_.rememberFolder(folder);
    return status;
  }

  Status createFile(const std::string& path, const std::string& contents) override {
    Handle file(CreateFileW(windowsPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.isOpen()) return lastErrorStatus(path);
    Status status = writeAll(file.get(), contents.data(), contents.size(), path);
    if (!file.reset() && status.isOk()) status = lastErrorStatus(path);
    if (!status.isOk()) {
      DeleteFileW(windowsPath(path).c_str());
      return status;
    }
    pending_.rememberFile(path);
    pending_.rememberFolder(parentFolder(path));
    return status;
  }

  Status createFolder(const std::string& path) override {
    if (!CreateDirectoryW(windowsPath(path).c_str(), nullptr)) return lastErrorStatus(path);
    pending_.rememberFolder(path);
    pending_.rememberFolder(parentFolder(path));
    return Status::ok();
  }

  Status listFolder(const std::string& path, std::vector<std::string>& names) override {
    names.clear();
    Status status = forEachEntry(
        path, [&](std::string name, const WIN32_FIND_DATAW&) { names.push_back(std::move(name)); });
    if (!status.isOk()) names.clear();
    return status;
  }

  Status listFolderEntries(const std::string& path, std::vector<FolderEntry>& entries) override {
    entries.clear();
    Status status = forEachEntry(path, [&](std::string name, const WIN32_FIND_DATAW& found) {
      entries.push_back({std::move(name), entryTypeOf(found.dwFileAttributes, found.dwReserved0)});
    });
    if (!status.isOk()) entries.clear();
    return status;
  }

  // Without MOVEFILE_REPLACE_EXISTING, MoveFileExW refuses an existing target, file or folder.
  Status renameFolder(const std::string& from, const std::string& to) override {
    if (!MoveFileExW(windowsPath(from).c_str(), windowsPath(to).c_str(), MOVEFILE_WRITE_THROUGH)) {
      return renameErrorStatus(from, to, GetLastError());
    }
    pending_.rememberRename(from, to);
    return Status::ok();
  }

  Status renameFile(const std::string& from, const std::string& to) override {
    return renameFolder(from, to);
  }

  Status appendToFileDurably(const std::string& path, const std::string& text) override {
    Status status;
    Handle file = openOwnFile(path, FILE_APPEND_DATA, OPEN_EXISTING, status);
    if (!file.isOpen()) return status;
    status = writeAll(file.get(), text.data(), text.size(), path);
    if (status.isOk() && !FlushFileBuffers(file.get())) status = lastErrorStatus(path);
    if (!file.reset() && status.isOk()) status = lastErrorStatus(path);
    if (status.isOk()) pending_.rememberFile(path);
    return status;
  }

  void rememberRenameToFlush(const std::string& from, const std::string& to) override {
    pending_.rememberRename(from, to);
  }

  Status syncFileSystem(const std::string& path) override {
    DWORD volume = 0;
    if (!volumeOf(windowsPath(path), volume)) return lastErrorStatus(path);
    return pending_.flush([volume](const std::string& changed, bool folder, Status& failure) {
      return flushPath(changed, folder, volume, failure);
    });
  }

  Status diskUsage(const std::string& path, std::uint64_t& bytes) override {
    WIN32_FIND_DATAW found;
    if (!lookAt(windowsPath(path), found)) return lastErrorStatus(path);
    return addUsage(path, found, bytes);
  }

  Status lockFile(const std::string& path, const std::string& holder,
                  std::unique_ptr<FileLock>& lock) override {
    // Not remembered for the flush: the lock file means something only while its holder lives.
    Status opened;
    Handle file = openOwnFile(path, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS, opened);
    if (!file.isOpen()) return opened;
    if (!lockRange(file.get(), true)) {
      const DWORD error = GetLastError();
      file.reset();
      if (error != ERROR_LOCK_VIOLATION && error != ERROR_IO_PENDING) {
        return errorStatus(path, error);
      }
      std::string present;
      static_cast<void>(readFile(path, present, 4096, nullptr));
      return Status::alreadyExists(path, present);
    }
    const HANDLE raw = file.get();
    auto held = std::make_unique<LockedFile>(std::move(file));
    if (!truncateToEmpty(raw)) return lastErrorStatus(path);
    if (Status status = writeAll(raw, holder.data(), holder.size(), path); !status.isOk()) {
      return status;
    }
    lock = std::move(held);
    return Status::ok();
  }

  Status lockFileShared(const std::string& path, std::unique_ptr<FileLock>& lock) override {
    lock.reset();
    DWORD error = 0;
    Handle file = openFileItself(path, GENERIC_READ, OPEN_EXISTING, error);
    if (!file.isOpen()) {
      // No file, or not even its folder: nobody can hold the exclusive lock.
      const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
      return missing ? Status::ok() : errorStatus(path, error);
    }
    if (!lockRange(file.get(), false)) {
      error = GetLastError();
      file.reset();
      if (error != ERROR_LOCK_VIOLATION && error != ERROR_IO_PENDING) {
        return errorStatus(path, error);
      }
      std::string holder;
      static_cast<void>(readFile(path, holder, 4096, nullptr));
      return Status::alreadyExists(path, holder);
    }
    lock = std::make_unique<SharedLock>(std::move(file));
    return Status::ok();
  }

  Status copyFolder(const std::string& from, const std::string& to) override {
    return pending_.copyFolder(
        to, [&](bool* created) { return copyTree(from, to, created); },
        [&] { return removeTree(to); });
  }

  Status removeFolder(const std::string& path) override {
    return pending_.removeFolder(path, [&] { return removeTree(path); });
  }

  // Windows has no access() for folders: asking to open the folder with the rights that creating
  // and renaming entries need makes the system check them, and changes nothing.
  bool isWritableFolder(const std::string& path) override {
    const DWORD attributes = GetFileAttributesW(windowsPath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      return false;
    }
    Handle folder(CreateFileW(windowsPath(path).c_str(),
                              FILE_ADD_FILE | FILE_ADD_SUBDIRECTORY | FILE_DELETE_CHILD,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return folder.isOpen();
  }

 private:
  Status addUsage(const std::string& path, const WIN32_FIND_DATAW& found, std::uint64_t& bytes) {
    const EntryType type = entryTypeOf(found.dwFileAttributes, found.dwReserved0);
    if (type == EntryType::File) bytes += sizeOf(found);
    if (type != EntryType::Folder) return Status::ok();
    Status inner;
    Status status = forEachEntry(path, [&](const std::string& name, const WIN32_FIND_DATAW& entry) {
      if (inner.isOk()) inner = addUsage(path + "/" + name, entry, bytes);
    });
    return status.isOk() ? inner : status;
  }

  // Copies from to to; *created (when given) tells whether to itself was made by this call.
  // A link or junction is not copied: a copy would either follow it out of the database or need
  // a right that ordinary users lack, so the copy stops and says so.
  Status copyTree(const std::string& from, const std::string& to, bool* created = nullptr) {
    WIN32_FIND_DATAW found;
    if (!lookAt(windowsPath(from), found)) return lastErrorStatus(from);
    const EntryType type = entryTypeOf(found.dwFileAttributes, found.dwReserved0);
    if (type == EntryType::File) {
      // Remembered even when the copy fails half-way: the file is there until it is removed.
      Status status = copyFile(from, to);
      pending_.rememberFile(to);
      return status;
    }
    if (namesAnotherPlace(found.dwFileAttributes, found.dwReserved0)) {
      return Status::invalid(
          from, userText(USER_TEXT("Files", "a symbolic link or junction, which is not copied")));
    }
    if (type != EntryType::Folder) {
      return Status::invalid(from, userText(USER_TEXT("Files", "not a file or folder")));
    }
    if (!CreateDirectoryW(windowsPath(to).c_str(), nullptr)) return lastErrorStatus(to);
    if (created) *created = true;
    pending_.rememberFolder(to);
    std::vector<std::string> names;
    Status status = listFolder(from, names);
    for (std::size_t i = 0; status.isOk() && i < names.size(); ++i) {
      status = copyTree(from + "/" + names[i], to + "/" + names[i]);
    }
    return status;
  }

  // Removes what is at path; a link or junction is removed itself, never what it names. A
  // folder whose removal stopped half-way is remembered, since it lost entries and stays.
  Status removeTree(const std::string& path) {
    const std::wstring wide = windowsPath(path);
    WIN32_FIND_DATAW found;
    if (!lookAt(wide, found)) return lastErrorStatus(path);
    const bool folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (namesAnotherPlace(found.dwFileAttributes, found.dwReserved0) || !folder) {
      return removeEntry(path, wide, found.dwFileAttributes, folder);
    }
    std::vector<std::string> names;
    Status status = listFolder(path, names);
    for (std::size_t i = 0; status.isOk() && i < names.size(); ++i) {
      status = removeTree(path + "/" + names[i]);
    }
    if (status.isOk()) status = removeEntry(path, wide, found.dwFileAttributes, true);
    if (!status.isOk()) pending_.rememberFolder(path);
    return status;
  }

  // Deletes one file, empty folder or link. POSIX deletes a read-only file in a writable folder,
  // and so does this: the read-only mark is taken off first.
  Status removeEntry(const std::string& path, const std::wstring& wide, DWORD attributes,
                     bool folder) {
    const auto remove = [&] {
      return folder ? RemoveDirectoryW(wide.c_str()) : DeleteFileW(wide.c_str());
    };
    if (remove()) return Status::ok();
    DWORD error = GetLastError();
    if (error == ERROR_ACCESS_DENIED && (attributes & FILE_ATTRIBUTE_READONLY) &&
        SetFileAttributesW(wide.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY})) {
      if (remove()) return Status::ok();
      error = GetLastError();
    }
    if (isSharingConflict(error) || (error == ERROR_ACCESS_DENIED && !folder)) {
      return Status::ioError(
          path, userText(USER_TEXT("Files", "cannot delete it: another program has it open")));
    }
    return errorStatus(path, error);
  }

  static bool volumeOf(const std::wstring& path, DWORD& volume) {
    Handle entry(CreateFileW(
        path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!entry.isOpen() || !GetFileInformationByHandle(entry.get(), &info)) return false;
    volume = info.dwVolumeSerialNumber;
    return true;
  }

  using PathFlush = PendingFlushes::PathFlush;

  // FlushFileBuffers needs a handle with write access; a folder opens only with backup
  // semantics, which without the backup privilege is an ordinary access check.
  static PathFlush flushPath(const std::string& path, bool folder, DWORD volume, Status& failure) {
    const DWORD flags = FILE_FLAG_OPEN_REPARSE_POINT | (folder ? FILE_FLAG_BACKUP_SEMANTICS : 0);
    Handle entry(CreateFileW(windowsPath(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, flags, nullptr));
    if (!entry.isOpen()) {
      const DWORD error = GetLastError();
      // Gone: the rename or removal that did it is remembered through the folder above.
      if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return PathFlush::Gone;
      // Some file systems do not open a folder for writing; its entries are kept durable by
      // other means there, which is no failure of ours.
      if (folder && error == ERROR_ACCESS_DENIED) return PathFlush::Flushed;
      failure = errorStatus(path, error);
      return PathFlush::Failed;
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(entry.get(), &info)) {
      failure = lastErrorStatus(path);
      return PathFlush::Failed;
    }
    if (info.dwVolumeSerialNumber != volume) return PathFlush::Elsewhere;
    const bool isFolder = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) || isFolder != folder) {
      return PathFlush::Gone;
    }
    if (!FlushFileBuffers(entry.get())) {
      const DWORD error = GetLastError();
      const bool folderFlushUnsupported =
          folder && (error == ERROR_INVALID_FUNCTION || error == ERROR_ACCESS_DENIED ||
                     error == ERROR_NOT_SUPPORTED);
      if (!folderFlushUnsupported) {
        failure = errorStatus(path, error);
        return PathFlush::Failed;
      }
    }
    return PathFlush::Flushed;
  }

  PendingFlushes pending_{kSeparators};
};

RealFileSystem& theRealFileSystem() {
  static RealFileSystem fs;
  return fs;
}

// The program's file name without its folder and ".exe", as POSIX names a program.
std::string programName() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return "slotsmith";
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  std::string name = utf8FromWide(path.substr(path.find_last_of(L"\\/") + 1));
  if (name.size() > 4 && _stricmp(name.c_str() + name.size() - 4, ".exe") == 0) {
    name.resize(name.size() - 4);
  }
  return name;
}

}  // namespace
}  // namespace slotsmith::win32

namespace slotsmith {

std::string thisProcessDescription() {
  wchar_t host[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
  if (!GetComputerNameW(host, &size)) size = 0;
  return "pid " + std::to_string(GetCurrentProcessId()) + " on host " +
         utf8FromWide(std::wstring_view(host, size)) + " (" + win32::programName() + ")";
}

FileSystem& realFileSystem() {
  return win32::theRealFileSystem();
}

void observeRealFileSystemFlushes(std::function<void(const std::string& path)> flushed) {
  win32::theRealFileSystem().setFlushObserver(std::move(flushed));
}

}  // namespace slotsmith
