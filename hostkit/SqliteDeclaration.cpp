#include "hostkit/SqliteDeclaration.h"

#include <string_view>
#include <utility>

namespace qorvexctl::hostkit {
namespace {

// The standard title of a member kind letter; the kinds with several members (D, S, F, H)
// add the member number.
std::string KindTitle(char kind) {
  switch (kind) {
    case 'A':
      return "Sujeito Passivo A";
    case 'B':
      return "Sujeito Passivo B";
    case 'C':
      return "Agregado Familiar";
    case 'D':
      return "Dependente";
    case 'S':
      return "Ascendente";
    case 'F':
      return "Falecido";
    case 'H':
      return "Herança Indivisa";
    default:
      return {};
  }
}

}  // namespace

std::shared_ptr<SqliteDeclaration> SqliteDeclaration::Create(std::shared_ptr<HostDatabase> database,
                                                             int year) {
  SqliteConnection& db = database->Connection();
  db.Prepare("INSERT INTO declaracoes (ano) VALUES (?)").Bind(1, std::int64_t{year}).Run();
  const std::int64_t id = db.LastInsertId();
  return std::shared_ptr<SqliteDeclaration>(new SqliteDeclaration(std::move(database), id));
}

std::shared_ptr<SqliteDeclaration> SqliteDeclaration::Open(std::shared_ptr<HostDatabase> database,
                                                           std::int64_t id) {
  auto exists = database->Connection().Prepare("SELECT 1 FROM declaracoes WHERE id = ?");
  if (!exists.Bind(1, id).Step()) return nullptr;
  return std::shared_ptr<SqliteDeclaration>(new SqliteDeclaration(std::move(database), id));
}

void SqliteDeclaration::SetHouseholdItem(const std::string& name, const std::string& value) {
  m_database->Connection()
      .Prepare("INSERT OR REPLACE INTO agregado (declaracao, item, valor) VALUES (?, ?, ?)")
      .Bind(1, m_id)
      .Bind(2, name)
      .Bind(3, value)
      .Run();
}

void SqliteDeclaration::AddMember(const std::string& code, const std::string& number,
                                  const std::string& name, const std::string& title) {
  m_database->Connection()
      .Prepare(
          "INSERT OR REPLACE INTO sujeitos (declaracao, codigo, nif, nome, titulo) "
          "VALUES (?, ?, ?, ?, ?)")
      .Bind(1, m_id)
      .Bind(2, code)
      .Bind(3, number)
      .Bind(4, name)
      .Bind(5, title)
      .Run();
}

std::string SqliteDeclaration::MemberColumn(const char* column, const std::string& code) {
  auto row = m_database->Connection().Prepare(std::string("SELECT ") + column +
                                              " FROM sujeitos WHERE declaracao = ? AND codigo = ?");
  return row.Bind(1, m_id).Bind(2, code).SingleText().value_or("");
}

std::string SqliteDeclaration::TaxpayerNumber(const std::string& code) {
  return MemberColumn("nif", code);
}

std::string SqliteDeclaration::TaxpayerTitle(const std::string& code) {
  std::string title = MemberColumn("titulo", code);
  return title.empty() ? GetSujeitoTitle(code) : title;
}

std::string SqliteDeclaration::Item(const std::string& name) {
  auto row = m_database->Connection().Prepare(
      "SELECT valor FROM agregado WHERE declaracao = ? AND item = ?");
  return row.Bind(1, m_id).Bind(2, name).SingleText().value_or("");
}

std::int32_t SqliteDeclaration::Count() {
  auto row = m_database->Connection().Prepare(
      "SELECT COUNT(*) FROM sujeitos WHERE declaracao = ? AND codigo LIKE 'D%'");
  row.Bind(1, m_id).Step();
  return static_cast<std::int32_t>(row.Integer(0));
}

std::string SqliteDeclaration::Get(const std::string& key) { return Find(key).value_or(""); }

std::optional<std::string> SqliteDeclaration::Find(const std::string& key) {
  auto row = m_database->Connection().Prepare(
      "SELECT valor FROM valores WHERE declaracao = ? AND chave = ?");
  return row.Bind(1, m_id).Bind(2, key).SingleText();
}

void SqliteDeclaration::Set(const std::string& key, const std::string& value) {
  m_database->Connection()
      .Prepare("INSERT OR REPLACE INTO valores (declaracao, chave, valor) VALUES (?, ?, ?)")
      .Bind(1, m_id)
      .Bind(2, key)
      .Bind(3, value)
      .Run();
}

std::string SqliteDeclaration::GetSujeitoTitle(const std::string& code) {
  if (code.empty()) return {};
  std::string title = KindTitle(code.front());
  const std::string_view member = std::string_view(code).substr(1);
  const bool severalMembers = std::string_view("DSFH").find(code.front()) != std::string_view::npos;
  if (!severalMembers || member.empty()) return title;
  return title + " " + std::string(member);
}

}  // namespace qorvexctl::hostkit
