#pragma once
// The host's declaration object, handed to the controls through their `IRSClass` property,
// and the objects reached from it. The library only calls these; the host implements them
// (hostkit/ has a reference implementation on SQLite). A method may throw or return no
// object: the controls reach them through the guarded accessors of namespace `host` below.

#include <cstdint>
#include <memory>
#include <string>

namespace qorvexctl {

// Household facts by name: "casado" ("1" for a married couple), "dependentes" and
// "ascendentes" (counts), "obito" ("1" when a taxpayer died), "herancas" (undivided estates).
// Values are text; callers compare them as text or as numbers.
class HouseholdItems {
 public:
  virtual ~HouseholdItems() = default;
  virtual std::string Item(const std::string& name) = 0;
};

// The declaration's dependants; only their number is asked for.
class DependantsList {
 public:
  virtual ~DependantsList() = default;
  virtual std::int32_t Count() = 0;
};

// Text values keyed by a tax number, a full stop and a field name ("PT123456789.nome").
class DeclarationValueStore {
 public:
  virtual ~DeclarationValueStore() = default;
  virtual std::string Get(const std::string& key) = 0;  // "" when nothing is stored
  virtual void Set(const std::string& key, const std::string& value) = 0;
};

// The host's `Data` object, late-bound in the original host: display titles of taxpayer codes.
class SujeitoTitles {
 public:
  virtual ~SujeitoTitles() = default;
  virtual std::string GetSujeitoTitle(const std::string& code) = 0;  // "D1" -> "Dependente 1"
};

// The declaration data: every call the controls make starts here.
class DeclarationData {
 public:
  virtual ~DeclarationData() = default;
  virtual std::shared_ptr<HouseholdItems> Household() = 0;
  virtual std::shared_ptr<DependantsList> Dependants() = 0;
  // The tax number of a taxpayer code: "A", "B", "D2", "S1", "F1", "H3".
  virtual std::string TaxpayerNumber(const std::string& code) = 0;
  // The caption of a taxpayer code: the kind letter, then the member number when it is >= 1.
  virtual std::string TaxpayerTitle(const std::string& code) = 0;
  virtual std::shared_ptr<DeclarationValueStore> Values() = 0;
  virtual std::shared_ptr<SujeitoTitles> Data() = 0;
};

// The declaration object itself (`IRSClass`).
class IRSDeclaration {
 public:
  virtual ~IRSDeclaration() = default;
  virtual std::shared_ptr<DeclarationData> Declaration() = 0;
};

// Guarded calls into a declaration object: a missing object anywhere along the way, or a
// member that throws, gives the empty result ("" or 0) and a store that is left alone.
namespace host {
std::string HouseholdItem(const std::shared_ptr<IRSDeclaration>& irs, const std::string& name);
std::int32_t DependantCount(const std::shared_ptr<IRSDeclaration>& irs);
std::string TaxpayerNumber(const std::shared_ptr<IRSDeclaration>& irs, const std::string& code);
std::string TaxpayerTitle(const std::shared_ptr<IRSDeclaration>& irs, const std::string& code);
std::string SujeitoTitle(const std::shared_ptr<IRSDeclaration>& irs, const std::string& code);
std::string StoredValue(const std::shared_ptr<IRSDeclaration>& irs, const std::string& key);
void StoreValue(const std::shared_ptr<IRSDeclaration>& irs, const std::string& key,
                const std::string& value);
}  // namespace host

}  // namespace qorvexctl
