#include "qorvexctl/platform/desktop/Desktop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qorvexctl/platform/desktop/Menu.h"
#include "qorvexctl/platform/desktop/SendKeys.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/CommandButton.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Label.h"
#include "qorvexctl/platform/widgets/TextBox.h"

namespace qorvexctl::platform {
namespace {

using Log = std::vector<std::string>;

TEST(DesktopTimers, FiftyMillisecondTimerFiresTwentyTimesInOneVirtualSecond) {
  Desktop desktop;
  int ticks = 0;
  desktop.SetTimer(0, 7, 50, [&](HWND, std::uintptr_t id) {
    EXPECT_EQ(id, 7u);
    ++ticks;
  });
  desktop.Wait(1000);
  EXPECT_EQ(ticks, 20);
  EXPECT_EQ(desktop.NowMs(), 1000);
}

TEST(DesktopTimers, DueTimersFireInTimeOrderAndKillTimerStopsThem) {
  Desktop desktop;
  Log log;
  Form form(desktop);
  desktop.SetTimer(form.hWnd(), 1, 30, [&](HWND, std::uintptr_t) { log.push_back("30"); });
  desktop.SetTimer(form.hWnd(), 2, 20, [&](HWND h, std::uintptr_t id) {
    log.push_back("20");
    desktop.KillTimer(h, id);
  });
  desktop.Wait(65);
  EXPECT_EQ(log, (Log{"20", "30", "30"}));
}

TEST(DesktopTimers, TimersOfADestroyedWindowStop) {
  Desktop desktop;
  int ticks = 0;
  {
    Form form(desktop);
    desktop.SetTimer(form.hWnd(), 1, 10, [&](HWND, std::uintptr_t) { ++ticks; });
    desktop.Wait(25);
  }
  desktop.Wait(100);
  EXPECT_EQ(ticks, 2);
}

TEST(DesktopTimers, WaitInsideATimerDoesNotReenterThatTimer) {
  Desktop desktop;
  int depth = 0, maxDepth = 0, ticks = 0;
  desktop.SetTimer(0, 1, 10, [&](HWND, std::uintptr_t) {
    ++ticks;
    maxDepth = std::max(maxDepth, ++depth);
    desktop.Wait(25);
    --depth;
  });
  desktop.Wait(100);
  EXPECT_EQ(maxDepth, 1);
  EXPECT_GE(ticks, 3);
}

TEST(DesktopMessages, PostedMessagesArriveInOrderOnDoEvents) {
  Desktop desktop;
  struct Recorder : Window {
    using Window::Window;
    Log log;
    LRESULT WindowProc(const Message& m) override {
      log.push_back(std::to_string(m.msg) + ":" + std::to_string(m.wParam));
      return 0;
    }
  } w(desktop);
  desktop.PostMessage(w.hWnd(), WM_KEYDOWN, 37, KeyMessageLParam(37));
  desktop.PostMessage(w.hWnd(), WM_USER, 5);
  EXPECT_TRUE(w.log.empty());
  EXPECT_EQ(desktop.SendMessage(w.hWnd(), WM_USER + 1, 9), 0);
  desktop.DoEvents();
  EXPECT_EQ(w.log, (Log{"1025:9", "256:37", "1024:5"}));
  EXPECT_EQ(KeyMessageLParam(37), 0x4B0001);
}

struct FocusFixture : ::testing::Test {
  Desktop desktop;
  Form form{desktop, "Focos"};
  TextBox& a = form.Add<TextBox>("A");
  TextBox& b = form.Add<TextBox>("B");
  TextBox& c = form.Add<TextBox>("C");
  Log log;

