// The window presenter on a real (virtual) X display: each form its own system window, place
// and size kept in step both ways, activation, modal dialogs, popup menus, the close box, and
// the pixels each system window shows. Run under xvfb-run (CTest does it when it is installed).

#include "qorvexctl/platform/sdl/SdlWindowPresenter.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "qorvexctl/platform/desktop/Compositor.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Menu.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/sdl/SdlEventsTest.h"
#include "qorvexctl/platform/widgets/CommandButton.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/MessageBoxForm.h"
#include "qorvexctl/platform/widgets/TextBox.h"

namespace qorvexctl::platform {
namespace {

using namespace sdltest;

constexpr Rect kClassicFrame{4, 23, 4, 4};

struct WindowDesktop {
  Desktop desktop{Desktop::Options::ForApplication()};
  SdlWindowPresenter* presenter = nullptr;

  explicit WindowDesktop(SdlWindowPresenter::Options options = {false, 1}) {
    auto opened = SdlWindowPresenter::Open(desktop, options);
    presenter = opened.get();
    if (opened) desktop.SetPresenter(std::move(opened));
  }

  // Runs the message loop until `done` or two seconds passed.
  bool PumpUntil(const std::function<bool()>& done) {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!done() && std::chrono::steady_clock::now() < limit) desktop.Wait(10);
    return done();
  }
  SDL_Window* System(const Window& w) const { return presenter->SystemWindowOf(w); }
  // Runs the message loop until the X server's focus changes for the windows just shown came
  // in, `last` (the window shown last) holding the focus: without a window manager each shown
  // window takes the focus itself, and SDL reports the change a fifth of a second late. What
  // the test does next then comes after them.
  void SettleSystemFocus(const Window& last) {
    const auto least = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    PumpUntil([&] {
      return SDL_GetKeyboardFocus() == System(last) && std::chrono::steady_clock::now() > least;
    });
  }
  // Types `text` as the system delivers it: one text event a character, into `form`'s window.
  void Type(const Window& form, std::string_view text) {
    for (char c : text) {
      const char character[2] = {c, 0};
      sdltest::PushText(SDL_GetWindowID(System(form)), character);
      desktop.DoEvents();
    }
  }
  std::uint32_t Id(const Window& w) const { return SDL_GetWindowID(System(w)); }
};

// The default window desktop: system frames, scale 1.
class SystemWindows : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(d.presenter, nullptr) << "no display: run under xvfb-run (" << SDL_GetError() << ")";
  }
  WindowDesktop d;
};

TextBox& AddBox(Form& form, const char* name, const Rect& bounds) {
  auto& box = form.Add<TextBox>(name);
  box.SetBounds(bounds);
  return box;
}

#define REQUIRE_WINDOWS(d) \
  ASSERT_NE((d).presenter, nullptr) << "no display: run under xvfb-run (" << SDL_GetError() << ")"

Rect SystemPlace(SDL_Window* window) {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  SDL_GetWindowPosition(window, &x, &y);
  SDL_GetWindowSize(window, &width, &height);
  return Rect::FromSize(x, y, width, height);
}

// The pixels (colour only) where `shown` differs from `shown part` of `composed`, each
// composed pixel drawn `scale` times larger.
int DifferingPixels(const Surface& shown, const Surface& composed, const Rect& part, int scale) {
  if (shown.Width() != part.Width() * scale || shown.Height() != part.Height() * scale) return -1;
  int differing = 0;
  for (int y = 0; y < shown.Height(); ++y) {
    for (int x = 0; x < shown.Width(); ++x) {
      const std::uint32_t expected = composed.Words(part.top + y / scale)[part.left + x / scale];
      differing += ((shown.Words(y)[x] ^ expected) & 0x00FFFFFFu) != 0 ? 1 : 0;
    }
  }
  return differing;
}

