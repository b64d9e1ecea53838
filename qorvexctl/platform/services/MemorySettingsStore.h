#pragma once
// A settings store in memory, for tests and for hosts that keep no preferences. It counts
// reads and writes so a test can tell whether a caller went to the store at all.

#include <map>
#include <string>

#include "qorvexctl/platform/services/IniDocument.h"
#include "qorvexctl/platform/services/SettingsStore.h"

namespace qorvexctl::platform {

class MemorySettingsStore final : public SettingsStore {
 public:
  std::string Get(std::string_view application, std::string_view section, std::string_view key,
                  std::string_view defaultValue) const override;
  bool Set(std::string_view application, std::string_view section, std::string_view key,
           std::string_view value) override;
  bool Delete(std::string_view application, std::string_view section,
              std::string_view key) override;
  bool DeleteSection(std::string_view application, std::string_view section) override;

  int ReadCount() const { return m_reads; }
  int WriteCount() const { return m_writes; }

 private:
  IniDocument& DocumentOf(std::string_view application);

  std::map<std::string, IniDocument, std::less<>> m_applications;  // by application name
  mutable int m_reads = 0;
  int m_writes = 0;
};

}  // namespace qorvexctl::platform
