#include "library/Rules.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "core/NameFolding.h"
#include "core/UserText.h"

namespace slotsmith {

namespace {

enum class CharClass { None, Letter, Digit };

// Bytes of characters beyond ASCII count as letters: names fold to lower case, so any other
// script's letters are runs of such bytes.
CharClass classOf(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= '0' && byte <= '9') return CharClass::Digit;
  if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || byte >= 0x80) {
    return CharClass::Letter;
  }
  return CharClass::None;
}

// Whether a word goes on from name[at - 1] to name[at].
bool wordGoesOn(std::string_view name, std::size_t at) {
  if (at == 0 || at >= name.size()) return false;
  const CharClass before = classOf(name[at - 1]);
  return before != CharClass::None && before == classOf(name[at]);
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return text;
}

// Notes every sound identity whose places change, so the rules run for it before the reading's
// transaction commits; see categorizeChangedSounds.
constexpr char kTouchedSounds[] = "SELECT identity FROM uncategorized";

// The names of every place of the sounds identities selects.
std::string namesOfSounds(std::string_view identities) {
  return "SELECT identity, folded_name FROM places WHERE bank = 'sound' AND identity IN (" +
         std::string(identities) + ")";
}

// How the rule tags a set of names makes are written: in place of each sound's rule tags (the
// names are all its places'), or beside them (the names are those of places just added).
enum class RuleTags { Replace, Add };

// names selects (identity, folded name) rows.
Status applyRules(SqliteConnection& connection, const std::string& names, RuleTags write) {
  std::vector<RuleRecord> records;
  if (Status read = readRules(connection, records); !read.isOk()) return read;
  std::vector<std::pair<std::string, RulePattern>> rules;
  for (const RuleRecord& record : records) {
    RulePattern pattern;
    // A pattern is checked when it is stored; one that no longer parses makes no tag.
    if (RulePattern::parse(record.pattern, pattern).isOk()) rules.emplace_back(record.tag, pattern);
  }
  SqliteStatement namesRead, clear, tag;
  Status status = connection.prepare(names, namesRead);
  if (status.isOk()) {
    status = connection.prepare("DELETE FROM tags WHERE identity = ?1 AND origin = 'rule'", clear);
  }
  if (status.isOk()) {
    status = connection.prepare(
        "INSERT OR IGNORE INTO tags(identity, tag, origin) SELECT ?1, ?2, 'rule' "
        "WHERE NOT EXISTS (SELECT 1 FROM removed_tags WHERE identity = ?1 AND tag = ?2)",
        tag);
  }
  // A sound's tags come from the names of all its places, so every name is read before any tag
  // is written.
  std::map<std::string, std::set<std::string>> found;
  bool row = true;
  while (status.isOk()) {
    status = namesRead.step(row);
    if (!status.isOk() || !row) break;
    std::set<std::string>& tags = found[namesRead.columnText(0)];
    const std::string name = namesRead.columnText(1);
    for (const auto& [ruleTag, pattern] : rules) {
      if (pattern.matches(name)) tags.insert(ruleTag);
    }
  }
  namesRead.reset();
  for (const auto& [identity, tags] : found) {
    if (!status.isOk()) break;
    const SqliteBlob blob{identity};
    if (write == RuleTags::Replace) status = clear.runWith(blob);
    for (const std::string& ruleTag : tags) {
      if (status.isOk()) status = tag.runWith(blob, ruleTag);
    }
  }
  return status;
}

}  // namespace

Status RulePattern::parse(std::string_view pattern, RulePattern& parsed) {
  parsed.alternatives_.clear();
  std::size_t start = 0;
  while (start <= pattern.size()) {
    const std::size_t comma = std::min(pattern.find(',', start), pattern.size());
    std::string_view text = trimmed(pattern.substr(start, comma - start));
    start = comma + 1;
    Alternative alternative;
    alternative.openStart = !text.empty() && text.front() == '*';
    if (alternative.openStart) text.remove_prefix(1);
    alternative.openEnd = !text.empty() && text.back() == '*';
    if (alternative.openEnd) text.remove_suffix(1);
    alternative.text = nameSearchKey(trimmed(text));
    if (alternative.text.empty() || alternative.text.find('*') != std::string::npos) {
      return Status::refused(userText(
          USER_TEXT("Library",
                    "The pattern \"{pattern}\" has an empty alternative or a star inside a word: "
                    "give words separated by commas, each with a * at its start or end at most."),
          {{"pattern", std::string(pattern)}}));
    }
    parsed.alternatives_.push_back(std::move(alternative));
  }
  return Status::ok();
}

