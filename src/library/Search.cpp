#include "library/Search.h"

#include <algorithm>
#include <sstream>
#include <string_view>
#include <variant>

#include "core/Hashes.h"
#include "core/NameFolding.h"
#include "core/NaturalOrder.h"
#include "core/UserDataFolder.h"
#include "core/UserText.h"
#include "library/Library.h"
#include "library/LibraryFile.h"
#include "library/UserData.h"

namespace slotsmith {

namespace {

// The trigram index finds substrings of three characters or more; a shorter word is looked for
// with LIKE, which reads every folded name but is rare.
constexpr std::size_t kShortestIndexedWord = 3;

// A query's SQL with the values it binds, numbered as they are added.
class QuerySql {
 public:
  // "?N" for the value, bound when the statement runs.
  std::string value(std::variant<std::string, std::int64_t> bound) {
    values_.push_back(std::move(bound));
    return "?" + std::to_string(values_.size());
  }

  Status bindTo(SqliteStatement& statement) const {
    Status status;
    for (std::size_t i = 0; i < values_.size() && status.isOk(); ++i) {
      const int index = static_cast<int>(i + 1);
      status =
          std::visit([&](const auto& bound) { return statement.bind(index, bound); }, values_[i]);
    }
    return status;
  }

  std::string text;

