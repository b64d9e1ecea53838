// The animated GIF control against its decoder: the CPU time to show one frame of an 800 x 600
// animation in the control (compose the next frame, bring the blit surfaces up to date, draw
// mask and colours into the window) next to the time the decoder alone takes to compose it.
//
//   build/bench/bench_anigif --benchmark_min_time=0.3

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/GifBenchFiles.h"
#include "qorvexctl/controls/anigif/ucAniGIF.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/imaging/gif/GifComposer.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl::bench {
namespace {

// The decoder composing frame after frame, round and round.
void Compose(benchmark::State& state, const BenchFile& file) {
  gif::GifImage image;
  if (!image.Load(file.bytes)) return state.SkipWithError("load failed");
  gif::GifComposer composer(image);
  int k = 0;
  for (auto _ : state) {
    composer.Show(k);
    benchmark::DoNotOptimize(composer.Canvas().data());
    k = (k + 1) % image.FrameCount();
  }
  state.SetItemsProcessed(state.iterations());
}

// The control on a shown form stepping to the next frame as its timer does (compose and
// repaint), at the GIF's actual size.
void Display(benchmark::State& state, const BenchFile& file) {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "bench");
  form.SetBounds(platform::Rect::FromSize(0, 0, 820, 640));
  ucAniGIF gif(library, desktop, &form);
  gif.InitProperties();
  gif.Stretch(gfsActualSize);
  gif.DelayAnimation(gfdDoNotAnimate);
  form.Show();
  if (!gif.LoadAnimatedGIF_Array(file.bytes)) return state.SkipWithError("load failed");
  desktop.DoEvents();
  for (auto _ : state) {
    gif.Action(gfaForward);
    benchmark::DoNotOptimize(gif.BackingSurface().Data());
  }
  state.SetItemsProcessed(state.iterations());
}

const bool kRegistered = [] {
  for (const BenchFile& file : GifBenchFiles()) {
    if (file.name.rfind("anim-800x600", 0) != 0) continue;
    benchmark::RegisterBenchmark(("compose/" + file.name).c_str(), Compose, file)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("display/" + file.name).c_str(), Display, file)
        ->Unit(benchmark::kMicrosecond);
  }
  return true;
}();

}  // namespace
}  // namespace qorvexctl::bench
