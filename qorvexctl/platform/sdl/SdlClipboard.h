#pragma once
// The desktop's clipboard kept in step with the system's: every change of the desktop
// clipboard's text goes to the system clipboard; the system's text comes in when the presenter
// asks (a window gained the focus, SDL reported a clipboard change, a paste key is about to be
// routed).

#include <SDL.h>

namespace qorvexctl::platform {

class Desktop;

class SdlClipboard {
 public:
  explicit SdlClipboard(Desktop& desktop);
  ~SdlClipboard();
  SdlClipboard(const SdlClipboard&) = delete;
  SdlClipboard& operator=(const SdlClipboard&) = delete;

  // Takes the system clipboard's text into the desktop's clipboard.
  void TakeSystemText();
  // Takes the system's text when the event needs it first: a clipboard change, or Ctrl+V and
  // Shift+Insert before they are routed.
  void Follow(const SDL_Event& event);

 private:
  void CopyToSystem();

  Desktop& m_desktop;
  bool m_taking{false};  // the system's text coming in, not to be copied back
};

}  // namespace qorvexctl::platform
