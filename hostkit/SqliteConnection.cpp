#include "hostkit/SqliteConnection.h"

#include <sqlite3.h>

namespace qorvexctl::hostkit {

SqliteConnection::SqliteConnection(const std::filesystem::path& file) {
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;
  if (sqlite3_open_v2(file.c_str(), &m_db, flags, nullptr) != SQLITE_OK) {
    const std::string message = m_db ? sqlite3_errmsg(m_db) : "out of memory";
    sqlite3_close(m_db);
    throw SqliteError("cannot open " + file.string() + ": " + message);
  }
  sqlite3_busy_timeout(m_db, 5000);
}

SqliteConnection::~SqliteConnection() { sqlite3_close(m_db); }

void SqliteConnection::Fail(std::string_view what) const {
  throw SqliteError(std::string(what) + ": " + sqlite3_errmsg(m_db));
}

void SqliteConnection::Execute(std::string_view sql) {
  char* error = nullptr;
  if (sqlite3_exec(m_db, std::string(sql).c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string message = error ? error : "unknown error";
    sqlite3_free(error);
    throw SqliteError(message);
  }
}

SqliteStatement SqliteConnection::Prepare(std::string_view sql) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(m_db, sql.data(), static_cast<int>(sql.size()), &statement, nullptr) !=
      SQLITE_OK) {
    Fail("prepare");
  }
  return SqliteStatement(*this, statement);
}

std::int64_t SqliteConnection::LastInsertId() const { return sqlite3_last_insert_rowid(m_db); }

SqliteStatement::~SqliteStatement() { sqlite3_finalize(m_statement); }

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : m_connection(other.m_connection), m_statement(other.m_statement) {
  other.m_statement = nullptr;
}

SqliteStatement& SqliteStatement::Bind(int index, std::string_view text) {
  if (sqlite3_bind_text(m_statement, index, text.data(), static_cast<int>(text.size()),
                        SQLITE_TRANSIENT) != SQLITE_OK) {
    m_connection->Fail("bind");
  }
  return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, std::int64_t value) {
  if (sqlite3_bind_int64(m_statement, index, value) != SQLITE_OK) m_connection->Fail("bind");
  return *this;
}

bool SqliteStatement::Step() {
  const int result = sqlite3_step(m_statement);
  if (result == SQLITE_ROW) return true;
  if (result != SQLITE_DONE) m_connection->Fail("step");
  return false;
}

void SqliteStatement::Run() {
  while (Step()) {
  }
}

std::string SqliteStatement::Text(int column) const {
  const auto* text = sqlite3_column_text(m_statement, column);
  const int size = sqlite3_column_bytes(m_statement, column);
  return text ? std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size))
              : std::string();
}

std::int64_t SqliteStatement::Integer(int column) const {
  return sqlite3_column_int64(m_statement, column);
}

std::optional<std::string> SqliteStatement::SingleText() {
  if (!Step()) return std::nullopt;
  return Text(0);
}

SqliteTransaction::SqliteTransaction(SqliteConnection& connection) : m_connection(connection) {
  m_connection.Execute("SAVEPOINT host_write");
}

SqliteTransaction::~SqliteTransaction() {
  if (m_done) return;
  try {
    m_connection.Execute("ROLLBACK TO host_write; RELEASE host_write");
  } catch (const SqliteError&) {
    // Nothing more to undo: SQLite already rolled the transaction back itself.
  }
}

void SqliteTransaction::Commit() {
  m_connection.Execute("RELEASE host_write");
  m_done = true;
}

}  // namespace qorvexctl::hostkit
