// Two sound scripts side by side, parameter by parameter. Works on the files' bytes, not on the
// 1024-entry table, so that every line counts: long lines, lines past the 1024th, values that are
// not numbers.
//
// A parameter is a line: its key is the text before the first TAB (the whole line when it has
// none) and its value the text after it, without the line ending, compared as bytes ("007" and
// "7" differ; so do "7" and "7 "). CRLF and LF endings are the same; empty lines hold no
// parameter. Lines are paired by key, and a key that occurs more than once is paired by occurrence:
// the second "Foo" of one script with the second "Foo" of the other.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace slotsmith {

struct ParameterPair {
  std::string key;
  int occurrence;                     // 1 for the key's first line in a script, 2 for its second
  std::optional<std::string> first;   // the value in the first script; none when it lacks the line
  std::optional<std::string> second;  // the same for the second script
  bool differs() const { return first != second; }
};

struct SoundComparison {
  // Every parameter of both scripts: the differing ones first, then the equal ones. Within each
  // part, the first script's order, then the lines only the second script has, in its order.
  std::vector<ParameterPair> parameters;
  std::size_t differing = 0;  // how many of them differ; they are the first ones
  bool identical() const { return differing == 0; }
};

SoundComparison compareSoundScripts(std::string_view first, std::string_view second);

}  // namespace slotsmith