 private:
  std::vector<std::variant<std::string, std::int64_t>> values_;
};

std::size_t characterCount(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string foldedTerm(std::string_view term) {
  return nameSearchKey(nameAsUtf8(term));
}

// The identities of the places in bank whose folded name holds the folded word.
std::string identitiesNamed(QuerySql& sql, std::string_view bank, const std::string& word,
                            bool indexed) {
  const std::string bankTest = "p.bank = '" + std::string(bank) + "'";
  if (indexed && characterCount(word) >= kShortestIndexedWord) {
    std::string phrase = "\"";
    for (const char c : word)
      phrase += c == '"' ? std::string("\"\"") : std::string(1, c);
    phrase += '"';
    return "SELECT p.identity FROM place_names JOIN places p ON p.id = place_names.rowid "
           "WHERE place_names MATCH " +
           sql.value(phrase) + " AND " + bankTest;
  }
  std::string pattern = "%";
  for (const char c : word) {
    if (c == '%' || c == '_' || c == '\\') pattern += '\\';
    pattern += c;
  }
  pattern += '%';
  return "SELECT p.identity FROM places p WHERE " + bankTest + " AND p.folded_name LIKE " +
         sql.value(pattern) + " ESCAPE '\\'";
}

// The identities in bank at risk: every place in one source, and that a database folder. Read
// in one pass over the places rather than through the identity index, which would visit every
// place's row out of order: several times slower on a large library.
std::string identitiesAtRisk(std::string_view bank) {
  return "SELECT g.identity FROM (SELECT p.identity, min(p.source) AS source "
         "  FROM places p NOT INDEXED WHERE p.bank = '" +
         std::string(bank) +
         "' GROUP BY p.identity HAVING min(p.source) = max(p.source)) g "
         "JOIN sources src ON src.id = g.source WHERE src.kind = 'database'";
}

// The SQL selecting the identities of the sounds that meet every term of the query.
std::string identitiesMeeting(const SearchQuery& query, bool indexed, QuerySql& sql) {
  std::vector<std::string> tests;
  for (const std::string& word : query.words)
    tests.push_back("s.identity IN (" + identitiesNamed(sql, "sound", word, indexed) + ")");
  for (const std::string& model : query.models) {
    tests.push_back("s.identity IN (SELECT sm.sound FROM sound_models sm WHERE sm.model IN (" +
                    identitiesNamed(sql, "model", model, indexed) + "))");
  }
  for (const std::string& tag : query.tags) {
    tests.push_back("s.identity IN (SELECT identity FROM tags WHERE tag = " + sql.value(tag) +
                    " COLLATE NOCASE)");
  }
  for (const std::string& source : query.sources) {
    tests.push_back(
        "s.identity IN (SELECT p.identity FROM places p JOIN sources src ON src.id = p.source "
        "WHERE p.bank = 'sound' AND src.path = " +
        sql.value(source) + ")");
  }
  if (query.favouritesOnly) {
    tests.emplace_back("s.identity IN (SELECT identity FROM user_sounds WHERE favourite <> 0)");
  }
  if (query.hidden != HiddenSounds::Included) {
    tests.push_back(std::string(query.hidden == HiddenSounds::Only ? "" : "NOT ") +
                    "s.identity IN (SELECT identity FROM user_sounds WHERE hidden <> 0)");
  }
  const auto placeCount = [&](const char* comparison, std::int64_t count) {
    return "s.identity IN (SELECT identity FROM places NOT INDEXED WHERE bank = 'sound' "
           "GROUP BY identity HAVING count(*) " +
           std::string(comparison) + " " + sql.value(count) + ")";
  };
  if (query.placesAtLeast) tests.push_back(placeCount(">=", *query.placesAtLeast));
  if (query.placesExactly) tests.push_back(placeCount("=", *query.placesExactly));
  if (query.atRiskOnly) tests.push_back("s.identity IN (" + identitiesAtRisk("sound") + ")");
  std::string text = "SELECT s.identity FROM sounds s";
  for (std::size_t i = 0; i < tests.size(); ++i)
    text += (i == 0 ? " WHERE " : " AND ") + tests[i];
  return text;
}

void nameAfterItsPlaces(FoundItem& item) {
  std::map<std::string, int> counts;
  int most = 0;
  for (const Place& place : item.places)
    most = std::max(most, ++counts[place.name]);
  for (const Place& place : item.places) {
    if (counts[place.name] == most) {
      item.name = place.name;
      return;
    }
  }
}

Status readTags(SqliteStatement& tags, const std::string& identity, FoundItem& item) {
  tags.reset();
  Status status = tags.bind(1, SqliteBlob{identity});
  bool row = true;
  while (status.isOk()) {
    status = tags.step(row);
    if (!status.isOk() || !row) break;
    item.tags.push_back(tags.columnText(0));
  }
  tags.reset();
  return status;
}

// The items in bank whose identities the SQL selects, each with all its places and, for a
// sound, the user's data about it; in the order searches answer in.
Status collectItems(SqliteConnection& connection, std::string_view bank, const QuerySql& sql,
                    std::vector<FoundItem>& items) {
  items.clear();
  SqliteStatement places, tags;
  Status status = connection.prepare(
      "SELECT p.identity, lower(hex(p.identity)), src.path, p.slot, p.name, "
      "  coalesce(u.favourite, 0), coalesce(u.hidden, 0) "
      "FROM places p JOIN sources src ON src.id = p.source "
      "LEFT JOIN user_sounds u ON u.identity = p.identity "
      "WHERE p.bank = '" +
          std::string(bank) + "' AND p.identity IN (" + sql.text +
          ") ORDER BY p.identity, src.path, p.slot",
      places);
  if (status.isOk()) {
    status = connection.prepare("SELECT tag FROM tags WHERE identity = ?1 ORDER BY tag", tags);
  }
  if (status.isOk()) status = sql.bindTo(places);
  std::string identity;
  bool row = true;
  while (status.isOk()) {
    status = places.step(row);
    if (!status.isOk() || !row) break;
    if (items.empty() || places.columnText(0) != identity) {
      identity = places.columnText(0);
      FoundItem& item = items.emplace_back();
      item.id = places.columnText(1);
      if (bank == "sound") {
        item.favourite = places.columnNumber(5) != 0;
        item.hidden = places.columnNumber(6) != 0;
        status = readTags(tags, identity, item);
      }
    }
    items.back().places.push_back(
        {places.columnText(2), static_cast<int>(places.columnNumber(3)), places.columnText(4)});
  }
  places.reset();
  for (FoundItem& item : items)
    nameAfterItsPlaces(item);
  std::sort(items.begin(), items.end(), [](const FoundItem& a, const FoundItem& b) {
    const int order = compareNaturally(a.name, b.name);
    return order != 0 ? order < 0 : a.id < b.id;
  });
  return status;
}

Status requireSource(SqliteConnection& connection, const std::string& path) {
  SqliteStatement find;
  Status status = connection.prepare("SELECT count(*) FROM sources WHERE path = ?1", find);
  bool row = false;
  if (status.isOk()) status = find.bind(1, path);
  if (status.isOk()) status = find.step(row);
  if (!status.isOk()) return status;
  const bool known = row && find.columnNumber(0) > 0;
  find.reset();
  return known ? Status::ok() : Status::notFound(path, userText(kNoSource));
}

// places:N+ or places:N.
Status parsePlaceCount(const std::string& term, std::string_view count, SearchQuery& query) {
  const bool atLeast = !count.empty() && count.back() == '+';
  if (atLeast) count.remove_suffix(1);
  const bool digits =
      !count.empty() && count.size() <= 6 &&
      std::all_of(count.begin(), count.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!digits) {
    return Status::invalid(term, userText(USER_TEXT("Library",
                                                    "give a number of places, as places:2+ (two "
                                                    "or more) or places:1 (exactly one)")));
  }
  (atLeast ? query.placesAtLeast : query.placesExactly) = std::stoll(std::string(count));
  return Status::ok();
}

Status parseTerm(const std::string& term, SearchQuery& query) {
  if (term == "fav") {
    query.favouritesOnly = true;
    return Status::ok();
  }
  if (term == "hidden") {
    query.hidden = HiddenSounds::Only;
    return Status::ok();
  }
  if (term == "at-risk") {
    query.atRiskOnly = true;
    return Status::ok();
  }
  const std::size_t colon = term.find(':');
  const std::string key = term.substr(0, colon == std::string::npos ? 0 : colon);
  const std::string value = colon == std::string::npos ? term : term.substr(colon + 1);
  if (key == "places") return parsePlaceCount(term, value, query);
  if ((key == "tag" || key == "model" || key == "in") && value.empty()) {
    return Status::invalid(term,
                           userText(USER_TEXT("Library", "give what to look for after the colon")));
  }
  if (key == "tag") {
    query.tags.push_back(value);
  } else if (key == "model") {
    query.models.push_back(foldedTerm(value));
  } else if (key == "in") {
    query.sources.push_back(sourcePathOf(withHomeExpanded(value)));
  } else if (const std::string word = foldedTerm(term); !word.empty()) {
    query.words.push_back(word);
  }
  return Status::ok();
}

}  // namespace

Status parseSearchQuery(const std::vector<std::string>& terms, SearchQuery& query) {
  query = SearchQuery();
  for (const std::string& argument : terms) {
    // A filter's value (in:PATH) may hold white space; only words are split at it.
    const bool filter = argument.rfind("in:", 0) == 0 || argument.rfind("tag:", 0) == 0 ||
                        argument.rfind("model:", 0) == 0;
    if (filter) {
      if (Status parsed = parseTerm(argument, query); !parsed.isOk()) return parsed;
      continue;
    }
    std::istringstream words(argument);
    std::string term;
    while (words >> term) {
      if (Status parsed = parseTerm(term, query); !parsed.isOk()) return parsed;
    }
  }
  return Status::ok();
}

Status searchSounds(SqliteConnection& connection, const SearchQuery& query,
                    std::vector<FoundItem>& sounds) {
  sounds.clear();
  SqliteSnapshot snapshot(connection);
  if (!snapshot.began().isOk()) return snapshot.began();
  for (const std::string& source : query.sources) {
    if (Status known = requireSource(connection, source); !known.isOk()) return known;
  }
  // A tag is looked for as the library spells it: SQLite's NOCASE folds ASCII letters only.
  SearchQuery spelled = query;
  for (std::string& tag : spelled.tags) {
    if (Status known = knownTagSpelling(connection, tag); !known.isOk()) return known;
  }
  QuerySql sql;
  sql.text = identitiesMeeting(spelled, hasNameIndex(connection), sql);
  return collectItems(connection, "sound", sql, sounds);
}

Status readModelNames(SqliteConnection& connection, std::vector<FoundItem>& sounds) {
  // Each model's name first, in one pass over the model places: the name most of its places
  // bear, of names borne equally often the one first in byte order.
  std::map<std::string, std::pair<std::string, std::int64_t>> names;
  SqliteStatement modelNames, played;
  Status status = connection.prepare(
      "SELECT identity, name, count(*) FROM places WHERE bank = 'model' GROUP BY identity, name "
      "ORDER BY identity, name",
      modelNames);
  bool row = true;
  while (status.isOk()) {
    status = modelNames.step(row);
    if (!status.isOk() || !row) break;
    auto& [name, count] = names[modelNames.columnText(0)];
    if (modelNames.columnNumber(2) > count) {
      name = modelNames.columnText(1);
      count = modelNames.columnNumber(2);
    }
  }
  if (status.isOk()) {
    status = connection.prepare(
        "SELECT model, lower(hex(model)) FROM sound_models WHERE sound = ?1 ORDER BY position",
        played);
  }
  for (std::size_t i = 0; status.isOk() && i < sounds.size(); ++i) {
    FoundItem& sound = sounds[i];
    sound.models.clear();
    // The ids are hexadecimal; the table keeps the bytes.
    Digest identity{};
    if (!digestOfHex(sound.id, identity)) continue;
    status = played.bind(1, SqliteBlob{std::string_view(
                                reinterpret_cast<const char*>(identity.data()), identity.size())});
    while (status.isOk()) {
      status = played.step(row);
      if (!status.isOk() || !row) break;
      const auto named = names.find(played.columnText(0));
      sound.models.push_back(named != names.end() ? named->second.first : played.columnText(1));
    }
    played.reset();
  }
  return status;
}

Status countSoundsByTag(SqliteConnection& connection, std::vector<TagCount>& counts) {
  counts.clear();
  SqliteStatement query;
  Status status = connection.prepare(
      "SELECT min(t.tag), count(DISTINCT t.identity) FROM tags t "
      "JOIN sounds s ON s.identity = t.identity "
      "WHERE t.identity NOT IN (SELECT identity FROM user_sounds WHERE hidden <> 0) "
      "GROUP BY t.tag COLLATE NOCASE ORDER BY min(t.tag) COLLATE NOCASE",
      query);
  bool row = true;
  while (status.isOk()) {
    status = query.step(row);
    if (!status.isOk() || !row) break;
    counts.push_back({query.columnText(0), query.columnNumber(1)});
  }
  return status;
}

Status soundAtPlace(SqliteConnection& connection, const std::string& sourcePath, int slot,
                    std::optional<FoundItem>& sound) {
  sound.reset();
  SqliteSnapshot snapshot(connection);
  if (!snapshot.began().isOk()) return snapshot.began();
  if (Status known = requireSource(connection, sourcePath); !known.isOk()) return known;
  QuerySql sql;
  sql.text =
      "SELECT p.identity FROM places p JOIN sources src ON src.id = p.source "
      "WHERE p.bank = 'sound' AND src.path = " +
      sql.value(sourcePath) + " AND p.slot = " + sql.value(std::int64_t{slot});
  std::vector<FoundItem> found;
  Status status = collectItems(connection, "sound", sql, found);
  if (status.isOk() && !found.empty()) sound = std::move(found.front());
  return status;
}

Status findAtRisk(SqliteConnection& connection, AtRiskItems& items) {
  SqliteSnapshot snapshot(connection);
  if (!snapshot.began().isOk()) return snapshot.began();
  SearchQuery atRisk;
  atRisk.atRiskOnly = true;
  atRisk.hidden = HiddenSounds::Included;
  QuerySql sounds;
  sounds.text = identitiesMeeting(atRisk, false, sounds);
  Status status = collectItems(connection, "sound", sounds, items.sounds);
  QuerySql models;
  models.text = identitiesAtRisk("model");
  if (status.isOk()) status = collectItems(connection, "model", models, items.models);
  return status;
}

Status countAtRiskBySource(SqliteConnection& connection, std::map<std::string, SourceRisk>& risks) {
  risks.clear();
  SqliteStatement query;
  Status status = connection.prepare(
      "SELECT src.path, g.bank, count(*) FROM ("
      "  SELECT p.bank AS bank, min(p.source) AS source FROM places p NOT INDEXED "
      "  GROUP BY p.bank, p.identity HAVING min(p.source) = max(p.source)) g "
      "JOIN sources src ON src.id = g.source WHERE src.kind = 'database' "
      "GROUP BY src.path, g.bank",
      query);
  bool row = true;
  while (status.isOk()) {
    status = query.step(row);
    if (!status.isOk() || !row) break;
    SourceRisk& risk = risks[query.columnText(0)];
    (query.columnText(1) == "sound" ? risk.sounds : risk.models) = query.columnNumber(2);
  }
  return status;
}

}  // namespace slotsmith
