// The command line's catalogues: the plural rules of the languages catalogues are written for,
// lookups by context with their plural forms, and bytes that are no catalogue, or a catalogue cut
// short anywhere, refused without reading outside them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/MessageCatalogue.h"

namespace slotsmith {
namespace {

TEST(MessageCatalogue, PluralRulesChooseEachLanguagesForms) {
  const struct {
    const char* name;
    const char* rule;
    std::vector<std::pair<long long, std::size_t>> forms;  // count, form
  } languages[] = {
      {"English, German", "nplurals=2; plural=(n != 1);", {{0, 1}, {1, 0}, {2, 1}, {21, 1}}},
      {"French", "nplurals=2; plural=(n > 1);", {{0, 0}, {1, 0}, {2, 1}}},
      {"Japanese", "nplurals=1; plural=0;", {{0, 0}, {1, 0}, {7, 0}}},
      {"Polish",
       "nplurals=3; plural=(n==1 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2);",
       {{1, 0}, {2, 1}, {4, 1}, {5, 2}, {12, 2}, {22, 1}, {25, 2}, {112, 2}}},
      {"Russian",
       "nplurals=3; plural=(n%10==1 && n%100!=11 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || "
       "n%100>=20) ? 1 : 2);",
       {{1, 0}, {11, 2}, {21, 0}, {3, 1}, {13, 2}, {5, 2}}},
      {"Czech",
       "nplurals=3; plural=(n==1) ? 0 : (n>=2 && n<=4) ? 1 : 2;",
       {{1, 0}, {3, 1}, {5, 2}, {0, 2}}},
      {"Irish",
       "nplurals=5; plural=n==1 ? 0 : n==2 ? 1 : (n>2 && n<7) ? 2 :(n>6 && n<11) ? 3 : 4;",
       {{1, 0}, {2, 1}, {5, 2}, {9, 3}, {11, 4}}},
      {"Arabic",
       "nplurals=6; plural=n==0 ? 0 : n==1 ? 1 : n==2 ? 2 : n%100>=3 && n%100<=10 ? 3 : "
       "n%100>=11 ? 4 : 5;",
       {{0, 0}, {1, 1}, {2, 2}, {5, 3}, {50, 4}, {100, 5}, {102, 5}}},
      {"Slovenian",
       "nplurals=4; plural=(n%100==1 ? 0 : n%100==2 ? 1 : n%100==3 || n%100==4 ? 2 : 3);",
       {{1, 0}, {102, 1}, {4, 2}, {5, 3}}},
      // Rules that do not parse, or promise forms a rule cannot have, are English's.
      {"unclosed", "nplurals=2; plural=(n != 1;", {{1, 0}, {2, 1}}},
      {"unknown word", "nplurals=2; plural=count != 1;", {{1, 0}, {2, 1}}},
      {"missing", "", {{1, 0}, {3, 1}}},
  };
  for (const auto& language : languages) {
    const PluralRule rule = PluralRule::parse(language.rule);
    for (const auto& [count, form] : language.forms)
      EXPECT_EQ(rule.formFor(count), form) << language.name << " for " << count;
  }
  // A form past the rule's count is the first.
  EXPECT_EQ(PluralRule::parse("nplurals=2; plural=n;").formFor(5), 0u);
}

// A catalogue in the compiled format: the header, then entries sorted by their original.
std::string compiled(std::vector<std::pair<std::string, std::string>> entries) {
  std::sort(entries.begin(), entries.end());
  const auto count = static_cast<std::uint32_t>(entries.size());
  const std::uint32_t originals = 28;
  const std::uint32_t translations = originals + 8 * count;
  std::uint32_t strings = translations + 8 * count;
  std::string texts;
  const auto put = [](std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
      out += static_cast<char>((value >> shift) & 0xff);
  };
  std::string originalTable, translationTable;
  for (int side = 0; side < 2; ++side) {
    for (const auto& entry : entries) {
      const std::string& text = side == 0 ? entry.first : entry.second;
      put(side == 0 ? originalTable : translationTable, static_cast<std::uint32_t>(text.size()));
      put(side == 0 ? originalTable : translationTable,
          strings + static_cast<std::uint32_t>(texts.size()));
      texts += text;
      texts += '\0';
    }
  }
  std::string bytes;
  put(bytes, 0x950412de);
  put(bytes, 0);
  put(bytes, count);
  put(bytes, originals);
  put(bytes, translations);
  put(bytes, 0);
  put(bytes, strings);
  return bytes + originalTable + translationTable + texts;
}

TEST(MessageCatalogue, TextsAreFoundByContextAndTheirPluralForm) {
  const std::string bytes = compiled({
      {"",
       "Content-Type: text/plain; charset=UTF-8\nPlural-Forms: nplurals=3; plural=(n==1 ? 0 "
       ": n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2);\nX-Qt-Contexts: true\n"},
      {std::string("Move|\x04Move sounds"), "Przenieś dźwięki"},
      {std::string("Lists|\x04slot(s) {runs}") + '\0' + "slot(s) {runs}",
       std::string("slot {runs}") + '\0' + "sloty {runs}" + '\0' + "slotów {runs}"},
      {std::string("Copy|\x04Copy sounds"), ""},
  });
  const std::optional<MessageCatalogue> catalogue = MessageCatalogue::read(bytes);
  ASSERT_TRUE(catalogue);
  EXPECT_EQ(catalogue->find("Move", "Move sounds", std::nullopt), "Przenieś dźwięki");
  EXPECT_EQ(catalogue->find("Lists", "slot(s) {runs}", 1), "slot {runs}");
  EXPECT_EQ(catalogue->find("Lists", "slot(s) {runs}", 3), "sloty {runs}");
  EXPECT_EQ(catalogue->find("Lists", "slot(s) {runs}", 5), "slotów {runs}");
  // Another context, an unknown text, an empty translation: nothing, and English stands.
  EXPECT_EQ(catalogue->find("Copy", "Move sounds", std::nullopt), std::nullopt);
  EXPECT_EQ(catalogue->find("Move", "Move models", std::nullopt), std::nullopt);
  EXPECT_EQ(catalogue->find("Copy", "Copy sounds", std::nullopt), std::nullopt);
}

TEST(MessageCatalogue, BytesCutShortOrNoCatalogueAtAllAreRefused) {
  const std::string bytes = compiled({{"", "Plural-Forms: nplurals=2; plural=(n != 1);\n"},
                                      {std::string("A\x04one"), "eins"},
                                      {std::string("B\x04two"), "zwei"}});
  ASSERT_TRUE(MessageCatalogue::read(bytes));
  // Every shorter prefix either reads (the cut fell after what the tables name) or is refused.
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    const std::string cut = bytes.substr(0, size);
    if (const auto catalogue = MessageCatalogue::read(cut)) {
      (void)catalogue->find("A", "one", std::nullopt);
    }
  }
  EXPECT_FALSE(MessageCatalogue::read(std::string(64, 'x')));
  std::string huge = bytes;
  huge[8] = '\xff';  // a count no file of this size can hold
  huge[9] = '\xff';
  EXPECT_FALSE(MessageCatalogue::read(huge));
}

}  // namespace
}  // namespace slotsmith
