#include "library/Rebuild.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "core/UserText.h"
#include "library/LibraryFile.h"
#include "library/Rules.h"

namespace slotsmith {

namespace {

// How long the salvage waits for another program that holds the damaged file.
constexpr int kSalvageBusyMilliseconds = 10000;

// The files SQLite keeps beside a library in WAL mode.
constexpr const char* kCompanions[] = {"-wal", "-shm"};

std::filesystem::path pathOf(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

bool exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::symlink_status(pathOf(path), error).type() !=
         std::filesystem::file_type::not_found;
}

Status removeFile(const std::string& path) {
  std::error_code error;
  std::filesystem::remove(pathOf(path), error);
  if (error) {
    return Status::ioError(path, userText(USER_TEXT("Library", "cannot be removed: {reason}"),
                                          {{"reason", error.message()}}));
  }
  return Status::ok();
}

Status renameFile(const std::string& from, const std::string& to) {
  std::error_code error;
  std::filesystem::rename(pathOf(from), pathOf(to), error);
  if (error) {
    return Status::ioError(from,
                           userText(USER_TEXT("Library", "cannot be renamed to {path}: {reason}"),
                                    {{"path", to}, {"reason", error.message()}}));
  }
  return Status::ok();
}

// "<path>.damaged-20261210T031500Z", a name no file has yet.
std::string asideName(const std::string& path) {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm parts{};
#if defined(_WIN32)
  gmtime_s(&parts, &now);
#else
  gmtime_r(&now, &parts);
#endif
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%SZ", &parts);
  const std::string base = path + ".damaged-" + stamp;
  std::string name = base;
  for (int n = 2; exists(name); ++n)
    name = base + "-" + std::to_string(n);
  return name;
}

// Whether SQLite reads the whole file as sound: Invalid when it does not.
Status checkWhole(SqliteConnection& connection) {
  SqliteStatement check;
  Status status = connection.prepare("PRAGMA integrity_check", check);
  bool row = false;
  if (status.isOk()) status = check.step(row);
  if (!status.isOk()) return status;
  const std::string verdict = row ? check.columnText(0) : std::string();
  if (verdict == "ok") return Status::ok();
  return Status::invalid(connection.path(), verdict + ". " + userText(kDamagedLibraryAdvice));
}

void countKept(const UserDataSnapshot& snapshot, RebuildOutcome& outcome) {
  outcome.sounds = static_cast<std::int64_t>(snapshot.sounds.size());
  for (const auto& [id, sound] : snapshot.sounds)
    outcome.tags += static_cast<std::int64_t>(sound.tags.size());
  outcome.lists = static_cast<std::int64_t>(snapshot.lists.size());
  outcome.rules = static_cast<std::int64_t>(snapshot.rules.size());
}

// Every source read again in full, the indexes made anew, the rules run on every sound.
Status rebuildInPlace(Library& library, RebuildOutcome& outcome) {
  SqliteConnection& connection = library.connection();
  {
    SqliteTransaction transaction(connection);
    if (!transaction.began().isOk()) return transaction.began();
    // Cleared stamps make the next reading of each source a full one.
    Status status =
        connection.execute("UPDATE sources SET stamp = ''; UPDATE places SET stamp = ''; REINDEX;");
    if (status.isOk() && hasNameIndex(connection)) {
      status = connection.execute("INSERT INTO place_names(place_names) VALUES ('rebuild')");
    }
    if (!status.isOk()) return status;
    if (Status committed = transaction.commit(); !committed.isOk()) return committed;
  }
  UserDataSnapshot snapshot;
  readUserData(connection, snapshot, outcome.salvage);
  countKept(snapshot, outcome);
  if (Status counted = connection.queryNumber("SELECT count(*) FROM sources", outcome.sources);
      !counted.isOk()) {
    return counted;
  }
  outcome.refreshed = library.refresh();
  SqliteTransaction transaction(connection);
  if (!transaction.began().isOk()) return transaction.began();
  if (Status categorized = categorizeAll(connection); !categorized.isOk()) return categorized;
  return transaction.commit();
}

struct SalvagedSource {
  std::string kind;
  std::string path;
};

// Reads what can be read of the damaged file, changing nothing in it.
Status salvage(const std::string& path, UserDataSnapshot& snapshot,
               std::vector<SalvagedSource>& sources, UserDataReading& reading) {
  std::unique_ptr<SqliteConnection> damaged;
  if (Status opened = SqliteConnection::open(path, kSalvageBusyMilliseconds, damaged, true);
      !opened.isOk()) {
    return opened;
  }
  // SQLite refuses a file shorter than its header says unless the schema may be written; set so,
  // it reads a file cut short as far as it goes. The connection is read-only all the same.
  static_cast<void>(damaged->execute("PRAGMA writable_schema = ON"));
  readUserData(*damaged, snapshot, reading);
  readBothEnds(
      *damaged, "SELECT path, kind FROM sources", "path", 1,
      [&](SqliteStatement& row) {
        SalvagedSource source{row.columnText(1), row.columnText(0)};
        if ((source.kind == "database" || source.kind == "pack" || source.kind == "backup") &&
            !source.path.empty()) {
          sources.push_back(std::move(source));
        }
      },
      reading);
  return Status::ok();
}

// The new library beside the damaged one, with the salvaged data in it.
Status makeReplacement(const std::string& temporary, const UserDataSnapshot& snapshot,
                       const std::vector<SalvagedSource>& sources) {
  for (const std::string& leftover :
       {temporary, temporary + kCompanions[0], temporary + kCompanions[1]}) {
    if (Status removed = removeFile(leftover); !removed.isOk()) return removed;
  }
  std::unique_ptr<Library> fresh;
  if (Status opened = Library::open(temporary, fresh); !opened.isOk()) return opened;
  if (Status merged = mergeUserData(fresh->connection(), snapshot, true); !merged.isOk()) {
    return merged;
  }
  SqliteTransaction transaction(fresh->connection());
  if (!transaction.began().isOk()) return transaction.began();
  SqliteStatement insert;
  Status status = fresh->connection().prepare(
      "INSERT OR IGNORE INTO sources(kind, path, state, reason) VALUES (?1, ?2, 'changed', "
      "'not read since the library was rebuilt')",
      insert);
  for (const SalvagedSource& source : sources) {
    if (status.isOk()) status = insert.runWith(source.kind, source.path);
  }
  if (!status.isOk()) return status;
  return transaction.commit();
}

}  // namespace

Status rebuildLibrary(const std::string& path, RebuildOutcome& outcome) {
  outcome = {};
  if (!exists(path))
    return Status::notFound(path,
                            userText(USER_TEXT("Library", "there is no library file to rebuild")));
  {
    std::unique_ptr<Library> library;
    Status opened = Library::open(path, library);
    if (opened.isOk()) opened = checkWhole(library->connection());
    if (opened.isOk()) return rebuildInPlace(*library, outcome);
    if (opened.code() != Status::Code::Invalid) return opened;
  }
  outcome.damaged = true;
  UserDataSnapshot snapshot;
  std::vector<SalvagedSource> sources;
  if (Status salvaged = salvage(path, snapshot, sources, outcome.salvage); !salvaged.isOk()) {
    return salvaged;
  }
  countKept(snapshot, outcome);
  outcome.sources = static_cast<std::int64_t>(sources.size());
  const std::string temporary = path + ".rebuilding";
  if (Status made = makeReplacement(temporary, snapshot, sources); !made.isOk()) return made;
  outcome.setAside = asideName(path);
  if (Status moved = renameFile(path, outcome.setAside); !moved.isOk()) return moved;
  for (const char* companion : kCompanions) {
    if (!exists(path + companion)) continue;
    if (Status moved = renameFile(path + companion, outcome.setAside + companion); !moved.isOk()) {
      return moved;
    }
  }
  if (Status placed = renameFile(temporary, path); !placed.isOk()) return placed;
  std::unique_ptr<Library> library;
  if (Status opened = Library::open(path, library); !opened.isOk()) return opened;
  outcome.refreshed = library->refresh();
  return Status::ok();
}

}  // namespace slotsmith
