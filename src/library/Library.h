// The library's sources and the reading of them. A source is a place sounds lie in: a database
// folder for now (packs and backups come later). Reading a source records every sound and model
// it holds and the place of each (library/Identity.h), in one SQLite transaction per source: a
// kill or a power cut mid-read leaves the library as it was before or after that source, never
// between.
//
// Reading never writes to a source. A database is read under its shared lock, so an edit in
// progress is never seen half done: the read waits briefly for the edit and then skips that
// source with a message, keeping what the library knew of it. A source that is not there now (an
// unplugged card) keeps its places too, marked missing; a folder that is a link, or no database,
// is marked refused with the reason. Each refresh reads a source whole.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "core/Status.h"
#include "library/Sqlite.h"

namespace slotsmith {

enum class SourceKind { Database, Pack, Backup };
enum class SourceState { Ok, Missing, Changed, Refused };

const char* sourceKindName(SourceKind kind);
const char* sourceStateName(SourceState state);

struct SourceRecord {
  SourceKind kind = SourceKind::Database;
  std::string path;
  SourceState state = SourceState::Ok;
  std::string reason;                    // why it is missing or refused, or what could not be read
  std::optional<std::int64_t> lastRead;  // seconds since 1970, when it was last read whole
  std::int64_t sounds = 0;               // sound places
  std::int64_t models = 0;               // model places
};

// What one source's refresh came to.
struct RefreshOutcome {
  std::string path;
  // Ok when the source was read or marked missing or refused (its state says which); not ok when
  // it was skipped (an edit held it, the library was busy), and the library kept what it knew.
  Status status;
};

class Library {
 public:
  // Opens the library file at path (library/LibraryFile.h); sources are read through fs.
  static Status open(const std::string& path, std::unique_ptr<Library>& library,
                     FileSystem& fs = realFileSystem());

  // Adds the database folder at path (made absolute) and reads it; a path that is no database
  // folder now is refused and nothing is added. Adding a source the library has reads it again.
  RefreshOutcome addSource(const std::string& path);
  // Forgets a source and its places; the user's data about its sounds stays.
  Status removeSource(const std::string& path);
  Status sources(std::vector<SourceRecord>& records);
  // Reads the sources at the paths again, or every source when none is given. A path the
  // library does not have is reported as such.
  std::vector<RefreshOutcome> refresh(const std::vector<std::string>& paths = {});

  SqliteConnection& connection() { return *connection_; }

 private:
  Library(std::unique_ptr<SqliteConnection> connection, FileSystem& fs)
      : connection_(std::move(connection)), fs_(fs) {}

  RefreshOutcome refreshSource(std::int64_t id, const std::string& path);
  Status markSource(std::int64_t id, SourceState state, const std::string& reason);

  std::unique_ptr<SqliteConnection> connection_;
  FileSystem& fs_;
};

// The absolute, lexically normal form of path in which the library records a source.
std::string sourcePathOf(const std::string& path);

}  // namespace slotsmith
