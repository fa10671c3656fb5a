#include "library/Lists.h"

#include <algorithm>
#include <map>
#include <set>

#include "core/NameFolding.h"
#include "core/NaturalOrder.h"
#include "core/UserText.h"
#include "ops/QuestionText.h"

namespace slotsmith {

namespace {

SqliteBlob blobOf(const Digest& digest) {
  return {std::string_view(reinterpret_cast<const char*>(digest.data()), digest.size())};
}

Digest digestOf(const std::string& bytes) {
  Digest digest{};
  std::copy_n(bytes.begin(), std::min(bytes.size(), digest.size()), digest.begin());
  return digest;
}

SourceKind kindOf(const std::string& text) {
  return text == "pack"     ? SourceKind::Pack
         : text == "backup" ? SourceKind::Backup
                            : SourceKind::Database;
}

SourceState stateOf(const std::string& text) {
  return text == "missing"   ? SourceState::Missing
         : text == "changed" ? SourceState::Changed
         : text == "refused" ? SourceState::Refused
                             : SourceState::Ok;
}

// Runs a query bound to the values and calls onRow for each row, until it ends or fails.
template <typename OnRow, typename... Values>
Status eachRow(SqliteConnection& connection, std::string_view sql, OnRow onRow,
               const Values&... values) {
  SqliteStatement query;
  Status status = connection.prepare(sql, query);
  int index = 0;
  ((status = status.isOk() ? query.bind(++index, values) : status), ...);
  bool row = true;
  while (status.isOk()) {
    status = query.step(row);
    if (!status.isOk() || !row) break;
    onRow(query);
  }
  query.reset();
  return status;
}

constexpr TextTemplate kListNeedsName = USER_TEXT("Library", "A list needs a name.");
constexpr TextTemplate kListExists =
    USER_TEXT("Library", "The library has a list named {name} already.");

Status findList(SqliteConnection& connection, const std::string& name, std::int64_t& id) {
  bool found = false;
  Status status = eachRow(
      connection, "SELECT id FROM lists WHERE name = ?1",
      [&](SqliteStatement& row) {
        id = row.columnNumber(0);
        found = true;
      },
      name);
  if (!status.isOk()) return status;
  if (!found)
    return Status::notFound(name, userText(USER_TEXT("Library", "is no list of the library")));
  return Status::ok();
}

struct StoredItem {
  std::string identity;  // the digest's bytes
  std::string name;
};

Status readItems(SqliteConnection& connection, std::int64_t list, std::vector<StoredItem>& items) {
  items.clear();
  return eachRow(
      connection, "SELECT identity, name FROM list_items WHERE list = ?1 ORDER BY position",
      [&](SqliteStatement& row) {
        items.push_back({row.columnText(0), row.columnText(1)});
      },
      list);
}

// Writes the list's items anew, numbered from 1 in the order given.
Status writeItems(SqliteConnection& connection, std::int64_t list,
                  const std::vector<StoredItem>& items) {
  SqliteStatement clear, insert;
  Status status = connection.prepare("DELETE FROM list_items WHERE list = ?1", clear);
  if (status.isOk()) {
    status = connection.prepare(
        "INSERT INTO list_items(list, position, identity, name) VALUES (?1, ?2, ?3, ?4)", insert);
  }
  if (status.isOk()) status = clear.runWith(list);
  for (std::size_t i = 0; i < items.size() && status.isOk(); ++i) {
    status = insert.runWith(list, static_cast<std::int64_t>(i + 1), SqliteBlob{items[i].identity},
                            items[i].name);
  }
  return status;
}

}  // namespace

bool isInReach(const ListPlace& place) {
  return place.state == SourceState::Ok || place.state == SourceState::Changed;
}

Status listSummaries(Library& library, std::vector<ListSummary>& lists) {
  lists.clear();
  SqliteStatement query;
  Status status = library.connection().prepare(
      "SELECT lists.name, count(list_items.list) FROM lists "
      "LEFT JOIN list_items ON list_items.list = lists.id GROUP BY lists.id",
      query);
  bool row = true;
  while (status.isOk()) {
    status = query.step(row);
    if (!status.isOk() || !row) break;
    lists.push_back({query.columnText(0), query.columnNumber(1)});
  }
  std::sort(lists.begin(), lists.end(), [](const ListSummary& a, const ListSummary& b) {
    return compareNaturally(a.name, b.name) < 0;
  });
  return status;
}

Status createList(Library& library, const std::string& name) {
  if (name.empty()) return Status::refused(userText(kListNeedsName));
  SqliteConnection& connection = library.connection();
  SqliteTransaction transaction(connection);
  if (!transaction.began().isOk()) return transaction.began();
  std::int64_t id = 0;
  if (findList(connection, name, id).isOk()) {
    return Status::refused(userText(kListExists, {{"name", name}}));
  }
  SqliteStatement insert;
  Status status = connection.prepare("INSERT INTO lists(name) VALUES (?1)", insert);
  if (status.isOk()) status = insert.runWith(name);
  if (!status.isOk()) return status;
  return transaction.commit();
}

Status deleteList(Library& library, const std::string& name) {
  SqliteConnection& connection = library.connection();
  SqliteTransaction transaction(connection);
  if (!transaction.began().isOk()) return transaction.began();
  std::int64_t id = 0;
  if (Status found = findList(connection, name, id); !found.isOk()) return found;
  SqliteStatement remove;
  Status status = connection.prepare("DELETE FROM lists WHERE id = ?1", remove);
  if (status.isOk()) status = remove.runWith(id);
  if (!status.isOk()) return status;
  return transaction.commit();
}

Status addToList(Library& library, const std::string& name, const std::string& source,
                 const std::vector<int>& slots, ListAddition& addition) {
  addition = {};
  SqliteConnection& connection = library.connection();
  SqliteTransaction transaction(connection);
  if (!transaction.began().isOk()) return transaction.began();
  std::int64_t list = 0;
  if (Status found = findList(connection, name, list); !found.isOk()) return found;
  const std::string path = sourcePathOf(source);
  bool known = false;
  std::map<int, StoredItem> recorded;
  Status status = eachRow(
      connection, "SELECT id FROM sources WHERE path = ?1", [&](SqliteStatement&) { known = true; },
      path);
  if (status.isOk() && known) {
    status = eachRow(
        connection,
        "SELECT slot, identity, name FROM places WHERE bank = 'sound' AND source = "
        "(SELECT id FROM sources WHERE path = ?1)",
        [&](SqliteStatement& row) {
          recorded[static_cast<int>(row.columnNumber(0))] = {row.columnText(1), row.columnText(2)};
        },
        path);
  }
  if (!status.isOk()) return status;
  if (!known) return Status::notFound(path, userText(kNoSource));
  std::vector<int> unknown;
  for (int slot : slots)
    if (!recorded.count(slot)) unknown.push_back(slot);
  if (!unknown.empty()) {
    return Status::refused(
        userText(USER_TEXT("Library",
                           "The library records no sound in {slots} of {path}; "
                           "nothing was added to {name}."),
                 {{"slots", slotsText(unknown)}, {"path", path}, {"name", name}}));
  }
  std::vector<StoredItem> items;
  if (Status read = readItems(connection, list, items); !read.isOk()) return read;
  std::set<std::string> listed;
  for (const StoredItem& item : items)
    listed.insert(item.identity);
  for (int slot : slots) {
    if (!listed.insert(recorded[slot].identity).second) {
      addition.alreadyListed.push_back(slot);
      continue;
    }
    items.push_back(recorded[slot]);
    ++addition.added;
  }
  if (Status written = writeItems(connection, list, items); !written.isOk()) return written;
  return transaction.commit();
}

Status removeFromList(Library& library, const std::string& name,
                      const std::vector<int>& positions) {
  SqliteConnection& connection = library.connection();
  SqliteTransaction transaction(connection);
  if (!transaction.began().isOk()) return transaction.began();
  std::int64_t list = 0;
  if (Status found = findList(connection, name, list); !found.isOk()) return found;
  std::vector<StoredItem> items;
  if (Status read = readItems(connection, list, items); !read.isOk()) return read;
  const std::set<int> removed(positions.begin(), positions.end());
  if (removed.empty() || *removed.begin() < 1 ||
      *removed.rbegin() > static_cast<int>(items.size())) {
    return Status::refused(
        userText(USER_TEXT_N("Library",
                             "{name} has {n} sound(s); positions count from 1. Nothing "
                             "was removed."),
                 {{"name", name}}, static_cast<long long>(items.size())));
  }
  std::vector<StoredItem> kept;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (!removed.count(static_cast<int>(i + 1))) kept.push_back(std::move(items[i]));
  }
  if (Status written = writeItems(connection, list, kept); !written.isOk()) return written;
  return transaction.commit();
}

