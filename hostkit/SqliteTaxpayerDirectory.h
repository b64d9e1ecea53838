#pragma once
// The reference taxpayer directory: one row per number in `contribuintes` (name, postal code,
// locality) and any further details in `contribuinte_campos`. Plug it into the library's
// default taxpayer records, or hand it to a DefaultTaxpayerRecord directly.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "hostkit/HostDatabase.h"
#include "qorvexctl/frame/TaxpayerDirectory.h"

namespace qorvexctl::hostkit {

class SqliteTaxpayerDirectory : public TaxpayerDirectory {
 public:
  explicit SqliteTaxpayerDirectory(std::shared_ptr<HostDatabase> database);

  // "nome", "codigopostal" and "localidade" first (those that are not empty), then the further
  // details in saved order.
  std::optional<std::vector<RecordField>> Find(const std::string& number) override;
  // Replaces the number's row and details in one transaction.
  void Save(const std::string& number, const std::vector<RecordField>& fields) override;

 private:
  std::vector<RecordField> ExtraFields(const std::string& number);

  std::shared_ptr<HostDatabase> m_database;
};

}  // namespace qorvexctl::hostkit
