// Typing one character into a text box on a form of 50 controls, on the headless desktop: the
// key's events, the edit, the repaint of what changed and the composition of the frame the
// presenter shows. For scale, the same form composed whole (what a screenshot does) is timed
// in the same run. With SDL and a display, the same typing is timed through the window
// presenter (the form a system window of its own: the changed rectangle composed, uploaded to
// the window's texture, and presented at most once per display refresh), against the headless
// desktop on the same real clock.
//
//   build/bench/bench_typing --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <functional>
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
#if defined(QORVEXCTL_HAVE_SDL)
#include <SDL.h>

#include "qorvexctl/platform/sdl/SdlWindowPresenter.h"
#endif

namespace qorvexctl::platform {
namespace {

// Ten rows of a label, two text boxes, a check box and a button; the focus in a text box.
struct FiftyControlForm {
  Desktop desktop;
  Form form{desktop, "Declaração de rendimentos"};
  TextBox* target = nullptr;

  explicit FiftyControlForm(Desktop::Options options = {}) : desktop(options) {
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
  }

  void Show() {
    form.Show();
    target->SetFocus();
  }

  // Types one character and brings the shown frame up to date; the box is emptied (untimed)
  // before its text gets long.
  void TypeOne(benchmark::State& state, const std::function<void()>& type) {
    type();
    benchmark::DoNotOptimize(UpdateFrame());
    if (target->Text().size() >= 24) {
      state.PauseTiming();
      target->Text("");
      UpdateFrame();
      state.ResumeTiming();
    }
  }

  // The headless presenter composes on request; a window presenter has shown it already.
  const void* UpdateFrame() {
    auto* headless = dynamic_cast<HeadlessPresenter*>(&desktop.GetPresenter());
    if (!headless) return nullptr;
    return headless->Frame(desktop).Data();
  }
};

void TypeOneCharacter(benchmark::State& state) {
  FiftyControlForm f;
  f.Show();
  f.UpdateFrame();
  for (auto _ : state) f.TypeOne(state, [&] { f.desktop.Input().Type("7"); });
}
BENCHMARK(TypeOneCharacter)->Unit(benchmark::kMicrosecond);

void TypeOneCharacterOnTheRealClock(benchmark::State& state) {
  FiftyControlForm f(Desktop::Options::ForApplication());
  f.Show();
  f.UpdateFrame();
  for (auto _ : state) f.TypeOne(state, [&] { f.desktop.Input().Type("7"); });
}
BENCHMARK(TypeOneCharacterOnTheRealClock)->Unit(benchmark::kMicrosecond);

#if defined(QORVEXCTL_HAVE_SDL)
// The key as SDL reports it to the focused window: down, the text it types, up.
void PushTypedSeven() {
  SDL_Event down{};
  down.type = SDL_KEYDOWN;
  down.key.state = SDL_PRESSED;
  down.key.keysym = {SDL_SCANCODE_7, SDLK_7, KMOD_NUM, 0};
  SDL_Event text{};
  text.type = SDL_TEXTINPUT;
  SDL_strlcpy(text.text.text, "7", sizeof text.text.text);
  SDL_Event up = down;
  up.type = SDL_KEYUP;
  up.key.state = SDL_RELEASED;
  for (SDL_Event* e : {&down, &text, &up}) SDL_PushEvent(e);
}

void TypeOneCharacterInASystemWindow(benchmark::State& state) {
  FiftyControlForm f(Desktop::Options::ForApplication());
  auto presenter = SdlWindowPresenter::Open(f.desktop, {false, 1});
  if (!presenter) {
    state.SkipWithError("no display (run under xvfb-run)");
    return;
  }
  f.desktop.SetPresenter(std::move(presenter));
  f.Show();
  PushTypedSeven();
  f.desktop.DoEvents();
  if (f.target->Text() != "7") {
    state.SkipWithError("the typed text did not arrive");
    return;
  }
  for (auto _ : state) {
    f.TypeOne(state, [&] {
      PushTypedSeven();
      f.desktop.DoEvents();
    });
  }
}
BENCHMARK(TypeOneCharacterInASystemWindow)->Unit(benchmark::kMicrosecond);
#endif

void ComposeWholeDesktop(benchmark::State& state) {
  FiftyControlForm f;
  f.Show();
  for (auto _ : state) benchmark::DoNotOptimize(ComposeDesktop(f.desktop).Data());
}
BENCHMARK(ComposeWholeDesktop)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qorvexctl::platform
