#pragma once
// The reference host's database file: the taxpayer directory and the declarations with their
// households, members and stored values. Opening a new file creates the schema; every write
// of the host objects runs in a transaction, and the journal keeps the file whole when the
// process dies in the middle of one.

#include <filesystem>
#include <memory>

#include "hostkit/SqliteConnection.h"

namespace qorvexctl::hostkit {

class HostDatabase {
 public:
  // Opens or creates the file and brings its schema up to date. Throws SqliteError.
  static std::shared_ptr<HostDatabase> Open(const std::filesystem::path& file);

  SqliteConnection& Connection() { return m_connection; }
  const std::filesystem::path& File() const { return m_file; }

 private:
  explicit HostDatabase(const std::filesystem::path& file);
  void CreateSchema();

  std::filesystem::path m_file;
  SqliteConnection m_connection;
};

}  // namespace qorvexctl::hostkit
