#include "qorvexctl/platform/sdl/SdlInputTranslator.h"

#include "qorvexctl/base/Text.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/sdl/SdlKeys.h"

namespace qorvexctl::platform {
namespace {

int ButtonOf(Uint8 sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT:
      return vbLeftButton;
    case SDL_BUTTON_RIGHT:
      return vbRightButton;
    case SDL_BUTTON_MIDDLE:
      return vbMiddleButton;
    default:
      return 0;
  }
}

// Text typed while Ctrl or the left Alt is held is a shortcut, not text (AltGr still types).
bool IsShortcutChord(Uint16 modifiers) {
  if (modifiers & KMOD_RALT) return false;
  return (modifiers & (KMOD_CTRL | KMOD_LALT)) != 0;
}

}  // namespace

SdlTextInput::SdlTextInput(Desktop& desktop) : m_desktop(desktop) {
  desktop.Keyboard().CharactersFromTextInput(true);
  SDL_StartTextInput();
}

SdlTextInput::~SdlTextInput() {
  m_desktop.Keyboard().CharactersFromTextInput(false);
  SDL_StopTextInput();
}

SdlInputTranslator::SdlInputTranslator(Desktop& desktop) : m_desktop(desktop) {}

bool SdlInputTranslator::Translate(const SDL_Event& event) {
  switch (event.type) {
    case SDL_MOUSEMOTION:
      PostPointer({.kind = InputEvent::Kind::MouseMove}, event.motion.windowID,
                  {event.motion.x, event.motion.y});
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      TranslateButton(event.button);
      return true;
    case SDL_MOUSEWHEEL:
      TranslateWheel(event.wheel);
      return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      TranslateKey(event.key);
      return true;
    case SDL_TEXTINPUT:
      TranslateText(event.text.text);
      return true;
    default:
      return false;
  }
}

void SdlInputTranslator::TranslateButton(const SDL_MouseButtonEvent& button) {
  const int which = ButtonOf(button.button);
  if (which == 0) return;
  InputEvent input{.kind = InputEvent::Kind::MouseUp, .button = which};
  if (button.state == SDL_PRESSED) {
    // Every second press of a series is a double click, as the classic desktop counts them.
    const bool second = button.clicks >= 2 && button.clicks % 2 == 0;
    input.kind = second ? InputEvent::Kind::MouseDoubleClick : InputEvent::Kind::MouseDown;
  }
  PostPointer(input, button.windowID, {button.x, button.y});
}

void SdlInputTranslator::TranslateWheel(const SDL_MouseWheelEvent& wheel) {
  int notches = wheel.y;
  if (wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
  if (notches == 0) return;
  PostPointer({.kind = InputEvent::Kind::MouseWheel, .wheelDelta = notches * kWheelDelta},
              wheel.windowID, {wheel.mouseX, wheel.mouseY});
}

void SdlInputTranslator::PostPointer(InputEvent event, std::uint32_t windowId, Point pixel) {
  event.screen = pixel;
  if (m_placer) m_placer(windowId, pixel, event);
  m_desktop.PostInput(event);
}

void SdlInputTranslator::TranslateKey(const SDL_KeyboardEvent& key) {
  m_modifiers = key.keysym.mod;
  const int virtualKey = VirtualKeyOf(key.keysym);
  const bool down = key.state == SDL_PRESSED;
  SyncLockKeys(key.keysym, virtualKey, down);
  if (virtualKey == 0) return;
  m_desktop.PostInput(
      {.kind = down ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp, .keyCode = virtualKey});
}

// Sets Num Lock and Caps Lock as the real keyboard has them, just before the key is routed. A
// lock key's own press toggles the state when it is routed, so it is set to the state before.
void SdlInputTranslator::SyncLockKeys(const SDL_Keysym& key, int virtualKey, bool down) {
  bool numLock = (key.mod & KMOD_NUM) != 0;
  bool capsLock = (key.mod & KMOD_CAPS) != 0;
  if (down && virtualKey == vbKeyNumlock) numLock = !numLock;
  if (down && virtualKey == vbKeyCapital) capsLock = !capsLock;
  Desktop& desktop = m_desktop;
  desktop.Post([&desktop, numLock, capsLock] {
    desktop.Keyboard().NumLock(numLock);
    desktop.Keyboard().CapsLock(capsLock);
  });
}

void SdlInputTranslator::TranslateText(const char* utf8) {
  if (IsShortcutChord(m_modifiers)) return;
  for (char32_t c : DecodeUtf8(utf8)) {
    m_desktop.PostInput({.kind = InputEvent::Kind::Char, .character = c});
  }
}

}  // namespace qorvexctl::platform
