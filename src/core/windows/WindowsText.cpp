#include "core/windows/WindowsText.h"

#include <windows.h>

#include <algorithm>

#include "core/FileSystem.h"
#include "core/UserText.h"

namespace slotsmith {

std::wstring wideFromUtf8(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::string utf8FromWide(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
  return narrow;
}

std::wstring windowsPath(std::string_view path) {
  std::wstring wide = wideFromUtf8(path);
  std::replace(wide.begin(), wide.end(), L'/', L'\\');
  if (wide.starts_with(LR"(\\?\)")) return wide;
  // GetFullPathNameW resolves "." and ".." and a relative path as the rest of Win32 would;
  // the \\?\ form that follows takes every character literally.
  const DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return wide;
  std::wstring full(needed, L'\0');
  const DWORD length = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return wide;
  full.resize(length);
  if (full.starts_with(LR"(\\.\)")) return full;                           // a device
  if (full.starts_with(LR"(\\)")) return LR"(\\?\UNC\)" + full.substr(2);  // \\server\share
  return LR"(\\?\)" + full;
}

std::string windowsErrorText(unsigned long error) {
  wchar_t* buffer = nullptr;
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&buffer),
      0, nullptr);
  // A system without English texts: its own language, rather than none.
  if (length == 0) {
    length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
  }
  std::string text = length > 0 ? utf8FromWide(std::wstring_view(buffer, length)) : std::string();
  if (buffer) LocalFree(buffer);
  while (!text.empty() &&
         (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.')) {
    text.pop_back();
  }
  if (text.empty()) {
    text = userText(USER_TEXT("Files", "Windows error {code}"), {{"code", std::to_string(error)}});
  }
  return text;
}

std::string pathWithForwardSlashes(std::string_view path) {
  std::string forward(path);
  std::replace(forward.begin(), forward.end(), '\\', '/');
  return forward;
}

}  // namespace slotsmith