bool RulePattern::matches(std::string_view name) const {
  for (const Alternative& alternative : alternatives_) {
    for (std::size_t at = name.find(alternative.text); at != std::string_view::npos;
         at = name.find(alternative.text, at + 1)) {
      const std::size_t end = at + alternative.text.size();
      if ((alternative.openStart || !wordGoesOn(name, at)) &&
          (alternative.openEnd || !wordGoesOn(name, end))) {
        return true;
      }
    }
  }
  return false;
}

const std::vector<RuleRecord>& defaultRules() {
  // Whole words and the short forms sound designers put before a name ("LD Screamer",
  // "BS Deep"); a word ending with the category catches names written as one word
  // ("Glasspad", "Synthbass").
  static const std::vector<RuleRecord> rules = {
      {0, "Pad", "pad*, *pad, pd, atmo*, ambien*, drone*, texture*, swell*"},
      {0, "Bass", "bass*, *bass, bs, sub, *sub"},
      {0, "Lead", "lead*, *lead, ld, solo"},
      {0, "Keys", "key*, *keys, piano*, ep, epiano*, rhodes, wurli*, organ*, clav*, harpsi*, kb"},
      {0, "Strings", "string*, *strings, str, violin*, viola*, cello*, orchestra*, ensemble*"},
      {0, "Brass", "brass*, *brass, br, horn*, trumpet*, trombone*, tuba*"},
      {0, "Voice", "voice*, *voice, vox, vx, vocal*, choir*, aah*, ooh*"},
      {0, "FX", "fx, sfx, effect*, noise*, sweep*, riser*, impact*"},
      {0, "Drums",
       "drum*, *drum, *drums, dr, kit, kick*, snare*, hihat*, hi hat, hats, tom, toms, cymbal*, "
       "perc*, clap*, conga*, bongo*, shaker*"},
      {0, "Sequence", "seq*, sq, sequence*, arp*, pattern*, loop*, groove*"},
  };
  return rules;
}

Status checkTagName(std::string_view tag) {
  if (trimmed(tag).empty())
    return Status::refused(userText(USER_TEXT("Library", "A tag needs a name.")));
  if (tag.front() == '+' || tag.front() == '-') {
    return Status::refused(
        userText(USER_TEXT("Library", "A tag may not begin with + or - (\"{tag}\")."),
                 {{"tag", std::string(tag)}}));
  }
  if (nameAsUtf8(tag) != tag)
    return Status::refused(userText(USER_TEXT("Library", "A tag must be UTF-8 text.")));
  for (const char c : tag) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
      return Status::refused(
          userText(USER_TEXT("Library", "A tag may not hold a control character.")));
    }
  }
  return Status::ok();
}

Status addDefaultRules(SqliteConnection& connection) {
  for (RuleRecord rule : defaultRules()) {
    if (Status added = addRule(connection, rule); !added.isOk()) return added;
  }
  return Status::ok();
}

Status readRules(SqliteConnection& connection, std::vector<RuleRecord>& rules) {
  rules.clear();
  SqliteStatement query;
  Status status =
      connection.prepare("SELECT id, tag, pattern FROM rules ORDER BY position, id", query);
  bool row = true;
  while (status.isOk()) {
    status = query.step(row);
    if (!status.isOk() || !row) break;
    rules.push_back({query.columnNumber(0), query.columnText(1), query.columnText(2)});
  }
  return status;
}

Status addRule(SqliteConnection& connection, RuleRecord& rule) {
  RulePattern pattern;
  if (Status tag = checkTagName(rule.tag); !tag.isOk()) return tag;
  if (Status parsed = RulePattern::parse(rule.pattern, pattern); !parsed.isOk()) return parsed;
  SqliteStatement insert;
  Status status = connection.prepare(
      "INSERT INTO rules(position, tag, pattern) "
      "VALUES ((SELECT coalesce(max(position), 0) + 1 FROM rules), ?1, ?2)",
      insert);
  if (status.isOk()) status = insert.runWith(rule.tag, rule.pattern);
  if (status.isOk()) rule.id = connection.lastInsertId();
  return status;
}

