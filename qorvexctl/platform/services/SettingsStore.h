#pragma once
// Per-user settings: text values addressed by application name, section and key, read with a
// default. Sections and keys match without regard to case; application names are taken as
// given. A store that cannot be read behaves as if every key were absent; a write that cannot
// be made answers false and changes nothing.

#include <string>
#include <string_view>

namespace qorvexctl::platform {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The stored value, or `defaultValue` when the key is absent or the store cannot be read.
  virtual std::string Get(std::string_view application, std::string_view section,
                          std::string_view key, std::string_view defaultValue) const = 0;
  virtual bool Set(std::string_view application, std::string_view section, std::string_view key,
                   std::string_view value) = 0;
  // Removes one key; removing an absent key succeeds.
  virtual bool Delete(std::string_view application, std::string_view section,
                      std::string_view key) = 0;
  // Removes a section with all its keys.
  virtual bool DeleteSection(std::string_view application, std::string_view section) = 0;
};

}  // namespace qorvexctl::platform
