#include "library/LibraryFile.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "core/UserDataFolder.h"
#include "core/UserText.h"
#include "library/Rules.h"

namespace slotsmith {

namespace {

// Long enough for another process's refresh of one source to commit; a writer that waits longer
// is told the library is busy.
constexpr int kBusyMilliseconds = 10000;

constexpr std::string_view kSchemaVersion1 = R"sql(
CREATE TABLE sources(
  id INTEGER PRIMARY KEY,
  kind TEXT NOT NULL CHECK (kind IN ('database', 'pack', 'backup')),
  path TEXT NOT NULL UNIQUE,
  state TEXT NOT NULL DEFAULT 'ok' CHECK (state IN ('ok', 'missing', 'changed', 'refused')),
  reason TEXT NOT NULL DEFAULT '',
  last_read INTEGER,
  stamp TEXT NOT NULL DEFAULT '');
CREATE TABLE sounds(identity BLOB PRIMARY KEY) WITHOUT ROWID;
CREATE TABLE exact_sounds(
  exact BLOB PRIMARY KEY,
  identity BLOB NOT NULL) WITHOUT ROWID;
CREATE INDEX exact_sounds_by_identity ON exact_sounds(identity);
CREATE TABLE models(identity BLOB PRIMARY KEY) WITHOUT ROWID;
CREATE TABLE sound_models(
  sound BLOB NOT NULL,
  position INTEGER NOT NULL,
  model BLOB NOT NULL,
  PRIMARY KEY (sound, position)) WITHOUT ROWID;
CREATE INDEX sound_models_by_model ON sound_models(model);
CREATE TABLE places(
  id INTEGER PRIMARY KEY,
  source INTEGER NOT NULL REFERENCES sources(id) ON DELETE CASCADE,
  bank TEXT NOT NULL CHECK (bank IN ('sound', 'model')),
  slot INTEGER NOT NULL,
  name TEXT NOT NULL,
  folded_name TEXT NOT NULL,
  identity BLOB NOT NULL,
  exact BLOB,
  stamp TEXT NOT NULL DEFAULT '',
  UNIQUE (source, bank, slot));
CREATE INDEX places_by_identity ON places(identity);
CREATE TABLE slot_stamps(
  source INTEGER NOT NULL REFERENCES sources(id) ON DELETE CASCADE,
  bank TEXT NOT NULL CHECK (bank IN ('sound', 'model')),
  slot INTEGER NOT NULL,
  stamp BLOB,
  plays1 INTEGER NOT NULL DEFAULT -1,
  plays2 INTEGER NOT NULL DEFAULT -1,
  PRIMARY KEY (source, bank, slot)) WITHOUT ROWID;
CREATE TRIGGER places_forgotten AFTER DELETE ON places WHEN
  (SELECT stamp FROM sources WHERE id = old.source) <> '' BEGIN
  UPDATE sources SET stamp = '' WHERE id = old.source;
END;
CREATE TABLE user_sounds(
  identity BLOB PRIMARY KEY,
  favourite INTEGER NOT NULL DEFAULT 0,
  hidden INTEGER NOT NULL DEFAULT 0,
  note TEXT NOT NULL DEFAULT '') WITHOUT ROWID;
CREATE TABLE tags(
  identity BLOB NOT NULL,
  tag TEXT NOT NULL,
  origin TEXT NOT NULL CHECK (origin IN ('rule', 'hand')),
  PRIMARY KEY (identity, tag)) WITHOUT ROWID;
CREATE INDEX tags_by_tag ON tags(tag);
CREATE TABLE rules(
  id INTEGER PRIMARY KEY,
  position INTEGER NOT NULL,
  pattern TEXT NOT NULL,
  tag TEXT NOT NULL);
CREATE TABLE removed_tags(
  identity BLOB NOT NULL,
  tag TEXT NOT NULL,
  PRIMARY KEY (identity, tag)) WITHOUT ROWID;
CREATE TABLE uncategorized(identity BLOB PRIMARY KEY) WITHOUT ROWID;
CREATE TRIGGER sound_placed AFTER INSERT ON places WHEN new.bank = 'sound' BEGIN
  INSERT OR IGNORE INTO uncategorized(identity) VALUES (new.identity);
END;
CREATE TRIGGER sound_unplaced AFTER DELETE ON places WHEN old.bank = 'sound' BEGIN
  INSERT OR IGNORE INTO uncategorized(identity) VALUES (old.identity);
END;
CREATE TRIGGER sound_replaced AFTER UPDATE OF identity, folded_name ON places
  WHEN new.bank = 'sound' BEGIN
  INSERT OR IGNORE INTO uncategorized(identity) VALUES (old.identity), (new.identity);
END;
CREATE TABLE lists(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE);
CREATE TABLE list_items(
  list INTEGER NOT NULL REFERENCES lists(id) ON DELETE CASCADE,
  position INTEGER NOT NULL,
  identity BLOB NOT NULL,
  name TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (list, position)) WITHOUT ROWID;
)sql";

// slot_stamps keeps what a refresh compares a database's slots with (library/SlotStamps.h). A
// read stores them after it replaced the places; places taken away by anything else (a rebuild, a
// hand in the file) clear the source's stamp, so that the next refresh reads it whole rather than
// take the missing places for unchanged.

// The trigram index finds any substring of three letters or more in the folded names; triggers
// keep it beside the places, so no code that writes places has to know of it.
constexpr std::string_view kNameIndex = R"sql(
CREATE VIRTUAL TABLE place_names USING fts5(
  folded_name, content='places', content_rowid='id', tokenize='trigram');
CREATE TRIGGER places_named AFTER INSERT ON places BEGIN
  INSERT INTO place_names(rowid, folded_name) VALUES (new.id, new.folded_name);
END;
CREATE TRIGGER places_unnamed AFTER DELETE ON places BEGIN
  INSERT INTO place_names(place_names, rowid, folded_name)
    VALUES ('delete', old.id, old.folded_name);
END;
CREATE TRIGGER places_renamed AFTER UPDATE OF folded_name ON places BEGIN
  INSERT INTO place_names(place_names, rowid, folded_name)
    VALUES ('delete', old.id, old.folded_name);
  INSERT INTO place_names(rowid, folded_name) VALUES (new.id, new.folded_name);
END;
)sql";

