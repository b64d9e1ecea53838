#include "hostkit/SqliteTaxpayerDirectory.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace qorvexctl::hostkit {
namespace {

// The details kept in columns of `contribuintes`, in the order Find returns them.
constexpr std::array<std::string_view, 3> kColumnFields = {"nome", "codigopostal", "localidade"};

bool IsColumnField(const std::string& id) {
  return std::ranges::find(kColumnFields, id) != kColumnFields.end();
}

std::string ValueOf(const std::vector<RecordField>& fields, std::string_view id) {
  auto it = std::ranges::find(fields, id, &RecordField::id);
  return it == fields.end() ? std::string() : it->value;
}

}  // namespace

SqliteTaxpayerDirectory::SqliteTaxpayerDirectory(std::shared_ptr<HostDatabase> database)
    : m_database(std::move(database)) {}

std::optional<std::vector<RecordField>> SqliteTaxpayerDirectory::Find(const std::string& number) {
  auto row = m_database->Connection().Prepare(
      "SELECT nome, codigopostal, localidade FROM contribuintes WHERE nif = ?");
  if (!row.Bind(1, number).Step()) return std::nullopt;
  std::vector<RecordField> fields;
  // An empty column is a detail the register does not know, not one to announce.
  for (int column = 0; column < static_cast<int>(kColumnFields.size()); ++column) {
    std::string value = row.Text(column);
    if (!value.empty()) fields.push_back({std::string(kColumnFields[column]), std::move(value)});
  }
  std::ranges::move(ExtraFields(number), std::back_inserter(fields));
  return fields;
}

std::vector<RecordField> SqliteTaxpayerDirectory::ExtraFields(const std::string& number) {
  auto rows = m_database->Connection().Prepare(
      "SELECT campo, valor FROM contribuinte_campos WHERE nif = ? ORDER BY posicao");
  rows.Bind(1, number);
  std::vector<RecordField> fields;
  while (rows.Step()) fields.push_back({rows.Text(0), rows.Text(1)});
  return fields;
}

void SqliteTaxpayerDirectory::Save(const std::string& number,
                                   const std::vector<RecordField>& fields) {
  SqliteConnection& db = m_database->Connection();
  SqliteTransaction transaction(db);
  db.Prepare(
        "INSERT INTO contribuintes (nif, nome, codigopostal, localidade) VALUES (?, ?, ?, ?) "
        "ON CONFLICT (nif) DO UPDATE SET nome = excluded.nome, "
        "codigopostal = excluded.codigopostal, localidade = excluded.localidade")
      .Bind(1, number)
      .Bind(2, ValueOf(fields, "nome"))
      .Bind(3, ValueOf(fields, "codigopostal"))
      .Bind(4, ValueOf(fields, "localidade"))
      .Run();
  db.Prepare("DELETE FROM contribuinte_campos WHERE nif = ?").Bind(1, number).Run();
  std::int64_t position = 0;
  for (const RecordField& field : fields) {
    if (IsColumnField(field.id)) continue;
    db.Prepare("INSERT OR REPLACE INTO contribuinte_campos VALUES (?, ?, ?, ?)")
        .Bind(1, number)
        .Bind(2, field.id)
        .Bind(3, field.value)
        .Bind(4, position++)
        .Run();
  }
  transaction.Commit();
}

}  // namespace qorvexctl::hostkit
