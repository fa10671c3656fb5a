#include "library/Library.h"

#include <chrono>
#include <filesystem>
#include <thread>

#include "core/Database.h"
#include "core/NameFolding.h"
#include "library/Identity.h"
#include "library/LibraryFile.h"
#include "library/Rules.h"
#include "ops/Journal.h"
#include "ops/Transaction.h"

namespace slotsmith {

namespace {

// An edit holds a database's lock for a moment; a read waits this long for it before it skips.
constexpr int kLockAttempts = 20;
constexpr std::chrono::milliseconds kLockPause{100};

// A source's reason names at most this many of the slots it could not read, then how many more.
constexpr std::size_t kNotesInReason = 5;

// Forgets the sounds, exact identities and models no place holds any more. The user's data about
// them stays: it is keyed by identity and comes back into view when the sound does.
constexpr char kForgetUnplaced[] =
    "DELETE FROM sounds WHERE identity NOT IN "
    "  (SELECT identity FROM places WHERE bank = 'sound');"
    "DELETE FROM exact_sounds WHERE exact NOT IN "
    "  (SELECT exact FROM places WHERE exact IS NOT NULL);"
    "DELETE FROM sound_models WHERE sound NOT IN (SELECT identity FROM sounds);"
    "DELETE FROM models WHERE identity NOT IN "
    "  (SELECT identity FROM places WHERE bank = 'model');";

SqliteBlob blobOf(const Digest& digest) {
  return {std::string_view(reinterpret_cast<const char*>(digest.data()), digest.size())};
}

std::int64_t secondsNow() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

std::string reasonOf(const std::vector<std::string>& notes) {
  std::string reason;
  for (std::size_t i = 0; i < notes.size() && i < kNotesInReason; ++i)
    reason += (i == 0 ? "" : "; ") + notes[i];
  if (notes.size() > kNotesInReason)
    reason += "; and " + std::to_string(notes.size() - kNotesInReason) + " more";
  return reason;
}

// Waits briefly for an edit that holds the database: a read never sees one half done.
Status takeReadLock(FileSystem& fs, const std::string& root, std::unique_ptr<FileLock>& lock) {
  for (int attempt = 1;; ++attempt) {
    Status locked = fs.lockFileShared(lockFilePath(root), lock);
    if (locked.code() != Status::Code::AlreadyExists) return locked;
    if (attempt == kLockAttempts) {
      return Status::refused("An edit is running on " + root + " (" + locked.reason() +
                             "); skipped, the library keeps what it knew of it.");
    }
    std::this_thread::sleep_for(kLockPause);
  }
}

// Replaces the source's places with those of the reading, inside the caller's transaction, and
// forgets the sounds and models no place holds any more.
Status storeReading(SqliteConnection& connection, std::int64_t source,
                    const DatabaseReading& reading) {
  SqliteStatement clear, sound, exact, model, plays, place, mark;
  for (auto [statement, sql] : {
           std::pair{&clear, "DELETE FROM places WHERE source = ?1"},
           std::pair{&sound, "INSERT OR IGNORE INTO sounds(identity) VALUES (?1)"},
           std::pair{&exact, "INSERT OR IGNORE INTO exact_sounds(exact, identity) VALUES (?1, ?2)"},
           std::pair{&model, "INSERT OR IGNORE INTO models(identity) VALUES (?1)"},
           std::pair{&plays,
                     "INSERT OR IGNORE INTO sound_models(sound, position, model) "
                     "VALUES (?1, ?2, ?3)"},
           std::pair{&place,
                     "INSERT INTO places(source, bank, slot, name, folded_name, identity, "
                     "exact) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)"},
           std::pair{&mark,
                     "UPDATE sources SET state = 'ok', reason = ?2, last_read = ?3 "
                     "WHERE id = ?1"},
       }) {
    if (Status prepared = connection.prepare(sql, *statement); !prepared.isOk()) return prepared;
  }
  Status status = clear.runWith(source);
  for (const ModelReading& entry : reading.models) {
    if (!status.isOk()) return status;
    const std::string name = nameAsUtf8(entry.name);
    status = model.runWith(blobOf(entry.identity));
    if (status.isOk()) {
      status = place.runWith(source, std::string_view("model"), std::int64_t{entry.slot}, name,
                             nameSearchKey(name), blobOf(entry.identity), nullptr);
    }
  }
  for (const SoundReading& entry : reading.sounds) {
    if (!status.isOk()) return status;
    const std::string name = nameAsUtf8(entry.name);
    const Digest& identity = entry.identity.identity;
    status = sound.runWith(blobOf(identity));
    if (status.isOk()) status = exact.runWith(blobOf(entry.identity.exact), blobOf(identity));
    for (std::size_t i = 0; i < entry.models.size() && status.isOk(); ++i) {
      if (entry.models[i]) {
        status = plays.runWith(blobOf(identity), static_cast<std::int64_t>(i + 1),
                               blobOf(*entry.models[i]));
      }
    }
    if (status.isOk()) {
      status = place.runWith(source, std::string_view("sound"), std::int64_t{entry.slot}, name,
                             nameSearchKey(name), blobOf(identity), blobOf(entry.identity.exact));
    }
  }
  if (status.isOk()) status = mark.runWith(source, reasonOf(reading.notes), secondsNow());
  if (!status.isOk()) return status;
  return connection.execute(kForgetUnplaced);
}

}  // namespace

const char* sourceKindName(SourceKind kind) {
  switch (kind) {
    case SourceKind::Database:
      return "database";
    case SourceKind::Pack:
      return "pack";
    case SourceKind::Backup:
      return "backup";
  }
  return "database";
}

const char* sourceStateName(SourceState state) {
  switch (state) {
    case SourceState::Ok:
      return "ok";
    case SourceState::Missing:
      return "missing";
    case SourceState::Changed:
      return "changed";
    case SourceState::Refused:
      return "refused";
  }
  return "ok";
}

std::string sourcePathOf(const std::string& path) {
  std::error_code error;
  std::filesystem::path absolute =
      std::filesystem::absolute(std::filesystem::path(std::u8string(path.begin(), path.end())),
                                error)
          .lexically_normal();
  if (error) absolute = std::filesystem::path(path).lexically_normal();
  std::u8string text = absolute.generic_u8string();
  while (text.size() > 1 && text.back() == u8'/')
    text.pop_back();
  return std::string(text.begin(), text.end());
}

Status Library::open(const std::string& path, std::unique_ptr<Library>& library, FileSystem& fs) {
  std::unique_ptr<SqliteConnection> connection;
  if (Status opened = openLibrary(path, connection); !opened.isOk()) return opened;
  library.reset(new Library(std::move(connection), fs));
  return Status::ok();
}

RefreshOutcome Library::addSource(const std::string& path) {
  const std::string source = sourcePathOf(path);
  // A source that is not there, or no database, when it is added is a mistyped path: only a
  // source the library once read is kept while it cannot be reached.
  if (fs_.entryType(source) != EntryType::Folder || !isValidDatabase(source, fs_)) {
    return {source, Status::refused(source + " is no database folder (no Sounds/NNN.sound/"
                                             "sound.script or Models/NNN.model/MName found); "
                                             "nothing was added.")};
  }
  SqliteStatement insert;
  Status status = connection_->prepare(
      "INSERT INTO sources(kind, path) VALUES ('database', ?1) ON CONFLICT(path) DO NOTHING",
      insert);
  if (status.isOk()) status = insert.runWith(source);
  if (!status.isOk()) return {source, status};
  std::vector<RefreshOutcome> outcomes = refresh({source});
  return outcomes.front();
}

Status Library::removeSource(const std::string& path) {
  const std::string source = sourcePathOf(path);
  SqliteTransaction transaction(*connection_);
  if (!transaction.began().isOk()) return transaction.began();
  std::int64_t id = 0;
  SqliteStatement find;
  Status status = connection_->prepare("SELECT id FROM sources WHERE path = ?1", find);
  bool row = false;
  if (status.isOk()) status = find.bind(1, source);
  if (status.isOk()) status = find.step(row);
  if (!status.isOk()) return status;
  if (!row) return Status::notFound(source, "is no source of the library");
  id = find.columnNumber(0);
  find.reset();
  SqliteStatement remove;
  status = connection_->prepare("DELETE FROM sources WHERE id = ?1", remove);
  if (status.isOk()) status = remove.runWith(id);
  if (status.isOk()) status = connection_->execute(kForgetUnplaced);
  if (status.isOk()) status = categorizeChangedSounds(*connection_);
  if (!status.isOk()) return status;
  return transaction.commit();
}

Status Library::sources(std::vector<SourceRecord>& records) {
  records.clear();
  SqliteStatement query;
  Status status = connection_->prepare(
      "SELECT kind, path, state, reason, last_read, "
      "  (SELECT count(*) FROM places WHERE source = sources.id AND bank = 'sound'), "
      "  (SELECT count(*) FROM places WHERE source = sources.id AND bank = 'model') "
      "FROM sources ORDER BY path",
      query);
  bool row = true;
  while (status.isOk()) {
    status = query.step(row);
    if (!status.isOk() || !row) break;
    SourceRecord record;
    const std::string kind = query.columnText(0);
    record.kind = kind == "pack"     ? SourceKind::Pack
                  : kind == "backup" ? SourceKind::Backup
                                     : SourceKind::Database;
    record.path = query.columnText(1);
    const std::string state = query.columnText(2);
    record.state = state == "missing"   ? SourceState::Missing
                   : state == "changed" ? SourceState::Changed
                   : state == "refused" ? SourceState::Refused
                                        : SourceState::Ok;
    record.reason = query.columnText(3);
    if (!query.columnIsNull(4)) record.lastRead = query.columnNumber(4);
    record.sounds = query.columnNumber(5);
    record.models = query.columnNumber(6);
    records.push_back(std::move(record));
  }
  return status;
}

std::vector<RefreshOutcome> Library::refresh(const std::vector<std::string>& paths) {
  std::vector<RefreshOutcome> outcomes;
  SqliteStatement query;
  if (Status prepared = connection_->prepare("SELECT id, path FROM sources WHERE "
                                             "?1 IS NULL OR path = ?1 ORDER BY path",
                                             query);
      !prepared.isOk()) {
    return {{std::string(), prepared}};
  }
  const auto refreshMatching = [&](const std::string* path) {
    query.reset();
    Status status = path == nullptr ? query.bind(1, nullptr) : query.bind(1, *path);
    std::vector<std::pair<std::int64_t, std::string>> found;
    bool row = true;
    while (status.isOk()) {
      status = query.step(row);
      if (!status.isOk() || !row) break;
      found.emplace_back(query.columnNumber(0), query.columnText(1));
    }
    query.reset();
    if (!status.isOk()) {
      outcomes.push_back({path == nullptr ? std::string() : *path, status});
      return;
    }
    if (found.empty() && path != nullptr) {
      outcomes.push_back({*path, Status::notFound(*path, "is no source of the library")});
    }
    for (const auto& [id, sourcePath] : found)
      outcomes.push_back(refreshSource(id, sourcePath));
  };
  if (paths.empty()) refreshMatching(nullptr);
  for (const std::string& path : paths) {
    const std::string source = sourcePathOf(path);
    refreshMatching(&source);
  }
  return outcomes;
}

Status Library::markSource(std::int64_t id, SourceState state, const std::string& reason) {
  SqliteStatement mark;
  Status status =
      connection_->prepare("UPDATE sources SET state = ?2, reason = ?3 WHERE id = ?1", mark);
  if (status.isOk()) status = mark.runWith(id, std::string_view(sourceStateName(state)), reason);
  return status;
}

RefreshOutcome Library::refreshSource(std::int64_t id, const std::string& path) {
  switch (fs_.entryType(path)) {
    case EntryType::Missing:
      return {path, markSource(id, SourceState::Missing, "not found; its places are kept")};
    case EntryType::File:
    case EntryType::Other:
      return {path, markSource(id, SourceState::Refused,
                               "not a database folder (the library follows no link)")};
    case EntryType::Folder:
      break;
  }
  if (!isValidDatabase(path, fs_)) {
    return {path, markSource(id, SourceState::Refused,
                             "not a Neuron database (no Sounds/NNN.sound/sound.script or "
                             "Models/NNN.model/MName found)")};
  }
  std::unique_ptr<RootAnchor> anchor;
  if (Status anchored = fs_.anchorRoot(path, anchor); !anchored.isOk()) return {path, anchored};
  std::unique_ptr<FileLock> lock;
  if (Status locked = takeReadLock(fs_, path, lock); !locked.isOk()) return {path, locked};
  if (hasUnfinishedTransaction(fs_, path)) {
    return {path, Status::refused("An edit of " + path +
                                  " was interrupted and is unfinished there; skipped. Open that "
                                  "database with Slotsmith once (for example `slotsmith check`), "
                                  "which finishes it, then refresh.")};
  }
  const DatabaseReading reading = readDatabaseIdentities(fs_, path);
  if (!reading.refusal.isOk()) {
    return {path, markSource(id, SourceState::Refused, reading.refusal.message())};
  }
  SqliteTransaction transaction(*connection_);
  if (!transaction.began().isOk()) return {path, transaction.began()};
  if (Status stored = storeReading(*connection_, id, reading); !stored.isOk()) {
    return {path, stored};
  }
  // The categories of the sounds whose names changed commit with the names.
  if (Status categorized = categorizeChangedSounds(*connection_); !categorized.isOk()) {
    return {path, categorized};
  }
  return {path, transaction.commit()};
}

}  // namespace slotsmith
