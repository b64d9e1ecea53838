// The country data file as the data folder may hold it, damaged or not: every code on its
// lines, and a few that are not, look up a name (short and full) without crashing, and a code
// whose first line has a name field gives a name.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

#include "qorvexctl/frame/CountryFile.h"
#include "qorvexctl/frame/LibraryFunctions.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/services/MemorySettingsStore.h"
#include "qorvexctl/platform/services/MessageBoxService.h"

namespace {

using namespace qorvexctl;

void Require(bool condition) {
  if (!condition) std::abort();
}

// An application folder of this process's own, with its data folder.
std::string RootFolder() {
  static const std::string root = [] {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("qorvexctl-fuzz-country-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder / "data");
    return folder.string();
  }();
  return root;
}

void WriteCountryFile(std::string_view text) {
  std::ofstream file(RootFolder() + "/data/" + kCountryFileName, std::ios::binary | std::ios::trunc);
  file.write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  WriteCountryFile(text);
  platform::MemorySettingsStore settings;
  platform::HeadlessMessageBoxService boxes;
  LibraryState state(settings, boxes, [] { return RootFolder(); });
  const auto lines = SplitCountryFile(ReadWholeFile(state, GetDataPath(state) + kCountryFileName, true));
  for (std::size_t i = 0; i < lines.size() && i < 8; ++i) {
    if (lines[i].size() < 2) continue;
    const std::string& code = lines[i][1];
    const std::string name = CountryName(state, code, false);
    (void)CountryName(state, code, true);
    if (code != "PT" && lines[i].size() >= 4 && !lines[i][3].empty()) {
      // An earlier line with the same code may give its (possibly empty) name instead.
      bool earlier = false;
      for (std::size_t j = 0; j < i; ++j) earlier |= lines[j].size() >= 2 && lines[j][1] == code;
      Require(earlier || name == lines[i][3]);
    }
  }
  (void)CountryName(state, "ES", true);
  (void)CountryName(state, "", true);
  return 0;
}
