#include "core/Hashes.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__)
#include <cpuid.h>
#include <immintrin.h>
#endif

namespace slotsmith {

namespace {

constexpr std::array<std::uint32_t, 64> kRound = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

constexpr std::uint32_t rotr(std::uint32_t x, int n) {
  return (x >> n) | (x << (32 - n));
}

void compressPortably(std::array<std::uint32_t, 8>& state, const std::uint8_t* block) {
  std::uint32_t w[64];
  for (std::size_t i = 0; i < 16; ++i) {
    w[i] = std::uint32_t{block[4 * i]} << 24 | std::uint32_t{block[4 * i + 1]} << 16 |
           std::uint32_t{block[4 * i + 2]} << 8 | std::uint32_t{block[4 * i + 3]};
  }
  for (int i = 16; i < 64; ++i) {
    const std::uint32_t s0 = rotr(w[i - 15], 7) ^ rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
    const std::uint32_t s1 = rotr(w[i - 2], 17) ^ rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
    w[i] = w[i - 16] + s0 + w[i - 7] + s1;
  }
  std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
  std::uint32_t e = state[4], f = state[5], g = state[6], h = state[7];
  for (int i = 0; i < 64; ++i) {
    const std::uint32_t t1 =
        h + (rotr(e, 6) ^ rotr(e, 11) ^ rotr(e, 25)) + ((e & f) ^ (~e & g)) + kRound[i] + w[i];
    const std::uint32_t t2 =
        (rotr(a, 2) ^ rotr(a, 13) ^ rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
    h = g;
    g = f;
    f = e;
    e = d + t1;
    d = c;
    c = b;
    b = a;
    a = t1 + t2;
  }
  state[0] += a;
  state[1] += b;
  state[2] += c;
  state[3] += d;
  state[4] += e;
  state[5] += f;
  state[6] += g;
  state[7] += h;
}

#if defined(__x86_64__)

// Model identities hash every byte of every model, gigabytes for a large library; the SHA
// instructions of x86 processors (Intel since 2016's Goldmont and 2021's Ice Lake desktops, AMD
// since Zen) do that several times faster than the portable rounds. Same function, same digests.
bool processorHasShaInstructions() {
  unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
  if (__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx) == 0) return false;
  const bool sha = (ebx & (1u << 29)) != 0;
  if (__get_cpuid(1, &eax, &ebx, &ecx, &edx) == 0) return false;
  const bool ssse3 = (ecx & (1u << 9)) != 0;
  const bool sse41 = (ecx & (1u << 19)) != 0;
  return sha && ssse3 && sse41;
}

const bool kHasShaInstructions = processorHasShaInstructions();

// The message schedule in four registers of four words, each register's round constants added
// just before two rounds of sha256rnds2; state is kept as ABEF and CDGH, the order the
// instructions want.
__attribute__((target("sha,sse4.1,ssse3"))) void compressWithShaInstructions(
    std::array<std::uint32_t, 8>& state, const std::uint8_t* blocks, std::size_t count) {
  const __m128i byteSwap = _mm_set_epi64x(0x0c0d0e0f08090a0bLL, 0x0405060700010203LL);
  __m128i dcba = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&state[0]));
  __m128i hgfe = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&state[4]));
  const __m128i cdab = _mm_shuffle_epi32(dcba, 0xB1);
  const __m128i efgh = _mm_shuffle_epi32(hgfe, 0x1B);
  __m128i abef = _mm_alignr_epi8(cdab, efgh, 8);
  __m128i cdgh = _mm_blend_epi16(efgh, cdab, 0xF0);
  for (; count > 0; --count, blocks += 64) {
    const __m128i abefBefore = abef;
    const __m128i cdghBefore = cdgh;
    __m128i message[4];
    for (std::size_t i = 0; i < 4; ++i) {
      message[i] = _mm_shuffle_epi8(
          _mm_loadu_si128(reinterpret_cast<const __m128i*>(blocks + 16 * i)), byteSwap);
    }
    // Rounds 4i to 4i + 3 use message[i % 4]; meanwhile the words of rounds 4i + 4 to 4i + 7
    // are finished (sha256msg2) and those of rounds 4i + 12 to 4i + 15 begun (sha256msg1).
    for (std::size_t i = 0; i < 16; ++i) {
      const __m128i& words = message[i % 4];
      __m128i input =
          _mm_add_epi32(words, _mm_loadu_si128(reinterpret_cast<const __m128i*>(&kRound[4 * i])));
      cdgh = _mm_sha256rnds2_epu32(cdgh, abef, input);
      if (i >= 3 && i <= 14) {
        __m128i& next = message[(i + 1) % 4];
        next = _mm_add_epi32(next, _mm_alignr_epi8(words, message[(i + 3) % 4], 4));
        next = _mm_sha256msg2_epu32(next, words);
      }
      input = _mm_shuffle_epi32(input, 0x0E);
      abef = _mm_sha256rnds2_epu32(abef, cdgh, input);
      if (i >= 1 && i <= 12) {
        __m128i& previous = message[(i + 3) % 4];
        previous = _mm_sha256msg1_epu32(previous, words);
      }
    }
    abef = _mm_add_epi32(abef, abefBefore);
    cdgh = _mm_add_epi32(cdgh, cdghBefore);
  }
  const __m128i feba = _mm_shuffle_epi32(abef, 0x1B);
  const __m128i dchg = _mm_shuffle_epi32(cdgh, 0xB1);
  dcba = _mm_blend_epi16(feba, dchg, 0xF0);
  hgfe = _mm_alignr_epi8(dchg, feba, 8);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(&state[0]), dcba);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(&state[4]), hgfe);
}

