// What a name or path from elsewhere looks like on the terminal and in the desktop's alerts.
#include "core/PrintableText.h"

#include <gtest/gtest.h>

#include <string>

namespace slotsmith {
namespace {

TEST(PrintableText, ControlCharactersAndBytesThatAreNoUtf8AreEscapedPrintableTextIsKept) {
  struct Case {
    std::string text;
    std::string kept;     // LineBreaks::Keep
    std::string escaped;  // LineBreaks::Escape, where it differs
  };
  const Case cases[] = {
      {"Warm Pad \\ 1/2 ~", "Warm Pad \\ 1/2 ~", {}},
      {"\x1b[31m\a\r", "\\e[31m\\a\\r", {}},
      {"a\tb\nc", "a\tb\nc", "a\\tb\\nc"},
      {std::string("\0\x01\x7f\b\f\v", 6), "\\x00\\x01\\x7f\\b\\f\\v", {}},
      // UTF-8 passes whole; C1 controls and the characters that reorder text do not.
      {"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xb9",
       "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xb9",
       {}},
      {"\xc2\x9b"
       "1m",
       "\\u009b1m",
       {}},
      {"abc\xe2\x80\xae"
       "fed",
       "abc\\u202efed",
       {}},
      // Bytes that are no UTF-8: a lone continuation, a cut sequence, an overlong form, a
      // surrogate, a byte no sequence starts with.
      {"\x80x", "\\x80x", {}},
      {"\xe2\x82", "\\xe2\\x82", {}},
      {"\xc0\xaf", "\\xc0\\xaf", {}},
      {"\xed\xa0\x80", "\\xed\\xa0\\x80", {}},
      {"\xff", "\\xff", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(printableText(c.text), c.kept) << c.kept;
    EXPECT_EQ(printableText(c.text, LineBreaks::Escape), c.escaped.empty() ? c.kept : c.escaped)
        << c.kept;
    // Shown text shown again is unchanged, so a message built from shown names is safe to show.
    EXPECT_EQ(printableText(c.kept), c.kept);
  }
}

}  // namespace
}  // namespace slotsmith
