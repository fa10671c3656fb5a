#include "library/Sqlite.h"

#include <sqlite3.h>

namespace slotsmith {

Status SqliteConnection::open(const std::string& path, int busyMilliseconds,
                              std::unique_ptr<SqliteConnection>& connection, bool readOnly) {
  sqlite3* handle = nullptr;
  const int mode = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
  const int opened = sqlite3_open_v2(path.c_str(), &handle, mode | SQLITE_OPEN_NOFOLLOW, nullptr);
  if (opened != SQLITE_OK) {
    const std::string reason = handle != nullptr ? sqlite3_errmsg(handle) : sqlite3_errstr(opened);
    sqlite3_close(handle);
    return Status::ioError(
        path, userText(USER_TEXT("Library", "cannot be opened as the library: {reason}"),
                       {{"reason", reason}}));
  }
  sqlite3_extended_result_codes(handle, 1);
  sqlite3_busy_timeout(handle, busyMilliseconds);
  connection.reset(new SqliteConnection(handle, path));
  return Status::ok();
}

SqliteConnection::~SqliteConnection() {
  sqlite3_close_v2(handle_);
}

Status SqliteConnection::failure(int resultCode, std::string_view doing) const {
  std::string reason(doing);
  reason += ": ";
  reason += sqlite3_errmsg(handle_);
  const int primary = resultCode & 0xff;
  if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) {
    return Status::refused(
        userText(USER_TEXT("Library", "{path}: another program holds the library ({reason})"),
                 {{"path", path_}, {"reason", reason}}));
  }
  // Any query may be the first to reach a damaged page, so every one says what to do about it.
  if (primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB) {
    return Status::invalid(path_, reason + ". " + userText(kDamagedLibraryAdvice));
  }
  return Status::ioError(path_, reason);
}

Status SqliteConnection::execute(std::string_view sql) {
  char* message = nullptr;
  const int result = sqlite3_exec(handle_, std::string(sql).c_str(), nullptr, nullptr, &message);
  sqlite3_free(message);
  if (result != SQLITE_OK) return failure(result, "running " + std::string(sql.substr(0, 40)));
  return Status::ok();
}

Status SqliteConnection::prepare(std::string_view sql, SqliteStatement& statement) {
  sqlite3_finalize(statement.statement_);
  statement.statement_ = nullptr;
  statement.connection_ = this;
  const int result = sqlite3_prepare_v2(handle_, sql.data(), static_cast<int>(sql.size()),
                                        &statement.statement_, nullptr);
  if (result != SQLITE_OK) return failure(result, "preparing " + std::string(sql.substr(0, 40)));
  return Status::ok();
}

Status SqliteConnection::queryNumber(std::string_view sql, std::int64_t& value) {
  SqliteStatement statement;
  if (Status prepared = prepare(sql, statement); !prepared.isOk()) return prepared;
  bool row = false;
  if (Status stepped = statement.step(row); !stepped.isOk()) return stepped;
  value = row ? statement.columnNumber(0) : 0;
  return Status::ok();
}

std::int64_t SqliteConnection::lastInsertId() const {
  return sqlite3_last_insert_rowid(handle_);
}

SqliteStatement::~SqliteStatement() {
  sqlite3_finalize(statement_);
}

Status SqliteStatement::check(int resultCode, std::string_view doing) {
  if (resultCode == SQLITE_OK) return Status::ok();
  return connection_->failure(resultCode, doing);
}

Status SqliteStatement::bind(int index, std::int64_t value) {
  return check(sqlite3_bind_int64(statement_, index, value), "binding a number");
}

Status SqliteStatement::bind(int index, std::string_view text) {
  return check(sqlite3_bind_text64(statement_, index, text.data(), text.size(), SQLITE_TRANSIENT,
                                   SQLITE_UTF8),
               "binding a text");
}

Status SqliteStatement::bind(int index, SqliteBlob blob) {
  return check(sqlite3_bind_blob64(statement_, index, blob.bytes.data(), blob.bytes.size(),
                                   SQLITE_TRANSIENT),
               "binding bytes");
}

Status SqliteStatement::bind(int index, std::nullptr_t) {
  return check(sqlite3_bind_null(statement_, index), "binding nothing");
}

Status SqliteStatement::step(bool& row) {
  const int result = sqlite3_step(statement_);
  row = result == SQLITE_ROW;
  if (result == SQLITE_ROW || result == SQLITE_DONE) return Status::ok();
  return check(result, "running a statement");
}

Status SqliteStatement::run() {
  bool row = true;
  Status status;
  while (row && status.isOk())
    status = step(row);
  reset();
  return status;
}

void SqliteStatement::reset() {
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
}

std::int64_t SqliteStatement::columnNumber(int index) const {
  return sqlite3_column_int64(statement_, index);
}

std::string SqliteStatement::columnText(int index) const {
  const void* bytes = sqlite3_column_blob(statement_, index);
  const int size = sqlite3_column_bytes(statement_, index);
  if (bytes == nullptr) return {};
  return std::string(static_cast<const char*>(bytes), static_cast<std::size_t>(size));
}

bool SqliteStatement::columnIsNull(int index) const {
  return sqlite3_column_type(statement_, index) == SQLITE_NULL;
}

SqliteTransaction::SqliteTransaction(SqliteConnection& connection) : connection_(connection) {
  began_ = connection_.execute("BEGIN IMMEDIATE");
  open_ = began_.isOk();
}

SqliteTransaction::~SqliteTransaction() {
  if (open_) static_cast<void>(connection_.execute("ROLLBACK"));
}

Status SqliteTransaction::commit() {
  if (!open_) return began_.isOk() ? Status::refused("the transaction has ended") : began_;
  open_ = false;
  if (Status committed = connection_.execute("COMMIT"); !committed.isOk()) {
    static_cast<void>(connection_.execute("ROLLBACK"));
    return committed;
  }
  return Status::ok();
}

SqliteSnapshot::SqliteSnapshot(SqliteConnection& connection) : connection_(connection) {
  began_ = connection_.execute("SAVEPOINT snapshot");
}

SqliteSnapshot::~SqliteSnapshot() {
  if (began_.isOk()) static_cast<void>(connection_.execute("RELEASE snapshot"));
}

}  // namespace slotsmith
