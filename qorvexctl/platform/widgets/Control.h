#pragma once
// The base of the intrinsic controls: a window that raises the classic events. Mouse
// coordinates in the events are in the control's scale units (twips unless the control has a
// ScaleMode of its own); key codes and characters are passed by reference so a handler can
// cancel them by setting 0.

#include "qorvexctl/base/Event.h"
#include "qorvexctl/platform/desktop/Window.h"

namespace qorvexctl::platform {

class Control : public Window {
 public:
  using Window::Window;

  Event<> Click;
  Event<> DblClick;
  Event<int, int, float, float> MouseDown;  // Button, Shift, X, Y
  Event<int, int, float, float> MouseMove;
  Event<int, int, float, float> MouseUp;
  Event<int&, int> KeyDown;  // KeyCode, Shift
  Event<int&> KeyPress;      // KeyAscii
  Event<int&, int> KeyUp;
  Event<> GotFocus;
  Event<> LostFocus;

  // Pixels to the units of the mouse events (twips by default).
  virtual float ScaleXOfPixels(int px) const { return static_cast<float>(PixelsToTwips(px)); }
  virtual float ScaleYOfPixels(int px) const { return static_cast<float>(PixelsToTwips(px)); }

 protected:
  void OnMouseDown(int button, int shift, Point p) override;
  void OnMouseUp(int button, int shift, Point p) override;
  void OnMouseMove(int buttons, int shift, Point p) override;
  void OnDoubleClick(int button, int shift, Point p) override;
  void OnKeyDown(int& keyCode, int shift) override { KeyDown(keyCode, shift); }
  void OnKeyPress(int& keyAscii) override { KeyPress(keyAscii); }
  void OnKeyUp(int& keyCode, int shift) override { KeyUp(keyCode, shift); }
  void OnGotFocus() override { GotFocus(); }
  void OnLostFocus() override { LostFocus(); }
  // Whether a left-button release over the control raises Click (most controls: yes).
  virtual bool ClicksOnRelease() const { return true; }

 private:
  bool m_leftPressed{false};
};

}  // namespace qorvexctl::platform
