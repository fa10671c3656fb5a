#include "library/Json.h"

#include <cstdint>
#include <cstdio>

#include "core/NameFolding.h"

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
    if (at_ != text_.size()) return fail("something follows the JSON value");
    return Status::ok();
  }

 private:
  Status fail(const std::string& why) const {
    return Status::invalid("JSON", why + " at byte " + std::to_string(at_));
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
    if (depth >= kJsonDepth) return fail("nesting is too deep");
    if (at_ >= text_.size()) return fail("a value is missing");
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
    return fail("no JSON value begins here");
  }

  Status parseObject(JsonValue& value, int depth) {
    value.kind = JsonValue::Kind::Object;
    ++at_;
    skipSpace();
    if (take("}")) return Status::ok();
    for (;;) {
      skipSpace();
      if (at_ >= text_.size() || text_[at_] != '"') return fail("a key is missing");
      std::string key;
      if (Status parsed = parseString(key); !parsed.isOk()) return parsed;
      if (value.member(key) != nullptr) return fail("the key \"" + key + "\" comes twice");
      skipSpace();
      if (!take(":")) return fail("a colon is missing");
      skipSpace();
      JsonValue member;
      if (Status parsed = parseValue(member, depth + 1); !parsed.isOk()) return parsed;
      value.keys.push_back(std::move(key));
      value.items.push_back(std::move(member));
      skipSpace();
      if (take("}")) return Status::ok();
      if (!take(",")) return fail("a comma or } is missing");
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
      if (!take(",")) return fail("a comma or ] is missing");
    }
  }

  Status parseNumber(JsonValue& value) {
    const std::size_t start = at_;
    take("-");
    if (take("0")) {
      if (at_ < text_.size() && isDigit(text_[at_])) return fail("a number begins with 0");
    } else if (!digits()) {
      return fail("a number has no digits");
    }
    if (take(".") && !digits()) return fail("a fraction has no digits");
    if (take("e") || take("E")) {
      if (!take("+")) take("-");
      if (!digits()) return fail("an exponent has no digits");
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
      if (digit < 0) return fail("a \\u escape needs four hex digits");
      unit = unit * 16 + static_cast<char32_t>(digit);
    }
    return Status::ok();
  }

  Status parseEscape(std::string& out) {
    if (at_ >= text_.size()) return fail("a string is not closed");
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
        return fail("an unknown escape");
    }
    char32_t unit = 0;
    if (Status read = parseHex4(unit); !read.isOk()) return read;
    if (unit >= 0xdc00 && unit <= 0xdfff) return fail("a lone low surrogate");
    if (unit >= 0xd800 && unit <= 0xdbff) {
      char32_t low = 0;
      if (!take("\\u")) return fail("a high surrogate without its low one");
      if (Status read = parseHex4(low); !read.isOk()) return read;
      if (low < 0xdc00 || low > 0xdfff) return fail("a high surrogate without its low one");
      unit = 0x10000 + ((unit - 0xd800) << 10) + (low - 0xdc00);
    }
    appendUtf8(unit, out);
    return Status::ok();
  }

  Status parseString(std::string& out) {
    ++at_;
    for (;;) {
      if (at_ >= text_.size()) return fail("a string is not closed");
      const auto c = static_cast<unsigned char>(text_[at_]);
      if (c == '"') {
        ++at_;
        return Status::ok();
      }
      if (c == '\\') {
        ++at_;
        if (Status escaped = parseEscape(out); !escaped.isOk()) return escaped;
      } else if (c < 0x20) {
        return fail("a control character in a string");
      } else if (c < 0x80) {
        out += static_cast<char>(c);
        ++at_;
      } else {
        const std::size_t length = utf8SequenceAt(text_, at_);
        if (length == 0) return fail("a string is no UTF-8");
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
