// The hashes the undo history relies on: SHA-256 and HMAC-SHA-256 for its signature (only a
// journal this user's key signed is acted on, see HistoryKey.h), and XXH64 for the fingerprint of
// what an edit placed in a slot (its bytes, not only its names), fast enough to run over every
// byte an edit places. Written here rather than taken from a library so that the engine needs
// nothing beyond the standard library on any system it is built for.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace slotsmith {

using Digest = std::array<std::uint8_t, 32>;

// A running SHA-256: feed it bytes in any pieces, then take the digest once.
class Sha256 {
 public:
  Sha256();
  void update(const void* data, std::size_t size);
  void update(std::string_view bytes) { update(bytes.data(), bytes.size()); }
  Digest finish();

 private:
  // Runs the compression function over count 64-byte blocks.
  void compress(const std::uint8_t* blocks, std::size_t count);

  std::array<std::uint32_t, 8> state_;
  std::array<std::uint8_t, 64> buffer_{};
  std::size_t buffered_ = 0;
  std::uint64_t length_ = 0;
};

Digest sha256(std::string_view bytes);
Digest hmacSha256(std::string_view key, std::string_view message);

// HMAC-SHA-256 under one key, with the key's two padded blocks hashed once: signing many short
// records then costs half the hashing.
class HmacSha256 {
 public:
  explicit HmacSha256(std::string_view key);
  Digest sign(std::string_view message) const;

 private:
  Sha256 inner_, outer_;
};

// Lower-case hexadecimal, two digits a byte.
std::string hexOf(const Digest& digest);
// The digest hexOf wrote (64 lower-case hex digits); false for anything else.
bool digestOfHex(std::string_view hex, Digest& digest);

// The first eight bytes of a digest as a number, never 0 (which says "nothing recorded" where
// such numbers are kept).
std::uint64_t leadingWord(const Digest& digest);

// XXH64 of bytes: a 64-bit hash of good quality at several gigabytes a second. It tells a
// change from what an edit recorded; the journal that records it is what the signature guards.
std::uint64_t hash64(std::string_view bytes, std::uint64_t seed = 0);

// Compares two strings in time that does not depend on where they differ.
bool equalInConstantTime(std::string_view a, std::string_view b);

}  // namespace slotsmith
