#include "library/Library.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>

#include "core/Database.h"
#include "core/DatabaseStamp.h"
#include "core/NameFolding.h"
#include "core/UserText.h"
#include "library/ArchiveSources.h"
#include "library/Identity.h"
#include "library/LibraryFile.h"
#include "library/Rules.h"
#include "library/SlotStamps.h"
#include "ops/Journal.h"
#include "ops/Transaction.h"

namespace slotsmith {

namespace {

// An edit holds a database's lock for a moment; a read waits this long for it before it skips.
constexpr int kLockAttempts = 20;
constexpr std::chrono::milliseconds kLockPause{100};

// How often a read that another program's refresh overtook looks again.
constexpr int kReadAttempts = 3;

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

// The same for a read, which can only have let go of the identities its source's places held
// before: those are noted in temp.unplaced as the places go, and looked up by identity, so storing
// a source costs the same however many sources the library holds.
constexpr char kNoteUnplaced[] =
    "CREATE TEMP TABLE IF NOT EXISTS unplaced(identity BLOB PRIMARY KEY) WITHOUT ROWID;"
    "DELETE FROM temp.unplaced;";
// A source's places are gathered in a table of this connection's own and stored with one
// statement. The triggers on places keep the trigram index, and SQLite's FTS5 writes what it has
// gathered to the library file at the start and end of every statement that may need undoing
// within the transaction: one statement a place made the index grow by one small segment a place,
// which cost more than the rest of storing a source.
constexpr char kStagePlaces[] =
    "CREATE TEMP TABLE IF NOT EXISTS staged_places(source, bank, slot, name, folded_name, "
    "identity, exact);"
    "DELETE FROM temp.staged_places;";
constexpr char kPlaceStaged[] =
    "INSERT INTO places(source, bank, slot, name, folded_name, identity, exact) "
    "SELECT source, bank, slot, name, folded_name, identity, exact FROM temp.staged_places "
    "ORDER BY rowid;"
    "DELETE FROM temp.staged_places;";
constexpr char kForgetNotedUnplaced[] =
    "DELETE FROM sounds WHERE identity IN (SELECT identity FROM temp.unplaced) "
    "  AND NOT EXISTS (SELECT 1 FROM places "
    "    WHERE places.identity = sounds.identity AND bank = 'sound');"
    "DELETE FROM exact_sounds WHERE identity IN (SELECT identity FROM temp.unplaced) "
    "  AND NOT EXISTS (SELECT 1 FROM places "
    "    WHERE places.identity = exact_sounds.identity AND places.exact = exact_sounds.exact);"
    "DELETE FROM sound_models WHERE sound IN (SELECT identity FROM temp.unplaced) "
    "  AND sound NOT IN (SELECT identity FROM sounds);"
    "DELETE FROM models WHERE identity IN (SELECT identity FROM temp.unplaced) "
    "  AND NOT EXISTS (SELECT 1 FROM places "
    "    WHERE places.identity = models.identity AND bank = 'model');"
    "DELETE FROM temp.unplaced;";

// A source's state and reason are the library's records, and stay English: `library sources`
// prints them as data.
constexpr char kNotFound[] = "not found; its places are kept";

SourceKind kindOf(const std::string& kind) {
  return kind == "pack"     ? SourceKind::Pack
         : kind == "backup" ? SourceKind::Backup
                            : SourceKind::Database;
}

SourceState stateOf(const std::string& state) {
  return state == "missing"   ? SourceState::Missing
         : state == "changed" ? SourceState::Changed
         : state == "refused" ? SourceState::Refused
                              : SourceState::Ok;
}

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
      return Status::refused(userText(USER_TEXT("Library",
                                                "An edit is running on {root} ({reason}); skipped, "
                                                "the library keeps what it knew of it."),
                                      {{"root", root}, {"reason", locked.reason()}}));
    }
    std::this_thread::sleep_for(kLockPause);
  }
}

