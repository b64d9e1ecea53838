// The demo host: the IRS form in a real window when a display is there, otherwise (or with
// --screenshots DIR) driven by a short script on the headless desktop and written as PNG files.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "IrsForm.h"
#include "qorvexctl/platform/Desktop.h"
#include "qorvexctl/platform/UserInput.h"
#include "qorvexctl/platform/headless/HeadlessPresenter.h"
#if defined(QORVEXCTL_HAVE_SDL)
#include "qorvexctl/platform/sdl/SdlPresenter.h"
#endif

namespace {

using qorvexctl::demo::IrsForm;
using qorvexctl::platform::Desktop;
using qorvexctl::platform::HeadlessPresenter;

bool Save(qorvexctl::platform::Window& window, const std::filesystem::path& file) {
  const bool ok = HeadlessPresenter::Screenshot(window, file);
  std::printf("%s %s\n", ok ? "wrote" : "could not write", file.string().c_str());
  return ok;
}

// Fills the form the way a user would and saves a screenshot after each step.
int WriteScreenshots(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  Desktop desktop;
  IrsForm form(desktop);
  form.Window().Show();
  bool ok = Save(form.Window(), folder / "irs_form_empty.png");
  desktop.Input().Type("Maria da Conceição Antunes");
  desktop.Input().SendKeys("{TAB}");
  desktop.Input().Type("123456789");
  desktop.Input().Click(form.Income());
  desktop.Input().Type("23.456,78");
  desktop.Input().SendKeys("{TAB}");
  desktop.Input().Type("4.120,00");
  desktop.Input().SendKeys("{ENTER}");
  ok = Save(form.Window(), folder / "irs_form_filled.png") && ok;
  ok = HeadlessPresenter::Screenshot(desktop, folder / "desktop.png") && ok;
  return ok ? 0 : 1;
}

int RunInWindow() {
#if defined(QORVEXCTL_HAVE_SDL)
  Desktop desktop(Desktop::Options::ForApplication());
  auto presenter = qorvexctl::platform::SdlPresenter::Open(desktop, "QORVEXCTL - demo");
  if (!presenter) return -1;
  desktop.SetPresenter(std::move(presenter));
  IrsForm form(desktop);
  form.Window().Show(qorvexctl::platform::vbModal);
  return 0;
#else
  return -1;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path folder = "docs/screenshots";
  bool screenshots = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--screenshots" && i + 1 < argc) {
      screenshots = true;
      folder = argv[++i];
    } else if (arg == "--help") {
      std::puts("qorvexctl_demo [--screenshots DIR]\n"
                "  Shows the IRS form in a window when a display is available; otherwise, or\n"
                "  with --screenshots, fills it in on the headless desktop and writes PNG files.");
      return 0;
    } else {
      std::fprintf(stderr, "unknown argument: %s\n", argv[i]);
      return 2;
    }
  }
  if (!screenshots && std::getenv("DISPLAY") != nullptr) {
    const int result = RunInWindow();
    if (result >= 0) return result;
  }
  if (!screenshots) std::puts("no display: writing screenshots instead");
  return WriteScreenshots(folder);
}
