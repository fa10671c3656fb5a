#include "library/UserData.h"

#include <algorithm>
#include <functional>
#include <set>

#include "core/NameFolding.h"
#include "core/UserText.h"
#include "library/Library.h"

namespace slotsmith {

namespace {

constexpr std::size_t kIdentityBytes = 32;
constexpr std::size_t kShortestIdPrefix = 8;

Status queryText(SqliteConnection& connection, std::string_view sql, const std::string& bound,
                 std::string& value, bool& found) {
  SqliteStatement query;
  Status status = connection.prepare(sql, query);
  if (status.isOk()) status = query.bind(1, bound);
  if (status.isOk()) status = query.step(found);
  if (status.isOk() && found) value = query.columnText(0);
  return status;
}

}  // namespace

Status knownTagSpelling(SqliteConnection& connection, std::string& tag) {
  // Compared in C++ rather than by SQLite's lower(), which knows only ASCII: "übergang" is the
  // tag "Übergang". The tags in use are few, and read from their index.
  const std::string key = nameComparisonKey(tag);
  SqliteStatement known;
  Status status =
      connection.prepare("SELECT tag FROM rules UNION ALL SELECT DISTINCT tag FROM tags", known);
  bool row = true;
  while (status.isOk()) {
    status = known.step(row);
    if (!status.isOk() || !row) break;
    std::string spelling = known.columnText(0);
    if (nameComparisonKey(spelling) == key) {
      tag = std::move(spelling);
      break;
    }
  }
  return status;
}

namespace {

Status setFlag(SqliteConnection& connection, const SoundId& id, std::string_view column, bool on) {
  SqliteStatement upsert;
  const std::string name(column);
  Status status = connection.prepare("INSERT INTO user_sounds(identity, " + name +
                                         ") VALUES (?1, ?2) "
                                         "ON CONFLICT(identity) DO UPDATE SET " +
                                         name + " = excluded." + name,
                                     upsert);
  if (status.isOk()) status = upsert.runWith(SqliteBlob{id}, std::int64_t{on ? 1 : 0});
  return status;
}

}  // namespace

void readBothEnds(SqliteConnection& connection, const std::string& select, const std::string& order,
                  int keyColumns, const std::function<void(SqliteStatement&)>& onRow,
                  UserDataReading& reading, bool* whole) {
  std::set<std::string> seen;
  const auto keyOf = [keyColumns](SqliteStatement& row) {
    std::string key;
    for (int i = 0; i < keyColumns; ++i) {
      const std::string part = row.columnText(i);
      key += std::to_string(part.size()) + ':' + part;
    }
    return key;
  };
  Status failed;
  for (const char* direction : {" ASC", " DESC"}) {
    SqliteStatement query;
    Status status = connection.prepare(select + " ORDER BY " + order + direction, query);
    bool row = true;
    while (status.isOk()) {
      status = query.step(row);
      if (!status.isOk() || !row) break;
      if (!seen.insert(keyOf(query)).second) break;
      onRow(query);
      ++reading.rowsRead;
    }
    if (status.isOk()) break;
    if (failed.isOk()) failed = status;
  }
  if (failed.isOk()) return;
  ++reading.tablesCut;
  if (whole != nullptr) *whole = false;
  if (reading.firstFailure.isOk()) reading.firstFailure = failed;
}

namespace {

bool isIdentity(const std::string& bytes) {
  return bytes.size() == kIdentityBytes;
}

}  // namespace

std::string soundIdText(std::string_view id) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text;
  text.reserve(id.size() * 2);
  for (const char c : id) {
    const auto byte = static_cast<unsigned char>(c);
    text += kHex[byte >> 4];
    text += kHex[byte & 0xf];
  }
  return text;
}

Status findSoundAt(SqliteConnection& connection, const std::string& sourcePath, int slot,
                   SoundId& id) {
  SqliteStatement query;
  Status status = connection.prepare(
      "SELECT places.identity FROM places JOIN sources ON sources.id = places.source "
      "WHERE sources.path = ?1 AND places.bank = 'sound' AND places.slot = ?2",
      query);
  bool found = false;
  if (status.isOk()) status = query.bind(1, sourcePath);
  if (status.isOk()) status = query.bind(2, std::int64_t{slot});
  if (status.isOk()) status = query.step(found);
  if (!status.isOk()) return status;
  if (found) {
    id = query.columnText(0);
    return Status::ok();
  }
  std::string known;
  status =
      queryText(connection, "SELECT path FROM sources WHERE path = ?1", sourcePath, known, found);
  if (!status.isOk()) return status;
  if (!found) return Status::notFound(sourcePath, userText(kNoSource));
  return Status::notFound(
      sourcePath,
      userText(
          USER_TEXT("Library", "sound slot {slot} held no sound when the library last read it"),
          {{"slot", std::to_string(slot)}}));
}