// Forgets the source's places in the slots read, or all of them when every slot was read, noting
// the identities they held in temp.unplaced.
Status clearPlaces(SqliteConnection& connection, std::int64_t source, const SlotChoice* read) {
  Status status = connection.execute(kNoteUnplaced);
  SqliteStatement note, clear;
  if (read == nullptr) {
    if (status.isOk()) {
      status = connection.prepare(
          "INSERT OR IGNORE INTO temp.unplaced SELECT identity FROM places WHERE source = ?1",
          note);
    }
    if (status.isOk()) status = note.runWith(source);
    if (status.isOk()) status = connection.prepare("DELETE FROM places WHERE source = ?1", clear);
    return status.isOk() ? clear.runWith(source) : status;
  }
  if (status.isOk()) {
    status = connection.prepare(
        "INSERT OR IGNORE INTO temp.unplaced SELECT identity FROM places "
        "WHERE source = ?1 AND bank = ?2 AND slot = ?3",
        note);
  }
  if (status.isOk()) {
    status = connection.prepare("DELETE FROM places WHERE source = ?1 AND bank = ?2 AND slot = ?3",
                                clear);
  }
  for (const auto& [bank, chosen] : {std::pair{std::string_view("sound"), &read->sounds},
                                     std::pair{std::string_view("model"), &read->models}}) {
    for (std::size_t slot = 0; slot < kSlotCount && status.isOk(); ++slot) {
      if (!chosen->test(slot)) continue;
      status = note.runWith(source, bank, static_cast<std::int64_t>(slot));
      if (status.isOk()) status = clear.runWith(source, bank, static_cast<std::int64_t>(slot));
    }
  }
  return status;
}

// Replaces the source's places in the slots read (all of them when read is null) with those of
// the reading, inside the caller's transaction, and forgets the sounds and models no place holds
// any more.
Status storeReading(SqliteConnection& connection, std::int64_t source,
                    const DatabaseReading& reading, const SlotChoice* read) {
  if (Status staged = connection.execute(kStagePlaces); !staged.isOk()) return staged;
  SqliteStatement sound, exact, model, plays, place, mark;
  for (auto [statement, sql] : {
           std::pair{&sound, "INSERT OR IGNORE INTO sounds(identity) VALUES (?1)"},
           std::pair{&exact, "INSERT OR IGNORE INTO exact_sounds(exact, identity) VALUES (?1, ?2)"},
           std::pair{&model, "INSERT OR IGNORE INTO models(identity) VALUES (?1)"},
           std::pair{&plays,
                     "INSERT OR IGNORE INTO sound_models(sound, position, model) "
                     "VALUES (?1, ?2, ?3)"},
           std::pair{&place,
                     "INSERT INTO temp.staged_places(source, bank, slot, name, folded_name, "
                     "identity, exact) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)"},
           std::pair{&mark,
                     "UPDATE sources SET state = 'ok', reason = ?2, last_read = ?3 "
                     "WHERE id = ?1"},
       }) {
    if (Status prepared = connection.prepare(sql, *statement); !prepared.isOk()) return prepared;
  }
  Status status = clearPlaces(connection, source, read);
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
  if (status.isOk()) status = connection.execute(kPlaceStaged);
  if (status.isOk()) status = mark.runWith(source, reasonOf(reading.notes), secondsNow());
  if (!status.isOk()) return status;
  return connection.execute(kForgetNotedUnplaced);
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
  // source the library once read is kept while it cannot be reached. A file is taken for an
  // archive, and one the packs refuse is kept, marked refused with their reason.
  const EntryType type = fs_.entryType(source);
  SourceKind kind = SourceKind::Database;
  if (type == EntryType::File) {
    kind = archiveKindOf(source);
#if !defined(SLOTSMITH_PACKS)
    return {source, Status::refused(userText(
                        USER_TEXT("Library",
                                  "{path}: sound packs and backups are not part of this build of "
                                  "Slotsmith; nothing was added."),
                        {{"path", source}}))};
#endif
  } else if (type != EntryType::Folder || !isValidDatabase(source, fs_)) {
    return {source, Status::refused(userText(
                        USER_TEXT("Library",
                                  "{path} is no database folder (no Sounds/NNN.sound/sound.script "
                                  "or Models/NNN.model/MName found), sound pack or backup; nothing "
                                  "was added."),
                        {{"path", source}}))};
  }
  SqliteStatement insert;
  Status status = connection_->prepare(
      "INSERT INTO sources(kind, path) VALUES (?1, ?2) ON CONFLICT(path) DO NOTHING", insert);
  if (status.isOk()) status = insert.runWith(std::string_view(sourceKindName(kind)), source);
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
  if (!row) return Status::notFound(source, userText(kNoSource));
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
      "  (SELECT count(*) FROM places WHERE source = sources.id AND bank = 'model'), stamp "
      "FROM sources ORDER BY path",
      query);
  bool row = true;
  while (status.isOk()) {
    status = query.step(row);
    if (!status.isOk() || !row) break;
    SourceRecord record;
    record.kind = kindOf(query.columnText(0));
    record.path = query.columnText(1);
    record.state = stateOf(query.columnText(2));
    record.reason = query.columnText(3);
    // Looking at the stamps is cheap: a source read whole is shown as it is on the disk now.
    if (record.state == SourceState::Ok) record.state = stateNow(record, query.columnText(7));
    if (!query.columnIsNull(4)) record.lastRead = query.columnNumber(4);
    record.sounds = query.columnNumber(5);
    record.models = query.columnNumber(6);
    records.push_back(std::move(record));
  }
  return status;
}

