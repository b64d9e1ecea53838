#pragma once
// Turns SDL events into the desktop's raw input: mouse moves, presses (a second press is a
// double click), releases and wheel turns at screen pixels; key-downs and key-ups as virtual
// keys with the lock keys kept in step with the real keyboard; typed text as characters.
// Everything is queued on the desktop in the order it happened, so a typed character lands
// between its key's KeyDown and KeyUp.

#include <SDL.h>

namespace qorvexctl::platform {

class Desktop;

class SdlInputTranslator {
 public:
  explicit SdlInputTranslator(Desktop& desktop);

  // Queues the input of one event; returns false for events that are not input.
  bool Translate(const SDL_Event& event);

 private:
  void TranslateKey(const SDL_KeyboardEvent& key);
  void TranslateText(const char* utf8);
  void TranslateButton(const SDL_MouseButtonEvent& button);
  void TranslateWheel(const SDL_MouseWheelEvent& wheel);
  void SyncLockKeys(const SDL_Keysym& key, int virtualKey, bool down);

  Desktop& m_desktop;
  Uint16 m_modifiers{KMOD_NONE};  // as of the last key event
};

}  // namespace qorvexctl::platform
