#include "core/SoundScriptFile.h"

#include <algorithm>
#include <cstdio>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/DatabasePaths.h"
#include "core/UserText.h"

namespace slotsmith {
namespace {

// Real scripts are a few kilobytes; this only bounds what a damaged database can make us hold.
constexpr std::size_t kMaxScriptBytes = std::size_t{1} << 30;

bool isControlByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte < 0x20 && c != '\t' && c != '\r' && c != '\n') || byte == 0x7f;
}

// The first control byte of bytes, or bytes.size(). Every scan of a bank looks at every byte of
// every script, so the bulk is checked sixteen bytes at a time where the processor can.
std::size_t firstControlByte(std::string_view bytes) {
  std::size_t at = 0;
#if defined(__SSE2__)
  const __m128i highestControl = _mm_set1_epi8(0x1f);
  const __m128i tab = _mm_set1_epi8('\t');
  const __m128i carriageReturn = _mm_set1_epi8('\r');
  const __m128i lineFeed = _mm_set1_epi8('\n');
  const __m128i del = _mm_set1_epi8(0x7f);
  for (; at + 16 <= bytes.size(); at += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + at));
    const __m128i control = _mm_cmpeq_epi8(_mm_min_epu8(v, highestControl), v);
    const __m128i allowed =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, tab), _mm_cmpeq_epi8(v, carriageReturn)),
                     _mm_cmpeq_epi8(v, lineFeed));
    const __m128i bad = _mm_or_si128(_mm_andnot_si128(allowed, control), _mm_cmpeq_epi8(v, del));
    if (const int mask = _mm_movemask_epi8(bad); mask != 0) {
      return at + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
  }
#endif
  for (; at < bytes.size(); ++at) {
    if (isControlByte(bytes[at])) return at;
  }
  return bytes.size();
}

}  // namespace

Status readSoundScriptFile(FileSystem& fs, const std::string& root, int slot, std::string& bytes) {
  const std::string path = soundScriptPath(root, slot);
  bool truncated = false;
  if (Status status = fs.readFile(path, bytes, kMaxScriptBytes, &truncated); !status.isOk()) {
    return status;
  }
  if (truncated) {
    return Status::invalid(
        path, userText(USER_TEXT("Sound scripts", "larger than 1 GiB; not a sound script")));
  }
  return Status::ok();
}

std::string soundScriptDamage(std::string_view bytes, const ScriptKeyValues& keys) {
  if (const std::size_t control = firstControlByte(bytes); control != bytes.size()) {
    char byte[8];
    std::snprintf(byte, sizeof byte, "0x%02X",
                  static_cast<unsigned>(static_cast<unsigned char>(bytes[control])));
    return userText(
        USER_TEXT("Sound scripts",
                  "holds the control byte {byte} at offset {offset}, so it is not text"),
        {{"byte", byte}, {"offset", std::to_string(control)}});
  }
  if (!keys.hasName) {
    return userText(
        USER_TEXT("Sound scripts", "has none of the name keys SoundNameC00 to SoundNameC15"));
  }
  return {};
}

}  // namespace slotsmith
