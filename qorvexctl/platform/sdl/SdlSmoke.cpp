// A check of the window presenter on a real (virtual) X display: opens the window, shows a
// form, pushes real SDL input at it and checks that the controls got it, that the window shows
// the composed desktop pixel for pixel, that the clipboard reaches the system, that a drawn
// message box answers to the keyboard, and that closing the window ends a modal loop.
// Prints what failed and exits with 1; run under xvfb-run.

#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "qorvexctl/platform/desktop/Compositor.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/sdl/SdlEventsTest.h"
#include "qorvexctl/platform/sdl/SdlPresenter.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/MessageBoxForm.h"
#include "qorvexctl/platform/widgets/TextBox.h"

namespace {

using namespace qorvexctl::platform;
using namespace qorvexctl::platform::sdltest;

int g_failures = 0;

void Check(bool ok, const std::string& what) {
  std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
  if (!ok) ++g_failures;
}

// Runs the message loop until `done` or two seconds passed.
bool PumpUntil(Desktop& desktop, const std::function<bool()>& done) {
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (!done() && std::chrono::steady_clock::now() < limit) desktop.Wait(10);
  return done();
}

// The pixels that differ (colour only) between the window and the composed desktop.
int DifferingPixels(const Surface& shown, const Surface& composed) {
  if (shown.Width() != composed.Width() || shown.Height() != composed.Height()) return -1;
  int differing = 0;
  for (int y = 0; y < shown.Height(); ++y) {
    for (int x = 0; x < shown.Width(); ++x) {
      differing += ((shown.Words(y)[x] ^ composed.Words(y)[x]) & 0x00FFFFFFu) != 0 ? 1 : 0;
    }
  }
  return differing;
}

void CheckTypingAndPixels(Desktop& desktop, SdlPresenter& window) {
  Form form(desktop, "Rendimentos");
  form.SetBounds(Rect::FromSize(200, 150, 320, 160));
  auto& first = form.Add<TextBox>("txtFirst");
  first.SetBounds(Rect::FromSize(10, 10, 200, 24));
  auto& box = form.Add<TextBox>("txtValor");
  box.SetBounds(Rect::FromSize(10, 50, 200, 24));
  form.Show();
  desktop.DoEvents();
  PushButton(window.WindowId(), box.ClientToScreen({20, 12}), true);
  PushButton(window.WindowId(), box.ClientToScreen({20, 12}), false);
  PushText(window.WindowId(), "1.234,56 €");
  PushKey(window.WindowId(), SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE);
  const bool typed = PumpUntil(desktop, [&] { return box.Text() == "1.234,56 "; });
  Check(typed,
        "a click focuses the text box and typed text reaches it (text: \"" + box.Text() + "\")");
  Check(box.HasFocus(), "the clicked text box has the focus");

  desktop.DoEvents();
  const int frames = window.FramesUploaded();
  desktop.DoEvents();
  desktop.DoEvents();
  Check(window.FramesUploaded() == frames, "an unchanged desktop is not uploaded again");
  const int differing = DifferingPixels(window.ReadBack(), ComposeDesktop(desktop));
  Check(differing == 0,
        "the window shows the composed desktop (" + std::to_string(differing) + " pixels differ)");

  desktop.GetClipboard().SetText("NIF 123456789");
  char* system = SDL_GetClipboardText();
  Check(system && std::string(system) == "NIF 123456789",
        "copied text reaches the system clipboard");
  SDL_free(system);
}

void CheckMessageBox(Desktop& desktop, SdlPresenter& window) {
  PushKey(window.WindowId(), SDLK_TAB, SDL_SCANCODE_TAB);
  PushKey(window.WindowId(), SDLK_SPACE, SDL_SCANCODE_SPACE);
  const MessageBoxResult answer = desktop.MessageBoxes().Show(
      {"Confirmar", "Gravar?", MessageBoxIcon::Question, MessageBoxButtons::YesNo});
  Check(answer == MessageBoxResult::No, "the drawn message box answers to the keyboard");
}

void CheckCloseEndsModalLoop(Desktop& desktop) {
  Form modal(desktop, "Declaração");
  modal.SetBounds(Rect::FromSize(100, 100, 300, 200));
  int closeMode = -1;
  modal.QueryUnload.connect([&](bool&, int mode) { closeMode = mode; });
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  const auto start = std::chrono::steady_clock::now();
  modal.Show(vbModal);
  const auto took = std::chrono::steady_clock::now() - start;
  Check(!modal.Visible() && closeMode == vbFormControlMenu,
        "closing the window closes the modal form as its close box would");
  Check(took < std::chrono::seconds(2), "the modal loop ended at once");
}

}  // namespace

int main() {
  Desktop desktop(Desktop::Options::ForApplication());
  auto presenter = SdlPresenter::Open(desktop, "QORVEXCTL - sdl_smoke");
  if (!presenter) {
    std::printf("FAIL the window could not be opened: %s\n", SDL_GetError());
    return 1;
  }
  SdlPresenter& window = *presenter;
  desktop.SetPresenter(std::move(presenter));
  desktop.SetMessageBoxService(std::make_unique<FormMessageBoxService>(desktop));
  Check(desktop.Interactive(), "the window presenter is interactive");
  CheckTypingAndPixels(desktop, window);
  CheckMessageBox(desktop, window);
  CheckCloseEndsModalLoop(desktop);
  std::printf("%d failure(s)\n", g_failures);
  return g_failures == 0 ? 0 : 1;
}
