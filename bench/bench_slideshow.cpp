// The slideshow's fade step on a 640 x 480 show: the time one step takes (clear, blend the
// outgoing and the incoming picture with constant alpha, raise FadingIn) and the same step with
// the window's repaint. The fade timer ticks every 50 ms and a fade of 1000 ms has 20 steps, so
// a step well under 2 ms on one core never makes a tick late.
//
//   build/bench/bench_slideshow --benchmark_min_time=0.3

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "qorvexctl/controls/skins/skAlphaPic.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/PictureBox.h"

namespace qorvexctl::bench {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

// A shown form with a slideshow of two 640 x 480 pictures (colour ramps), half-way through a
// one-second fade.
struct HalfWayFade {
  platform::Desktop desktop;
  LibraryState library{desktop.Settings(), desktop.MessageBoxes()};
  platform::Form form{desktop, "bench"};
  std::vector<std::unique_ptr<platform::PictureBox>> boxes;
  std::unique_ptr<skAlphaPic> show;

  HalfWayFade() {
    form.SetBounds(platform::Rect::FromSize(0, 0, 2 * kWidth + 40, kHeight + 200));
    show = std::make_unique<skAlphaPic>(library, desktop, &form);
    show->SetBounds(platform::Rect::FromSize(0, 0, kWidth, kHeight));
    show->InitProperties();
    for (Colour from : {RGB(200, 40, 30), RGB(20, 60, 200)}) {
      auto& box = boxes.emplace_back(std::make_unique<platform::PictureBox>(form));
      box->BorderStyle(0);
      box->SetBounds(platform::Rect::FromSize(kWidth, 0, kWidth, kHeight));
      box->Drawing().hDC().GradientFill(platform::Rect{0, 0, kWidth, kHeight}, from,
                                        RGB(250, 240, 200), platform::GradientDirection::Vertical);
      show->AddPicture(box.get());
    }
    form.Show();
    show->PictureTime(1000000);
    show->StartFade();
    desktop.Wait(500);  // alpha 127 from here on: the clock stands still in the loop
  }
};

void FadeStep(benchmark::State& state) {
  HalfWayFade fade;
  for (auto _ : state) {
    fade.show->RefreshFade();
    benchmark::DoNotOptimize(fade.show->Drawing().Image().Data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(FadeStep)->Unit(benchmark::kMicrosecond);

void FadeStepAndRepaint(benchmark::State& state) {
  HalfWayFade fade;
  for (auto _ : state) {
    fade.show->RefreshFade();
    fade.desktop.PaintPending();
    benchmark::DoNotOptimize(fade.show->BackingSurface().Data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(FadeStepAndRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qorvexctl::bench