bool sqliteHasFts5(SqliteConnection& connection) {
  std::int64_t found = 0;
  return connection
             .queryNumber(
                 "SELECT count(*) FROM pragma_compile_options "
                 "WHERE compile_options = 'ENABLE_FTS5'",
                 found)
             .isOk() &&
         found > 0;
}

// Version 1: the tables with the default rules, and the name index where this SQLite has FTS5 (a
// build without it searches the folded names with LIKE instead).
Status migrateToVersion1(SqliteConnection& connection) {
  if (Status made = connection.execute(kSchemaVersion1); !made.isOk()) return made;
  if (Status rules = addDefaultRules(connection); !rules.isOk()) return rules;
  if (!sqliteHasFts5(connection)) return Status::ok();
  return connection.execute(kNameIndex);
}

using MigrationStep = Status (*)(SqliteConnection&);

// Step i brings a file at version i to version i + 1.
constexpr std::array<MigrationStep, kLibrarySchemaVersion> kMigrationSteps = {migrateToVersion1};

Status migrate(SqliteConnection& connection) {
  for (;;) {
    SqliteTransaction transaction(connection);
    if (!transaction.began().isOk()) return transaction.began();
    // Read inside the write transaction: another process may have migrated meanwhile.
    std::int64_t version = 0;
    if (Status read = connection.queryNumber("PRAGMA user_version", version); !read.isOk()) {
      return read;
    }
    if (version == kLibrarySchemaVersion) return Status::ok();
    if (version < 0 || version > kLibrarySchemaVersion) {
      return Status::refused(userText(
          USER_TEXT("Library",
                    "{path} was written by a newer Slotsmith (library version {version}); this "
                    "one reads up to {readable}."),
          {{"path", connection.path()},
           {"version", std::to_string(version)},
           {"readable", std::to_string(kLibrarySchemaVersion)}}));
    }
    if (Status stepped = kMigrationSteps[static_cast<std::size_t>(version)](connection);
        !stepped.isOk()) {
      return stepped;
    }
    if (Status set = connection.execute("PRAGMA user_version = " + std::to_string(version + 1));
        !set.isOk()) {
      return set;
    }
    if (Status committed = transaction.commit(); !committed.isOk()) return committed;
  }
}

std::filesystem::path pathOf(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace

std::string libraryPath() {
  if (const char* named = std::getenv("SLOTSMITH_LIBRARY"); named != nullptr && *named != '\0') {
    return named;
  }
  const std::string folder = userDataFolder();
  return folder.empty() ? std::string() : folder + "/library.sqlite";
}

Status openLibrary(const std::string& path, std::unique_ptr<SqliteConnection>& connection) {
  if (path.empty()) {
    return Status::refused(userText(USER_TEXT(
        "Library",
        "There is no folder for the library: set HOME (or SLOTSMITH_LIBRARY to a file).")));
  }
  std::error_code error;
  const std::filesystem::path folder = pathOf(path).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  if (error) {
    return Status::ioError(path,
                           userText(USER_TEXT("Library", "its folder cannot be made: {reason}"),
                                    {{"reason", error.message()}}));
  }
  if (Status opened = SqliteConnection::open(path, kBusyMilliseconds, connection); !opened.isOk()) {
    return opened;
  }
  // WAL lets readers go on while one writer commits; FULL flushes the log at every commit, so a
  // power cut keeps every committed source read. Foreign keys make removing a source remove its
  // places. Identities are hashes, so a source's rows land all over the indexes: a cache that
  // holds a large library's pages (memory is taken only as pages are read) spares storing a
  // source from reading them back from the file again and again.
  Status status;
  for (std::string_view pragma : {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = FULL",
                                  "PRAGMA foreign_keys = ON", "PRAGMA cache_size = -65536"}) {
    if (status.isOk()) status = connection->execute(pragma);
  }
  if (status.isOk()) status = migrate(*connection);
  // A damaged file's failure says already that `library rebuild` mends it (library/Sqlite.h).
  if (!status.isOk()) connection.reset();
  return status;
}

bool hasNameIndex(SqliteConnection& connection) {
  std::int64_t found = 0;
  return connection
             .queryNumber("SELECT count(*) FROM sqlite_schema WHERE name = 'place_names'", found)
             .isOk() &&
         found > 0;
}

}  // namespace slotsmith
