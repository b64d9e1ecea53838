#pragma once
// Where a DefaultTaxpayerRecord looks numbers up and keeps edits: the host's register of
// taxpayers, keyed by the country code followed by the number ("PT123456789").
// hostkit/SqliteTaxpayerDirectory is the reference implementation.

#include <optional>
#include <string>
#include <vector>

#include "qorvexctl/frame/TaxpayerRecord.h"

namespace qorvexctl {

class TaxpayerDirectory {
 public:
  virtual ~TaxpayerDirectory() = default;
  // The details kept for a number, in the directory's order; nullopt when it is unknown.
  virtual std::optional<std::vector<RecordField>> Find(const std::string& number) = 0;
  // Replaces the details kept for a number, all or nothing.
  virtual void Save(const std::string& number, const std::vector<RecordField>& fields) = 0;
};

}  // namespace qorvexctl