Status renameList(Library& library, const std::string& name, const std::string& newName) {
  if (newName.empty()) return Status::refused(userText(kListNeedsName));
  SqliteConnection& connection = library.connection();
  SqliteTransaction transaction(connection);
  if (!transaction.began().isOk()) return transaction.began();
  std::int64_t id = 0, other = 0;
  if (Status found = findList(connection, name, id); !found.isOk()) return found;
  if (newName != name && findList(connection, newName, other).isOk()) {
    return Status::refused(userText(kListExists, {{"name", newName}}));
  }
  SqliteStatement rename;
  Status status = connection.prepare("UPDATE lists SET name = ?2 WHERE id = ?1", rename);
  if (status.isOk()) status = rename.runWith(id, newName);
  if (!status.isOk()) return status;
  return transaction.commit();
}

Status moveInList(Library& library, const std::string& name, const std::vector<int>& positions,
                  int before) {
  SqliteConnection& connection = library.connection();
  SqliteTransaction transaction(connection);
  if (!transaction.began().isOk()) return transaction.began();
  std::int64_t list = 0;
  if (Status found = findList(connection, name, list); !found.isOk()) return found;
  std::vector<StoredItem> items;
  if (Status read = readItems(connection, list, items); !read.isOk()) return read;
  const std::set<int> moved(positions.begin(), positions.end());
  const int count = static_cast<int>(items.size());
  if (moved.empty() || *moved.begin() < 1 || *moved.rbegin() > count || before < 1 ||
      before > count + 1) {
    return Status::refused(
        userText(USER_TEXT_N("Library",
                             "{name} has {n} sound(s); positions count from 1. Nothing "
                             "was moved."),
                 {{"name", name}}, static_cast<long long>(items.size())));
  }
  std::vector<StoredItem> staying, moving;
  int insertAt = 0;  // in staying: how many items that stay come before the moved ones
  for (int position = 1; position <= count; ++position) {
    StoredItem& item = items[static_cast<std::size_t>(position - 1)];
    if (moved.count(position)) {
      moving.push_back(std::move(item));
    } else {
      staying.push_back(std::move(item));
      if (position < before) ++insertAt;
    }
  }
  staying.insert(staying.begin() + insertAt, std::make_move_iterator(moving.begin()),
                 std::make_move_iterator(moving.end()));
  if (Status written = writeItems(connection, list, staying); !written.isOk()) return written;
  return transaction.commit();
}

