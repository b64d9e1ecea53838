// How late the animated GIF control's frames reach a real window: the control plays an
// animation in the SDL presenter (under a virtual X server: xvfb-run) on the real clock, and for
// every frame change the program notes when the window had the new frame uploaded and shown,
// against the frame's due time (the load time plus the delays before it, each at least
// MinFrameDelay). Prints one line per frame and a summary against one display refresh.
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/anigif_window_timing [SECONDS]
//
// Exits with 1 when no window opens or no frame change reached the window; the times are
// reported, not judged.

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "qorvexctl/controls/anigif/ucAniGIF.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/sdl/SdlPresenter.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "testsupport/GifTestBuilder.h"

namespace {

using namespace qorvexctl;
using Clock = std::chrono::steady_clock;

// Delays in hundredths of a second: some below the default MinFrameDelay of 50 ms.
constexpr int kDelays[] = {2, 5, 10, 3, 7, 4, 12, 6};

double MsBetween(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// A 160 x 120 animation, each frame a band of its own colour index, looping for ever.
testing::Bytes Animation() {
  constexpr int kWidth = 160, kHeight = 120;
  testing::GifBuilder gif(4, kWidth, kHeight);
  gif.Netscape(0);
  int k = 0;
  for (int delay : kDelays) {
    gif.GraphicControl(1, delay);
    gif.Image(0, 0, kWidth, kHeight,
              testing::Bytes(static_cast<std::size_t>(kWidth * kHeight),
                             static_cast<std::uint8_t>(k++ % 4)));
  }
  return gif.Trailer().Build();
}

// The window presenter, telling when an upload has been shown.
class TimedPresenter final : public platform::Presenter {
 public:
  explicit TimedPresenter(std::unique_ptr<platform::SdlPresenter> window)
      : m_window(std::move(window)) {}

  bool Interactive() const override { return m_window->Interactive(); }
  void PollInput(platform::Desktop& desktop, int timeoutMs) override {
    m_window->PollInput(desktop, timeoutMs);
  }
  void Present(platform::Desktop& desktop) override {
    const int before = m_window->FramesUploaded();
    m_window->Present(desktop);
    if (m_window->FramesUploaded() != before && m_onShown) m_onShown(Clock::now());
  }
  // Called with the time each upload was shown.
  void OnShown(std::function<void(Clock::time_point)> onShown) { m_onShown = std::move(onShown); }

 private:
  std::unique_ptr<platform::SdlPresenter> m_window;
  std::function<void(Clock::time_point)> m_onShown;
};

// The display's refresh period; 60 Hz when the display reports none (a virtual X server).
double RefreshMs() {
  SDL_DisplayMode mode{};
  if (SDL_GetCurrentDisplayMode(0, &mode) == 0 && mode.refresh_rate > 0) {
    return 1000.0 / mode.refresh_rate;
  }
  return 1000.0 / 60;
}

double Percentile(std::vector<double> values, double fraction) {
  std::sort(values.begin(), values.end());
  const auto at = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
  return values[at];
}

// A frame change after the first frame: its due time, when the control raised FrameChanged,
// and when the window showed it (negative: the next frame replaced it before any upload).
struct Change {
  int frame;
  double dueMs;
  double raisedMs;
  double shownMs;
};

int Report(const std::vector<Change>& changes) {
  const bool anyShown = std::any_of(changes.begin(), changes.end(),
                                    [](const Change& c) { return c.shownMs >= 0; });
  if (!anyShown) {
    std::puts("no frame change reached the window");
    return 1;
  }
  const double refresh = RefreshMs();
  std::vector<double> late;
  int withinRefresh = 0, skipped = 0;
  std::printf("%6s %5s %9s %9s %9s\n", "change", "frame", "due ms", "timer +ms", "shown +ms");
  for (std::size_t i = 0; i < changes.size(); ++i) {
    const Change& c = changes[i];
    if (c.shownMs < 0) {
      ++skipped;
      std::printf("%6zu %5d %9.1f %9.2f %9s\n", i + 1, c.frame, c.dueMs, c.raisedMs - c.dueMs,
                  "skipped");
      continue;
    }
    const double lateness = c.shownMs - c.dueMs;
    late.push_back(lateness);
    if (lateness <= refresh) ++withinRefresh;
    std::printf("%6zu %5d %9.1f %9.2f %9.2f\n", i + 1, c.frame, c.dueMs, c.raisedMs - c.dueMs,
                lateness);
  }
  std::printf(
      "%zu frames shown, %d skipped; lateness (shown - due) min %.2f ms, median %.2f ms, 95th "
      "percentile %.2f ms, max %.2f ms; %d of %zu within one refresh (%.1f ms)\n",
      late.size(), skipped, *std::min_element(late.begin(), late.end()), Percentile(late, 0.5),
      Percentile(late, 0.95), *std::max_element(late.begin(), late.end()), withinRefresh,
      changes.size(), refresh);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  platform::Desktop desktop(platform::Desktop::Options::ForApplication());
  auto window = platform::SdlPresenter::Open(desktop, "ucAniGIF timing");
  if (!window) {
    std::puts("no window could be opened (run under xvfb-run)");
    return 1;
  }
  auto timed = std::make_unique<TimedPresenter>(std::move(window));
  TimedPresenter& presenter = *timed;
  desktop.SetPresenter(std::move(timed));
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "ucAniGIF");
  form.SetBounds(platform::Rect::FromSize(20, 20, 220, 180));
  ucAniGIF gif(library, desktop, &form);
  gif.InitProperties();
  gif.SetBounds(platform::Rect::FromSize(10, 10, 160, 120));
  gif.DelayAnimation(gfdNone);
  form.Show();
  desktop.DoEvents();

  // The schedule starts when the load shows frame 1; each change is due the interval of the
  // frame before it later than the change before.
  std::vector<Change> changes;
  Clock::time_point start;
  bool started = false;
  double dueMs = 0;
  std::size_t unshown = 0;  // the first change the window has not shown yet
  const auto frames = static_cast<int>(std::size(kDelays));
  gif.FrameChanged.connect([&](int frame) {
    if (!started) {
      start = Clock::now();
      started = true;
      return;
    }
    const int before = (frame + frames - 2) % frames;
    dueMs += std::max(kDelays[before] * 10, gif.MinFrameDelay());
    changes.push_back({frame, dueMs, MsBetween(start, Clock::now()), -1});
  });
  presenter.OnShown([&](Clock::time_point at) {
    if (unshown >= changes.size()) return;
    changes.back().shownMs = MsBetween(start, at);
    unshown = changes.size();
  });
  if (!gif.LoadAnimatedGIF_Array(Animation())) {
    std::puts("the animation did not load");
    return 1;
  }
  desktop.Wait(seconds * 1000);
  gif.Action(gfaPause);
  return Report(changes);
}
