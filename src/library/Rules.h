// The rules that make categories from names. A rule gives its tag to every sound one of whose
// places bears a name the rule's pattern matches; such a tag has the origin `rule`, and the rules
// make and take back only tags of that origin. A tag the user set by hand (origin `hand`) is never
// touched by them, and neither is a tag the user took off by hand: that removal is remembered
// (the table removed_tags) and the rules never put the tag back on that sound, until the user
// sets it by hand again. A sound no place holds any more keeps the tags it had: there is no name
// left to judge it by.
//
// A pattern is one or more alternatives separated by commas, each matched on the name as search
// folds it (letter case and accents ignored, core/NameFolding.h):
//   pad     the word "pad": "Glass Pad", "PAD-2", "Pad3" but not "Padlock" or "Glasspad"
//   pad*    a word that begins with "pad": also "Pads", "Padlock"
//   *pad    a word that ends with "pad": also "Glasspad"
//   *pad*   "pad" anywhere
// A word is a run of letters or a run of digits, so "Pad3" is the words "pad" and "3". An
// alternative may hold a space ("hi hat") and is then matched as it is, with the same ends.
//
// Rules are applied when a source is read (to the sounds whose places changed, inside the same
// transaction as the reading, so that a kill leaves names and categories from one moment) and to
// every sound by `library categorize`.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Status.h"
#include "library/Sqlite.h"

namespace slotsmith {

struct RuleRecord {
  std::int64_t id = 0;
  std::string tag;
  std::string pattern;
};

// A pattern ready to match folded names.
class RulePattern {
 public:
  // Not ok when the pattern has no alternative, or one that is only stars or spaces.
  static Status parse(std::string_view pattern, RulePattern& parsed);
  bool matches(std::string_view foldedName) const;

 private:
  struct Alternative {
    std::string text;  // folded
    bool openStart = false;
    bool openEnd = false;
  };
  std::vector<Alternative> alternatives_;
};

// The rules a new library starts with.
const std::vector<RuleRecord>& defaultRules();

// Not ok when a tag is empty, begins with '+' or '-' (which the command line reads as adding and
// taking off), or holds a control character.
Status checkTagName(std::string_view tag);

// Puts the default rules in a library that has none (a new one).
Status addDefaultRules(SqliteConnection& connection);

// The rules in their order.
Status readRules(SqliteConnection& connection, std::vector<RuleRecord>& rules);
// Adds a rule at the end; id is set to the new rule's.
Status addRule(SqliteConnection& connection, RuleRecord& rule);
// Changes the tag and pattern of the rule with rule.id; notFound when there is none.
Status changeRule(SqliteConnection& connection, const RuleRecord& rule);
Status removeRule(SqliteConnection& connection, std::int64_t id);
// "rule ID: there is no such rule", as notFound.
Status noSuchRule(std::int64_t id);

// How many sounds some place holds under a name each pattern matches (0 for a pattern that does not
// parse), without tagging anything: the preview of a rule being written.
Status countRuleMatches(SqliteConnection& connection, const std::vector<std::string>& patterns,
                        std::vector<std::int64_t>& counts);

// Applies the rules to every sound some place holds, inside the caller's transaction (or as a
// statement of its own); tagged counts the rule tags the sounds have afterwards.
Status categorizeAll(SqliteConnection& connection, std::int64_t* tagged = nullptr);
// Applies the rules to the sounds whose places changed since the rules last ran (the places
// table's triggers note them), inside the caller's transaction. The reading of a source calls
// this before it commits.
Status categorizeChangedSounds(SqliteConnection& connection);
// As categorizeChangedSounds, where a source that held no places has just been read: a sound's
// rule tags are those all its names make, so for a sound other sources hold too the tags of the
// names just added join those it has, without the names of its other places (one per source that
// holds it) being read again.
Status categorizeNewSource(SqliteConnection& connection, std::int64_t source);

}  // namespace slotsmith
