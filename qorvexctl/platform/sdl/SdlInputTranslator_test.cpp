#include "qorvexctl/platform/sdl/SdlInputTranslator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/sdl/SdlKeys.h"
#include "qorvexctl/platform/widgets/CommandButton.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/TextBox.h"

namespace qorvexctl::platform {
namespace {

SDL_Event Key(SDL_Keycode sym, SDL_Scancode scancode, bool down, Uint16 mod = KMOD_NONE) {
  SDL_Event e{};
  e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.key.keysym.sym = sym;
  e.key.keysym.scancode = scancode;
  e.key.keysym.mod = mod;
  return e;
}

SDL_Event Text(const char* utf8) {
  SDL_Event e{};
  e.type = SDL_TEXTINPUT;
  SDL_strlcpy(e.text.text, utf8, sizeof e.text.text);
  return e;
}

SDL_Event Button(int x, int y, bool down, Uint8 clicks = 1) {
  SDL_Event e{};
  e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  e.button.button = SDL_BUTTON_LEFT;
  e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.button.clicks = clicks;
  e.button.x = x;
  e.button.y = y;
  return e;
}

// A text box that logs its key events and the wheel turns it receives.
class LoggingBox final : public TextBox {
 public:
  explicit LoggingBox(Window& parent) : TextBox(parent) {
    KeyDown.connect([this](int& k, int s) {
      log.push_back("down " + std::to_string(k) + "/" + std::to_string(s));
    });
    KeyPress.connect([this](int& a) { log.push_back("press " + std::to_string(a)); });
    KeyUp.connect([this](int& k, int) { log.push_back("up " + std::to_string(k)); });
  }
  LRESULT WindowProc(const Message& m) override {
    if (m.msg == WM_MOUSEWHEEL) log.push_back("wheel " + std::to_string(WheelDeltaOf(m.wParam)));
    return TextBox::WindowProc(m);
  }
  std::vector<std::string> log;
};

class SdlInputTranslatorTest : public ::testing::Test {
 protected:
  SdlInputTranslatorTest() {
    desktop.Keyboard().CharactersFromTextInput(true);
    form.SetBounds(Rect::FromSize(100, 100, 300, 200));
    box.SetBounds(Rect::FromSize(10, 10, 200, 24));
    button.SetBounds(Rect::FromSize(10, 60, 80, 24));
    form.Show();
    box.SetFocus();
  }
  void Feed(std::initializer_list<SDL_Event> events) {
    for (const SDL_Event& e : events) translator.Translate(e);
    desktop.DoEvents();
  }
  Point ScreenOf(Window& w) const { return w.ClientToScreen({5, 5}); }

