// Merging the user's data into a library (library/UserData.h's mergeUserData): for import and
// for the data a rebuild puts back.
#include <algorithm>
#include <set>

#include "library/UserData.h"

namespace slotsmith {

namespace {

// The statements a merge runs for each sound, prepared once.
struct MergeStatements {
  SqliteStatement flags, handTag, unremove, ruleTag, remember, untagRule;

  Status prepare(SqliteConnection& connection) {
    for (auto [statement, sql] : {
             // A note that differs goes below the library's, so neither is lost and merging the
             // same file twice adds nothing.
             std::pair{&flags,
                       "INSERT INTO user_sounds(identity, favourite, hidden, note) "
                       "VALUES (?1, ?2, ?3, ?4) ON CONFLICT(identity) DO UPDATE SET "
                       "favourite = max(favourite, excluded.favourite), "
                       "hidden = max(hidden, excluded.hidden), "
                       "note = CASE WHEN note = '' THEN excluded.note "
                       "  WHEN excluded.note = '' OR instr(note, excluded.note) > 0 THEN note "
                       "  ELSE note || char(10) || excluded.note END"},
             std::pair{&handTag,
                       "INSERT INTO tags(identity, tag, origin) VALUES (?1, ?2, 'hand') "
                       "ON CONFLICT(identity, tag) DO UPDATE SET origin = 'hand'"},
             std::pair{&unremove, "DELETE FROM removed_tags WHERE identity = ?1 AND tag = ?2"},
             std::pair{&ruleTag,
                       "INSERT OR IGNORE INTO tags(identity, tag, origin) SELECT ?1, ?2, 'rule' "
                       "WHERE NOT EXISTS (SELECT 1 FROM removed_tags "
                       "  WHERE identity = ?1 AND tag = ?2)"},
             std::pair{&remember,
                       "INSERT OR IGNORE INTO removed_tags(identity, tag) SELECT ?1, ?2 "
                       "WHERE NOT EXISTS (SELECT 1 FROM tags "
                       "  WHERE identity = ?1 AND tag = ?2 AND origin = 'hand')"},
             std::pair{&untagRule,
                       "DELETE FROM tags WHERE identity = ?1 AND tag = ?2 AND origin = 'rule'"},
         }) {
      if (Status prepared = connection.prepare(sql, *statement); !prepared.isOk()) {
        return prepared;
      }
    }
    return Status::ok();
  }

  Status merge(const SoundId& id, const SoundUserData& sound) {
    const SqliteBlob blob{id};
    Status status;
    if (sound.favourite || sound.hidden || !sound.note.empty()) {
      status = flags.runWith(blob, std::int64_t{sound.favourite}, std::int64_t{sound.hidden},
                             sound.note);
    }
    for (const auto& [tag, origin] : sound.tags) {
      if (!status.isOk()) break;
      if (origin == TagOrigin::Hand) {
        status = unremove.runWith(blob, tag);
        if (status.isOk()) status = handTag.runWith(blob, tag);
      } else {
        status = ruleTag.runWith(blob, tag);
      }
    }
    for (const std::string& tag : sound.removedTags) {
      if (status.isOk()) status = remember.runWith(blob, tag);
      if (status.isOk()) status = untagRule.runWith(blob, tag);
    }
    return status;
  }
};

Status mergeRules(SqliteConnection& connection, const UserDataSnapshot& snapshot,
                  bool replaceRules) {
  std::vector<RuleRecord> present;
  const bool replace = replaceRules && snapshot.rulesWhole;
  Status status =
      replace ? connection.execute("DELETE FROM rules") : readRules(connection, present);
  for (RuleRecord rule : snapshot.rules) {
    if (!status.isOk()) break;
    const bool known = std::any_of(present.begin(), present.end(), [&](const RuleRecord& had) {
      return had.tag == rule.tag && had.pattern == rule.pattern;
    });
    if (known) continue;
    status = addRule(connection, rule);
    present.push_back(rule);
  }
  return status;
}

Status mergeList(SqliteConnection& connection, const ListData& list) {
  SqliteStatement make, find, add;
  Status status = connection.prepare("INSERT OR IGNORE INTO lists(name) VALUES (?1)", make);
  if (status.isOk()) status = make.runWith(list.name);
  if (status.isOk()) {
    status = connection.prepare(
        "SELECT list_items.identity FROM list_items JOIN lists ON lists.id = list_items.list "
        "WHERE lists.name = ?1",
        find);
  }
  std::set<SoundId> present;
  bool row = true;
  if (status.isOk()) status = find.bind(1, list.name);
  while (status.isOk()) {
    status = find.step(row);
    if (!status.isOk() || !row) break;
    present.insert(find.columnText(0));
  }
  find.reset();
  if (status.isOk()) {
    status = connection.prepare(
        "INSERT INTO list_items(list, position, identity) "
        "SELECT id, (SELECT coalesce(max(position), 0) + 1 FROM list_items WHERE list = id), ?2 "
        "FROM lists WHERE name = ?1",
        add);
  }
  // A list new to the library takes every item as it is; one it has gains the sounds it lacks.
  const bool isNew = present.empty();
  for (const SoundId& id : list.items) {
    if (!status.isOk()) break;
    if (!isNew && present.count(id) > 0) continue;
    status = add.runWith(list.name, SqliteBlob{id});
  }
  return status;
}

}  // namespace

Status mergeUserData(SqliteConnection& connection, const UserDataSnapshot& snapshot,
                     bool replaceRules) {
  SqliteTransaction transaction(connection);
  if (!transaction.began().isOk()) return transaction.began();
  MergeStatements statements;
  Status status = statements.prepare(connection);
  for (const auto& [id, sound] : snapshot.sounds) {
    if (!status.isOk()) break;
    status = statements.merge(id, sound);
  }
  if (status.isOk()) status = mergeRules(connection, snapshot, replaceRules);
  for (const ListData& list : snapshot.lists) {
    if (status.isOk()) status = mergeList(connection, list);
  }
  // The tags the rules give are theirs to settle: an imported one a name of this library's no
  // longer bears goes, and a rule imported tags the sounds here.
  if (status.isOk()) status = categorizeAll(connection);
  if (!status.isOk()) return status;
  return transaction.commit();
}

}  // namespace slotsmith