#endif

}  // namespace

Sha256::Sha256()
    : state_{0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
             0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19} {}

void Sha256::compress(const std::uint8_t* blocks, std::size_t count) {
#if defined(__x86_64__)
  if (kHasShaInstructions) {
    compressWithShaInstructions(state_, blocks, count);
    return;
  }
#endif
  for (; count > 0; --count, blocks += 64)
    compressPortably(state_, blocks);
}

void Sha256::update(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  length_ += size;
  if (buffered_ > 0) {
    const std::size_t take = std::min(size, buffer_.size() - buffered_);
    std::memcpy(buffer_.data() + buffered_, bytes, take);
    buffered_ += take;
    bytes += take;
    size -= take;
    if (buffered_ < buffer_.size()) return;
    compress(buffer_.data(), 1);
    buffered_ = 0;
  }
  const std::size_t blocks = size / 64;
  if (blocks > 0) compress(bytes, blocks);
  bytes += blocks * 64;
  size -= blocks * 64;
  std::memcpy(buffer_.data(), bytes, size);
  buffered_ = size;
}

Digest Sha256::finish() {
  const std::uint64_t bits = length_ * 8;
  const std::uint8_t one = 0x80;
  update(&one, 1);
  const std::uint8_t zero = 0;
  while (buffered_ != 56)
    update(&zero, 1);
  std::uint8_t tail[8];
  for (int i = 0; i < 8; ++i)
    tail[i] = static_cast<std::uint8_t>(bits >> (56 - 8 * i));
  update(tail, sizeof tail);
  Digest digest;
  for (int i = 0; i < 8; ++i) {
    for (int j = 0; j < 4; ++j)
      digest[4 * i + j] = static_cast<std::uint8_t>(state_[i] >> (24 - 8 * j));
  }
  return digest;
}

Digest sha256(std::string_view bytes) {
  Sha256 hash;
  hash.update(bytes);
  return hash.finish();
}

HmacSha256::HmacSha256(std::string_view key) {
  std::array<std::uint8_t, 64> block{};
  if (key.size() > block.size()) {
    const Digest hashed = sha256(key);
    std::memcpy(block.data(), hashed.data(), hashed.size());
  } else {
    std::memcpy(block.data(), key.data(), key.size());
  }
  std::array<std::uint8_t, 64> pad;
  for (std::size_t i = 0; i < block.size(); ++i)
    pad[i] = block[i] ^ 0x36;
  inner_.update(pad.data(), pad.size());
  for (std::size_t i = 0; i < block.size(); ++i)
    pad[i] = block[i] ^ 0x5c;
  outer_.update(pad.data(), pad.size());
}