Rect ShownPart(const Form& form, bool libraryFrame) {
  const Rect whole = Rect::FromSize(0, 0, form.Bounds().Width(), form.Bounds().Height());
  if (libraryFrame) return whole;
  return {kClassicFrame.left, kClassicFrame.top, whole.right - kClassicFrame.right,
          whole.bottom - kClassicFrame.bottom};
}

// The looks a system window can take: system or library frames, at scales 1 to 3.
constexpr SdlWindowPresenter::Options kLooks[] = {{false, 1}, {true, 1}, {false, 2}, {true, 3}};

// Runs `check` on a fresh window desktop of each look.
void ForEachLook(
    const std::function<void(WindowDesktop&, const SdlWindowPresenter::Options&)>& check) {
  for (const auto& look : kLooks) {
    SCOPED_TRACE(testing::Message()
                 << "library frames " << look.libraryFrames << " scale " << look.scale);
    WindowDesktop d(look);
    REQUIRE_WINDOWS(d);
    check(d, look);
  }
}

TEST(SdlWindowPresenter, EachFormIsASystemWindowOfItsSize) {
  ForEachLook([](WindowDesktop& d, const SdlWindowPresenter::Options& look) {
    Form first(d.desktop, "Primeiro");
    first.SetBounds(Rect::FromSize(40, 50, 320, 200));
    Form second(d.desktop, "Segundo");
    second.SetBounds(Rect::FromSize(420, 60, 240, 160));
    first.Show();
    second.Show();
    d.desktop.DoEvents();
    EXPECT_EQ(d.presenter->SystemWindowCount(), 2);
    for (const Form* form : {&first, &second}) {
      const Rect part = ShownPart(*form, look.libraryFrames);
      const Rect bounds = form->Bounds();
      EXPECT_EQ(SystemPlace(d.System(*form)),
                Rect::FromSize((bounds.left + part.left) * look.scale,
                               (bounds.top + part.top) * look.scale, part.Width() * look.scale,
                               part.Height() * look.scale));
      EXPECT_EQ(SDL_GetWindowTitle(d.System(*form)), form->Caption());
    }
    second.Hide();
    d.desktop.DoEvents();
    EXPECT_EQ(d.presenter->SystemWindowCount(), 1);
    EXPECT_EQ(d.System(second), nullptr);
  });
}

TEST_F(SystemWindows, PlaceAndSizeFollowBothWays) {
  Form form(d.desktop, "Declaração");
  form.SetBounds(Rect::FromSize(100, 80, 300, 200));
  int resizes = 0;
  form.Resize.connect([&] { ++resizes; });
  form.Show();
  d.desktop.DoEvents();

  // The window manager (here: the test) moves the system window; the form follows.
  SDL_SetWindowPosition(d.System(form), 254, 183);
  EXPECT_TRUE(d.PumpUntil([&] { return form.Bounds().left == 250; }));
  EXPECT_EQ(form.Bounds(), Rect::FromSize(250, 160, 300, 200));
  EXPECT_EQ(form.Left(), 250 * 15);
  EXPECT_EQ(form.Top(), 160 * 15);

  // Sized by the user: the form grows by as much and raises Resize.
  SDL_SetWindowSize(d.System(form), 392, 273);
  EXPECT_TRUE(d.PumpUntil([&] { return form.Bounds().Width() == 400; }));
  EXPECT_EQ(form.Bounds().Height(), 300);
  EXPECT_GE(resizes, 1);

  // The library moves and sizes the form; the system window follows.
  form.Move(30 * 15, 40 * 15, 200 * 15, 150 * 15);
  d.desktop.DoEvents();
  EXPECT_EQ(SystemPlace(d.System(form)), Rect::FromSize(34, 63, 192, 123));
}

