#include "support/Platform.h"

#ifdef _WIN32
#include <windows.h>

#include <algorithm>

#include "core/windows/WindowsText.h"
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <system_error>

#include "support/TempDir.h"

namespace slotsmith::testing {

bool placeNamedPipe(const std::string& path) {
#ifdef _WIN32
  static_cast<void>(path);
  return true;
#else
  return ::mkfifo(path.c_str(), 0600) == 0;
#endif
}

#ifdef _WIN32
namespace {

bool makeLink(const std::string& target, const std::string& link, DWORD flags) {
  // The target is kept relative when it was given so; only the separators change.
  std::wstring wideTarget = wideFromUtf8(target);
  std::replace(wideTarget.begin(), wideTarget.end(), L'/', L'\\');
  const std::wstring linkPath = windowsPath(link);
  // A link is made when it is there afterwards; a success alone does not say so.
  return CreateSymbolicLinkW(linkPath.c_str(), wideTarget.c_str(),
                             flags | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) &&
         GetFileAttributesW(linkPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void createLink(const std::string& target, const std::string& link, DWORD flags) {
  if (!makeLink(target, link, flags)) {
    throw std::filesystem::filesystem_error(
        "cannot create symlink", pathFromUtf8(target), pathFromUtf8(link),
        std::make_error_code(std::errc::operation_not_supported));
  }
}

}  // namespace

void createSymlink(const std::string& target, const std::string& link) {
  createLink(target, link, 0);
}

void createDirectorySymlink(const std::string& target, const std::string& link) {
  createLink(target, link, SYMBOLIC_LINK_FLAG_DIRECTORY);
}

namespace {

class WindowsHeldFile final : public HeldOpenFile {
 public:
  explicit WindowsHeldFile(HANDLE file) : file_(file) {}
  ~WindowsHeldFile() override { CloseHandle(file_); }
  WindowsHeldFile(const WindowsHeldFile&) = delete;
  WindowsHeldFile& operator=(const WindowsHeldFile&) = delete;

 private:
  HANDLE file_;
};

}  // namespace

std::unique_ptr<HeldOpenFile> holdOpenElsewhere(const std::string& path) {
  const HANDLE file = CreateFileW(windowsPath(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    throw std::filesystem::filesystem_error(
        "cannot hold open", pathFromUtf8(path),
        std::error_code(static_cast<int>(GetLastError()), std::system_category()));
  }
  return std::make_unique<WindowsHeldFile>(file);
}

bool symbolicLinksCanBeMade() {
  static const bool canBeMade = [] {
    TempDir dir("slotsmith-link-probe");
    return makeLink("nowhere", dir.path() + "/link", 0);
  }();
  return canBeMade;
}
#else
void createSymlink(const std::string& target, const std::string& link) {
  std::filesystem::create_symlink(target, link);
}

void createDirectorySymlink(const std::string& target, const std::string& link) {
  std::filesystem::create_directory_symlink(target, link);
}

bool symbolicLinksCanBeMade() {
  return true;
}

std::unique_ptr<HeldOpenFile> holdOpenElsewhere(const std::string& path) {
  static_cast<void>(path);
  return nullptr;
}
#endif

bool fileModesBindThisProcess() {
#ifdef _WIN32
  return false;
#else
  return ::geteuid() != 0;
#endif
}

std::string memoryBackedFolder() {
#if defined(__linux__)
  if (::access("/dev/shm", W_OK | X_OK) == 0) return "/dev/shm";
#endif
  return {};
}

}  // namespace slotsmith::testing
