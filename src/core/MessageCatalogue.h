// A compiled message catalogue (GNU .mo format) read without any library: the command line's
// translations on every platform it runs on. The catalogue comes from the same Qt Linguist file
// as the desktop's (lconvert makes a .po of it, msgfmt checks and compiles that), so each text is
// translated once for both front ends.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace slotsmith {

// A plural rule as catalogues write it ("nplurals=3; plural=(n==1 ? 0 : n%10>=2 && ...);"):
// which form a count takes.
class PluralRule {
 public:
  // The rule of the header's Plural-Forms; English's (n != 1) when there is none or it does not
  // parse.
  static PluralRule parse(std::string_view pluralForms);
  std::size_t formFor(long long n) const;
  std::size_t forms() const { return forms_; }

  struct Node;  // the parsed expression

 private:
  std::shared_ptr<const Node> root_;
  std::size_t forms_ = 2;
};

class MessageCatalogue {
 public:
  // Reads the catalogue's bytes (which must outlive it). Nothing when they are not a catalogue
  // or any of its tables lies outside them.
  static std::optional<MessageCatalogue> read(std::string_view bytes);

  // The translation of the text in the context, for a count the plural form it takes; nothing
  // when the catalogue lacks it or leaves it empty.
  std::optional<std::string> find(std::string_view context, std::string_view text,
                                  std::optional<long long> count) const;

 private:
  struct Entry {
    std::string_view original;     // context \x04 text, for a plural: \0 and the plural text
    std::string_view translation;  // the forms, separated by \0
  };
  std::vector<Entry> entries_;  // in the catalogue's order: sorted by original
  PluralRule rule_;
  bool qtContexts_ = false;
};

}  // namespace slotsmith