TEST(SdlWindowPresenter, PixelsEqualTheHeadlessCompositionOfEachForm) {
  ForEachLook([](WindowDesktop& d, const SdlWindowPresenter::Options& look) {
    Form first(d.desktop, "Rendimentos");
    first.SetBounds(Rect::FromSize(30, 30, 280, 150));
    auto& box = AddBox(first, "txtValor", Rect::FromSize(10, 10, 200, 24));
    first.Add<CommandButton>("cmdOk", nullptr, "OK").SetBounds(Rect::FromSize(10, 50, 80, 26));
    Form second(d.desktop, "Deduções");
    second.SetBounds(Rect::FromSize(200, 100, 220, 120));  // overlaps the first
    AddBox(second, "txtNota", Rect::FromSize(8, 8, 150, 22));
    second.Show();
    first.Show();
    d.SettleSystemFocus(first);
    box.SetFocus();
    d.Type(first, "1.234,56");  // repaints in place: only changed rectangles upload
    EXPECT_EQ(box.Text(), "1.234,56");
    for (Form* form : {&first, &second}) {
      const int differing = DifferingPixels(d.presenter->ReadBack(*form), ComposeWindow(*form),
                                            ShownPart(*form, look.libraryFrames), look.scale);
      EXPECT_EQ(differing, 0) << form->Caption();
    }
  });
}

TEST(SdlWindowPresenter, PointerPositionsMapBackToTheLibrarysPixels) {
  ForEachLook([](WindowDesktop& d, const SdlWindowPresenter::Options& look) {
    Form form(d.desktop, "Escala");
    form.SetBounds(Rect::FromSize(20, 20, 300, 160));
    auto& left = AddBox(form, "txtA", Rect::FromSize(10, 10, 100, 24));
    auto& right = AddBox(form, "txtB", Rect::FromSize(120, 10, 100, 24));
    form.Show();
    d.desktop.DoEvents();
    // The system pixel that shows a client pixel's last row and column.
    const Rect part = ShownPart(form, look.libraryFrames);
    auto pixel = [&](int x, int y) {
      return Point{(form.ClientOffset().x - part.left + x) * look.scale + look.scale - 1,
                   (form.ClientOffset().y - part.top + y) * look.scale + look.scale - 1};
    };
    PushClick(d.Id(form), pixel(120, 10));  // the right box's corner
    EXPECT_TRUE(d.PumpUntil([&] { return right.HasFocus(); }));
    PushClick(d.Id(form), pixel(119, 10));  // between the boxes
    d.desktop.Wait(50);
    EXPECT_TRUE(right.HasFocus());
    PushClick(d.Id(form), pixel(109, 33));  // the left box's far corner
    EXPECT_TRUE(d.PumpUntil([&] { return left.HasFocus(); }));
  });
}

TEST_F(SystemWindows, ActivationFromTheSystemReachesTheForms) {
  Form first(d.desktop, "Primeiro");
  first.SetBounds(Rect::FromSize(40, 40, 200, 120));
  auto& firstBox = AddBox(first, "txtA", Rect::FromSize(8, 8, 120, 22));
  Form second(d.desktop, "Segundo");
  second.SetBounds(Rect::FromSize(300, 40, 200, 120));
  AddBox(second, "txtB", Rect::FromSize(8, 8, 120, 22));
  first.Show();
  second.Show();
  d.desktop.DoEvents();
  d.SettleSystemFocus(second);
  ASSERT_EQ(d.desktop.ActiveWindow(), &second);
  PushWindowEvent(d.Id(first), SDL_WINDOWEVENT_FOCUS_GAINED);
  EXPECT_TRUE(d.PumpUntil([&] { return d.desktop.ActiveWindow() == &first; }));
  EXPECT_TRUE(firstBox.HasFocus());
}

