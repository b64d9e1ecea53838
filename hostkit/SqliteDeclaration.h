#pragma once
// The reference declaration object (`IRSClass`) on the host database: one row of
// `declaracoes` with its household facts (`agregado`), its members (`sujeitos`: code such as
// "A", "B", "D1", "S2", with number, name and optional title) and its stored values
// (`valores`). One object serves as the declaration, its data and every store reached from it.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "hostkit/HostDatabase.h"
#include "qorvexctl/frame/IRSDeclaration.h"

namespace qorvexctl::hostkit {

class SqliteDeclaration : public IRSDeclaration,
                          public DeclarationData,
                          public HouseholdItems,
                          public DependantsList,
                          public DeclarationValueStore,
                          public SujeitoTitles,
                          public std::enable_shared_from_this<SqliteDeclaration> {
 public:
  // A new, empty declaration for a tax year.
  static std::shared_ptr<SqliteDeclaration> Create(std::shared_ptr<HostDatabase> database,
                                                   int year);
  // An existing declaration; nullptr when there is no declaration with that id.
  static std::shared_ptr<SqliteDeclaration> Open(std::shared_ptr<HostDatabase> database,
                                                 std::int64_t id);

  std::int64_t Id() const { return m_id; }

  // Editing, for the host and the demo seed.
  void SetHouseholdItem(const std::string& name, const std::string& value);
  void AddMember(const std::string& code, const std::string& number, const std::string& name,
                 const std::string& title = {});

  // IRSDeclaration and DeclarationData.
  std::shared_ptr<DeclarationData> Declaration() override { return shared_from_this(); }
  std::shared_ptr<HouseholdItems> Household() override { return shared_from_this(); }
  std::shared_ptr<DependantsList> Dependants() override { return shared_from_this(); }
  std::string TaxpayerNumber(const std::string& code) override;
  // The member's own title when one was stored, else the standard title of the code.
  std::string TaxpayerTitle(const std::string& code) override;
  std::shared_ptr<DeclarationValueStore> Values() override { return shared_from_this(); }
  std::shared_ptr<SujeitoTitles> Data() override { return shared_from_this(); }

  std::string Item(const std::string& name) override;  // "" when not stored
  std::int32_t Count() override;                       // members whose code starts with "D"
  std::string Get(const std::string& key) override;  // "" when not stored
  // The stored value, or nothing when the key was never stored.
  std::optional<std::string> Find(const std::string& key);
  void Set(const std::string& key, const std::string& value) override;
  // "A" -> "Sujeito Passivo A", "D2" -> "Dependente 2", "H1" -> "Herança Indivisa 1".
  std::string GetSujeitoTitle(const std::string& code) override;

 private:
  SqliteDeclaration(std::shared_ptr<HostDatabase> database, std::int64_t id)
      : m_database(std::move(database)), m_id(id) {}
  std::string MemberColumn(const char* column, const std::string& code);

  std::shared_ptr<HostDatabase> m_database;
  std::int64_t m_id;
};

}  // namespace qorvexctl::hostkit
