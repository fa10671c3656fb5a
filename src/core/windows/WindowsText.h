// Text between the engine and the Win32 API: the engine keeps paths and names in UTF-8 with '/',
// Windows takes UTF-16 with '\'. Used by the Windows side of the seams only.
#pragma once

#include <string>
#include <string_view>

namespace slotsmith {

// UTF-16 from UTF-8; bytes that are not UTF-8 become U+FFFD.
std::wstring wideFromUtf8(std::string_view text);
// UTF-8 from UTF-16; a lone surrogate becomes U+FFFD.
std::string utf8FromWide(std::wstring_view text);

// The path for the Win32 file functions: '\' for '/', and an absolute path made whole (no "." or
// ".." left) and given the \\?\ prefix, which lifts the 260-character limit on its length.
std::wstring windowsPath(std::string_view path);

// The system's text for an error code, in one line without the closing full stop.
std::string windowsErrorText(unsigned long error);

}  // namespace slotsmith