std::vector<RefreshOutcome> Library::refresh(const std::vector<std::string>& paths,
                                             const RefreshProgress& progress) {
  std::vector<RefreshOutcome> outcomes;
  SqliteStatement query;
  if (Status prepared = connection_->prepare("SELECT id, path, kind, state FROM sources WHERE "
                                             "?1 IS NULL OR path = ?1 ORDER BY path",
                                             query);
      !prepared.isOk()) {
    return {{std::string(), prepared}};
  }
  // The sources are found first, so that the progress can count them; a path the library does
  // not have keeps its place among the outcomes.
  std::vector<std::optional<KnownSource>> work;
  const auto findMatching = [&](const std::string* path) {
    query.reset();
    Status status = path == nullptr ? query.bind(1, nullptr) : query.bind(1, *path);
    std::vector<KnownSource> found;
    bool row = true;
    while (status.isOk()) {
      status = query.step(row);
      if (!status.isOk() || !row) break;
      found.push_back({query.columnNumber(0), query.columnText(1), kindOf(query.columnText(2)),
                       stateOf(query.columnText(3))});
    }
    query.reset();
    if (!status.isOk()) {
      outcomes.push_back({path == nullptr ? std::string() : *path, status});
      return false;
    }
    if (found.empty() && path != nullptr) {
      work.push_back(std::nullopt);
      outcomes.push_back({*path, Status::notFound(*path, userText(kNoSource))});
    }
    for (KnownSource& known : found) {
      work.push_back(std::move(known));
      outcomes.push_back({});
    }
    return true;
  };
  if (paths.empty() && !findMatching(nullptr)) return outcomes;
  for (const std::string& path : paths) {
    const std::string source = sourcePathOf(path);
    if (!findMatching(&source)) return outcomes;
  }
  const std::size_t total = static_cast<std::size_t>(
      std::count_if(work.begin(), work.end(), [](const auto& known) { return known.has_value(); }));
  std::size_t done = 0;
  for (std::size_t i = 0; i < work.size(); ++i) {
    if (!work[i]) continue;
    // Each source is read in a transaction of its own: stopping between two leaves the library
    // whole, with the sources not yet read as they were.
    if (progress && !progress(done, total, work[i]->path)) {
      outcomes.resize(i);
      return outcomes;
    }
    outcomes[i] = refreshSource(*work[i]);
    ++done;
  }
  if (progress) progress(done, total, std::string());
  return outcomes;
}

Status Library::markSource(std::int64_t id, SourceState state, const std::string& reason) {
  SqliteStatement mark;
  Status status =
      connection_->prepare("UPDATE sources SET state = ?2, reason = ?3 WHERE id = ?1", mark);
  if (status.isOk()) status = mark.runWith(id, std::string_view(sourceStateName(state)), reason);
  return status;
}

RefreshOutcome Library::refreshSource(const KnownSource& source) {
  const std::int64_t id = source.id;
  const std::string& path = source.path;
  const bool database = source.kind == SourceKind::Database;
  const EntryType type = fs_.entryType(path);
  if (type == EntryType::Missing) return {path, markSource(id, SourceState::Missing, kNotFound)};
  if (type != (database ? EntryType::Folder : EntryType::File)) {
    return {path, markSource(id, SourceState::Refused,
                             std::string(database ? "not a database folder" : "not a file") +
                                 " (the library follows no link)")};
  }
  if (!database) return refreshArchive(source);
  if (!isValidDatabase(path, fs_)) {
    return {path, markSource(id, SourceState::Refused,
                             "not a Neuron database (no Sounds/NNN.sound/sound.script or "
                             "Models/NNN.model/MName found)")};
  }
  std::unique_ptr<RootAnchor> anchor;
  if (Status anchored = fs_.anchorRoot(path, anchor); !anchored.isOk()) return {path, anchored};
  return readDatabase(source);
}