Digest HmacSha256::sign(std::string_view message) const {
  Sha256 inner = inner_;
  inner.update(message);
  const Digest innerDigest = inner.finish();
  Sha256 outer = outer_;
  outer.update(innerDigest.data(), innerDigest.size());
  return outer.finish();
}

Digest hmacSha256(std::string_view key, std::string_view message) {
  return HmacSha256(key).sign(message);
}

std::string hexOf(const Digest& digest) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  text.reserve(digest.size() * 2);
  for (std::uint8_t byte : digest) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 15];
  }
  return text;
}

bool digestOfHex(std::string_view hex, Digest& digest) {
  if (hex.size() != digest.size() * 2) return false;
  const auto nibble = [](char c) {
    return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
  };
  for (std::size_t i = 0; i < digest.size(); ++i) {
    const int high = nibble(hex[2 * i]);
    const int low = nibble(hex[2 * i + 1]);
    if (high < 0 || low < 0) return false;
    digest[i] = static_cast<std::uint8_t>(high * 16 + low);
  }
  return true;
}

std::uint64_t leadingWord(const Digest& digest) {
  std::uint64_t word = 0;
  for (int i = 0; i < 8; ++i)
    word = word << 8 | digest[static_cast<std::size_t>(i)];
  return word == 0 ? 1 : word;
}

namespace {

// XXH64's primes and steps, as its authors define them.
constexpr std::uint64_t P1 = 11400714785074694791ull, P2 = 14029467366897019727ull,
                        P3 = 1609587929392839161ull, P4 = 9650029242287828579ull,
                        P5 = 2870177450012600261ull;
inline std::uint64_t rotl(std::uint64_t x, int r) {
  return (x << r) | (x >> (64 - r));
}
inline std::uint64_t read64(const unsigned char* p) {
  std::uint64_t v;
  std::memcpy(&v, p, 8);
  return v;
}
inline std::uint32_t read32(const unsigned char* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return v;
}
inline std::uint64_t round1(std::uint64_t acc, std::uint64_t input) {
  acc += input * P2;
  acc = rotl(acc, 31);
  return acc * P1;
}
inline std::uint64_t merge(std::uint64_t acc, std::uint64_t val) {
  acc ^= round1(0, val);
  return acc * P1 + P4;
}
}  // namespace
std::uint64_t hash64(std::string_view bytes, std::uint64_t seed) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const unsigned char* end = p + bytes.size();
  std::uint64_t h;
  if (bytes.size() >= 32) {
    std::uint64_t v1 = seed + P1 + P2, v2 = seed + P2, v3 = seed, v4 = seed - P1;
    for (; p + 32 <= end; p += 32) {
      v1 = round1(v1, read64(p));
      v2 = round1(v2, read64(p + 8));
      v3 = round1(v3, read64(p + 16));
      v4 = round1(v4, read64(p + 24));
    }
    h = rotl(v1, 1) + rotl(v2, 7) + rotl(v3, 12) + rotl(v4, 18);
    h = merge(h, v1);
    h = merge(h, v2);
    h = merge(h, v3);
    h = merge(h, v4);
  } else
    h = seed + P5;
  h += bytes.size();
  for (; p + 8 <= end; p += 8) {
    h ^= round1(0, read64(p));
    h = rotl(h, 27) * P1 + P4;
  }
  if (p + 4 <= end) {
    h ^= std::uint64_t{read32(p)} * P1;
    h = rotl(h, 23) * P2 + P3;
    p += 4;
  }
  for (; p < end; ++p) {
    h ^= *p * P5;
    h = rotl(h, 11) * P1;
  }
  h ^= h >> 33;
  h *= P2;
  h ^= h >> 29;
  h *= P3;
  h ^= h >> 32;
  return h;
}

bool equalInConstantTime(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  unsigned char difference = 0;
  for (std::size_t i = 0; i < a.size(); ++i)
    difference |= static_cast<unsigned char>(a[i] ^ b[i]);
  return difference == 0;
}

}  // namespace slotsmith
