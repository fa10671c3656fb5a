#include "core/PrintableText.h"

#include <cstdint>
#include <cstdio>

namespace slotsmith {
namespace {

// The length of the UTF-8 sequence a lead byte starts, 0 for a byte that starts none.
std::size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xc2 && lead <= 0xdf) return 2;
  if (lead >= 0xe0 && lead <= 0xef) return 3;
  if (lead >= 0xf0 && lead <= 0xf4) return 4;
  return 0;
}

// The code point of a well-formed sequence of `length` bytes at text[at], or -1 (overlong forms,
// surrogates and values past U+10FFFF are no UTF-8).
int32_t decode(std::string_view text, std::size_t at, std::size_t length) {
  if (at + length > text.size()) return -1;
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
  int32_t code = byte(0) & (0x7f >> length);
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(k) & 0xc0) != 0x80) return -1;
    code = (code << 6) | (byte(k) & 0x3f);
  }
  const int32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < smallest[length] || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff)) return -1;
  return code;
}

bool reordersText(int32_t code) {
  return code == 0x061c || code == 0x200e || code == 0x200f || (code >= 0x202a && code <= 0x202e) ||
         (code >= 0x2066 && code <= 0x2069);
}

void appendHex(std::string& out, const char* format, unsigned value) {
  char escape[8];
  const int length = std::snprintf(escape, sizeof escape, format, value);
  out.append(escape, static_cast<std::size_t>(length));
}

// The escape of a C0 control byte or DEL.
void appendControl(std::string& out, unsigned char byte) {
  switch (byte) {
    case '\a':
      out += "\\a";
      return;
    case '\b':
      out += "\\b";
      return;
    case '\t':
      out += "\\t";
      return;
    case '\n':
      out += "\\n";
      return;
    case '\v':
      out += "\\v";
      return;
    case '\f':
      out += "\\f";
      return;
    case '\r':
      out += "\\r";
      return;
    case 0x1b:
      out += "\\e";
      return;
    default:
      appendHex(out, "\\x%02x", byte);
  }
}

}  // namespace

std::string printableText(std::string_view text, LineBreaks lineBreaks) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x80) {
      const bool kept = lineBreaks == LineBreaks::Keep && (byte == '\n' || byte == '\t');
      if ((byte < 0x20 || byte == 0x7f) && !kept) {
        appendControl(out, byte);
      } else {
        out += static_cast<char>(byte);
      }
      ++at;
      continue;
    }
    const std::size_t length = sequenceLength(byte);
    const int32_t code = length == 0 ? -1 : decode(text, at, length);
    if (code < 0) {
      appendHex(out, "\\x%02x", byte);
      ++at;
    } else if ((code >= 0x80 && code <= 0x9f) || reordersText(code)) {
      appendHex(out, "\\u%04x", static_cast<unsigned>(code));
      at += length;
    } else {
      out.append(text, at, length);
      at += length;
    }
  }
  return out;
}

std::size_t incompleteUtf8Tail(std::string_view text) {
  // A lead byte among the last three whose sequence runs past the end, with only continuation
  // bytes after it.
  for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
    const auto byte = static_cast<unsigned char>(text[text.size() - back]);
    if ((byte & 0xc0) == 0x80) continue;
    const std::size_t length = sequenceLength(byte);
    return length > back ? back : 0;
  }
  return 0;
}

}  // namespace slotsmith
