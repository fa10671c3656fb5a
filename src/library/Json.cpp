#include "library/Json.h"

#include <cstdint>
#include <cstdio>

#include "core/NameFolding.h"
#include "core/UserText.h"

namespace slotsmith {

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void appendUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xc0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3f));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xe0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
    out += static_cast<char>(0x80 | (c & 0x3f));
  } else {
    out += static_cast<char>(0xf0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
    out += static_cast<char>(0x80 | (c & 0x3f));
  }
}

// The length of the well-formed UTF-8 sequence at text[at], or 0 (overlong forms, surrogates and
// code points past U+10FFFF are not well formed).
std::size_t utf8SequenceAt(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) {
    return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0u;
  };
  const auto continues = [&](std::size_t i) { return (byte(i) & 0xc0) == 0x80; };
  const unsigned first = byte(0);
  if (first >= 0xc2 && first <= 0xdf) return continues(1) ? 2 : 0;
  if (first >= 0xe0 && first <= 0xef) {
    const unsigned second = byte(1);
    if (first == 0xe0 && second < 0xa0) return 0;
    if (first == 0xed && second >= 0xa0) return 0;
    return continues(1) && continues(2) ? 3 : 0;
  }
  if (first >= 0xf0 && first <= 0xf4) {
    const unsigned second = byte(1);
    if (first == 0xf0 && second < 0x90) return 0;
    if (first == 0xf4 && second >= 0x90) return 0;
    return continues(1) && continues(2) && continues(3) ? 4 : 0;
  }
  return 0;
}

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  Status parseDocument(JsonValue& value) {
    skipSpace();
    if (Status parsed = parseValue(value, 0); !parsed.isOk()) return parsed;
    skipSpace();
    if (at_ != text_.size())
      return fail(USER_TEXT("Library", "something follows the JSON value at byte {at}"));
    return Status::ok();
  }

 private:
  // The template names the place as {at}, and a key as {key}.
  Status fail(const TextTemplate& why, const std::string& key = {}) const {
    return Status::invalid("JSON", userText(why, {{"at", std::to_string(at_)}, {"key", key}}));
  }

  void skipSpace() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
      ++at_;
  }

  bool take(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }

  Status parseValue(JsonValue& value, int depth) {
    if (depth >= kJsonDepth) return fail(USER_TEXT("Library", "nesting is too deep at byte {at}"));
    if (at_ >= text_.size()) return fail(USER_TEXT("Library", "a value is missing at byte {at}"));
    const char c = text_[at_];
    if (c == '{') return parseObject(value, depth);
    if (c == '[') return parseArray(value, depth);
    if (c == '"') {
      value.kind = JsonValue::Kind::String;
      return parseString(value.text);
    }
    if (c == '-' || isDigit(c)) return parseNumber(value);
    if (take("true") || take("false")) {
      value.kind = JsonValue::Kind::Boolean;
      value.boolean = text_[at_ - 2] == 'u';  // "tr(u)e", "fal(s)e"
      return Status::ok();
    }
    if (take("null")) {
      value.kind = JsonValue::Kind::Null;
      return Status::ok();
    }
    return fail(USER_TEXT("Library", "no JSON value begins here at byte {at}"));
  }

  Status parseObject(JsonValue& value, int depth) {
    value.kind = JsonValue::Kind::Object;
    ++at_;
    skipSpace();
    if (take("}")) return Status::ok();
    for (;;) {
      skipSpace();
      if (at_ >= text_.size() || text_[at_] != '"')
        return fail(USER_TEXT("Library", "a key is missing at byte {at}"));
      std::string key;
      if (Status parsed = parseString(key); !parsed.isOk()) return parsed;
      if (value.member(key) != nullptr)
        return fail(USER_TEXT("Library", "the key \"{key}\" comes twice at byte {at}"), key);
      skipSpace();
      if (!take(":")) return fail(USER_TEXT("Library", "a colon is missing at byte {at}"));
      skipSpace();
      JsonValue member;
      if (Status parsed = parseValue(member, depth + 1); !parsed.isOk()) return parsed;
      value.keys.push_back(std::move(key));
      value.items.push_back(std::move(member));
      skipSpace();
      if (take("}")) return Status::ok();
      if (!take(",")) return fail(USER_TEXT("Library", "a comma or } is missing at byte {at}"));
    }
  }

  Status parseArray(JsonValue& value, int depth) {
    value.kind = JsonValue::Kind::Array;
    ++at_;
    skipSpace();
    if (take("]")) return Status::ok();
    for (;;) {
      skipSpace();
      JsonValue item;
      if (Status parsed = parseValue(item, depth + 1); !parsed.isOk()) return parsed;
      value.items.push_back(std::move(item));
      skipSpace();
      if (take("]")) return Status::ok();
      if (!take(",")) return fail(USER_TEXT("Library", "a comma or ] is missing at byte {at}"));
    }
  }

  Status parseNumber(JsonValue& value) {
    const std::size_t start = at_;
    take("-");
    if (take("0")) {
      if (at_ < text_.size() && isDigit(text_[at_]))
        return fail(USER_TEXT("Library", "a number begins with 0 at byte {at}"));
    } else if (!digits()) {
      return fail(USER_TEXT("Library", "a number has no digits at byte {at}"));
    }
    if (take(".") && !digits())
      return fail(USER_TEXT("Library", "a fraction has no digits at byte {at}"));
    if (take("e") || take("E")) {
      if (!take("+")) take("-");
      if (!digits()) return fail(USER_TEXT("Library", "an exponent has no digits at byte {at}"));
    }
    value.kind = JsonValue::Kind::Number;
    value.text = std::string(text_.substr(start, at_ - start));
    return Status::ok();
  }

  bool digits() {
    const std::size_t start = at_;
    while (at_ < text_.size() && isDigit(text_[at_]))
      ++at_;
    return at_ > start;
  }

  Status parseHex4(char32_t& unit) {
    unit = 0;
    for (int i = 0; i < 4; ++i, ++at_) {
      const int digit = at_ < text_.size() ? hexValue(text_[at_]) : -1;
      if (digit < 0)
        return fail(USER_TEXT("Library", "a \\u escape needs four hex digits at byte {at}"));
      unit = unit * 16 + static_cast<char32_t>(digit);
    }
    return Status::ok();
  }

  Status parseEscape(std::string& out) {
    if (at_ >= text_.size())
      return fail(USER_TEXT("Library", "a string is not closed at byte {at}"));
    const char c = text_[at_++];
    switch (c) {
      case '"':
      case '\\':
      case '/':
        out += c;
        return Status::ok();
      case 'b':
        out += '\b';
        return Status::ok();
      case 'f':
        out += '\f';
        return Status::ok();
      case 'n':
        out += '\n';
        return Status::ok();
      case 'r':
        out += '\r';
        return Status::ok();
      case 't':
        out += '\t';
        return Status::ok();
      case 'u':
        break;
      default:
        return fail(USER_TEXT("Library", "an unknown escape at byte {at}"));
    }
    char32_t unit = 0;
    if (Status read = parseHex4(unit); !read.isOk()) return read;
    if (unit >= 0xdc00 && unit <= 0xdfff)
      return fail(USER_TEXT("Library", "a lone low surrogate at byte {at}"));
    if (unit >= 0xd800 && unit <= 0xdbff) {
      char32_t low = 0;
      if (!take("\\u"))
        return fail(USER_TEXT("Library", "a high surrogate without its low one at byte {at}"));
      if (Status read = parseHex4(low); !read.isOk()) return read;
      if (low < 0xdc00 || low > 0xdfff)
        return fail(USER_TEXT("Library", "a high surrogate without its low one at byte {at}"));
      unit = 0x10000 + ((unit - 0xd800) << 10) + (low - 0xdc00);
    }
    appendUtf8(unit, out);
    return Status::ok();
  }

  Status parseString(std::string& out) {
    ++at_;
    for (;;) {
      if (at_ >= text_.size())
        return fail(USER_TEXT("Library", "a string is not closed at byte {at}"));
      const auto c = static_cast<unsigned char>(text_[at_]);
      if (c == '"') {
        ++at_;
        return Status::ok();
      }
      if (c == '\\') {
        ++at_;
        if (Status escaped = parseEscape(out); !escaped.isOk()) return escaped;
      } else if (c < 0x20) {
        return fail(USER_TEXT("Library", "a control character in a string at byte {at}"));
      } else if (c < 0x80) {
        out += static_cast<char>(c);
        ++at_;
      } else {
        const std::size_t length = utf8SequenceAt(text_, at_);
        if (length == 0) return fail(USER_TEXT("Library", "a string is no UTF-8 at byte {at}"));
        out.append(text_.substr(at_, length));
        at_ += length;
      }
    }
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace

const JsonValue* JsonValue::member(std::string_view key) const {
  if (kind != Kind::Object) return nullptr;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (keys[i] == key) return &items[i];
  }
  return nullptr;
}

Status parseJson(std::string_view text, JsonValue& value) {
  value = {};
  return Parser(text).parseDocument(value);
}

std::string jsonString(std::string_view text) {
  std::string out = "\"";
  for (const char c : nameAsUtf8(text)) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || byte == 0x7f) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", byte);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + '"';
}

}  // namespace slotsmith
