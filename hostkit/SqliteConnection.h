#pragma once
// A small RAII layer over the SQLite C API for the reference host objects: a connection, a
// prepared statement with text and integer binds, and a transaction guard that rolls back
// unless committed. Every failure throws SqliteError with SQLite's message.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace qorvexctl::hostkit {

struct SqliteError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class SqliteStatement;

class SqliteConnection {
 public:
  // Opens (creating when missing) the database file.
  explicit SqliteConnection(const std::filesystem::path& file);
  ~SqliteConnection();
  SqliteConnection(const SqliteConnection&) = delete;
  SqliteConnection& operator=(const SqliteConnection&) = delete;

  // Runs one or more statements that return no rows.
  void Execute(std::string_view sql);
  SqliteStatement Prepare(std::string_view sql);
  std::int64_t LastInsertId() const;

 private:
  friend class SqliteStatement;
  [[noreturn]] void Fail(std::string_view what) const;

  sqlite3* m_db{nullptr};
};

class SqliteStatement {
 public:
  ~SqliteStatement();
  SqliteStatement(SqliteStatement&& other) noexcept;
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;
  SqliteStatement& operator=(SqliteStatement&&) = delete;

  // Binds parameters in order, starting at 1.
  SqliteStatement& Bind(int index, std::string_view text);
  SqliteStatement& Bind(int index, std::int64_t value);
  // Advances to the next row; false when there is none.
  bool Step();
  // Runs a statement that returns no rows.
  void Run();
  std::string Text(int column) const;
  std::int64_t Integer(int column) const;
  // The first column of the first row, or nullopt when there is no row.
  std::optional<std::string> SingleText();

 private:
  friend class SqliteConnection;
  SqliteStatement(SqliteConnection& connection, sqlite3_stmt* statement)
      : m_connection(&connection), m_statement(statement) {}

  SqliteConnection* m_connection;
  sqlite3_stmt* m_statement;
};

// A savepoint: all or nothing, and nestable (the outermost one is the file's transaction).
// Rolled back on destruction unless Commit ran.
class SqliteTransaction {
 public:
  explicit SqliteTransaction(SqliteConnection& connection);
  ~SqliteTransaction();
  SqliteTransaction(const SqliteTransaction&) = delete;
  SqliteTransaction& operator=(const SqliteTransaction&) = delete;
  void Commit();

 private:
  SqliteConnection& m_connection;
  bool m_done{false};
};

}  // namespace qorvexctl::hostkit