  FocusFixture() {
    form.SetBounds(Rect::FromSize(100, 100, 300, 200));
    a.SetBounds(Rect::FromSize(10, 10, 80, 20));
    b.SetBounds(Rect::FromSize(10, 40, 80, 20));
    c.SetBounds(Rect::FromSize(10, 70, 80, 20));
    a.TabIndex(2);
    b.TabIndex(0);
    c.TabIndex(1);
    for (TextBox* t : {&a, &b, &c}) {
      t->GotFocus.connect([this, t] { log.push_back(t->Name() + " got"); });
      t->LostFocus.connect([this, t] { log.push_back(t->Name() + " lost"); });
    }
    form.Show();
  }
};

TEST_F(FocusFixture, ShowingAFormFocusesTheFirstTabStop) {
  EXPECT_EQ(desktop.Focus(), &b);
  EXPECT_EQ(log, (Log{"B got"}));
}

TEST_F(FocusFixture, TabFollowsTabIndexAndSkipsDisabledHiddenAndNonStops) {
  log.clear();
  desktop.Input().SendKeys("{TAB}");
  EXPECT_EQ(desktop.Focus(), &c);
  EXPECT_EQ(log, (Log{"B lost", "C got"}));
  a.Enabled(false);
  desktop.Input().SendKeys("{TAB}");
  EXPECT_EQ(desktop.Focus(), &b);
  desktop.Input().PressKey(vbKeyTab, vbShiftMask);
  EXPECT_EQ(desktop.Focus(), &c);
  a.Enabled(true);
  c.TabStop(false);
  b.Visible(false);
  desktop.Input().SendKeys("{TAB}");
  EXPECT_EQ(desktop.Focus(), &a);
}

TEST_F(FocusFixture, ClickingAControlFocusesItAndHidingItMovesTheFocusOn) {
  desktop.Input().Click(a);
  EXPECT_EQ(desktop.Focus(), &a);
  a.Visible(false);
  EXPECT_NE(desktop.Focus(), &a);
  EXPECT_TRUE(desktop.Focus() == &b || desktop.Focus() == &c);
}

// Disabling the focused window moves no focus and raises no focus event; while disabled it
// gets no keys, and once enabled again it types as before.
TEST_F(FocusFixture, ADisabledFocusedWindowKeepsTheFocusAndGetsNoKeys) {
  log.clear();
  b.Enabled(false);
  EXPECT_EQ(desktop.Focus(), &b);
  desktop.Input().SendKeys("x{TAB}");
  EXPECT_EQ(desktop.Focus(), &b);
  EXPECT_EQ(b.Text(), "");
  b.Enabled(true);
  desktop.Input().SendKeys("y");
  EXPECT_EQ(b.Text(), "y");
  EXPECT_EQ(log, Log{});
}

TEST_F(FocusFixture, MouseCaptureSendsEventsToTheCapturingWindow) {
  std::vector<float> moves;
  a.MouseMove.connect([&](int, int, float x, float) { moves.push_back(x); });
  desktop.SetCapture(a.hWnd());
  desktop.Input().MoveTo(c, Point{5, 5});
  EXPECT_EQ(moves.size(), 1u);
  // c's client point (5,5) is a's (5, 65): in twips.
  EXPECT_FLOAT_EQ(moves[0], 75.0f);
  EXPECT_EQ(desktop.GetCursorPos(), c.ClientToScreen({5, 5}));
  desktop.ReleaseCapture();
  desktop.Input().MoveTo(c, Point{5, 5});
  EXPECT_EQ(moves.size(), 1u);
  EXPECT_EQ(desktop.WindowFromPoint(c.ClientToScreen({5, 5})), &c);
  EXPECT_EQ(c.ScreenToClient(c.ClientToScreen({3, 4})), (Point{3, 4}));
}

TEST_F(FocusFixture, KeyPreviewLetsTheFormSeeAndCancelKeysFirst) {
  form.KeyPreview(true);
  form.KeyPress.connect([](int& ascii) {
    if (ascii == 'x') ascii = 0;
  });
  desktop.Input().Type("axb");
  EXPECT_EQ(b.Text(), "ab");
}

TEST_F(FocusFixture, EnterAndEscapePressTheDefaultAndCancelButtonsAndAltPressesAccessKeys) {
  CommandButton& ok = form.Add<CommandButton>("ok", nullptr, "&OK");
  CommandButton& cancel = form.Add<CommandButton>("cancel", nullptr, "Cancelar");
  Label& label = form.Add<Label>("lbl", nullptr, "&Nome");
  label.TabIndex(1);  // before c (TabIndex 1 too, created earlier) ... and a (2)
  ok.TabStop(false);
  cancel.TabStop(false);
  Log clicks;
  ok.Click.connect([&] { clicks.push_back("ok"); });
  cancel.Click.connect([&] { clicks.push_back("cancel"); });
  int entersInBox = 0;
  b.KeyPress.connect([&](int& ascii) { entersInBox += ascii == 13; });
  desktop.Input().SendKeys("~");
  EXPECT_EQ(entersInBox, 1);  // no default button yet: the text box gets Enter
  ok.Default(true);
  cancel.Cancel(true);
  desktop.Input().SendKeys("~{ESC}");
  EXPECT_EQ(clicks, (Log{"ok", "cancel"}));
  EXPECT_EQ(entersInBox, 1);
  desktop.Input().PressKey('O', vbAltMask);
  EXPECT_EQ(clicks.back(), "ok");
  EXPECT_EQ(desktop.Focus(), &ok);
  desktop.Input().PressKey('N', vbAltMask);
  EXPECT_EQ(desktop.Focus(), &a);  // the first tab stop after the label's TabIndex
}

TEST(DesktopModal, ModalFormWithoutScriptClosesAsCancelled) {
  Desktop desktop;
  Form dialog(desktop, "Seleccionar");
  int unloadModes = -1;
  dialog.QueryUnload.connect([&](bool&, int mode) { unloadModes = mode; });
  dialog.Show(vbModal);
  EXPECT_FALSE(dialog.Visible());
  EXPECT_EQ(unloadModes, vbFormControlMenu);
  ASSERT_EQ(desktop.Scripts().Log().size(), 1u);
  EXPECT_EQ(desktop.Scripts().Log()[0].title, "Seleccionar");
  EXPECT_TRUE(desktop.Scripts().Log()[0].cancelled);
  EXPECT_FALSE(desktop.Scripts().Log()[0].scripted);
}

TEST(DesktopModal, ScriptedModalTypesAndClosesAndNestedModalsUnwind) {
  Desktop desktop;
  Form outer(desktop, "Exterior");
  TextBox& box = outer.Add<TextBox>("Nome");
  Form inner(desktop, "Interior");
  Log log;
  desktop.Scripts().OnModalForm("Exterior", [&](Window&) {
    desktop.Input().Type("Ana");
    inner.Show(vbModal);  // no script for it: cancelled
    log.push_back("inner closed " + std::to_string(desktop.ModalDepth()));
    desktop.Wait(100);
    outer.Hide();
  });
  outer.Show(vbModal);
  log.push_back("outer closed " + std::to_string(desktop.ModalDepth()));
  EXPECT_EQ(box.Text(), "Ana");
  EXPECT_EQ(log, (Log{"inner closed 1", "outer closed 0"}));
  ASSERT_EQ(desktop.Scripts().Log().size(), 2u);
  EXPECT_TRUE(desktop.Scripts().Log()[0].cancelled);   // inner
  EXPECT_FALSE(desktop.Scripts().Log()[1].cancelled);  // outer, closed by its script
}

TEST(DesktopModal, ModalFormBlocksInputToOtherForms) {
  Desktop desktop;
  Form main(desktop, "Principal");
  TextBox& mainBox = main.Add<TextBox>("T");
  mainBox.SetBounds(Rect::FromSize(0, 0, 50, 20));
  main.Show();
  Form dialog(desktop, "Dialogo");
  dialog.SetBounds(Rect::FromSize(500, 400, 200, 100));
  desktop.Scripts().OnModalForm("", [&](Window&) {
    desktop.Input().Click(mainBox);
    desktop.Input().Type("x");
  });
  dialog.Show(vbModal);
  EXPECT_EQ(mainBox.Text(), "");
}

TEST(DesktopModal, AModalOpenedByAClickTakesTheMouseFromTheClickedButton) {
  Desktop desktop;
  Form main(desktop, "Principal");
  CommandButton& open = main.Add<CommandButton>("cmdAbrir");
  open.SetBounds(Rect::FromSize(0, 0, 80, 24));
  main.Show();
  Form dialog(desktop, "Dialogo");
  dialog.SetBounds(Rect::FromSize(300, 200, 200, 100));
  CommandButton& ok = dialog.Add<CommandButton>("cmdOK");
  ok.SetBounds(Rect::FromSize(10, 10, 80, 24));
  bool okClicked = false;
  ok.Click.connect([&] {
    okClicked = true;
    dialog.Hide();
  });
  open.Click.connect([&] { dialog.Show(vbModal); });
  desktop.Scripts().OnModalForm("Dialogo", [&](Window&) { desktop.Input().Click(ok); });
  desktop.Input().Click(open);
  EXPECT_TRUE(okClicked);
  EXPECT_FALSE(desktop.Scripts().Log().back().cancelled);
}

TEST(DesktopModal, AQueryUnloadThatRefusesDoesNotHang) {
  Desktop desktop;
  Form dialog(desktop, "Teimoso");
  dialog.QueryUnload.connect([](bool& cancel, int) { cancel = true; });
  dialog.Show(vbModal);
  EXPECT_TRUE(dialog.Visible());
  EXPECT_EQ(desktop.ModalDepth(), 0);
}

TEST(SendKeysNotation, ParsesNamedKeysModifiersGroupsAndRepeats) {
  EXPECT_EQ(ParseSendKeys("{BS},"), (std::vector<KeyStroke>{{vbKeyBack, 0, 0}, {188, 0, 0}}));
  EXPECT_EQ(ParseSendKeys("+{TAB}~"),
            (std::vector<KeyStroke>{{vbKeyTab, vbShiftMask, 0}, {vbKeyReturn, 0, 0}}));
  EXPECT_EQ(ParseSendKeys("^(ac)"),
            (std::vector<KeyStroke>{{'A', vbCtrlMask, 0}, {'C', vbCtrlMask, 0}}));
  EXPECT_EQ(ParseSendKeys("{LEFT 3}").size(), 3u);
  EXPECT_EQ(ParseSendKeys("{+}A€"),
            (std::vector<KeyStroke>{{187, vbShiftMask, 0}, {'A', vbShiftMask, 0}, {0, 0, U'€'}}));
  EXPECT_TRUE(ParseSendKeys("{NOPE}").empty());
  EXPECT_TRUE(ParseSendKeys("{BS").empty());
  EXPECT_TRUE(ParseSendKeys("+(ab").empty());
}

TEST(DesktopKeyboard, NumLockTogglesAndDecidesWhatTheKeypadTypes) {
  Desktop desktop;
  Form form(desktop);
  TextBox& box = form.Add<TextBox>("T");
  form.Show();
  EXPECT_TRUE(desktop.Keyboard().NumLock());
  desktop.Input().PressKey(vbKeyNumpad0 + 7);
  desktop.Input().PressKey(vbKeyNumlock);
  EXPECT_FALSE(desktop.Keyboard().NumLock());
  desktop.Input().PressKey(vbKeyNumpad0 + 8);
  desktop.Keyboard().NumLock(true);
  desktop.Input().PressKey(vbKeyNumpad0 + 9);
  EXPECT_EQ(box.Text(), "79");
}

}  // namespace
}  // namespace qorvexctl::platform

