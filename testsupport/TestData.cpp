#include "testsupport/TestData.h"

#include <cstdlib>
#include <string>

#include <unistd.h>

namespace qorvexctl::testsupport {

std::filesystem::path SharedTestData() {
  if (const char* env = std::getenv("QORVEXCTL_TESTDATA"); env != nullptr && *env != '\0')
    return env;
  return std::filesystem::path(QORVEXCTL_SOURCE_DIR) / ".." / "shared" / "testdata";
}

std::filesystem::path RepositoryRoot() { return QORVEXCTL_SOURCE_DIR; }

std::filesystem::path RepositoryDataFolder() { return RepositoryRoot() / "data"; }

std::filesystem::path MakeTempFolder(const char* prefix) {
  std::string pattern = (std::filesystem::temp_directory_path() / prefix).string() + "-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) return {};
  return pattern;
}

}  // namespace qorvexctl::testsupport
