// The demo host: the IRS form in a real window when a display is there, otherwise (or with
// --screenshots DIR) driven by a short script on the headless desktop and written as PNG files.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "AniGifShowcase.h"
#include "ArticleShowcase.h"
#include "ButtonShowcase.h"
#include "DemoMonkey.h"
#include "DrawingShowcase.h"
#include "HouseholdShowcase.h"
#include "IrsForm.h"
#include "IrsPageScreenshots.h"
#include "CalculatorScreenshots.h"
#include "NibScreenshots.h"
#include "NifScreenshots.h"
#include "Walkthrough.h"
#include "PlatformShowcase.h"
#include "SelectionShowcase.h"
#include "SkinsShowcase.h"
#include "hostkit/DemoSeed.h"
#include "hostkit/SqliteTaxpayerDirectory.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/HeadlessPresenter.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/MessageBoxForm.h"
#if defined(QORVEXCTL_HAVE_SDL)
#include "qorvexctl/platform/sdl/PresenterChoice.h"
#endif

namespace {

using qorvexctl::LibraryState;
using qorvexctl::demo::IrsForm;
namespace hostkit = qorvexctl::hostkit;
using qorvexctl::platform::Desktop;
using qorvexctl::platform::HeadlessPresenter;

bool Save(qorvexctl::platform::Window& window, const std::filesystem::path& file) {
  const bool ok = HeadlessPresenter::Screenshot(window, file);
  std::printf("%s %s\n", ok ? "wrote" : "could not write", file.string().c_str());
  return ok;
}

// The taxpayer register the NIF fields look numbers up in: the demo population in a database
// under the user's data folder (XDG_DATA_HOME, else the temporary folder), seeded on first use.
std::filesystem::path DemoDatabaseFile() {
  const char* data = std::getenv("XDG_DATA_HOME");
  const std::filesystem::path base =
      data && *data ? std::filesystem::path(data) : std::filesystem::temp_directory_path();
  std::error_code ec;
  std::filesystem::create_directories(base / "qorvexctl", ec);
  return base / "qorvexctl" / "demo-host.sqlite";
}

// Plugs the seeded register into the library and returns the seeded numbers.
std::vector<std::string> ConnectDemoRegister(LibraryState& library) {
  auto database = hostkit::HostDatabase::Open(DemoDatabaseFile());
  auto population = hostkit::SeedDemoDatabase(database);
  library.SetDefaultTaxpayerDirectory(std::make_shared<hostkit::SqliteTaxpayerDirectory>(database));
  return population.taxpayers;
}

// Fills the form the way a user would and saves a screenshot after each step.
int WriteScreenshots(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  const std::string known = ConnectDemoRegister(library).at(0);
  IrsForm form(desktop, library, hostkit::HostDatabase::Open(DemoDatabaseFile()));
  form.Window().Show();
  bool ok = Save(form.Window(), folder / "irs_form_empty.png");
  desktop.Input().Click(form.Nif().NumberBox());
  desktop.Input().Type(known.substr(2));  // a seeded taxpayer: the name box fills in
  desktop.Input().Click(form.NifB().NumberBox());
  desktop.Input().Type("123456780");  // a wrong check digit
  ok = Save(form.Window(), folder / "irs_form_filled.png") && ok;
  ok = HeadlessPresenter::Screenshot(desktop, folder / "desktop.png") && ok;
  ok = qorvexctl::demo::WriteIrsPageScreenshots(desktop, form, folder) && ok;
  // The pointer rests on the NIF's information button until its balloon tip pops up.
  desktop.Input().MoveTo(form.NifHelp(), qorvexctl::platform::Point{8, 12});
  desktop.Wait(600);
  ok = HeadlessPresenter::Screenshot(desktop, folder / "irs_form_balloon.png") && ok;
  ok = qorvexctl::demo::WriteNifScreenshots(desktop, form, folder) && ok;
  ok = qorvexctl::demo::WriteAmountScreenshots(folder) && ok;
  ok = qorvexctl::demo::WriteCalculatorScreenshots(folder) && ok;
  ok = qorvexctl::demo::WriteNibScreenshots(desktop, form, folder) && ok;
  const std::filesystem::path drawing = folder / "drawing_showcase.png";
  const bool drawn = qorvexctl::demo::WriteDrawingShowcase(drawing);
  std::printf("%s %s\n", drawn ? "wrote" : "could not write", drawing.string().c_str());
  ok = drawn && ok;
  ok = qorvexctl::demo::WritePlatformShowcaseScreenshots(folder) && ok;
  ok = qorvexctl::demo::WriteAniGifScreenshots(folder) && ok;
  ok = qorvexctl::demo::WriteButtonShowcaseScreenshots(folder) && ok;
  ok = qorvexctl::demo::WriteHouseholdScreenshots(folder, DemoDatabaseFile()) && ok;
  ok = qorvexctl::demo::WriteSelectionScreenshots(folder) && ok;
  ok = qorvexctl::demo::WriteArticleScreenshots(folder) && ok;
  ok = qorvexctl::demo::WriteSkinsScreenshots(folder) && ok;
  return ok ? 0 : 1;
}

// Shows the form in a window until the user closes it, or for `quitAfterMs` when that is
// positive (the form is then closed as its close box would). -1 when no window can open.
int RunInWindow([[maybe_unused]] int quitAfterMs) {
#if defined(QORVEXCTL_HAVE_SDL)
  Desktop desktop(Desktop::Options::ForApplication());
  auto presenter = qorvexctl::platform::OpenChosenPresenter(desktop, "QORVEXCTL - demo");
  if (!presenter) return -1;
  desktop.SetPresenter(std::move(presenter));
  desktop.SetMessageBoxService(
      std::make_unique<qorvexctl::platform::FormMessageBoxService>(desktop));
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  ConnectDemoRegister(library);
  qorvexctl::demo::PlatformShowcase showcase(desktop, library);
  showcase.Window().Show();
  qorvexctl::demo::AniGifShowcase animation(desktop, library);
  animation.Window().Show();
  qorvexctl::demo::ButtonShowcase buttons(desktop, library);
  buttons.Window().Show();
  qorvexctl::demo::HouseholdShowcase households(
      desktop, library, hostkit::HostDatabase::Open(DemoDatabaseFile()));
  households.Window().Show();
  qorvexctl::demo::SelectionShowcase countries(desktop, library);
  countries.Window().Show();
  qorvexctl::demo::ArticleShowcase articles(desktop, library);
  articles.Window().Show();
  qorvexctl::demo::SkinsShowcase skins(desktop, library);
  skins.Window().Show();
  IrsForm form(desktop, library, hostkit::HostDatabase::Open(DemoDatabaseFile()));
  if (quitAfterMs > 0) {
    desktop.SetTimer(form.Window().hWnd(), 1, static_cast<unsigned>(quitAfterMs),
                     [&form](auto, auto) { form.Window().CloseByUser(); });
  }
  form.Window().Show(qorvexctl::platform::vbModal);
  return 0;
#else
  return -1;
#endif
}

// The monkey on the IRS form; prints the seed first so that a failure can be replayed.
int RunMonkey(long events, std::uint64_t seed) {
  std::printf("monkey: seed %llu, %ld events\n", static_cast<unsigned long long>(seed), events);
  std::fflush(stdout);
  const auto database = std::filesystem::temp_directory_path() /
                        ("qorvexctl-monkey-" + std::to_string(seed) + ".sqlite");
  std::filesystem::remove(database);  // left by a killed run: a replay starts from the seed data
  const auto run = qorvexctl::demo::RunIrsFormMonkey(events, seed, database.string());
  std::filesystem::remove(database);
  if (!run.failure.empty()) {
    std::printf("monkey: event %ld: %s\n", run.events, run.failure.c_str());
    return 1;
  }
  std::printf("monkey: %ld events, every check held\n", run.events);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path folder = "docs/screenshots";
  bool screenshots = false;
  std::filesystem::path walkthroughScript = "apps/demo/walkthrough.play";
  int quitAfterMs = 0;
  long monkeyEvents = 0;
  std::uint64_t monkeySeed = std::random_device{}();
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--screenshots" && i + 1 < argc) {
      screenshots = true;
      folder = argv[++i];
    } else if (arg == "--walkthrough" && i + 1 < argc) {
      walkthroughScript = argv[++i];
    } else if (arg == "--quit-after" && i + 1 < argc) {
      quitAfterMs = std::atoi(argv[++i]);
    } else if (arg == "--monkey" && i + 1 < argc) {
      monkeyEvents = std::atol(argv[++i]);
    } else if (arg == "--seed" && i + 1 < argc) {
      monkeySeed = std::strtoull(argv[++i], nullptr, 10);
    } else if (arg == "--help") {
      std::puts(
          "qorvexctl_demo [--screenshots DIR] [--walkthrough SCRIPT] [--quit-after MS]\n"
          "               [--monkey EVENTS [--seed N]]\n"
          "  Shows the IRS form in a window when a display is available; otherwise plays\n"
          "  the walkthrough SCRIPT (apps/demo/walkthrough.play) into walkthrough/ (numbered\n"
          "  screenshots and index.html). --screenshots DIR writes the documentation's PNGs.\n"
          "  --quit-after closes the window after MS milliseconds (and fails without one).\n"
          "  --monkey sends EVENTS random clicks, keys, pastes and clock steps to the form on\n"
          "  the headless desktop, checking the fields after each; --seed replays a run.");
      return 0;
    } else {
      std::fprintf(stderr, "unknown argument: %s\n", argv[i]);
      return 2;
    }
  }
  if (monkeyEvents > 0) return RunMonkey(monkeyEvents, monkeySeed);
  if (!screenshots && (std::getenv("DISPLAY") != nullptr || quitAfterMs > 0)) {
    const int result = RunInWindow(quitAfterMs);
    if (result >= 0) return result;
    if (quitAfterMs > 0) {
      std::fputs("no window could be opened\n", stderr);
      return 1;
    }
  }
  if (screenshots) return WriteScreenshots(folder);
  std::puts("no display: playing the walkthrough into walkthrough/");
  return qorvexctl::demo::RunWalkthrough(walkthroughScript, "walkthrough",
                                         std::filesystem::current_path(), std::cerr);
}
