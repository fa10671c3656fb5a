#include "core/ScriptFormat.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace slotsmith {
namespace {

bool isStrtolSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::size_t scriptChunkEnd(std::string_view bytes, std::size_t pos) {
  const std::size_t limit = std::min<std::size_t>(bytes.size() - pos, 255);
  const void* newline = std::memchr(bytes.data() + pos, '\n', limit);
  if (newline != nullptr) return static_cast<const char*>(newline) - bytes.data() + 1;
  return pos + limit;
}

ParsedValue parseScriptNumber(std::string_view bytes, std::size_t begin, std::size_t end) {
  ParsedValue parsed;
  std::size_t i = begin;
  while (i < end && isStrtolSpace(bytes[i]))
    ++i;
  parsed.numberBegin = parsed.numberEnd = i;
  bool negative = false;
  std::size_t digitsBegin = i;
  if (i < end && (bytes[i] == '+' || bytes[i] == '-')) {
    negative = bytes[i] == '-';
    digitsBegin = ++i;
  }
  int64_t magnitude = 0;
  while (i < end && bytes[i] >= '0' && bytes[i] <= '9') {
    if (magnitude <= int64_t{1} << 32) magnitude = magnitude * 10 + (bytes[i] - '0');
    ++i;
  }
  if (i == digitsBegin) {
    // No digits: 0, and nothing was consumed. A number given to such a line later goes where the
    // value starts, never after white space that may run past the line end into the next line.
    parsed.numberBegin = parsed.numberEnd = begin;
    return parsed;
  }
  parsed.numberEnd = i;
  const int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<int32_t>::max()) {
    parsed.value = std::numeric_limits<int32_t>::max();
    parsed.overflowed = true;
  } else if (value < std::numeric_limits<int32_t>::min()) {
    parsed.value = std::numeric_limits<int32_t>::min();
    parsed.overflowed = true;
  } else {
    parsed.value = static_cast<int32_t>(value);
  }
  return parsed;
}

}  // namespace slotsmith
