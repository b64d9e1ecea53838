#include "qorvexctl/platform/desktop/UserInput.h"

#include <string>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/SendKeys.h"
#include "qorvexctl/platform/desktop/Window.h"

namespace qorvexctl::platform {

void UserInput::PostMouse(Window& window, std::optional<Point> client, int kind, int button) {
  const Rect r = window.ClientRect();
  const Point p = client ? *client : Point{r.Width() / 2, r.Height() / 2};
  InputEvent e;
  e.kind = static_cast<InputEvent::Kind>(kind);
  e.screen = window.ClientToScreen(p);
  e.button = button;
  m_desktop.PostInput(e);
}

void UserInput::MoveTo(Window& window, std::optional<Point> client) {
  PostMouse(window, client, static_cast<int>(InputEvent::Kind::MouseMove), 0);
  m_desktop.DoEvents();
}

void UserInput::MouseDown(Window& window, std::optional<Point> client, int button) {
  PostMouse(window, client, static_cast<int>(InputEvent::Kind::MouseDown), button);
  m_desktop.DoEvents();
}

void UserInput::MouseUp(Window& window, std::optional<Point> client, int button) {
  PostMouse(window, client, static_cast<int>(InputEvent::Kind::MouseUp), button);
  m_desktop.DoEvents();
}

void UserInput::Click(Window& window, std::optional<Point> client, int button) {
  PostMouse(window, client, static_cast<int>(InputEvent::Kind::MouseMove), 0);
  PostMouse(window, client, static_cast<int>(InputEvent::Kind::MouseDown), button);
  PostMouse(window, client, static_cast<int>(InputEvent::Kind::MouseUp), button);
  m_desktop.DoEvents();
}

void UserInput::DoubleClick(Window& window, std::optional<Point> client, int button) {
  PostMouse(window, client, static_cast<int>(InputEvent::Kind::MouseMove), 0);
  PostMouse(window, client, static_cast<int>(InputEvent::Kind::MouseDown), button);
  PostMouse(window, client, static_cast<int>(InputEvent::Kind::MouseUp), button);
  PostMouse(window, client, static_cast<int>(InputEvent::Kind::MouseDoubleClick), button);
  PostMouse(window, client, static_cast<int>(InputEvent::Kind::MouseUp), button);
  m_desktop.DoEvents();
}

void UserInput::Click(HWND hwnd, std::optional<Point> client, int button) {
  if (Window* w = m_desktop.FromHandle(hwnd)) Click(*w, client, button);
}

void UserInput::DoubleClick(HWND hwnd, std::optional<Point> client, int button) {
  if (Window* w = m_desktop.FromHandle(hwnd)) DoubleClick(*w, client, button);
}

void UserInput::KeyDown(int keyCode) {
  m_desktop.PostInput({.kind = InputEvent::Kind::KeyDown, .keyCode = keyCode});
  m_desktop.DoEvents();
}

void UserInput::KeyUp(int keyCode) {
  m_desktop.PostInput({.kind = InputEvent::Kind::KeyUp, .keyCode = keyCode});
  m_desktop.DoEvents();
}

void UserInput::PressKey(int keyCode, int shift) {
  m_desktop.PostKeyStroke(KeyStroke{keyCode, shift, 0});
  m_desktop.DoEvents();
}

void UserInput::Type(std::string_view text) {
  std::string keys;
  for (char32_t c : DecodeUtf8(text)) {
    const bool special = c == U'+' || c == U'^' || c == U'%' || c == U'~' || c == U'(' ||
                         c == U')' || c == U'{' || c == U'}';
    if (special) keys += '{';
    AppendUtf8(keys, c);
    if (special) keys += '}';
  }
  SendKeys(keys);
}

void UserInput::SendKeys(std::string_view keys) {
  m_desktop.SendKeys(keys);
  m_desktop.DoEvents();
}

}  // namespace qorvexctl::platform
