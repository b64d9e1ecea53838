#pragma once
// Scripted user input: what a person does with the mouse and keyboard, aimed at a window by
// handle or by reference. Each call queues the raw input and then processes messages, so when
// it returns the controls have reacted (events raised, focus moved, text changed). Points are
// client pixels of the target window; without one, its centre.

#include <optional>
#include <string_view>

#include "qorvexctl/platform/desktop/Messages.h"
#include "qorvexctl/platform/drawing/Geometry.h"

namespace qorvexctl::platform {

class Desktop;
class Window;

class UserInput {
 public:
  explicit UserInput(Desktop& desktop) : m_desktop(desktop) {}

  void MoveTo(Window& window, std::optional<Point> client = std::nullopt);
  void MouseDown(Window& window, std::optional<Point> client = std::nullopt,
                 int button = vbLeftButton);
  void MouseUp(Window& window, std::optional<Point> client = std::nullopt,
               int button = vbLeftButton);
  // Move, press and release.
  void Click(Window& window, std::optional<Point> client = std::nullopt, int button = vbLeftButton);
  // Move, press, release, the double-click press, release.
  void DoubleClick(Window& window, std::optional<Point> client = std::nullopt,
                   int button = vbLeftButton);
  // The same, aimed at a window handle; an unknown handle does nothing.
  void Click(HWND hwnd, std::optional<Point> client = std::nullopt, int button = vbLeftButton);
  void DoubleClick(HWND hwnd, std::optional<Point> client = std::nullopt,
                   int button = vbLeftButton);

  // Keys go to the focused window.
  void KeyDown(int keyCode);
  void KeyUp(int keyCode);
  // Presses and releases a key with the given shift state held (vbShiftMask, vbCtrlMask, ...).
  void PressKey(int keyCode, int shift = 0);
  // Types text: each character by its key where a key makes it, else as text input.
  void Type(std::string_view text);
  // SendKeys notation ("{BS}", "{TAB}", "+{HOME}", "^c").
  void SendKeys(std::string_view keys);

 private:
  void PostMouse(Window& window, std::optional<Point> client, int kind, int button);
  Desktop& m_desktop;
};

}  // namespace qorvexctl::platform
