// Just enough JSON for the user's data files (library/UserDataFile.h), read strictly: the file
// comes from anywhere, so anything that is not JSON as RFC 8259 has it is refused with where and
// why, never guessed at. Strings must be UTF-8 (escapes included: a lone surrogate is refused),
// an object may not name a key twice, nothing but white space may follow the value, and nesting
// stops at kJsonDepth. Numbers are kept as they are written; the caller reads what it expects.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/Status.h"

namespace slotsmith {

inline constexpr int kJsonDepth = 32;

struct JsonValue {
  enum class Kind { Null, Boolean, Number, String, Array, Object };
  Kind kind = Kind::Null;
  bool boolean = false;
  std::string text;               // a string's characters, or a number as written
  std::vector<JsonValue> items;   // an array's values, or an object's
  std::vector<std::string> keys;  // an object's keys, each naming the item at its index

  // The member named key of an object; none when it has no such member or is no object.
  const JsonValue* member(std::string_view key) const;
};

Status parseJson(std::string_view text, JsonValue& value);

// The text as a JSON string, quotes included. Bytes that are no UTF-8 are taken as Latin-1, as
// core/NameFolding.h's nameAsUtf8 does, so the result is always valid JSON.
std::string jsonString(std::string_view text);

}  // namespace slotsmith