TEST_F(SystemWindows, AModalDialogBlocksItsOwnerAndClosesBackToIt) {
  Form owner(d.desktop, "Declaração");
  owner.SetBounds(Rect::FromSize(40, 40, 360, 220));
  auto& button = owner.Add<CommandButton>("cmdGravar", nullptr, "Gravar");
  button.SetBounds(Rect::FromSize(10, 10, 90, 26));
  int clicks = 0;
  button.Click.connect([&] { ++clicks; });
  owner.Show();
  Form dialog(d.desktop, "Confirmar");
  dialog.SetBounds(Rect::FromSize(120, 100, 240, 140));
  int clicksWhileModal = -1;
  bool activatedOwner = false;
  int systemWindows = 0;
  const Point onButton{button.Bounds().left + 20, button.Bounds().top + 10};
  auto step = 0;
  d.desktop.SetTimer(owner.hWnd(), 1, 100, [&](auto, auto) {
    switch (step++) {
      case 0:  // the user clicks the owner's button and activates the owner's window
        systemWindows = d.presenter->SystemWindowCount();
        PushClick(d.Id(owner), onButton);
        PushWindowEvent(d.Id(owner), SDL_WINDOWEVENT_FOCUS_GAINED);
        break;
      case 1:  // then closes the dialog with its close box
        clicksWhileModal = clicks;
        activatedOwner = d.desktop.ActiveWindow() == &owner;
        PushWindowEvent(d.Id(dialog), SDL_WINDOWEVENT_CLOSE);
        break;
      default:
        break;
    }
  });
  dialog.Show(vbModal);
  d.desktop.KillTimer(owner.hWnd(), 1);
  EXPECT_EQ(systemWindows, 2);
  EXPECT_EQ(clicksWhileModal, 0);
  EXPECT_FALSE(activatedOwner);
  EXPECT_FALSE(dialog.Visible());
  d.desktop.DoEvents();
  EXPECT_EQ(d.desktop.ActiveWindow(), &owner);
  EXPECT_EQ(d.presenter->SystemWindowCount(), 1);
  PushClick(d.Id(owner), onButton);
  EXPECT_TRUE(d.PumpUntil([&] { return clicks == 1; }));
}

TEST_F(SystemWindows, AMessageBoxIsAWindowOfItsOwnAndItsCloseBoxAnswers) {
  FormMessageBoxService boxes(d.desktop);
  Form owner(d.desktop, "Declaração");
  owner.SetBounds(Rect::FromSize(40, 40, 360, 220));
  owner.Show();
  d.desktop.DoEvents();
  int windowsWhileOpen = 0;
  Rect boxPlace;
  Rect systemPlace;
  d.desktop.SetTimer(owner.hWnd(), 1, 100, [&](auto hwnd, auto id) {
    d.desktop.KillTimer(hwnd, id);
    windowsWhileOpen = d.presenter->SystemWindowCount();
    const Window* box = d.desktop.ModalWindow();
    if (!box || !d.System(*box)) return;
    boxPlace = box->Bounds();
    systemPlace = SystemPlace(d.System(*box));
    PushWindowEvent(d.Id(*box), SDL_WINDOWEVENT_CLOSE);
  });
  const MessageBoxRequest request{"Anexo H", "Deseja gravar a declaração?",
                                  MessageBoxIcon::Question, MessageBoxButtons::YesNoCancel};
  EXPECT_EQ(boxes.Show(request), MessageBoxResult::Cancel);
  EXPECT_EQ(windowsWhileOpen, 2);
  // Inside the system's frame: the box's place less the classic border and caption.
  EXPECT_EQ(systemPlace, (Rect{boxPlace.left + kClassicFrame.left, boxPlace.top + kClassicFrame.top,
                              boxPlace.right - kClassicFrame.right,
                              boxPlace.bottom - kClassicFrame.bottom}));
  d.desktop.DoEvents();
  EXPECT_EQ(d.presenter->SystemWindowCount(), 1);
  // Where the keyboard goes once the box's window is destroyed is up to the X server's timing
  // when no window manager runs (a late focus-out can leave it on no window), so it is not
  // checked here; the hidden-form case is checked by the activation test.
}

