#pragma once
// SDL events a test pushes at a window, as the user and the window manager would produce them.

#include <SDL.h>

#include <cstdint>

#include "qorvexctl/platform/drawing/Geometry.h"

namespace qorvexctl::platform::sdltest {

inline void PushButton(std::uint32_t window, Point at, bool down) {
  SDL_Event e{};
  e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  e.button.windowID = window;
  e.button.button = SDL_BUTTON_LEFT;
  e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.button.clicks = 1;
  e.button.x = at.x;
  e.button.y = at.y;
  SDL_PushEvent(&e);
}

inline void PushClick(std::uint32_t window, Point at) {
  PushButton(window, at, true);
  PushButton(window, at, false);
}

inline void PushText(std::uint32_t window, const char* utf8) {
  SDL_Event e{};
  e.type = SDL_TEXTINPUT;
  e.text.windowID = window;
  SDL_strlcpy(e.text.text, utf8, sizeof e.text.text);
  SDL_PushEvent(&e);
}

inline void PushKey(std::uint32_t window, SDL_Keycode sym, SDL_Scancode scancode) {
  for (bool down : {true, false}) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.windowID = window;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = sym;
    e.key.keysym.scancode = scancode;
    e.key.keysym.mod = KMOD_NUM;
    SDL_PushEvent(&e);
  }
}

inline void PushWindowEvent(std::uint32_t window, SDL_WindowEventID what) {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.windowID = window;
  e.window.event = what;
  SDL_PushEvent(&e);
}

}  // namespace qorvexctl::platform::sdltest