Status changeRule(SqliteConnection& connection, const RuleRecord& rule) {
  RulePattern pattern;
  if (Status tag = checkTagName(rule.tag); !tag.isOk()) return tag;
  if (Status parsed = RulePattern::parse(rule.pattern, pattern); !parsed.isOk()) return parsed;
  SqliteStatement update;
  Status status =
      connection.prepare("UPDATE rules SET tag = ?2, pattern = ?3 WHERE id = ?1", update);
  if (status.isOk()) status = update.runWith(rule.id, rule.tag, rule.pattern);
  std::int64_t changed = 0;
  if (status.isOk()) status = connection.queryNumber("SELECT changes()", changed);
  if (status.isOk() && changed == 0) {
    return noSuchRule(rule.id);
  }
  return status;
}

Status noSuchRule(std::int64_t id) {
  return Status::notFound(std::string(),
                          userText(USER_TEXT("Library", "rule {id}: there is no such rule"),
                                   {{"id", std::to_string(id)}}));
}

Status removeRule(SqliteConnection& connection, std::int64_t id) {
  SqliteStatement remove;
  Status status = connection.prepare("DELETE FROM rules WHERE id = ?1", remove);
  if (status.isOk()) status = remove.runWith(id);
  std::int64_t changed = 0;
  if (status.isOk()) status = connection.queryNumber("SELECT changes()", changed);
  if (status.isOk() && changed == 0) {
    return noSuchRule(id);
  }
  return status;
}

Status countRuleMatches(SqliteConnection& connection, const std::vector<std::string>& patterns,
                        std::vector<std::int64_t>& counts) {
  counts.assign(patterns.size(), 0);
  std::vector<std::optional<RulePattern>> parsed(patterns.size());
  for (std::size_t i = 0; i < patterns.size(); ++i) {
    RulePattern pattern;
    if (RulePattern::parse(patterns[i], pattern).isOk()) parsed[i] = pattern;
  }
  // By identity, so that a sound with two matching names counts once.
  SqliteStatement names;
  Status status = connection.prepare(
      "SELECT identity, folded_name FROM places WHERE bank = 'sound' ORDER BY identity", names);
  std::string identity;
  std::vector<bool> counted(patterns.size(), false);
  bool row = true;
  while (status.isOk()) {
    status = names.step(row);
    if (!status.isOk() || !row) break;
    if (names.columnText(0) != identity) {
      identity = names.columnText(0);
      counted.assign(patterns.size(), false);
    }
    const std::string name = names.columnText(1);
    for (std::size_t i = 0; i < patterns.size(); ++i) {
      if (counted[i] || !parsed[i] || !parsed[i]->matches(name)) continue;
      counted[i] = true;
      ++counts[i];
    }
  }
  names.reset();
  return status;
}

Status categorizeAll(SqliteConnection& connection, std::int64_t* tagged) {
  Status status =
      applyRules(connection, namesOfSounds("SELECT identity FROM sounds"), RuleTags::Replace);
  if (status.isOk()) status = connection.execute("DELETE FROM uncategorized");
  if (status.isOk() && tagged != nullptr) {
    status = connection.queryNumber("SELECT count(*) FROM tags WHERE origin = 'rule'", *tagged);
  }
  return status;
}

Status categorizeChangedSounds(SqliteConnection& connection) {
  Status status = applyRules(connection, namesOfSounds(kTouchedSounds), RuleTags::Replace);
  if (status.isOk()) status = connection.execute("DELETE FROM uncategorized");
  return status;
}

Status categorizeNewSource(SqliteConnection& connection, std::int64_t source) {
  // The sounds other sources hold too: their rule tags are those of the names they had.
  const std::string heldElsewhere =
      " FROM places AS p WHERE p.bank = 'sound' AND p.source = " + std::to_string(source) +
      " AND EXISTS (SELECT 1 FROM places AS o WHERE o.identity = p.identity AND o.bank = 'sound'"
      " AND o.source <> p.source)";
  Status status =
      applyRules(connection, "SELECT p.identity, p.folded_name" + heldElsewhere, RuleTags::Add);
  if (status.isOk()) {
    status = connection.execute("DELETE FROM uncategorized WHERE identity IN (SELECT p.identity" +
                                heldElsewhere + ")");
  }
  // The others, new to the library or back after no place held them (their old tags may no longer
  // fit), and whatever else changed, are judged by all their names.
  if (status.isOk()) status = categorizeChangedSounds(connection);
  return status;
}

}  // namespace slotsmith