TEST_F(SystemWindows, APopupMenuIsAWindowAndClosesWhenAnotherWindowIsClicked) {
  Form second(d.desktop, "Segundo");
  second.SetBounds(Rect::FromSize(400, 40, 240, 160));
  second.Show();
  Form first(d.desktop, "Primeiro");  // opens the menu
  first.SetBounds(Rect::FromSize(40, 40, 240, 160));
  first.Show();
  Menu menu("mnuEdit");
  menu.Add("mnuCopy", "&Copiar");
  menu.Add("mnuPaste", "C&olar");
  int windowsWhileOpen = 0;
  bool popupAbove = false;
  d.desktop.SetTimer(first.hWnd(), 1, 100, [&](auto hwnd, auto id) {
    d.desktop.KillTimer(hwnd, id);
    windowsWhileOpen = d.presenter->SystemWindowCount();
    const Window* level = d.desktop.ModalWindow();
    SDL_Window* system = level ? d.presenter->SystemWindowOf(*level) : nullptr;
    popupAbove = system && (SDL_GetWindowFlags(system) & SDL_WINDOW_ALWAYS_ON_TOP) != 0;
    PushClick(d.Id(second), {30, 30});
  });
  const auto start = std::chrono::steady_clock::now();
  Menu* chosen = d.desktop.PopupMenu(menu, nullptr, Point{60, 80});
  EXPECT_EQ(chosen, nullptr);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_EQ(windowsWhileOpen, 3);
  EXPECT_TRUE(popupAbove);
  d.desktop.DoEvents();
  EXPECT_EQ(d.presenter->SystemWindowCount(), 2);
}

TEST_F(SystemWindows, CloseBoxAndMinimiseGoToTheFormsOwnHandling) {
  Form form(d.desktop, "Anexo");
  form.SetBounds(Rect::FromSize(60, 60, 240, 140));
  bool refuse = true;
  std::vector<int> closeModes;
  form.QueryUnload.connect([&](bool& cancel, int mode) {
    closeModes.push_back(mode);
    cancel = refuse;
  });
  int resizes = 0;
  form.Resize.connect([&] { ++resizes; });
  form.Show();
  d.desktop.DoEvents();
  PushWindowEvent(d.Id(form), SDL_WINDOWEVENT_MINIMIZED);
  PushWindowEvent(d.Id(form), SDL_WINDOWEVENT_RESTORED);
  EXPECT_TRUE(d.PumpUntil([&] { return resizes == 2; }));
  PushWindowEvent(d.Id(form), SDL_WINDOWEVENT_CLOSE);
  d.PumpUntil([&] { return !closeModes.empty(); });
  EXPECT_TRUE(form.Visible());  // QueryUnload refused
  refuse = false;
  PushWindowEvent(d.Id(form), SDL_WINDOWEVENT_CLOSE);
  EXPECT_TRUE(d.PumpUntil([&] { return !form.Visible(); }));
  EXPECT_EQ(closeModes, (std::vector<int>{vbFormControlMenu, vbFormControlMenu}));
  d.desktop.DoEvents();
  EXPECT_EQ(d.presenter->SystemWindowCount(), 0);
}

TEST_F(SystemWindows, PresentsAtMostOncePerRefresh) {
  Form form(d.desktop, "Digitar");
  form.SetBounds(Rect::FromSize(40, 40, 260, 100));
  auto& box = AddBox(form, "txtValor", Rect::FromSize(8, 8, 200, 22));
  form.Show();
  d.SettleSystemFocus(form);
  box.SetFocus();
  const int before = d.presenter->Presents();
  const auto start = std::chrono::steady_clock::now();
  d.Type(form, std::string(50, '7'));
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - start);
  d.desktop.Wait(50);
  const int presents = d.presenter->Presents() - before;
  EXPECT_EQ(box.Text(), std::string(50, '7'));
  EXPECT_GE(presents, 1);  // the last state is shown
  // A display refresh is at least 1/240 s: never more presents than refreshes passed, plus the
  // one that was due at once.
  EXPECT_LE(presents, 2 + static_cast<int>((took.count() + 50) / 4));
  EXPECT_LT(presents, 50);
}

}  // namespace
}  // namespace qorvexctl::platform
