// Form files restored onto a form with every library control registered: whatever the file
// holds (unknown types, odd property values, controls inside controls that hold none), the
// restore must return, and a form that was restored must save, restore and save again to
// the same file.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "qorvexctl/controls/LibraryControls.h"
#include "qorvexctl/frame/FormFile.h"
#include "qorvexctl/frame/FormStore.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace {

using namespace qorvexctl;

void Require(bool condition) {
  if (!condition) std::abort();
}

// One desktop and registry for the whole run, as a host has.
struct Host {
  platform::Desktop desktop;
  LibraryState library{desktop.Settings(), desktop.MessageBoxes(), [] { return std::string("."); }};
  Registry registry{library};
  FormStore store{registry, IntrinsicControls::Standard()};

  Host() { RegisterLibraryControls(registry, desktop); }

  // The file the form saves after `file` was restored onto a fresh one.
  std::string RestoreAndCapture(const FormFile& file) {
    platform::Form form(desktop);
    store.Restore(file, form);
    form.Show();
    desktop.DoEvents();
    std::string text = store.Capture(form).ToText();
    form.UnloadForm();
    desktop.DoEvents();
    return text;
  }
};

Host& TheHost() {
  static Host* host = new Host;  // lives as long as the process, like a host's desktop
  return *host;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto file = FormFile::FromText(text);
  if (!file) return 0;
  Host& host = TheHost();
  const std::string saved = host.RestoreAndCapture(*file);
  const auto reread = FormFile::FromText(saved);
  Require(reread.has_value());
  const std::string savedAgain = host.RestoreAndCapture(*reread);
  if (savedAgain != saved) {
    std::fprintf(stderr, "saved:\n%s\nsaved again:\n%s\n", saved.c_str(), savedAgain.c_str());
    std::abort();
  }
  return 0;
}
