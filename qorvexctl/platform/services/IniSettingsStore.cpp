#include "qorvexctl/platform/services/IniSettingsStore.h"

#include <cstdlib>
#include <system_error>

#include <pwd.h>
#include <unistd.h>

#include "qorvexctl/platform/services/AtomicFile.h"

namespace qorvexctl::platform {

namespace {

constexpr char kFileName[] = "settings.ini";

// A folder name for the application that cannot leave the root.
std::string FolderNameOf(std::string_view application) {
  std::string name(application);
  for (char& c : name) {
    if (c == '/' || c == '\0') c = '_';
  }
  if (name.empty() || name == "." || name == "..") name = "_" + name;
  return name;
}

std::filesystem::path HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home == '/') return home;
  if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr) {
    return entry->pw_dir;
  }
  return std::filesystem::temp_directory_path();
}

// The document of the file at `path` under the lock; nothing when the file exists but cannot
// be read (it must then stay as it is). A malformed file is moved aside.
std::optional<IniDocument> LoadForWriting(const std::filesystem::path& path) {
  std::error_code error;
  const auto bytes = ReadFileBytes(path);
  if (!bytes) {
    if (std::filesystem::exists(path, error) || error) return std::nullopt;
    return IniDocument();
  }
  if (auto document = IniDocument::Parse(*bytes)) return document;
  std::filesystem::rename(path, path.string() + ".bad", error);
  if (error) return std::nullopt;
  return IniDocument();
}

}  // namespace

IniSettingsStore::IniSettingsStore(std::filesystem::path root) : m_root(std::move(root)) {}

std::filesystem::path IniSettingsStore::DefaultRoot() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/') return xdg;
  return HomeFolder() / ".config";
}

std::filesystem::path IniSettingsStore::FileOf(std::string_view application) const {
  return m_root / FolderNameOf(application) / kFileName;
}

std::string IniSettingsStore::Get(std::string_view application, std::string_view section,
                                  std::string_view key, std::string_view defaultValue) const {
  const auto bytes = ReadFileBytes(FileOf(application));
  if (!bytes) return std::string(defaultValue);
  const auto document = IniDocument::Parse(*bytes);
  if (!document) return std::string(defaultValue);
  return document->Get(section, key).value_or(std::string(defaultValue));
}

bool IniSettingsStore::Set(std::string_view application, std::string_view section,
                           std::string_view key, std::string_view value) {
  return Modify(application, [&](IniDocument& d) { return d.Set(section, key, value); });
}

bool IniSettingsStore::Delete(std::string_view application, std::string_view section,
                              std::string_view key) {
  return Modify(application, [&](IniDocument& d) { return d.Delete(section, key); });
}

bool IniSettingsStore::DeleteSection(std::string_view application, std::string_view section) {
  return Modify(application, [&](IniDocument& d) { return d.DeleteSection(section); });
}

bool IniSettingsStore::Modify(std::string_view application,
                              const std::function<bool(IniDocument&)>& change) {
  const std::filesystem::path path = FileOf(application);
  const FileLock lock(path.string() + ".lock");
  if (!lock.Locked()) return false;
  RemoveStaleTemporaries(path);
  auto document = LoadForWriting(path);
  if (!document) return false;
  if (!change(*document)) return true;
  return WriteFileAtomically(path, document->Format(), 0600);
}

}  // namespace qorvexctl::platform