namespace qorvexctl::platform {
namespace {

// Two forms of which the second covers part of the first, as a window manager may stack their
// system windows the other way round.
struct TwoForms {
  Desktop desktop;
  Form first{desktop, "Primeiro"};
  Form second{desktop, "Segundo"};
  TextBox& firstBox = first.Add<TextBox>("txtA");
  TextBox& secondBox = second.Add<TextBox>("txtB");

  TwoForms() {
    first.SetBounds(Rect::FromSize(20, 20, 300, 200));
    firstBox.SetBounds(Rect::FromSize(10, 10, 200, 24));
    second.SetBounds(Rect::FromSize(60, 20, 300, 200));
    secondBox.SetBounds(Rect::FromSize(10, 60, 200, 24));
    first.Show();
    second.Show();
  }
};

TEST(DesktopSystemWindows, PointerInputGoesToTheWindowItNames) {
  TwoForms f;
  const Point underBoth = f.firstBox.ClientToScreen({150, 10});
  const struct {
    HWND window;
    TextBox* focused;
  } cases[] = {{0, nullptr}, {f.first.hWnd(), &f.firstBox}, {f.second.hWnd(), nullptr}};
  for (const auto& c : cases) {
    f.secondBox.SetFocus();
    for (auto kind : {InputEvent::Kind::MouseDown, InputEvent::Kind::MouseUp}) {
      f.desktop.PostInput(
          {.kind = kind, .screen = underBoth, .button = vbLeftButton, .window = c.window});
    }
    f.desktop.DoEvents();
    EXPECT_EQ(f.firstBox.HasFocus(), c.focused == &f.firstBox) << c.window;
    EXPECT_EQ(f.desktop.ActiveWindow(), c.focused ? &f.first : &f.second) << c.window;
  }
}

TEST(DesktopSystemWindows, ActivationFromTheSystem) {
  TwoForms f;
  f.desktop.ActivateFromSystem(&f.first);
  EXPECT_EQ(f.desktop.ActiveWindow(), &f.first);
  EXPECT_TRUE(f.firstBox.HasFocus());
  f.desktop.ActivateFromSystem(nullptr);  // another application's window
  EXPECT_EQ(f.desktop.ActiveWindow(), nullptr);
  f.desktop.ActivateFromSystem(&f.second);
  EXPECT_EQ(f.desktop.ActiveWindow(), &f.second);

  // A modal form keeps the activation.
  Form dialog(f.desktop, "Dialogo");
  Window* activeInModal = nullptr;
  f.desktop.Scripts().OnModalForm("", [&](Window&) {
    f.desktop.ActivateFromSystem(&f.first);
    activeInModal = f.desktop.ActiveWindow();
  });
  dialog.Show(vbModal);
  EXPECT_EQ(activeInModal, &dialog);

  // An open popup menu closes unchosen; the activation follows once it has.
  Menu menu("mnuEdit");
  Menu& copy = menu.Add("mnuCopy", "&Copiar");
  f.desktop.ActivateFromSystem(&f.second);  // the focus is in it already
  ASSERT_EQ(f.desktop.ActiveWindow(), &f.second);
  f.desktop.Scripts().OnPopupMenu([&](Menu&) {
    f.desktop.ActivateFromSystem(&f.first);
    return &copy;
  });
  EXPECT_EQ(f.desktop.PopupMenu(menu, nullptr, Point{100, 100}), nullptr);
  f.desktop.DoEvents();
  EXPECT_EQ(f.desktop.ActiveWindow(), &f.first);
}

}  // namespace
}  // namespace qorvexctl::platform
