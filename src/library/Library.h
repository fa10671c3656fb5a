// The library's sources and the reading of them. A source is a place sounds lie in: a database
// folder, a sound pack or a backup (library/ArchiveSources.h). Reading a source records every sound
// and model it holds and the place of each (library/Identity.h), in one SQLite transaction per
// source: a kill or a power cut mid-read leaves the library as it was before or after that source,
// never between.
//
// Reading never writes to a source. A database is read under its shared lock, so an edit in
// progress is never seen half done: the read waits briefly for the edit and then skips that
// source with a message, keeping what the library knew of it. A source that is not there now (an
// unplugged card) keeps its places too, marked missing; a folder that is a link, or no database,
// is marked refused with the reason.
//
// A refresh reads again only what changed: a database's slots by their stamps
// (library/SlotStamps.h), so that a source that did not change costs one look at each slot's
// entries; an archive when its size or time changed and then only if its bytes did.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "core/Status.h"
#include "core/UserText.h"
#include "library/Identity.h"
#include "library/Sqlite.h"

namespace slotsmith {

enum class SourceKind { Database, Pack, Backup };

// Why a path given as a source is refused: "PATH: is no source of the library".
inline constexpr TextTemplate kNoSource = USER_TEXT("Library", "is no source of the library");
enum class SourceState { Ok, Missing, Changed, Refused };

const char* sourceKindName(SourceKind kind);
const char* sourceStateName(SourceState state);

struct SourceRecord {
  SourceKind kind = SourceKind::Database;
  std::string path;
  SourceState state = SourceState::Ok;
  std::string reason;                    // why it is missing or refused, or what could not be read
  std::optional<std::int64_t> lastRead;  // seconds since 1970, when it was last brought up to date
  std::int64_t sounds = 0;               // sound places
  std::int64_t models = 0;               // model places
};

// What one source's refresh came to.
struct RefreshOutcome {
  std::string path;
  // Ok when the source was read or marked missing or refused (its state says which); not ok when
  // it was skipped (an edit held it, the library was busy), and the library kept what it knew.
  Status status;
  // The slots read again (sounds and models; an archive's count when it was read): 0 when the
  // source had not changed.
  std::int64_t slotsRead = 0;
};

using RefreshProgress =
    std::function<bool(std::size_t done, std::size_t total, const std::string& path)>;

class Library {
 public:
  // Opens the library file at path (library/LibraryFile.h); sources are read through fs.
  static Status open(const std::string& path, std::unique_ptr<Library>& library,
                     FileSystem& fs = realFileSystem());

  // Adds the database folder, sound pack or backup at path (made absolute) and reads it; a path
  // that is no database folder and no file now is refused and nothing is added, while an archive
  // the packs refuse is kept, marked refused with the reason. Adding a source the library has
  // refreshes it.
  RefreshOutcome addSource(const std::string& path);
  // Forgets a source and its places; the user's data about its sounds stays.
  Status removeSource(const std::string& path);
  // Every source as last read; one whose stamps differ now from those it was read with shows as
  // changed, one that is not there now as missing.
  Status sources(std::vector<SourceRecord>& records);
  // Reads the sources at the paths again, or every source when none is given. A path the
  // library does not have is reported as such. progress, when given, is told before each source
  // is read (how many are done, of how many, and that source's path) and once at the end (with
  // an empty path); when it answers false the refresh stops there, and the outcomes cover the
  // sources read before.
  std::vector<RefreshOutcome> refresh(const std::vector<std::string>& paths = {},
                                      const RefreshProgress& progress = {});

  SqliteConnection& connection() { return *connection_; }

  // A slot whose files changed within this many seconds before a refresh's look at them is read
  // again at the next refresh too: a rewrite in place of the same size within the same tick of
  // the file system's clock would change none of its stamps. Tests that keep their writes and
  // their refreshes a clock tick apart set 0.
  void setSettlingSeconds(std::int64_t seconds) { settlingSeconds_ = seconds; }

 private:
  struct KnownSource {
    std::int64_t id = 0;
    std::string path;
    SourceKind kind = SourceKind::Database;
    SourceState state = SourceState::Ok;
  };

  Library(std::unique_ptr<SqliteConnection> connection, FileSystem& fs)
      : connection_(std::move(connection)), fs_(fs) {}

  RefreshOutcome refreshSource(const KnownSource& source);
  RefreshOutcome readDatabase(const KnownSource& source);
  RefreshOutcome readDatabaseOnce(const KnownSource& source, std::unique_ptr<FileLock>& lock,
                                  bool& overtaken);
  RefreshOutcome refreshArchive(const KnownSource& source);
  Status markSource(std::int64_t id, SourceState state, const std::string& reason);
  // Whether the source has places in the library now.
  Status holdsPlaces(std::int64_t id, bool& placed);
  // Applies the rules to what the source's reading changed; a source that held no places before
  // it was read only added names.
  Status categorize(std::int64_t id, bool placedBefore);
  Status markStamp(std::int64_t id, const std::string& stamp);
  Status storedStamp(std::int64_t id, std::string& stamp);
  // The identities of the models the library knows in the source's slots.
  Status storedModels(std::int64_t id, ModelIdentities& models);
  SourceState stateNow(const SourceRecord& record, const std::string& stamp);

  std::unique_ptr<SqliteConnection> connection_;
  FileSystem& fs_;
  std::int64_t settlingSeconds_ = 2;
};

// The absolute, lexically normal form of path in which the library records a source.
std::string sourcePathOf(const std::string& path);

}  // namespace slotsmith
