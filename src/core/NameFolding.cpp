#include "core/NameFolding.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <vector>

namespace slotsmith {

namespace {

struct Decomposition {
  char16_t from;
  char16_t to[4];  // the full canonical decomposition, ended by 0 when shorter
};

struct Folding {
  char16_t from;
  char16_t to;
};

struct CombiningClass {
  char16_t from;
  unsigned char value;
};

#include "core/NameFoldingTables.inc"

// A byte that begins no well-formed UTF-8 sequence stands for itself, as this number plus the
// byte: no character has such a number, so such names compare byte for byte.
constexpr char32_t kNotUtf8 = 0x110000;

// The block of the combining diacritical marks: the accents a search leaves out.
constexpr char32_t kFirstCombiningMark = 0x0300;
constexpr char32_t kLastCombiningMark = 0x036F;

// The entry of a table (sorted by from) for c, or none.
template <typename Entry, std::size_t N>
const Entry* lookUp(const Entry (&table)[N], char32_t c) {
  const Entry* found =
      std::lower_bound(std::begin(table), std::end(table), c,
                       [](const Entry& entry, char32_t key) { return entry.from < key; });
  return found != std::end(table) && found->from == c ? found : nullptr;
}

char32_t decodeAt(std::string_view text, std::size_t& i) {
  const auto first = static_cast<unsigned char>(text[i]);
  const auto notUtf8 = [&] {
    ++i;
    return kNotUtf8 + first;
  };
  if (first < 0x80) {
    ++i;
    return first;
  }
  std::size_t length = 0;
  char32_t c = 0;
  char32_t least = 0;
  if (first >= 0xC2 && first <= 0xDF) {
    length = 2, c = first & 0x1Fu, least = 0x80;
  } else if (first >= 0xE0 && first <= 0xEF) {
    length = 3, c = first & 0x0Fu, least = 0x800;
  } else if (first >= 0xF0 && first <= 0xF4) {
    length = 4, c = first & 0x07u, least = 0x10000;
  } else {
    return notUtf8();
  }
  if (text.size() - i < length) return notUtf8();
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0u) != 0x80u) return notUtf8();
    c = (c << 6) | (next & 0x3Fu);
  }
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return notUtf8();
  i += length;
  return c;
}

void encode(char32_t c, std::string& out) {
  if (c >= kNotUtf8) {
    // 0xFF appears in no UTF-8 text.
    out += '\xFF';
    out += static_cast<char>(c - kNotUtf8);
  } else if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void appendDecomposed(char32_t c, std::vector<char32_t>& out) {
  const Decomposition* d = lookUp(kDecompositions, c);
  if (d == nullptr) {
    out.push_back(c);
    return;
  }
  for (char16_t part : d->to)
    if (part != 0) out.push_back(part);
}

char32_t folded(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + ('a' - 'A');
  const Folding* f = lookUp(kFoldings, c);
  return f != nullptr ? f->to : c;
}

unsigned combiningClass(char32_t c) {
  const CombiningClass* m = lookUp(kCombiningClasses, c);
  return m != nullptr ? m->value : 0;
}

// Puts every run of marks in canonical order: a stable sort by combining class.
void orderMarks(std::vector<char32_t>& characters) {
  for (auto run = characters.begin(); run != characters.end();) {
    if (combiningClass(*run) == 0) {
      ++run;
      continue;
    }
    const auto end =
        std::find_if(run, characters.end(), [](char32_t c) { return combiningClass(c) == 0; });
    std::stable_sort(run, end,
                     [](char32_t a, char32_t b) { return combiningClass(a) < combiningClass(b); });
    run = end;
  }
}

// NFD, folded, and NFD again: a mark folds to a letter (U+0345 to iota) only once in its
// canonical place, and a folded letter might have parts.
std::vector<char32_t> comparisonCharacters(std::string_view name) {
  std::vector<char32_t> decomposed;
  for (std::size_t i = 0; i < name.size();)
    appendDecomposed(decodeAt(name, i), decomposed);
  orderMarks(decomposed);
  std::vector<char32_t> characters;
  for (char32_t c : decomposed)
    appendDecomposed(folded(c), characters);
  orderMarks(characters);
  return characters;
}

}  // namespace

std::string nameComparisonKey(std::string_view name) {
  std::string key;
  key.reserve(name.size());
  for (char32_t c : comparisonCharacters(name))
    encode(c, key);
  return key;
}

std::string nameSearchKey(std::string_view name) {
  std::string key;
  key.reserve(name.size());
  for (char32_t c : comparisonCharacters(name)) {
    if (combiningClass(c) == 0 && (c < kFirstCombiningMark || c > kLastCombiningMark)) {
      encode(c, key);
    }
  }
  return key;
}

std::string nameAsUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const char32_t c = decodeAt(bytes, i);
    encode(c >= kNotUtf8 ? c - kNotUtf8 : c, text);
  }
  return text;
}

std::string shownEntryName(std::string_view name) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string shown;
  shown.reserve(name.size());
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) {
      shown += "\\x";
      shown += kHex[byte >> 4];
      shown += kHex[byte & 0xf];
    } else {
      shown += c;
    }
  }
  return shown;
}

}  // namespace slotsmith
