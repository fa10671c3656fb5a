#include "core/windows/Win32Files.h"

#include <algorithm>
#include <atomic>

#include "core/UserText.h"

namespace slotsmith::win32 {

bool isSharingConflict(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

Status errorStatus(const std::string& path, DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DIRECTORY:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
      return Status::notFound(path, windowsErrorText(error));
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS:
    case ERROR_DIR_NOT_EMPTY:
      return Status::alreadyExists(path);
    default:
      if (isSharingConflict(error)) {
        return Status::ioError(path, userText(USER_TEXT("Files", "another program has it open")));
      }
      return Status::ioError(path, windowsErrorText(error));
  }
}

Status lastErrorStatus(const std::string& path) {
  return errorStatus(path, GetLastError());
}

Status renameErrorStatus(const std::string& from, const std::string& to, DWORD error) {
  if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) {
    return Status::alreadyExists(to);
  }
  if (isSharingConflict(error) || error == ERROR_ACCESS_DENIED) {
    return Status::ioError(
        from, userText(USER_TEXT("Files",
                                 "cannot rename to {path}: another program has it open (or it is "
                                 "read-only)"),
                       {{"path", to}}));
  }
  return errorStatus(from, error);
}

bool namesAnotherPlace(DWORD attributes, DWORD reparseTag) {
  return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 && IsReparseTagNameSurrogate(reparseTag);
}

EntryType entryTypeOf(DWORD attributes, DWORD reparseTag) {
  if (namesAnotherPlace(attributes, reparseTag)) return EntryType::Other;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return EntryType::Folder;
  if (attributes & FILE_ATTRIBUTE_DEVICE) return EntryType::Other;
  return EntryType::File;
}

bool lookAt(const std::wstring& path, WIN32_FIND_DATAW& found) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return false;
  found = {};
  found.dwFileAttributes = data.dwFileAttributes;
  found.nFileSizeHigh = data.nFileSizeHigh;
  found.nFileSizeLow = data.nFileSizeLow;
  // Only the listing of the folder above tells which kind of reparse point an entry is.
  if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
    WIN32_FIND_DATAW listed;
    const HANDLE search =
        FindFirstFileExW(path.c_str(), FindExInfoBasic, &listed, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    found.dwReserved0 = listed.dwReserved0;
  }
  return true;
}

std::uint64_t sizeOf(const WIN32_FIND_DATAW& found) {
  return (std::uint64_t{found.nFileSizeHigh} << 32) | found.nFileSizeLow;
}

Handle openRegularFile(const std::string& path, DWORD& error) {
  Handle file(CreateFileW(windowsPath(path).c_str(), GENERIC_READ,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.isOpen()) {
    error = GetLastError();
    return file;
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileType(file.get()) != FILE_TYPE_DISK || !GetFileInformationByHandle(file.get(), &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    file.reset();
    error = ERROR_FILE_NOT_FOUND;
  }
  return file;
}

Status writeAll(HANDLE file, const char* data, std::size_t size, const std::string& path) {
  while (size > 0) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, data, chunk, &written, nullptr)) return lastErrorStatus(path);
    data += written;
    size -= written;
  }
  return Status::ok();
}

bool readSome(HANDLE file, char* data, std::size_t size, std::size_t& got) {
  const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
  DWORD read = 0;
  if (!ReadFile(file, data, chunk, &read, nullptr)) return false;
  got = read;
  return true;
}

Status copyFile(const std::string& from, const std::string& to) {
  DWORD error = 0;
  Handle in = openRegularFile(from, error);
  if (!in.isOpen()) return errorStatus(from, error);
  Handle out(CreateFileW(windowsPath(to).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                         CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!out.isOpen()) return lastErrorStatus(to);
  Status status;
  std::string buffer(1 << 16, '\0');
  for (;;) {
    std::size_t got = 0;
    if (!readSome(in.get(), buffer.data(), buffer.size(), got)) {
      status = lastErrorStatus(from);
      break;
    }
    if (got == 0) break;
    status = writeAll(out.get(), buffer.data(), got, to);
    if (!status.isOk()) break;
  }
  if (!out.reset() && status.isOk()) status = lastErrorStatus(to);
  return status;
}

std::string temporarySuffix() {
  static std::atomic<unsigned> counter{0};
  const unsigned long long mix =
      (static_cast<unsigned long long>(GetCurrentProcessId()) << 32) ^ GetTickCount64() ^
      (static_cast<unsigned long long>(counter.fetch_add(1)) * 0x9E3779B97F4A7C15ull);
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string suffix;
  for (unsigned long long rest = mix; suffix.size() < 6; rest /= 36)
    suffix += kDigits[rest % 36];
  return suffix;
}

bool lockRange(HANDLE file, bool exclusive) {
  OVERLAPPED at{};
  at.OffsetHigh = kLockOffsetHigh;
  const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
  return LockFileEx(file, flags, 0, 1, 0, &at) != 0;
}

void unlockRange(HANDLE file) {
  OVERLAPPED at{};
  at.OffsetHigh = kLockOffsetHigh;
  UnlockFileEx(file, 0, 1, 0, &at);
}

bool truncateToEmpty(HANDLE file) {
  LARGE_INTEGER start{};
  return SetFilePointerEx(file, start, nullptr, FILE_BEGIN) && SetEndOfFile(file);
}

Handle openFileItself(const std::string& path, DWORD access, DWORD disposition, DWORD& error) {
  Handle file(CreateFileW(
      windowsPath(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, disposition, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!file.isOpen()) {
    error = GetLastError();
    return file;
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(file.get(), &info)) {
    error = GetLastError();
    file.reset();
  } else if (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) {
    error = ERROR_CANT_ACCESS_FILE;
    file.reset();
  }
  return file;
}

Handle openOwnFile(const std::string& path, DWORD access, DWORD disposition, Status& status) {
  DWORD error = 0;
  Handle file = openFileItself(path, access | FILE_READ_ATTRIBUTES, disposition, error);
  BY_HANDLE_FILE_INFORMATION info;
  if (!file.isOpen()) {
    status = error == ERROR_CANT_ACCESS_FILE
                 ? Status::invalid(path, userText(USER_TEXT("Files",
                                                            "is not a plain file; nothing was "
                                                            "written to it")))
                 : errorStatus(path, error);
  } else if (GetFileType(file.get()) != FILE_TYPE_DISK) {
    status = Status::invalid(
        path, userText(USER_TEXT("Files", "is not a plain file; nothing was written to it")));
    file.reset();
  } else if (!GetFileInformationByHandle(file.get(), &info)) {
    status = lastErrorStatus(path);
    file.reset();
  } else if (info.nNumberOfLinks > 1) {
    status = Status::invalid(path, userText(USER_TEXT("Files",
                                                      "has other hard links, so writing it would "
                                                      "change a file elsewhere too; nothing was "
                                                      "written to it")));
    file.reset();
  } else {
    status = Status::ok();
  }
  return file;
}

}  // namespace slotsmith::win32
