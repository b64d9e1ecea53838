// Typing one character into a text box on a form of 50 controls, on the headless desktop: the
// key's events, the edit, the repaint of what changed and the composition of the frame the
// presenter shows. For scale, the same form composed whole (what a screenshot does) is timed
// in the same run.
//
//   build/bench/bench_typing --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <string>

#include "qorvexctl/platform/desktop/Compositor.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/HeadlessPresenter.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/CheckBox.h"
#include "qorvexctl/platform/widgets/CommandButton.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Label.h"
#include "qorvexctl/platform/widgets/TextBox.h"

namespace qorvexctl::platform {
namespace {

// Ten rows of a label, two text boxes, a check box and a button; the focus in a text box.
struct FiftyControlForm {
  Desktop desktop;
  Form form{desktop, "Declaração de rendimentos"};
  TextBox* target = nullptr;

  FiftyControlForm() {
    form.SetBounds(Rect::FromSize(40, 30, 760, 560));
    for (int row = 0; row < 10; ++row) {
      const std::string n = std::to_string(row);
      const int y = 12 + row * 50;
      form.Add<Label>("lbl" + n, nullptr, "Campo " + n).SetBounds(Rect::FromSize(12, y, 100, 20));
      auto& amount = form.Add<TextBox>("txtValor" + n);
      amount.SetBounds(Rect::FromSize(120, y, 200, 22));
      amount.Text("1.234,56");
      auto& note = form.Add<TextBox>("txtNota" + n);
      note.SetBounds(Rect::FromSize(340, y, 200, 22));
      form.Add<CheckBox>("chk" + n, nullptr, "Anexo").SetBounds(Rect::FromSize(560, y, 80, 22));
      form.Add<CommandButton>("cmd" + n, nullptr, "Detalhe")
          .SetBounds(Rect::FromSize(650, y, 90, 26));
      if (row == 5) target = &note;
    }
    form.Show();
    target->SetFocus();
  }
};

void TypeOneCharacter(benchmark::State& state) {
  FiftyControlForm f;
  auto& presenter = dynamic_cast<HeadlessPresenter&>(f.desktop.GetPresenter());
  presenter.Frame(f.desktop);
  for (auto _ : state) {
    f.desktop.Input().Type("7");
    benchmark::DoNotOptimize(presenter.Frame(f.desktop).Data());
    if (f.target->Text().size() >= 24) {
      state.PauseTiming();
      f.target->Text("");
      presenter.Frame(f.desktop);
      state.ResumeTiming();
    }
  }
}
BENCHMARK(TypeOneCharacter)->Unit(benchmark::kMicrosecond);

void ComposeWholeDesktop(benchmark::State& state) {
  FiftyControlForm f;
  for (auto _ : state) benchmark::DoNotOptimize(ComposeDesktop(f.desktop).Data());
}
BENCHMARK(ComposeWholeDesktop)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qorvexctl::platform
