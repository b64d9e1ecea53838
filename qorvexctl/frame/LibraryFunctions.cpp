#include "qorvexctl/frame/LibraryFunctions.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "qorvexctl/base/RuntimeError.h"
#include "qorvexctl/base/Windows1252.h"
#include "qorvexctl/platform/services/AtomicFile.h"
#include "qorvexctl/platform/services/MessageBoxService.h"
#include "qorvexctl/platform/services/SettingsStore.h"

namespace qorvexctl {

namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

std::string WithTrailingSeparator(std::string folder) {
  if (!folder.ends_with('/')) folder += '/';
  return folder;
}

// The length of a regular file; 0 when it is missing, unreadable or not a file.
std::uintmax_t FileLength(const std::string& fileName) {
  std::error_code error;
  const std::uintmax_t length = std::filesystem::file_size(fileName, error);
  return error ? 0 : length;
}

void ShowFileMissing(LibraryState& state, const std::string& fileName) {
  state.MessageBoxes().Show({
      "Ficheiro com acesso negado ou inexistente",
      "Não foi possível aceder ao ficheiro:\n" + fileName +
          "\n\nPor favor verifique se existe uma nova versão desta aplicação",
      platform::MessageBoxIcon::Exclamation,
  });
}

// The text of a value, or nothing when it has none (Null).
std::optional<std::string> TextOf(const Variant& key) {
  try {
    return key.ToString();
  } catch (const RuntimeError&) {
    return std::nullopt;
  }
}

}  // namespace

std::string GetRootPath(LibraryState& state) {
  if (!state.RootFolderCache().empty()) return state.RootFolderCache();
  std::string root = state.Settings().Get(kSettingsApplication, kSetupSection, kRootPathKey, "");
  if (root.empty()) {
    root = WithTrailingSeparator(state.CurrentFolder());
    state.Settings().Set(kSettingsApplication, kSetupSection, kRootPathKey, root);
  }
  state.SetRootFolderCache(WithTrailingSeparator(root));
  return state.RootFolderCache();
}

std::string GetDataPath(LibraryState& state) { return GetRootPath(state) + "data/"; }

std::string ReadWholeFile(LibraryState& state, const std::string& fileName, bool silent) {
  if (FileLength(fileName) == 0) {
    if (!silent) ShowFileMissing(state, fileName);
    return "";
  }
  std::string bytes = platform::ReadFileBytes(fileName).value_or("");
  if (bytes.starts_with(kUtf8Mark)) bytes.erase(0, 3);
  return Windows1252ToUtf8(bytes);
}

Variant ConfigValue(LibraryState& state, const Variant& key) {
  const auto name = TextOf(key);
  if (!name || name->empty()) return {};
  std::string stored =
      state.Settings().Get(kSettingsApplication, kConfigSection, *name, kConfigEmptySentinel);
  if (stored == kConfigEmptySentinel) return {};
  return stored;
}

Variant ConfigValue(LibraryState& state, const Variant& key, const Variant& value) {
  const auto name = TextOf(key);
  const auto text = TextOf(value);
  if (!name || name->empty() || !text) return {};
  std::string stored = state.Settings().Get(kSettingsApplication, kConfigSection, *name, "");
  if (stored.empty() && stored != *text) {
    state.Settings().Set(kSettingsApplication, kConfigSection, *name, *text);
    return value;
  }
  return stored;
}

}  // namespace qorvexctl
