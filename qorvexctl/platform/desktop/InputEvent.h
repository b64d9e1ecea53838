#pragma once
// Raw user input as the desktop receives it from a presenter or a script, before it is routed
// to a window: mouse positions are in screen pixels, keys are key codes, text is characters.

#include "qorvexctl/platform/desktop/Messages.h"
#include "qorvexctl/platform/drawing/Geometry.h"

namespace qorvexctl::platform {

struct InputEvent {
  enum class Kind {
    MouseMove,
    MouseDown,
    MouseUp,
    MouseDoubleClick,
    MouseWheel,
    KeyDown,
    KeyUp,
    Char
  };
  Kind kind{Kind::MouseMove};
  Point screen{};         // mouse events
  int button{0};          // vbLeftButton, vbRightButton, vbMiddleButton
  int wheelDelta{0};      // MouseWheel: 120 per notch, positive away from the user
  int keyCode{0};         // KeyDown, KeyUp
  char32_t character{0};  // Char
  // Mouse events: the top-level window whose system window the pointer is in, when each
  // top-level window has one (0: whichever window is under the point).
  HWND window{0};
};

}  // namespace qorvexctl::platform
