// Window::WindowProc: decoding messages into the window's input, focus and timer hooks.

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Window.h"

namespace qorvexctl::platform {
namespace {

int ButtonOfMessage(std::uint32_t msg) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
      return vbLeftButton;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
      return vbRightButton;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      return vbMiddleButton;
    default:
      return 0;
  }
}

}  // namespace

LRESULT Window::WindowProc(const Message& message) {
  switch (message.msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      return DispatchMouse(message);
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
      return DispatchKey(message);
    case WM_SETFOCUS:
      OnGotFocus();
      return 0;
    case WM_KILLFOCUS:
      OnLostFocus();
      return 0;
    case WM_TIMER:
      OnTimer(message.wParam);
      return 0;
    case WM_SIZE:
      OnResize();
      return 0;
    default:
      return 0;
  }
}

LRESULT Window::DispatchMouse(const Message& message) {
  const Point p{PointLParamX(message.lParam), PointLParamY(message.lParam)};
  const int shift = m_desktop.Keyboard().Shift();
  const int button = ButtonOfMessage(message.msg);
  switch (message.msg) {
    case WM_MOUSEMOVE:
      OnMouseMove(static_cast<int>(message.wParam), shift, p);
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      OnMouseDown(button, shift, p);
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      OnMouseUp(button, shift, p);
      break;
    default:
      OnDoubleClick(button, shift, p);
      break;
  }
  return 0;
}

// Returns the key code or character left after the hooks (0 when a hook cancelled it).
LRESULT Window::DispatchKey(const Message& message) {
  int value = static_cast<int>(message.wParam);
  const int shift = m_desktop.Keyboard().Shift();
  switch (message.msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      OnKeyDown(value, shift);
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      OnKeyUp(value, shift);
      break;
    default:
      OnKeyPress(value);
      break;
  }
  return value;
}

}  // namespace qorvexctl::platform