  Desktop desktop;
  Form form{desktop, "Teclado"};
  LoggingBox& box = form.Add<LoggingBox>("txt");
  CommandButton& button = form.Add<CommandButton>("cmd", nullptr, "OK");
  SdlInputTranslator translator{desktop};
};

TEST_F(SdlInputTranslatorTest, ATypedKeyGivesKeyDownKeyPressKeyUpOnce) {
  Feed({Key(SDLK_a, SDL_SCANCODE_A, true), Text("a"), Key(SDLK_a, SDL_SCANCODE_A, false)});
  EXPECT_EQ(box.Text(), "a");
  EXPECT_EQ(box.log, (std::vector<std::string>{"down 65/0", "press 97", "up 65"}));
}

TEST_F(SdlInputTranslatorTest, TextOfAnyLayoutArrivesAsCharactersAndBackspaceEdits) {
  Feed({Text("Olá €"), Key(SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, true),
        Key(SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, false)});
  EXPECT_EQ(box.Text(), "Olá ");
  EXPECT_EQ(box.log.back(), "up 8");
}

TEST_F(SdlInputTranslatorTest, CtrlShortcutsDoNotTypeTheirLetter) {
  box.Text("123");
  Feed({Key(SDLK_LCTRL, SDL_SCANCODE_LCTRL, true, KMOD_LCTRL),
        Key(SDLK_a, SDL_SCANCODE_A, true, KMOD_LCTRL), Text("a"),
        Key(SDLK_a, SDL_SCANCODE_A, false, KMOD_LCTRL),
        Key(SDLK_LCTRL, SDL_SCANCODE_LCTRL, false)});
  EXPECT_EQ(box.Text(), "123");
  EXPECT_EQ(box.log[1], "down 65/2");
  EXPECT_EQ(box.log[2], "press 1");  // the classic Ctrl+A control code
}

TEST_F(SdlInputTranslatorTest, LockKeysFollowTheRealKeyboard) {
  desktop.Keyboard().NumLock(true);
  Feed({Key(SDLK_x, SDL_SCANCODE_X, true, KMOD_CAPS),
        Key(SDLK_x, SDL_SCANCODE_X, false, KMOD_CAPS)});
  EXPECT_FALSE(desktop.Keyboard().NumLock());
  EXPECT_TRUE(desktop.Keyboard().CapsLock());
  // The lock key's own press reports the state after it; routing it toggles once.
  Feed({Key(SDLK_NUMLOCKCLEAR, SDL_SCANCODE_NUMLOCKCLEAR, true, KMOD_NUM | KMOD_CAPS)});
  EXPECT_TRUE(desktop.Keyboard().NumLock());
}

TEST_F(SdlInputTranslatorTest, PressesClicksDoubleClicksAndWheelReachTheirWindows) {
  int clicks = 0;
  int doubleClicks = 0;
  button.Click.connect([&] { ++clicks; });
  box.DblClick.connect([&] { ++doubleClicks; });
  const Point b = ScreenOf(button);
  Feed({Button(b.x, b.y, true), Button(b.x, b.y, false)});
  EXPECT_EQ(clicks, 1);
  const Point t = ScreenOf(box);
  Feed({Button(t.x, t.y, true, 1), Button(t.x, t.y, false, 1), Button(t.x, t.y, true, 2),
        Button(t.x, t.y, false, 2)});
  EXPECT_EQ(doubleClicks, 1);
  EXPECT_TRUE(box.HasFocus());
  SDL_Event wheel{};
  wheel.type = SDL_MOUSEWHEEL;
  wheel.wheel.y = -2;
  Feed({wheel});
  EXPECT_EQ(box.log.back(), "wheel -240");
}

TEST(SdlKeys, MapsSymbolsPositionsAndTheKeypad) {
  const auto vk = [](SDL_Keycode sym, SDL_Scancode sc, Uint16 mod = KMOD_NONE) {
    SDL_Keysym key{};
    key.sym = sym;
    key.scancode = sc;
    key.mod = mod;
    return VirtualKeyOf(key);
  };
  EXPECT_EQ(vk(SDLK_q, SDL_SCANCODE_A), 'Q');  // letters follow the layout
  EXPECT_EQ(vk(SDLK_7, SDL_SCANCODE_7), '7');
  EXPECT_EQ(vk(SDLK_AMPERSAND, SDL_SCANCODE_1), '1');  // a digit row without digits
  EXPECT_EQ(vk(SDLK_F4, SDL_SCANCODE_F4), vbKeyF4);
  EXPECT_EQ(vk(SDLK_DELETE, SDL_SCANCODE_DELETE), vbKeyDelete);
  EXPECT_EQ(vk(0xE7 /* ç */, SDL_SCANCODE_SEMICOLON), 186);  // punctuation by position
  EXPECT_EQ(vk(SDLK_KP_1, SDL_SCANCODE_KP_1, KMOD_NUM), vbKeyNumpad0 + 1);
  EXPECT_EQ(vk(SDLK_KP_1, SDL_SCANCODE_KP_1), vbKeyEnd);
  EXPECT_EQ(vk(SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, KMOD_NUM), vbKeyDecimal);
  EXPECT_EQ(vk(SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD), vbKeyDelete);
  EXPECT_EQ(vk(SDLK_RCTRL, SDL_SCANCODE_RCTRL), vbKeyControl);
  EXPECT_EQ(vk(SDLK_MUTE, SDL_SCANCODE_MUTE), 0);
}

}  // namespace
}  // namespace qorvexctl::platform
