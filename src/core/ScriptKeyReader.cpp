#include "core/ScriptKeyReader.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/ScriptFormat.h"
#include "core/SoundScript.h"

namespace slotsmith {
namespace {

constexpr int kWantedKeys = 20;
constexpr int kModel1Index = 16;
constexpr int kModel2Index = 17;
constexpr int kSwitch1Index = 18;
constexpr int kSwitch2Index = 19;
// What both reference keys end with, up to their tab.
constexpr std::string_view kReferenceKeyEnd = "ModellIndex\t";

// The index of a key the scan reads (0..15: "SoundNameC00".."SoundNameC15", then the two model
// references and the two switches), or -1 for any other key.
int wantedKeyIndex(std::string_view key) {
  if (key.size() == 12 && key.starts_with("SoundNameC")) {
    const char tens = key[10];
    const char ones = key[11];
    if (tens < '0' || tens > '1' || ones < '0' || ones > '9') return -1;
    const int position = (tens - '0') * 10 + (ones - '0');
    return position < 16 ? position : -1;
  }
  if (key == kModel1Key) return kModel1Index;
  if (key == kModel2Key) return kModel2Index;
  if (key == kSwitch1Key) return kSwitch1Index;
  if (key == kSwitch2Key) return kSwitch2Index;
  return -1;
}

// scriptChunkEnd, searched a word at a time in place: a script's entries are a dozen bytes long,
// and a library call per entry costs more than the search itself.
std::size_t chunkEnd(std::string_view bytes, std::size_t pos) {
  const std::size_t limit = pos + std::min<std::size_t>(bytes.size() - pos, 255);
  const char* data = bytes.data();
  std::size_t at = pos;
  if constexpr (std::endian::native == std::endian::little) {
    constexpr uint64_t kOnes = 0x0101010101010101;
    constexpr uint64_t kHighBits = 0x8080808080808080;
    for (; at + 8 <= limit; at += 8) {
      uint64_t word;
      std::memcpy(&word, data + at, sizeof word);
      const uint64_t zeroWhereNewline = word ^ (kOnes * '\n');
      // The lowest byte flagged is the first line feed (flags above it may be false).
      const uint64_t flags = (zeroWhereNewline - kOnes) & ~zeroWhereNewline & kHighBits;
      if (flags != 0) return at + static_cast<std::size_t>(std::countr_zero(flags)) / 8 + 1;
    }
  }
  for (; at < limit; ++at) {
    if (data[at] == '\n') return at + 1;
  }
  return limit;
}

// False only for an entry whose key cannot be a wanted one: it starts with neither "SoundNameC"
// nor "R1" or "R2". (A NUL byte early in the entry ends the text too soon for any wanted key.)
bool mayStartWantedKey(std::string_view chunk) {
  if (chunk.size() < 2) return false;
  if (chunk[0] == 'R') return chunk[1] == '1' || chunk[1] == '2';
  return chunk.starts_with("SoundNameC");
}

int32_t& valueAt(ScriptKeyValues& values, int index) {
  switch (index) {
    case kModel1Index:
      return values.model1;
    case kModel2Index:
      return values.model2;
    case kSwitch1Index:
      return values.switch1;
    case kSwitch2Index:
      return values.switch2;
    default:
      return values.nameCodes[index];
  }
}

// What the walk over a script has found so far.
struct KeyScan {
  ScriptKeyValues values;
  int found = 0;
  uint32_t seen = 0;  // one bit per wanted key: the first entry with a key wins
};

// Takes the value of the entry [begin, end) when it holds a wanted key not seen before.
void takeEntry(std::string_view bytes, std::size_t begin, std::size_t end, KeyScan& scan) {
  // Most entries are other keys: those that cannot start a wanted key are passed over before
  // anything else is looked at, which keeps a scan of 1000 scripts near the cost of reading them.
  if (!mayStartWantedKey(bytes.substr(begin, end - begin))) return;
  // The C string functions see the chunk only up to a NUL byte.
  std::size_t textEnd = end;
  if (const void* nul = std::memchr(bytes.data() + begin, '\0', end - begin)) {
    textEnd = static_cast<std::size_t>(static_cast<const char*>(nul) - bytes.data());
  }
  const std::string_view text = bytes.substr(begin, textEnd - begin);
  const std::size_t tab = text.find('\t');
  if (tab == std::string_view::npos || tab == 0) return;
  const int index = wantedKeyIndex(text.substr(0, tab));
  if (index < 0) return;
  if (scan.seen & (1u << index)) {
    if (index == kModel1Index) scan.values.repeatsModel1 = true;
    if (index == kModel2Index) scan.values.repeatsModel2 = true;
    return;
  }
  scan.seen |= 1u << index;
  ++scan.found;
  valueAt(scan.values, index) = parseScriptNumber(bytes, begin + tab + 1, textEnd).value;
  if (index == kModel1Index) scan.values.hasModel1 = true;
  if (index == kModel2Index) scan.values.hasModel2 = true;
  if (index < kModel1Index) scan.values.hasName = true;
}

#if defined(__SSE2__)
// One bit per line feed in the 64 bytes at data.
uint64_t lineFeedsIn64(const char* data) {
  const __m128i lineFeed = _mm_set1_epi8('\n');
  uint64_t mask = 0;
  for (std::size_t part = 0; part < 4; ++part) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * part));
    const auto bits = static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lineFeed)));
    mask |= static_cast<uint64_t>(bits) << (16 * part);
  }
  return mask;
}

