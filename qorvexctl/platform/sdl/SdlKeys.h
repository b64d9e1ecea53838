#pragma once
// SDL key symbols to the classic virtual-key codes the desktop routes. Letters and digits
// follow the symbol (so the letters of any layout keep their names); punctuation follows the
// key's position, as the US layout names it; the keypad gives digits with Num Lock on and the
// navigation keys with it off.

#include <SDL.h>

namespace qorvexctl::platform {

// The virtual-key code of a key, or 0 for keys the desktop has no code for.
int VirtualKeyOf(const SDL_Keysym& key);

}  // namespace qorvexctl::platform
