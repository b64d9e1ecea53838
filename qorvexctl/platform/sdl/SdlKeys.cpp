#include "qorvexctl/platform/sdl/SdlKeys.h"

#include <array>
#include <utility>

#include "qorvexctl/platform/desktop/Messages.h"

namespace qorvexctl::platform {
namespace {

constexpr int kVkClear = 12;

constexpr std::array<std::pair<SDL_Keycode, int>, 30> kNamedKeys = {{
    {SDLK_BACKSPACE, vbKeyBack},
    {SDLK_TAB, vbKeyTab},
    {SDLK_RETURN, vbKeyReturn},
    {SDLK_KP_ENTER, vbKeyReturn},
    {SDLK_ESCAPE, vbKeyEscape},
    {SDLK_SPACE, vbKeySpace},
    {SDLK_PAGEUP, vbKeyPageUp},
    {SDLK_PAGEDOWN, vbKeyPageDown},
    {SDLK_END, vbKeyEnd},
    {SDLK_HOME, vbKeyHome},
    {SDLK_LEFT, vbKeyLeft},
    {SDLK_UP, vbKeyUp},
    {SDLK_RIGHT, vbKeyRight},
    {SDLK_DOWN, vbKeyDown},
    {SDLK_INSERT, vbKeyInsert},
    {SDLK_DELETE, vbKeyDelete},
    {SDLK_PRINTSCREEN, vbKeySnapshot},
    {SDLK_PAUSE, 19},
    {SDLK_LSHIFT, vbKeyShift},
    {SDLK_RSHIFT, vbKeyShift},
    {SDLK_LCTRL, vbKeyControl},
    {SDLK_RCTRL, vbKeyControl},
    {SDLK_LALT, vbKeyMenu},
    {SDLK_RALT, vbKeyMenu},
    {SDLK_CAPSLOCK, vbKeyCapital},
    {SDLK_NUMLOCKCLEAR, vbKeyNumlock},
    {SDLK_SCROLLLOCK, 145},
    {SDLK_KP_MULTIPLY, vbKeyMultiply},
    {SDLK_KP_PLUS, vbKeyAdd},
    {SDLK_KP_MINUS, vbKeySubtract},
}};

// Punctuation by position (the US layout's OEM key codes).
constexpr std::array<std::pair<SDL_Scancode, int>, 12> kPunctuationKeys = {{
    {SDL_SCANCODE_SEMICOLON, 186},
    {SDL_SCANCODE_EQUALS, 187},
    {SDL_SCANCODE_COMMA, 188},
    {SDL_SCANCODE_MINUS, 189},
    {SDL_SCANCODE_PERIOD, 190},
    {SDL_SCANCODE_SLASH, 191},
    {SDL_SCANCODE_GRAVE, 192},
    {SDL_SCANCODE_LEFTBRACKET, 219},
    {SDL_SCANCODE_BACKSLASH, 220},
    {SDL_SCANCODE_RIGHTBRACKET, 221},
    {SDL_SCANCODE_APOSTROPHE, 222},
    {SDL_SCANCODE_NONUSBACKSLASH, 226},
}};

// Keypad 0..9 and the decimal point without Num Lock.
constexpr std::array<int, 10> kKeypadNavigation = {
    vbKeyInsert, vbKeyEnd,   vbKeyDown, vbKeyPageDown, vbKeyLeft,
    kVkClear,    vbKeyRight, vbKeyHome, vbKeyUp,       vbKeyPageUp};

int KeypadKey(SDL_Keycode sym, bool numLock) {
  if (sym == SDLK_KP_DIVIDE) return vbKeyDivide;
  if (sym == SDLK_KP_PERIOD || sym == SDLK_KP_DECIMAL) return numLock ? vbKeyDecimal : vbKeyDelete;
  const int digit = sym == SDLK_KP_0                         ? 0
                    : (sym >= SDLK_KP_1 && sym <= SDLK_KP_9) ? static_cast<int>(sym - SDLK_KP_1) + 1
                                                             : -1;
  if (digit < 0) return 0;
  return numLock ? vbKeyNumpad0 + digit : kKeypadNavigation[static_cast<std::size_t>(digit)];
}

}  // namespace

int VirtualKeyOf(const SDL_Keysym& key) {
  const SDL_Keycode sym = key.sym;
  if (sym >= SDLK_a && sym <= SDLK_z) return vbKeyA + static_cast<int>(sym - SDLK_a);
  if (sym >= SDLK_0 && sym <= SDLK_9) return vbKey0 + static_cast<int>(sym - SDLK_0);
  if (sym >= SDLK_F1 && sym <= SDLK_F12) return vbKeyF1 + static_cast<int>(sym - SDLK_F1);
  for (const auto& [code, vk] : kNamedKeys) {
    if (code == sym) return vk;
  }
  if (const int keypad = KeypadKey(sym, (key.mod & KMOD_NUM) != 0)) return keypad;
  for (const auto& [scancode, vk] : kPunctuationKeys) {
    if (scancode == key.scancode) return vk;
  }
  // The digit row of layouts whose symbols there are not digits.
  if (key.scancode >= SDL_SCANCODE_1 && key.scancode <= SDL_SCANCODE_9) {
    return vbKey0 + 1 + static_cast<int>(key.scancode - SDL_SCANCODE_1);
  }
  return key.scancode == SDL_SCANCODE_0 ? vbKey0 : 0;
}

}  // namespace qorvexctl::platform