RefreshOutcome Library::readDatabase(const KnownSource& source) {
  // Another program refreshing the same source may commit while this one reads the slots: what
  // this one read is stored only when the other changed nothing it was built on (the places of
  // the slots it did not read, the models' identities), else it looks again from what the other
  // stored, which mostly finds nothing left to read.
  const std::string& path = source.path;
  for (int attempt = 1;; ++attempt) {
    std::unique_ptr<FileLock> lock;
    if (Status locked = takeReadLock(fs_, path, lock); !locked.isOk()) return {path, locked};
    if (hasUnfinishedTransaction(fs_, path)) {
      return {path, Status::refused(userText(
                        USER_TEXT("Library",
                                  "An edit of {path} was interrupted and is unfinished there; "
                                  "skipped. Open that database with Slotsmith once (for example "
                                  "`slotsmith check`), which finishes it, then refresh."),
                        {{"path", path}}))};
    }
    bool overtaken = false;
    RefreshOutcome outcome = readDatabaseOnce(source, lock, overtaken);
    if (!overtaken || attempt == kReadAttempts) return outcome;
  }
}

RefreshOutcome Library::readDatabaseOnce(const KnownSource& source, std::unique_ptr<FileLock>& lock,
                                         bool& overtaken) {
  const std::int64_t id = source.id;
  const std::string& path = source.path;
  // Stamps are taken before the slots are read: a change made meanwhile shows at the next refresh.
  const std::int64_t settledBefore = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                         std::chrono::system_clock::now().time_since_epoch() -
                                         std::chrono::seconds(settlingSeconds_))
                                         .count();
  const DatabaseStamp now = stampDatabase(fs_, path);
  StoredSlotStamps stored;
  if (Status loaded = storedStamp(id, stored.summary); !loaded.isOk()) return {path, loaded};
  const bool incremental = now.known && !stored.summary.empty();
  // Nothing changed: the refresh costs the stamps and two small queries.
  if (incremental && source.state == SourceState::Ok && stored.summary == databaseStampText(now)) {
    SqliteStatement query;
    Status status = connection_->prepare(
        "SELECT EXISTS (SELECT 1 FROM slot_stamps WHERE source = ?1 AND stamp IS NULL)", query);
    bool row = false;
    if (status.isOk()) status = query.bind(1, id);
    if (status.isOk()) status = query.step(row);
    if (!status.isOk()) return {path, status};
    if (!row || query.columnNumber(0) == 0) return {path, Status::ok()};
  }
  if (Status loaded = loadSlotStamps(*connection_, id, stored); !loaded.isOk()) {
    return {path, loaded};
  }
  SlotChoice read;
  DatabaseReading reading;
  ModelIdentities models;
  if (incremental) {
    read = changedSlots(stored, now);
    if (Status known = storedModels(id, models); !known.isOk()) return {path, known};
  } else {
    read.sounds.set();
    read.models.set();
  }
  {
    // What the reading says it could not read is the source's reason in the library file.
    const EnglishTextScope english;
    reading = incremental ? readDatabaseSlots(fs_, path, read, models)
                          : readDatabaseIdentities(fs_, path);
  }
  // The database is read; its edits need not wait while the library file is written (another
  // program may hold that for a while). The stamps were taken before the reading, so an edit made
  // from here on shows at the next refresh.
  lock.reset();
  if (!reading.refusal.isOk()) {
    return {path, markSource(id, SourceState::Refused, reading.refusal.message())};
  }
  SqliteTransaction transaction(*connection_);
  if (!transaction.began().isOk()) return {path, transaction.began()};
  std::string summaryNow;
  if (Status read = storedStamp(id, summaryNow); !read.isOk()) return {path, read};
  if (summaryNow != stored.summary) {
    overtaken = true;
    return {path, Status::refused(userText(USER_TEXT("Library",
                                                     "{path} was read by another program "
                                                     "meanwhile; skipped, the library keeps what "
                                                     "that one read."),
                                           {{"path", path}}))};
  }
  bool placed = true;
  Status status = holdsPlaces(id, placed);
  if (status.isOk())
    status = storeReading(*connection_, id, reading, incremental ? &read : nullptr);
  if (status.isOk()) {
    status = now.known ? storeSlotStamps(*connection_, id, now, read, reading, settledBefore)
                       : markStamp(id, std::string());
  }
  // The categories of the sounds whose names changed commit with the names.
  if (status.isOk()) status = categorize(id, placed);
  if (!status.isOk()) return {path, status};
  if (Status committed = transaction.commit(); !committed.isOk()) return {path, committed};
  return {path, Status::ok(), static_cast<std::int64_t>(read.sounds.count() + read.models.count())};
}

