#include "core/HistoryKey.h"

#include "core/UserDataFolder.h"
#include "core/UserText.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <random>
#include <sstream>
#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#if defined(__linux__)
#include <sys/random.h>
#endif
#endif

namespace slotsmith {

namespace {

constexpr std::size_t kKeyBytes = 32;

struct KeyState {
  std::mutex mutex;
  std::string chosenPath;          // useHistoryKeyFile's, when set
  std::optional<std::string> key;  // read once
  std::optional<HmacSha256> signer;
};

KeyState& keyState() {
  static KeyState state;
  return state;
}

// Paths are UTF-8 throughout the engine, on Windows too.
std::filesystem::path pathOf(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string textOf(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::string platformKeyPath() {
  if (std::string named = environment("SLOTSMITH_HISTORY_KEY"); !named.empty()) return named;
  const std::string folder = userDataFolder();
  return folder.empty() ? std::string() : folder + "/history-key";
}

bool fillRandom(std::string& bytes) {
  bytes.assign(kKeyBytes, '\0');
#if defined(__linux__)
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const ssize_t n = ::getrandom(bytes.data() + filled, bytes.size() - filled, 0);
    if (n < 0) return false;
    filled += static_cast<std::size_t>(n);
  }
  return true;
#elif defined(__APPLE__)
  ::arc4random_buf(bytes.data(), bytes.size());
  return true;
#else
  // MinGW's random_device draws from the system's cryptographic generator (rand_s).
  std::random_device device;
  for (char& byte : bytes)
    byte = static_cast<char>(device() & 0xff);
  return true;
#endif
}

std::string hexOfBytes(const std::string& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  for (unsigned char byte : bytes) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 15];
  }
  return text;
}

// The key's bytes from the file's text: 64 hexadecimal digits, perhaps with a line ending.
std::optional<std::string> keyFromText(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
    text.pop_back();
  if (text.size() != kKeyBytes * 2) return std::nullopt;
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    unsigned value = 0;
    for (std::size_t j = i; j < i + 2; ++j) {
      const char c = text[j];
      const int digit = c >= '0' && c <= '9'   ? c - '0'
                        : c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                               : -1;
      if (digit < 0) return std::nullopt;
      value = value * 16 + static_cast<unsigned>(digit);
    }
    bytes += static_cast<char>(value);
  }
  return bytes;
}

Status readKeyFile(const std::string& path, std::string& key) {
  std::ifstream in(pathOf(path), std::ios::binary);
  if (!in) return Status::notFound(path);
  std::ostringstream text;
  text << in.rdbuf();
  if (std::optional<std::string> bytes = keyFromText(text.str())) {
    key = *bytes;
    return Status::ok();
  }
  return Status::invalid(path, userText(USER_TEXT("History key",
                                                  "is not a Slotsmith history key (64 hexadecimal "
                                                  "digits); move it away and a new key is made, "
                                                  "under which the history written so far reads "
                                                  "as made elsewhere")));
}

// Writes a new key beside path and links it into place without replacing one that another
// process made first: whoever comes second reads the first one's key.
Status makeKeyFile(const std::string& path) {
  std::error_code error;
  const std::filesystem::path file = pathOf(path);
  std::filesystem::create_directories(file.parent_path(), error);
  if (error) return Status::ioError(textOf(file.parent_path()), error.message());
  std::string bytes;
  if (!fillRandom(bytes)) {
    return Status::ioError(
        path, userText(USER_TEXT("History key", "no random bytes to make a key from")));
  }
  const std::string text = hexOfBytes(bytes) + "\n";
#if defined(_WIN32)
  // The folder under %LOCALAPPDATA% is the user's own. Written under a temporary name and moved
  // into place without replacing a key another run made meanwhile.
  const std::filesystem::path temporary =
      file.parent_path() / ("history-key." + std::to_string(::GetCurrentProcessId()) + ".new");
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << text;
    out.flush();
    if (!out) {
      return Status::ioError(textOf(temporary),
                             userText(USER_TEXT("History key", "cannot be written")));
    }
  }
  if (!::MoveFileExW(temporary.wstring().c_str(), file.wstring().c_str(), MOVEFILE_WRITE_THROUGH)) {
    std::filesystem::remove(temporary, error);
    if (std::filesystem::exists(file, error)) return Status::ok();
    return Status::ioError(path, userText(USER_TEXT("History key", "cannot be made")));
  }
  return Status::ok();
#else
  // Only this user may read it: the folder and the file are made so.
  ::chmod(file.parent_path().c_str(), 0700);
  const std::string temporary = path + "." + std::to_string(::getpid()) + ".new";
  ::unlink(temporary.c_str());
  const int fd =
      ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return Status::ioError(temporary, std::strerror(errno));
  bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  written = ::fsync(fd) == 0 && written;
  written = ::close(fd) == 0 && written;
  if (!written) {
    ::unlink(temporary.c_str());
    return Status::ioError(temporary, userText(USER_TEXT("History key", "cannot be written")));
  }
  const int linked = ::link(temporary.c_str(), path.c_str());
  const int linkError = errno;
  ::unlink(temporary.c_str());
  if (linked != 0 && linkError != EEXIST) return Status::ioError(path, std::strerror(linkError));
  return Status::ok();
#endif
}

}  // namespace

std::string historyKeyPath() {
  KeyState& state = keyState();
  std::lock_guard<std::mutex> hold(state.mutex);
  return state.chosenPath.empty() ? platformKeyPath() : state.chosenPath;
}

void useHistoryKeyFile(std::string path) {
  KeyState& state = keyState();
  std::lock_guard<std::mutex> hold(state.mutex);
  state.chosenPath = std::move(path);
  state.key.reset();
  state.signer.reset();
}

Status historyKey(std::string& key) {
  KeyState& state = keyState();
  std::lock_guard<std::mutex> hold(state.mutex);
  if (state.key) {
    key = *state.key;
    return Status::ok();
  }
  const std::string path = state.chosenPath.empty() ? platformKeyPath() : state.chosenPath;
  if (path.empty()) {
    return Status::refused(userText(USER_TEXT(
        "History key",
        "There is no folder for the history key: set HOME (or SLOTSMITH_HISTORY_KEY to a file).")));
  }
  Status read = readKeyFile(path, key);
  if (read.isNotFound()) {
    if (Status made = makeKeyFile(path); !made.isOk()) return made;
    read = readKeyFile(path, key);
  }
  if (read.isOk()) state.key = key;
  return read;
}

bool signWithHistoryKey(std::string_view message, Digest& mac) {
  KeyState& state = keyState();
  {
    std::lock_guard<std::mutex> hold(state.mutex);
    if (state.signer) {
      mac = state.signer->sign(message);
      return true;
    }
  }
  std::string key;
  if (!historyKey(key).isOk()) return false;
  std::lock_guard<std::mutex> hold(state.mutex);
  if (!state.signer) state.signer.emplace(key);
  mac = state.signer->sign(message);
  return true;
}

}  // namespace slotsmith
