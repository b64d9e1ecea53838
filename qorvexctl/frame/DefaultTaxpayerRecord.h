#pragma once
// The taxpayer record a NIF field creates for itself: details held in memory, looked up in and
// saved to a pluggable TaxpayerDirectory (none: the record only holds what it is told).

#include <memory>
#include <string>
#include <vector>

#include "qorvexctl/base/Event.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/frame/TaxpayerDirectory.h"
#include "qorvexctl/frame/TaxpayerRecord.h"

namespace qorvexctl {

class DefaultTaxpayerRecord : public TaxpayerRecord {
 public:
  explicit DefaultTaxpayerRecord(std::shared_ptr<TaxpayerDirectory> directory = nullptr);
  // The record a NIF field creates: on the library's default directory.
  explicit DefaultTaxpayerRecord(const LibraryState& state)
      : DefaultTaxpayerRecord(state.DefaultTaxpayerDirectory()) {}

  // A new number drops the details of the previous one.
  void Number(const std::string& countryAndNumber) override;
  const std::string& Number() const { return m_number; }
  void Clear() override;
  // Reads the directory; raises FieldUpdated for each detail whose value changed, then Loaded.
  // A number the directory does not know keeps the details set so far (edits of a new
  // taxpayer not yet saved).
  void Load() override;
  std::vector<RecordField> Fields() override { return m_fields; }
  std::string Field(const std::string& id) override;
  void Field(const std::string& id, const std::string& value) override;
  std::string Name() override { return Field("nome"); }
  void Name(const std::string& name) override { Field("nome", name); }
  // Saves the details to the directory under the current number.
  void MarkChanged() override;
  void Open() override { OpenRequested(m_number); }
  // The number, once the directory knew it; "" before a successful load.
  std::string Content() override { return m_found ? m_number : std::string(); }

  // Raised by Open with the record's number, for the host to show its record form.
  Event<const std::string&> OpenRequested;

 private:
  void ReplaceFields(std::vector<RecordField> fields);

  std::shared_ptr<TaxpayerDirectory> m_directory;
  std::string m_number;
  std::vector<RecordField> m_fields;
  bool m_found{false};
};

}  // namespace qorvexctl
