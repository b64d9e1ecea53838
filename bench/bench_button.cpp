// Redrawing a 120 x 30 button off-screen and copying it to its window, once per look, and for
// the round and slanted shapes whose rims are smoothed; the gradient face for scale.
//
//   build/bench/bench_button --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include "qorvexctl/controls/button/cButton.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl {
namespace {

struct ButtonOnAForm {
  platform::Desktop desktop;
  LibraryState library{desktop.Settings(), desktop.MessageBoxes()};
  platform::Form form{desktop, "Botões"};
  cButton button{library, desktop, &form};

  ButtonOnAForm() {
    form.SetBounds(platform::Rect::FromSize(0, 0, 300, 200));
    button.SetBounds(platform::Rect::FromSize(20, 20, 120, 30));
    button.InitProperties();
    button.Caption("&Gravar");
    form.Show();
    desktop.DoEvents();
  }
};

void RedrawLook(benchmark::State& state) {
  ButtonOnAForm f;
  f.button.ButtonStyle(static_cast<BackStyleConstants>(state.range(0)));
  for (auto _ : state) {
    f.button.Refresh();
    benchmark::DoNotOptimize(f.button.OffscreenSurface().Data());
  }
}
BENCHMARK(RedrawLook)->DenseRange(efbxp_w95, efbxp_Macintosh)->ArgName("look");

void RedrawShape(benchmark::State& state) {
  ButtonOnAForm f;
  f.button.ButtonShape(static_cast<ButtonStyleConstants>(state.range(0)));
  for (auto _ : state) {
    f.button.Refresh();
    benchmark::DoNotOptimize(f.button.OffscreenSurface().Data());
  }
}
BENCHMARK(RedrawShape)->Arg(efbxp_Round3D)->Arg(efbxp_FullDiagonal)->ArgName("shape");

void RedrawGradient(benchmark::State& state) {
  ButtonOnAForm f;
  f.button.GradientMode(efbxp_Top2Bottom);
  f.button.GradientColor(RGB(0, 0, 128));
  for (auto _ : state) {
    f.button.Refresh();
    benchmark::DoNotOptimize(f.button.OffscreenSurface().Data());
  }
}
BENCHMARK(RedrawGradient);

}  // namespace
}  // namespace qorvexctl

BENCHMARK_MAIN();