RefreshOutcome Library::refreshArchive(const KnownSource& source) {
  const std::int64_t id = source.id;
  const std::string& path = source.path;
  std::string known;
  if (Status read = storedStamp(id, known); !read.isOk()) return {path, read};
  const std::optional<std::string> fileStamp = archiveFileStamp(fs_, path);
  if (source.state == SourceState::Ok && fileStamp && known.starts_with(*fileStamp)) {
    return {path, Status::ok()};
  }
  // Touched or copied over with the same bytes: the places stand, only the stamp is new.
  const std::size_t digestAt = known.rfind(' ');
  ArchiveReading archive;
  {
    // Why the packs refuse an archive is the source's reason in the library file.
    const EnglishTextScope english;
    archive = readArchiveSource(fs_, path, source.kind,
                                source.state == SourceState::Ok && digestAt != std::string::npos
                                    ? known.substr(digestAt + 1)
                                    : std::string());
  }
  const std::string stamp = fileStamp.value_or(std::string()) + archive.digest;
  if (archive.unchanged) return {path, markStamp(id, stamp)};
  if (!archive.refusal.isOk()) {
    return {path, markSource(id, SourceState::Refused, archive.refusal.message())};
  }
  SqliteTransaction transaction(*connection_);
  if (!transaction.began().isOk()) return {path, transaction.began()};
  bool placed = true;
  Status stored = holdsPlaces(id, placed);
  if (stored.isOk()) stored = storeReading(*connection_, id, archive.reading, nullptr);
  if (stored.isOk()) stored = markStamp(id, fileStamp ? stamp : std::string());
  if (stored.isOk()) stored = categorize(id, placed);
  if (!stored.isOk()) return {path, stored};
  if (Status committed = transaction.commit(); !committed.isOk()) return {path, committed};
  return {path, Status::ok(),
          static_cast<std::int64_t>(archive.reading.sounds.size() + archive.reading.models.size())};
}

Status Library::storedStamp(std::int64_t id, std::string& stamp) {
  SqliteStatement query;
  Status status = connection_->prepare("SELECT stamp FROM sources WHERE id = ?1", query);
  bool row = false;
  if (status.isOk()) status = query.bind(1, id);
  if (status.isOk()) status = query.step(row);
  stamp = status.isOk() && row ? query.columnText(0) : std::string();
  return status;
}

Status Library::storedModels(std::int64_t id, ModelIdentities& models) {
  SqliteStatement query;
  Status status = connection_->prepare(
      "SELECT slot, identity FROM places WHERE source = ?1 AND bank = 'model'", query);
  if (status.isOk()) status = query.bind(1, id);
  bool row = true;
  while (status.isOk()) {
    status = query.step(row);
    if (!status.isOk() || !row) break;
    const std::int64_t slot = query.columnNumber(0);
    const std::string identity = query.columnText(1);
    Digest digest{};
    if (slot < 0 || slot >= kSlotCount || identity.size() != digest.size()) continue;
    std::memcpy(digest.data(), identity.data(), digest.size());
    models[static_cast<std::size_t>(slot)] = digest;
  }
  return status;
}

Status Library::holdsPlaces(std::int64_t id, bool& placed) {
  std::int64_t found = 0;
  Status status = connection_->queryNumber(
      "SELECT EXISTS (SELECT 1 FROM places WHERE source = " + std::to_string(id) + ")", found);
  placed = found != 0;
  return status;
}

Status Library::categorize(std::int64_t id, bool placedBefore) {
  return placedBefore ? categorizeChangedSounds(*connection_)
                      : categorizeNewSource(*connection_, id);
}

Status Library::markStamp(std::int64_t id, const std::string& stamp) {
  SqliteStatement mark;
  Status status = connection_->prepare("UPDATE sources SET stamp = ?2 WHERE id = ?1", mark);
  if (status.isOk()) status = mark.runWith(id, stamp);
  return status;
}

SourceState Library::stateNow(const SourceRecord& record, const std::string& stamp) {
  if (fs_.entryType(record.path) == EntryType::Missing) return SourceState::Missing;
  if (stamp.empty()) return SourceState::Ok;
  if (record.kind != SourceKind::Database) {
    const std::optional<std::string> now = archiveFileStamp(fs_, record.path);
    return !now || stamp.starts_with(*now) ? SourceState::Ok : SourceState::Changed;
  }
  const DatabaseStamp now = stampDatabase(fs_, record.path);
  return !now.known || databaseStampText(now) == stamp ? SourceState::Ok : SourceState::Changed;
}

}  // namespace slotsmith
