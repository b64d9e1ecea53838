#pragma once
// The settings store of this platform: one INI file per application,
// <root>/<application>/settings.ini, with root $XDG_CONFIG_HOME (default ~/.config).
//
// Every write re-reads the file under an exclusive lock (<file>.lock, flock), applies its one
// change and replaces the file atomically (temporary file, fsync, rename, folder fsync). So a
// process killed in the middle of a write leaves the old file or the new one, and two processes
// writing different keys never lose each other's keys. Reads take no lock: a rename is atomic.
// A file that is unreadable or not a well-formed INI file reads as all defaults; the next write
// moves a malformed file aside to settings.ini.bad and starts afresh, while a file that exists
// but cannot be read is never overwritten.

#include <filesystem>
#include <functional>

#include "qorvexctl/platform/services/IniDocument.h"
#include "qorvexctl/platform/services/SettingsStore.h"

namespace qorvexctl::platform {

class IniSettingsStore final : public SettingsStore {
 public:
  explicit IniSettingsStore(std::filesystem::path root = DefaultRoot());

  // $XDG_CONFIG_HOME when it is an absolute path, otherwise ~/.config.
  static std::filesystem::path DefaultRoot();
  // The file that holds the settings of `application`.
  std::filesystem::path FileOf(std::string_view application) const;

  std::string Get(std::string_view application, std::string_view section, std::string_view key,
                  std::string_view defaultValue) const override;
  bool Set(std::string_view application, std::string_view section, std::string_view key,
           std::string_view value) override;
  bool Delete(std::string_view application, std::string_view section,
              std::string_view key) override;
  bool DeleteSection(std::string_view application, std::string_view section) override;

 private:
  // Runs `change` on the current document under the lock and writes the result when it
  // changed something.
  bool Modify(std::string_view application, const std::function<bool(IniDocument&)>& change);

  std::filesystem::path m_root;
};

}  // namespace qorvexctl::platform
