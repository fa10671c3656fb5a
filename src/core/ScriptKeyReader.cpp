#include "core/ScriptKeyReader.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "core/ScriptFormat.h"
#include "core/SoundScript.h"

namespace slotsmith {
namespace {

constexpr int kWantedKeys = 20;
constexpr int kModel1Index = 16;
constexpr int kModel2Index = 17;
constexpr int kSwitch1Index = 18;
constexpr int kSwitch2Index = 19;

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

}  // namespace

ScriptKeyValues readScriptKeys(std::string_view bytes) {
  ScriptKeyValues values;
  int found = 0;
  uint32_t seen = 0;  // one bit per wanted key: the first entry with a key wins
  std::size_t pos = 0;
  for (int entry = 0; entry < kScriptLineCount && pos < bytes.size() && found < kWantedKeys;
       ++entry) {
    const std::size_t begin = pos;
    const std::size_t end = chunkEnd(bytes, begin);
    pos = end;
    // Most entries are other keys: those that cannot start a wanted key are passed over before
    // anything else is looked at, which keeps a scan of 1000 scripts near the cost of reading them.
    if (!mayStartWantedKey(bytes.substr(begin, end - begin))) continue;
    // The C string functions see the chunk only up to a NUL byte.
    std::size_t textEnd = end;
    if (const void* nul = std::memchr(bytes.data() + begin, '\0', end - begin)) {
      textEnd = static_cast<std::size_t>(static_cast<const char*>(nul) - bytes.data());
    }
    const std::string_view text = bytes.substr(begin, textEnd - begin);
    const std::size_t tab = text.find('\t');
    if (tab == std::string_view::npos || tab == 0) continue;
    const int index = wantedKeyIndex(text.substr(0, tab));
    if (index < 0 || (seen & (1u << index))) continue;
    seen |= 1u << index;
    ++found;
    valueAt(values, index) = parseScriptNumber(bytes, begin + tab + 1, textEnd).value;
    if (index == kModel1Index) values.hasModel1 = true;
    if (index == kModel2Index) values.hasModel2 = true;
  }
  return values;
}

}  // namespace slotsmith