Status findSoundById(SqliteConnection& connection, std::string_view prefix, SoundId& id) {
  const bool isHex = std::all_of(prefix.begin(), prefix.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
  });
  if (!isHex || prefix.size() < kShortestIdPrefix || prefix.size() > kIdentityBytes * 2) {
    return Status::refused(
        userText(USER_TEXT("Library",
                           "A sound id is {shortest} to {longest} hex digits, as `library search` "
                           "prints it (\"{id}\" is not)."),
                 {{"shortest", std::to_string(kShortestIdPrefix)},
                  {"longest", std::to_string(kIdentityBytes * 2)},
                  {"id", std::string(prefix)}}));
  }
  std::string upper(prefix);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](char c) { return c >= 'a' ? static_cast<char>(c - 'a' + 'A') : c; });
  SqliteStatement query;
  Status status = connection.prepare(
      "SELECT identity FROM (SELECT identity FROM sounds UNION SELECT identity FROM user_sounds "
      "UNION SELECT identity FROM tags) WHERE hex(identity) LIKE ?1 || '%' LIMIT 2",
      query);
  bool found = false;
  if (status.isOk()) status = query.bind(1, upper);
  if (status.isOk()) status = query.step(found);
  if (!status.isOk()) return status;
  if (!found) {
    return Status::notFound(std::string(),
                            userText(USER_TEXT("Library", "sound {id}: the library knows none"),
                                     {{"id", std::string(prefix)}}));
  }
  id = query.columnText(0);
  if (Status next = query.step(found); !next.isOk()) return next;
  if (found) {
    return Status::refused(userText(
        USER_TEXT("Library", "More than one sound's id begins with {id}; give more of its digits."),
        {{"id", std::string(prefix)}}));
  }
  return Status::ok();
}

Status changeTags(SqliteConnection& connection, const SoundId& id,
                  const std::vector<std::string>& add, const std::vector<std::string>& remove) {
  for (const auto* tags : {&add, &remove}) {
    for (const std::string& tag : *tags) {
      if (Status checked = checkTagName(tag); !checked.isOk()) return checked;
    }
  }
  SqliteTransaction transaction(connection);
  if (!transaction.began().isOk()) return transaction.began();
  SqliteStatement set, unremove, take, remember;
  Status status = connection.prepare(
      "INSERT INTO tags(identity, tag, origin) VALUES (?1, ?2, 'hand') "
      "ON CONFLICT(identity, tag) DO UPDATE SET origin = 'hand'",
      set);
  if (status.isOk()) {
    status =
        connection.prepare("DELETE FROM removed_tags WHERE identity = ?1 AND tag = ?2", unremove);
  }
  if (status.isOk()) {
    status = connection.prepare("DELETE FROM tags WHERE identity = ?1 AND tag = ?2", take);
  }
  if (status.isOk()) {
    status = connection.prepare("INSERT OR IGNORE INTO removed_tags(identity, tag) VALUES (?1, ?2)",
                                remember);
  }
  const SqliteBlob blob{id};
  for (std::string tag : add) {
    if (status.isOk()) status = knownTagSpelling(connection, tag);
    if (status.isOk()) status = unremove.runWith(blob, tag);
    if (status.isOk()) status = set.runWith(blob, tag);
  }
  for (std::string tag : remove) {
    if (status.isOk()) status = knownTagSpelling(connection, tag);
    if (status.isOk()) status = take.runWith(blob, tag);
    if (status.isOk()) status = remember.runWith(blob, tag);
  }
  if (!status.isOk()) return status;
  return transaction.commit();
}

Status setFavourite(SqliteConnection& connection, const SoundId& id, bool on) {
  return setFlag(connection, id, "favourite", on);
}

Status setHidden(SqliteConnection& connection, const SoundId& id, bool on) {
  return setFlag(connection, id, "hidden", on);
}

Status setNote(SqliteConnection& connection, const SoundId& id, const std::string& note) {
  SqliteStatement upsert;
  Status status = connection.prepare(
      "INSERT INTO user_sounds(identity, note) VALUES (?1, ?2) "
      "ON CONFLICT(identity) DO UPDATE SET note = excluded.note",
      upsert);
  // Kept as UTF-8 (a byte that is none as Latin-1), so that an export reads back the same.
  if (status.isOk()) status = upsert.runWith(SqliteBlob{id}, nameAsUtf8(note));
  return status;
}

