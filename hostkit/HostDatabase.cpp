#include "hostkit/HostDatabase.h"

namespace qorvexctl::hostkit {
namespace {

constexpr int kSchemaVersion = 1;

// Numbers are kept as the NIF field writes them: the country code followed by the number.
constexpr const char* kSchema = R"sql(
CREATE TABLE contribuintes (
  nif          TEXT PRIMARY KEY,
  nome         TEXT NOT NULL DEFAULT '',
  codigopostal TEXT NOT NULL DEFAULT '',
  localidade   TEXT NOT NULL DEFAULT ''
);
CREATE TABLE contribuinte_campos (
  nif     TEXT NOT NULL REFERENCES contribuintes(nif) ON DELETE CASCADE,
  campo   TEXT NOT NULL,
  valor   TEXT NOT NULL,
  posicao INTEGER NOT NULL,
  PRIMARY KEY (nif, campo)
);
CREATE TABLE declaracoes (
  id  INTEGER PRIMARY KEY,
  ano INTEGER NOT NULL
);
CREATE TABLE agregado (
  declaracao INTEGER NOT NULL REFERENCES declaracoes(id) ON DELETE CASCADE,
  item       TEXT NOT NULL,
  valor      TEXT NOT NULL,
  PRIMARY KEY (declaracao, item)
);
CREATE TABLE sujeitos (
  declaracao INTEGER NOT NULL REFERENCES declaracoes(id) ON DELETE CASCADE,
  codigo     TEXT NOT NULL,
  nif        TEXT NOT NULL,
  nome       TEXT NOT NULL,
  titulo     TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (declaracao, codigo)
);
CREATE TABLE valores (
  declaracao INTEGER NOT NULL REFERENCES declaracoes(id) ON DELETE CASCADE,
  chave      TEXT NOT NULL,
  valor      TEXT NOT NULL,
  PRIMARY KEY (declaracao, chave)
);
)sql";

}  // namespace

std::shared_ptr<HostDatabase> HostDatabase::Open(const std::filesystem::path& file) {
  std::shared_ptr<HostDatabase> database(new HostDatabase(file));
  database->CreateSchema();
  return database;
}

HostDatabase::HostDatabase(const std::filesystem::path& file) : m_file(file), m_connection(file) {
  m_connection.Execute("PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL; PRAGMA foreign_keys=ON");
}

void HostDatabase::CreateSchema() {
  SqliteTransaction transaction(m_connection);
  const auto version = m_connection.Prepare("PRAGMA user_version").SingleText();
  if (version == "0") {
    m_connection.Execute(kSchema);
    m_connection.Execute("PRAGMA user_version=" + std::to_string(kSchemaVersion));
  }
  transaction.Commit();
}

}  // namespace qorvexctl::hostkit
