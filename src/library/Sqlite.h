// A small wrapper of SQLite for the library: a connection, prepared statements with binding and
// stepping, and a transaction that rolls back unless it is committed. Nothing throws; every
// failure is a Status that names the library file and SQLite's own message, so a caller can
// tell a busy file (another process holds the write lock past the busy timeout) from a damaged
// one, which is Invalid and says how to rebuild it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/Status.h"
#include "core/UserText.h"

struct sqlite3;
struct sqlite3_stmt;

namespace slotsmith {

class SqliteStatement;

// What a failure on a damaged file (or one that is no SQLite file) tells the user to do.
inline constexpr TextTemplate kDamagedLibraryAdvice = USER_TEXT(
    "Library",
    "The library file is damaged or is no Slotsmith library; nothing was changed. "
    "`slotsmith library rebuild` sets it aside and makes the library anew from your sources, "
    "keeping your tags, favourites, notes, rules and lists as far as they can be read.");

// Bytes bound as a BLOB rather than as text.
struct SqliteBlob {
  std::string_view bytes;
};

class SqliteConnection {
 public:
  // Opens (creating when missing) the file at path for reading and writing, or with readOnly an
  // existing file for reading alone (nothing is written to it, not even a checkpoint when it
  // closes). The connection waits up to busyMilliseconds for a lock another connection holds
  // before it reports busy.
  static Status open(const std::string& path, int busyMilliseconds,
                     std::unique_ptr<SqliteConnection>& connection, bool readOnly = false);
  ~SqliteConnection();
  SqliteConnection(const SqliteConnection&) = delete;
  SqliteConnection& operator=(const SqliteConnection&) = delete;

  const std::string& path() const { return path_; }

  // Runs one or more statements that return no rows.
  Status execute(std::string_view sql);
  Status prepare(std::string_view sql, SqliteStatement& statement);

  // The first column of the first row of a query that returns one number (a pragma, a count).
  Status queryNumber(std::string_view sql, std::int64_t& value);

  std::int64_t lastInsertId() const;

  // A Status for SQLite's last error on this connection, from the result code given.
  Status failure(int resultCode, std::string_view doing) const;

 private:
  SqliteConnection(sqlite3* handle, std::string path) : handle_(handle), path_(std::move(path)) {}

  sqlite3* handle_;
  std::string path_;
};

class SqliteStatement {
 public:
  SqliteStatement() = default;
  ~SqliteStatement();
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;

  // Parameters count from 1, as in SQL's ?1.
  Status bind(int index, std::int64_t value);
  Status bind(int index, std::string_view text);
  Status bind(int index, SqliteBlob blob);
  Status bind(int index, std::nullptr_t);

  // Binds the values to ?1, ?2, ... in order and runs the statement to its end.
  template <typename... Values>
  Status runWith(const Values&... values) {
    reset();
    int index = 0;
    Status status;
    ((status = status.isOk() ? bind(++index, values) : status), ...);
    if (!status.isOk()) return status;
    return run();
  }

  // Runs the statement to its next row: row is true when there is one to read.
  Status step(bool& row);
  // Runs a statement that returns no rows to its end, then resets it.
  Status run();
  // Makes the statement ready to run again, keeping nothing bound.
  void reset();

  // Columns count from 0.
  std::int64_t columnNumber(int index) const;
  std::string columnText(int index) const;
  bool columnIsNull(int index) const;

 private:
  friend class SqliteConnection;
  Status check(int resultCode, std::string_view doing);

  SqliteConnection* connection_ = nullptr;
  sqlite3_stmt* statement_ = nullptr;
};

// BEGIN IMMEDIATE on construction: the write lock is taken (waiting up to the busy timeout) before
// anything is read, so two writers never deadlock upgrading a read. Rolls back when it goes away
// uncommitted, so an early return leaves the library as it was.
class SqliteTransaction {
 public:
  explicit SqliteTransaction(SqliteConnection& connection);
  ~SqliteTransaction();
  SqliteTransaction(const SqliteTransaction&) = delete;
  SqliteTransaction& operator=(const SqliteTransaction&) = delete;

  // Whether BEGIN succeeded, and why not.
  const Status& began() const { return began_; }
  Status commit();

 private:
  SqliteConnection& connection_;
  Status began_;
  bool open_ = false;
};

// One snapshot for the reads of a query that runs several statements: a writer committing
// meanwhile is seen whole or not at all. A savepoint, so that it also works inside a
// transaction the caller holds; it writes nothing and is released when it goes away.
class SqliteSnapshot {
 public:
  explicit SqliteSnapshot(SqliteConnection& connection);
  ~SqliteSnapshot();
  SqliteSnapshot(const SqliteSnapshot&) = delete;
  SqliteSnapshot& operator=(const SqliteSnapshot&) = delete;

  const Status& began() const { return began_; }

 private:
  SqliteConnection& connection_;
  Status began_;
};

}  // namespace slotsmith
