#pragma once
// Turns SDL events into the desktop's raw input: mouse moves, presses (a second press is a
// double click), releases and wheel turns at screen pixels; key-downs and key-ups as virtual
// keys with the lock keys kept in step with the real keyboard; typed text as characters.
// Everything is queued on the desktop in the order it happened, so a typed character lands
// between its key's KeyDown and KeyUp.

#include <SDL.h>

#include <cstdint>
#include <functional>

#include "qorvexctl/platform/desktop/InputEvent.h"

namespace qorvexctl::platform {

class Desktop;

// While it lives, typed text comes from SDL's text input (so any layout, dead keys and the euro
// sign work) and key-downs make only the control characters.
class SdlTextInput {
 public:
  explicit SdlTextInput(Desktop& desktop);
  ~SdlTextInput();
  SdlTextInput(const SdlTextInput&) = delete;
  SdlTextInput& operator=(const SdlTextInput&) = delete;

 private:
  Desktop& m_desktop;
};

class SdlInputTranslator {
 public:
  explicit SdlInputTranslator(Desktop& desktop);

  // Queues the input of one event; returns false for events that are not input.
  bool Translate(const SDL_Event& event);

  // Sets a pointer event's screen point (and top-level window) from the SDL window it happened
  // in and the pixel in it. Without one, the pixel is the screen point.
  using PointerPlacer = std::function<void(std::uint32_t windowId, Point pixel, InputEvent&)>;
  void PlacePointerWith(PointerPlacer placer) { m_placer = std::move(placer); }

 private:
  void TranslateKey(const SDL_KeyboardEvent& key);
  void TranslateText(const char* utf8);
  void TranslateButton(const SDL_MouseButtonEvent& button);
  void TranslateWheel(const SDL_MouseWheelEvent& wheel);
  void SyncLockKeys(const SDL_Keysym& key, int virtualKey, bool down);
  void PostPointer(InputEvent event, std::uint32_t windowId, Point pixel);

  Desktop& m_desktop;
  Uint16 m_modifiers{KMOD_NONE};  // as of the last key event
  PointerPlacer m_placer;
};

}  // namespace qorvexctl::platform
