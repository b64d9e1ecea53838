#pragma once
// The library-wide state: one object per loaded library, shared by every component on the
// user-interface thread and passed to each explicitly (no hidden globals). It holds the caches
// and counters all components share, and references the services they need, so a test can
// hand in a memory settings store, a recording message-box service and a fixed current folder.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "qorvexctl/base/Locale.h"
#include "qorvexctl/validation/RuleSet.h"

namespace qorvexctl::platform {
class MessageBoxService;
class Picture;
class SettingsStore;
class Window;
}  // namespace qorvexctl::platform

namespace qorvexctl {

class TaxpayerDirectory;

class LibraryState {
 public:
  // Answers the process's current folder.
  using CurrentFolderSource = std::function<std::string()>;

  LibraryState(platform::SettingsStore& settings, platform::MessageBoxService& messageBoxes,
               CurrentFolderSource currentFolder = ProcessCurrentFolder);
  LibraryState(const LibraryState&) = delete;
  LibraryState& operator=(const LibraryState&) = delete;

  static std::string ProcessCurrentFolder();

  platform::SettingsStore& Settings() const { return m_settings; }
  platform::MessageBoxService& MessageBoxes() const { return m_messageBoxes; }
  std::string CurrentFolder() const { return m_currentFolder(); }

  // The number conventions every control of this library uses: the process default
  // (QORVEXCTL_LOCALE, else Portuguese) until the host sets another, which the controls
  // follow from their next check or format on.
  const Locale& CurrentLocale() const { return m_locale; }
  void SetLocale(const Locale& locale) { m_locale = locale; }

  // The application root folder once GetRootPath found it; empty before.
  const std::string& RootFolderCache() const { return m_rootFolder; }
  void SetRootFolderCache(std::string folder) { m_rootFolder = std::move(folder); }

  // Live NIF fields. When the count drops below 1 the cached flag strip is released.
  int NifControlCount() const { return m_nifControls; }
  void AddNifControl() { ++m_nifControls; }
  void RemoveNifControl();

  // The flag strip picture, loaded on first use.
  const std::shared_ptr<platform::Picture>& FlagStrip() const { return m_flagStrip; }
  void SetFlagStrip(std::shared_ptr<platform::Picture> strip) { m_flagStrip = std::move(strip); }
  // The picture box a caller sets just before asking for a flag and resets right after; not
  // owned.
  platform::Window* FlagTarget() const { return m_flagTarget; }
  void SetFlagTarget(platform::Window* target) { m_flagTarget = target; }

  // Where the taxpayer records the NIF fields create for themselves look numbers up; a host
  // plugs its register in here. None by default: records then hold only what they are told.
  const std::shared_ptr<TaxpayerDirectory>& DefaultTaxpayerDirectory() const {
    return m_taxpayerDirectory;
  }
  void SetDefaultTaxpayerDirectory(std::shared_ptr<TaxpayerDirectory> directory) {
    m_taxpayerDirectory = std::move(directory);
  }

  // The tax-number rule set every NIF field judges with. Unless the host chose one, it is read
  // once, on first use, from the settings store ("Qorvex", "Config", "RegrasNIF": "classic" or
  // "current"; absent or anything else is classic). The host's choice is not written back.
  RuleSet TaxNumberRules();
  void TaxNumberRules(RuleSet rules) { m_taxNumberRules = rules; }

  // Tooltip windows alive.
  int TooltipCount() const { return m_tooltips; }
  void AddTooltip() { ++m_tooltips; }
  void RemoveTooltip() { --m_tooltips; }

  // Components alive (counted by the Component base); the library may be unloaded at 0.
  int LiveObjectCount() const { return m_liveObjects; }
  void AddLiveObject() { ++m_liveObjects; }
  void RemoveLiveObject() { --m_liveObjects; }

 private:
  platform::SettingsStore& m_settings;
  platform::MessageBoxService& m_messageBoxes;
  CurrentFolderSource m_currentFolder;
  Locale m_locale = DefaultLocale();
  std::string m_rootFolder;
  int m_nifControls = 0;
  std::shared_ptr<platform::Picture> m_flagStrip;
  platform::Window* m_flagTarget = nullptr;
  std::shared_ptr<TaxpayerDirectory> m_taxpayerDirectory;
  std::optional<RuleSet> m_taxNumberRules;
  int m_tooltips = 0;
  int m_liveObjects = 0;
};

}  // namespace qorvexctl
