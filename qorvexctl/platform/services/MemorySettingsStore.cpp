#include "qorvexctl/platform/services/MemorySettingsStore.h"

namespace qorvexctl::platform {

std::string MemorySettingsStore::Get(std::string_view application, std::string_view section,
                                     std::string_view key, std::string_view defaultValue) const {
  ++m_reads;
  const auto found = m_applications.find(application);
  if (found == m_applications.end()) return std::string(defaultValue);
  return found->second.Get(section, key).value_or(std::string(defaultValue));
}

bool MemorySettingsStore::Set(std::string_view application, std::string_view section,
                              std::string_view key, std::string_view value) {
  ++m_writes;
  DocumentOf(application).Set(section, key, value);
  return true;
}

bool MemorySettingsStore::Delete(std::string_view application, std::string_view section,
                                 std::string_view key) {
  ++m_writes;
  DocumentOf(application).Delete(section, key);
  return true;
}

bool MemorySettingsStore::DeleteSection(std::string_view application, std::string_view section) {
  ++m_writes;
  DocumentOf(application).DeleteSection(section);
  return true;
}

IniDocument& MemorySettingsStore::DocumentOf(std::string_view application) {
  auto found = m_applications.find(application);
  if (found == m_applications.end())
    found = m_applications.emplace(application, IniDocument()).first;
  return found->second;
}

}  // namespace qorvexctl::platform
