// The low-level rules of the sound.script format, shared by the full table loader and the
// scan's fast key reader so that both see exactly the same entries and values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace slotsmith {

// What one fgets() with a 256-byte buffer returns, starting at pos: up to 255 bytes, ending
// after the first line feed. Returns the end of that chunk.
std::size_t scriptChunkEnd(std::string_view bytes, std::size_t pos);

struct ParsedValue {
  int32_t value = 0;
  std::size_t numberBegin = 0;  // after leading white space
  std::size_t numberEnd = 0;    // after the last digit; == numberBegin when there is no number
  bool overflowed = false;
};

// strtol(text, 10) over the bytes [begin, end), clamped to 32 bits.
ParsedValue parseScriptNumber(std::string_view bytes, std::size_t begin, std::size_t end);

}  // namespace slotsmith