Status addSoundsToList(Library& library, const std::string& name,
                       const std::vector<Digest>& identities, int& added) {
  added = 0;
  SqliteConnection& connection = library.connection();
  SqliteTransaction transaction(connection);
  if (!transaction.began().isOk()) return transaction.began();
  std::int64_t list = 0;
  if (Status found = findList(connection, name, list); !found.isOk()) return found;
  std::vector<StoredItem> items;
  if (Status read = readItems(connection, list, items); !read.isOk()) return read;
  std::set<std::string> listed;
  for (const StoredItem& item : items)
    listed.insert(item.identity);
  std::vector<ListItem> sounds;
  if (Status named = soundItems(library, identities, sounds); !named.isOk()) return named;
  for (const ListItem& sound : sounds) {
    std::string identity(blobOf(sound.identity).bytes);
    if (!listed.insert(identity).second) continue;
    items.push_back({std::move(identity), sound.name});
    ++added;
  }
  if (Status written = writeItems(connection, list, items); !written.isOk()) return written;
  return transaction.commit();
}

namespace {

// Every place of each item's sound, those of sources in reach first; the item takes the name of
// the first one.
Status readPlaces(SqliteConnection& connection, std::vector<ListItem>& items) {
  SqliteStatement places;
  Status status = connection.prepare(
      "SELECT sources.path, sources.kind, sources.state, places.slot, places.name "
      "FROM places JOIN sources ON sources.id = places.source "
      "WHERE places.bank = 'sound' AND places.identity = ?1 "
      "ORDER BY sources.state NOT IN ('ok', 'changed'), sources.path, places.slot",
      places);
  for (std::size_t i = 0; i < items.size() && status.isOk(); ++i) {
    ListItem& item = items[i];
    status = places.bind(1, blobOf(item.identity));
    bool row = true;
    while (status.isOk()) {
      status = places.step(row);
      if (!status.isOk() || !row) break;
      item.places.push_back({places.columnText(0), kindOf(places.columnText(1)),
                             stateOf(places.columnText(2)),
                             static_cast<int>(places.columnNumber(3)), places.columnText(4)});
    }
    places.reset();
    if (!item.places.empty()) item.name = item.places.front().name;
  }
  return status;
}

}  // namespace

Status listItems(Library& library, const std::string& name, std::vector<ListItem>& items) {
  items.clear();
  SqliteConnection& connection = library.connection();
  std::int64_t list = 0;
  if (Status found = findList(connection, name, list); !found.isOk()) return found;
  std::vector<StoredItem> stored;
  if (Status read = readItems(connection, list, stored); !read.isOk()) return read;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    items.push_back({static_cast<int>(i + 1), digestOf(stored[i].identity), stored[i].name, {}});
  }
  return readPlaces(connection, items);
}

Status soundItems(Library& library, const std::vector<Digest>& identities,
                  std::vector<ListItem>& items) {
  items.clear();
  for (std::size_t i = 0; i < identities.size(); ++i)
    items.push_back({static_cast<int>(i + 1), identities[i], hexOf(identities[i]), {}});
  return readPlaces(library.connection(), items);
}

}  // namespace slotsmith