// The walk for the common case, 64 bytes at a time: the line feeds of a block come as one mask,
// and only entries that start with 'S' or 'R' are looked at. It stops, leaving pos and entry at
// the entry it has not taken, where an entry would be cut at 255 bytes, where fewer than 64
// bytes are left, or where the walk is over; the entry-by-entry walk goes on from there.
void walkWholeBlocks(std::string_view bytes, std::size_t& pos, int& entry, KeyScan& scan) {
  const char* data = bytes.data();
  for (std::size_t block = pos; block + 64 <= bytes.size(); block += 64) {
    for (uint64_t lineFeeds = lineFeedsIn64(data + block); lineFeeds != 0;
         lineFeeds &= lineFeeds - 1) {
      const std::size_t end = block + static_cast<std::size_t>(std::countr_zero(lineFeeds)) + 1;
      if (end - pos > 255 || entry >= kScriptLineCount || scan.found >= kWantedKeys) return;
      if (data[pos] == 'S' || data[pos] == 'R') takeEntry(bytes, pos, end, scan);
      pos = end;
      ++entry;
    }
  }
}
#endif

}  // namespace

ScriptKeyValues readScriptKeys(std::string_view bytes) {
  KeyScan scan;
  std::size_t pos = 0;
  int entry = 0;
#if defined(__SSE2__)
  walkWholeBlocks(bytes, pos, entry, scan);
#endif
  for (; entry < kScriptLineCount && pos < bytes.size() && scan.found < kWantedKeys; ++entry) {
    const std::size_t end = chunkEnd(bytes, pos);
    takeEntry(bytes, pos, end, scan);
    pos = end;
  }
  // The walk stops once every wanted key is found; a reference key given again further on is
  // still to be seen. Where its text is nowhere in the rest, no entry there can have it.
  if (entry < kScriptLineCount && pos < bytes.size() &&
      bytes.find(kReferenceKeyEnd, pos) != std::string_view::npos) {
    for (; entry < kScriptLineCount && pos < bytes.size(); ++entry) {
      const std::size_t end = chunkEnd(bytes, pos);
      takeEntry(bytes, pos, end, scan);
      pos = end;
    }
  }
  return scan.values;
}

std::string soundNameOf(const ScriptKeyValues& keys) {
  std::string name;
  for (const int32_t code : keys.nameCodes) {
    const auto byte = static_cast<char>(code & 0xff);
    if (byte == '\0') break;
    name += byte;
  }
  return name;
}

std::vector<int32_t> allReferenceValues(std::string_view bytes) {
  std::vector<int32_t> values;
  std::size_t pos = 0;
  for (int entry = 0; entry < kScriptLineCount && pos < bytes.size(); ++entry) {
    const std::size_t end = chunkEnd(bytes, pos);
    std::string_view text = bytes.substr(pos, end - pos);
    text = text.substr(0, text.find('\0'));
    const std::size_t tab = text.find('\t');
    if (tab != std::string_view::npos) {
      const std::string_view key = text.substr(0, tab);
      if (key == kModel1Key || key == kModel2Key) {
        values.push_back(parseScriptNumber(bytes, pos + tab + 1, pos + text.size()).value);
      }
    }
    pos = end;
  }
  return values;
}

}  // namespace slotsmith
