// The hashes the history relies on, against their published test vectors, and the user's history
// key: made once, in the place it is asked for, readable by the user alone, never taken from a
// file that is not one.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/Hashes.h"
#include "core/HistoryKey.h"
#include "support/Platform.h"
#include "support/TempDir.h"

namespace slotsmith {
namespace {

std::string hex64(std::uint64_t value) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return text;
}

TEST(HistorySignature, HashesGiveTheirPublishedValues) {
  struct Case {
    std::string what, key, message, expected;
  };
  const std::string million(1000000, 'a');
  const Case cases[] = {
      {"sha256", {}, "", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"sha256", {}, "abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"sha256",
       {},
       "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {"sha256", {}, million, "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
      {"hmac", std::string(20, '\x0b'), "Hi There",
       "b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da726e9376c2e32cff7"},
      {"hmac", "Jefe", "what do ya want for nothing?",
       "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843"},
      {"hmac", std::string(131, '\xaa'), "Test Using Larger Than Block-Size Key - Hash Key First",
       "60e431591ee0b67f0d8a26aacbf5b77f8e0bc6213728c5140546040f0ee37f54"},
      {"xxh64", {}, "", "ef46db3751d8e999"},
      {"xxh64", {}, "a", "d24ec4f1a98c6e5b"},
      {"xxh64", {}, "abc", "44bc2cf5ad770999"},
      {"xxh64", {}, "Nobody inspects the spammish repetition", "fbcea83c8a378bf1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what + " of " + c.message.substr(0, 40));
    const std::string got = c.what == "sha256" ? hexOf(sha256(c.message))
                            : c.what == "hmac" ? hexOf(hmacSha256(c.key, c.message))
                                               : hex64(hash64(c.message));
    EXPECT_EQ(got, c.expected);
  }
}

TEST(HistorySignature, ADigestFedInAnyPiecesIsTheDigestOfTheWhole) {
  std::string message;
  for (int i = 0; i < 200; ++i)
    message += static_cast<char>(i * 37);
  const Digest whole = sha256(message);
  for (std::size_t first = 0; first <= message.size(); first += 7) {
    for (std::size_t second = first; second <= message.size(); second += 29) {
      Sha256 pieces;
      pieces.update(std::string_view(message).substr(0, first));
      pieces.update(std::string_view(message).substr(first, second - first));
      pieces.update(std::string_view(message).substr(second));
      ASSERT_EQ(pieces.finish(), whole) << first << ", " << second;
    }
  }
}

TEST(HistorySignature, TheKeyIsMadeOnceReadByItsUserAloneAndNeverTakenFromAnotherFile) {
  testing::TempDir dir("history key");
  const std::string path = dir.path() + "/data/slotsmith/history-key";
  useHistoryKeyFile(path);
  std::string first, again;
  ASSERT_TRUE(historyKey(first).isOk());
  EXPECT_EQ(first.size(), 32u);
  EXPECT_EQ(historyKeyPath(), path);
  const std::string text = testing::readFile(path);
  EXPECT_EQ(text.size(), 65u);
  if (!testing::kOnWindows) {
    const auto permissions = std::filesystem::status(testing::pathFromUtf8(path)).permissions();
    EXPECT_EQ(permissions & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  }
  // Read again (after the cache is forgotten): the same key, the file untouched.
  useHistoryKeyFile(path);
  ASSERT_TRUE(historyKey(again).isOk());
  EXPECT_EQ(again, first);
  EXPECT_EQ(testing::readFile(path), text);
  // Another user's (or computer's) key is another key.
  useHistoryKeyFile(dir.path() + "/other/history-key");
  ASSERT_TRUE(historyKey(again).isOk());
  EXPECT_NE(again, first);
  // A file that is no key is refused and left as it is, never replaced by a new key.
  for (const std::string& damaged : {std::string(), std::string("12ab\n"), std::string(64, 'g')}) {
    testing::writeFile(dir.path() + "/damaged/history-key", damaged);
    useHistoryKeyFile(dir.path() + "/damaged/history-key");
    EXPECT_EQ(historyKey(again).code(), Status::Code::Invalid) << damaged;
    EXPECT_EQ(testing::readFile(dir.path() + "/damaged/history-key"), damaged);
    std::filesystem::remove(testing::pathFromUtf8(dir.path() + "/damaged/history-key"));
  }
  useHistoryKeyFile({});
}

}  // namespace
}  // namespace slotsmith
