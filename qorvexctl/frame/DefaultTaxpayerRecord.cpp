#include "qorvexctl/frame/DefaultTaxpayerRecord.h"

#include <algorithm>
#include <utility>

namespace qorvexctl {

DefaultTaxpayerRecord::DefaultTaxpayerRecord(std::shared_ptr<TaxpayerDirectory> directory)
    : m_directory(std::move(directory)) {}

void DefaultTaxpayerRecord::Number(const std::string& countryAndNumber) {
  if (countryAndNumber == m_number) return;
  m_number = countryAndNumber;
  m_fields.clear();
  m_found = false;
}

void DefaultTaxpayerRecord::Clear() {
  m_number.clear();
  m_fields.clear();
  m_found = false;
}

void DefaultTaxpayerRecord::Load() {
  std::optional<std::vector<RecordField>> found;
  if (m_directory && !m_number.empty()) found = m_directory->Find(m_number);
  m_found = found.has_value();
  if (found) ReplaceFields(std::move(*found));
  Loaded();
}

void DefaultTaxpayerRecord::ReplaceFields(std::vector<RecordField> fields) {
  std::vector<std::string> updated;
  for (const RecordField& field : fields) {
    if (Field(field.id) != field.value) updated.push_back(field.id);
  }
  for (const RecordField& old : m_fields) {
    const bool kept = std::ranges::any_of(fields, [&](auto& f) { return f.id == old.id; });
    if (!kept && !old.value.empty()) updated.push_back(old.id);
  }
  m_fields = std::move(fields);
  for (const std::string& id : updated) FieldUpdated(id);
}

std::string DefaultTaxpayerRecord::Field(const std::string& id) {
  auto it = std::ranges::find(m_fields, id, &RecordField::id);
  return it == m_fields.end() ? std::string() : it->value;
}

void DefaultTaxpayerRecord::Field(const std::string& id, const std::string& value) {
  auto it = std::ranges::find(m_fields, id, &RecordField::id);
  if (it == m_fields.end()) {
    m_fields.push_back({id, value});
  } else {
    it->value = value;
  }
}

void DefaultTaxpayerRecord::MarkChanged() {
  if (!m_directory || m_number.empty()) return;
  m_directory->Save(m_number, m_fields);
  m_found = true;
}

}  // namespace qorvexctl