std::string soundNameOf(SqliteConnection& connection, const SoundId& id) {
  SqliteStatement query;
  bool found = false;
  if (connection
          .prepare("SELECT name FROM places WHERE identity = ?1 AND bank = 'sound' "
                   "ORDER BY source, slot LIMIT 1",
                   query)
          .isOk() &&
      query.bind(1, SqliteBlob{id}).isOk() && query.step(found).isOk() && found) {
    return query.columnText(0);
  }
  return {};
}

Status tagsOf(SqliteConnection& connection, const SoundId& id,
              std::map<std::string, TagOrigin>& tags) {
  tags.clear();
  SqliteStatement query;
  Status status = connection.prepare("SELECT tag, origin FROM tags WHERE identity = ?1", query);
  if (status.isOk()) status = query.bind(1, SqliteBlob{id});
  bool row = true;
  while (status.isOk()) {
    status = query.step(row);
    if (!status.isOk() || !row) break;
    tags[query.columnText(0)] = query.columnText(1) == "hand" ? TagOrigin::Hand : TagOrigin::Rule;
  }
  return status;
}

void readUserData(SqliteConnection& connection, UserDataSnapshot& snapshot,
                  UserDataReading& reading) {
  snapshot = {};
  readBothEnds(
      connection, "SELECT identity, favourite, hidden, note FROM user_sounds", "identity", 1,
      [&](SqliteStatement& row) {
        const std::string id = row.columnText(0);
        if (!isIdentity(id)) return;
        SoundUserData& sound = snapshot.sounds[id];
        sound.favourite = row.columnNumber(1) != 0;
        sound.hidden = row.columnNumber(2) != 0;
        sound.note = row.columnText(3);
      },
      reading);
  readBothEnds(
      connection, "SELECT identity, tag, origin FROM tags", "identity, tag", 2,
      [&](SqliteStatement& row) {
        const std::string id = row.columnText(0), tag = row.columnText(1);
        const std::string origin = row.columnText(2);
        if (!isIdentity(id) || !checkTagName(tag).isOk()) return;
        if (origin != "rule" && origin != "hand") return;
        snapshot.sounds[id].tags[tag] = origin == "hand" ? TagOrigin::Hand : TagOrigin::Rule;
      },
      reading);
  readBothEnds(
      connection, "SELECT identity, tag FROM removed_tags", "identity, tag", 2,
      [&](SqliteStatement& row) {
        const std::string id = row.columnText(0), tag = row.columnText(1);
        if (isIdentity(id) && checkTagName(tag).isOk()) {
          snapshot.sounds[id].removedTags.push_back(tag);
        }
      },
      reading);
  std::vector<std::pair<std::int64_t, RuleRecord>> rules;
  readBothEnds(
      connection, "SELECT id, position, tag, pattern FROM rules", "id", 1,
      [&](SqliteStatement& row) {
        rules.push_back(
            {row.columnNumber(1), {row.columnNumber(0), row.columnText(2), row.columnText(3)}});
      },
      reading, &snapshot.rulesWhole);
  std::stable_sort(rules.begin(), rules.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (auto& [position, rule] : rules) {
    RulePattern pattern;
    if (checkTagName(rule.tag).isOk() && RulePattern::parse(rule.pattern, pattern).isOk()) {
      snapshot.rules.push_back(std::move(rule));
    }
  }
  std::map<std::int64_t, std::string> listNames;
  readBothEnds(
      connection, "SELECT id, name FROM lists", "id", 1,
      [&](SqliteStatement& row) { listNames[row.columnNumber(0)] = row.columnText(1); }, reading);
  std::map<std::int64_t, std::map<std::int64_t, SoundId>> items;
  readBothEnds(
      connection, "SELECT list, position, identity FROM list_items", "list, position", 2,
      [&](SqliteStatement& row) {
        const std::string id = row.columnText(2);
        if (isIdentity(id)) items[row.columnNumber(0)][row.columnNumber(1)] = id;
      },
      reading);
  for (const auto& [listId, name] : listNames) {
    ListData list{name, {}};
    for (const auto& [position, id] : items[listId])
      list.items.push_back(id);
    snapshot.lists.push_back(std::move(list));
  }
  // A name for each sound, only for whoever reads an export: nothing depends on it.
  for (auto& [id, sound] : snapshot.sounds)
    sound.name = soundNameOf(connection, id);
}

}  // namespace slotsmith
