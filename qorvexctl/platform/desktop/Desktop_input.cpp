// Desktop: routing raw input to windows. Mouse input goes to the window under the pointer (or
// the one holding the capture); keys go to the focused window, after the form's key preview and
// the dialog keys (Tab, Enter for the default button, Escape for the cancel button, Alt+letter
// access keys). A key that makes a character is followed by that character before its key-up.

#include "qorvexctl/base/Text.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/TabOrder.h"
#include "qorvexctl/platform/desktop/Window.h"

namespace qorvexctl::platform {
namespace {

std::uint32_t MouseMessage(InputEvent::Kind kind, int button) {
  const std::uint32_t base = button == vbRightButton    ? WM_RBUTTONDOWN
                             : button == vbMiddleButton ? WM_MBUTTONDOWN
                                                        : WM_LBUTTONDOWN;
  switch (kind) {
    case InputEvent::Kind::MouseDown:
      return base;
    case InputEvent::Kind::MouseUp:
      return base + 1;
    case InputEvent::Kind::MouseDoubleClick:
      return base + 2;
    default:
      return WM_MOUSEMOVE;
  }
}

// Virtual key codes of the mouse buttons, kept in the keyboard state like the classic one.
int ButtonKey(int button) { return button == vbLeftButton ? 1 : button == vbRightButton ? 2 : 4; }

}  // namespace

void Desktop::DispatchInput(const InputEvent& event) {
  switch (event.kind) {
    case InputEvent::Kind::KeyDown:
      RouteKeyDown(event.keyCode);
      break;
    case InputEvent::Kind::KeyUp:
      RouteKeyUp(event.keyCode);
      break;
    case InputEvent::Kind::Char:
      RouteCharacter(event.character);
      break;
    case InputEvent::Kind::MouseWheel:
      RouteWheel(event);
      break;
    default:
      RouteMouse(event);
      MouseInputRouted(event);
      break;
  }
}

void Desktop::RouteMouse(const InputEvent& event) {
  m_cursor = event.screen;
  const bool down =
      event.kind == InputEvent::Kind::MouseDown || event.kind == InputEvent::Kind::MouseDoubleClick;
  const bool up = event.kind == InputEvent::Kind::MouseUp;
  if (down) m_buttonsDown |= event.button;
  if (up) m_buttonsDown &= ~event.button;
  if (down || up) m_keyboard.SetDown(ButtonKey(event.button), down);

  Window* target = Capture();
  if (!target) target = FromHandle(m_implicitCapture);
  if (!target) target = PointerTarget(event);
  if (!target || !AcceptsInput(*target) || !target->IsEnabledInTree()) return;
  if (event.kind == InputEvent::Kind::MouseDown) {
    Window* focusable = target;
    while (focusable && !CanFocusNow(*focusable)) focusable = focusable->Parent();
    if (focusable) {
      SetFocus(focusable);
    } else if (target->TopLevel()->TakesActivation()) {
      Activate(target->TopLevel());
    }
    if (!FromHandle(target->hWnd())) return;
    if (!m_implicitCapture) m_implicitCapture = target->hWnd();
  }
  const Point client = target->ScreenToClient(event.screen);
  const WPARAM wParam = event.kind == InputEvent::Kind::MouseMove
                            ? static_cast<WPARAM>(m_buttonsDown)
                            : static_cast<WPARAM>(event.button);
  SendMessage(target->hWnd(), MouseMessage(event.kind, event.button), wParam,
              MakePointLParam(client.x, client.y));
  if (up && m_buttonsDown == 0) m_implicitCapture = 0;
}

// The window under the pointer: within the top-level window the event names, when it names
// one (its system window may be above others that cover it on the library's screen).
Window* Desktop::PointerTarget(const InputEvent& event) const {
  if (Window* top = FromHandle(event.window)) {
    if (Window* hit = top->ChildFromScreenPoint(event.screen)) return hit;
  }
  return WindowFromPoint(event.screen);
}

// The wheel turns for the window with the keyboard focus, as the classic desktop does it.
void Desktop::RouteWheel(const InputEvent& event) {
  m_cursor = event.screen;
  Window* target = KeyTarget();
  if (!target) return;
  SendMessage(target->hWnd(), WM_MOUSEWHEEL, MakeWheelWParam(event.wheelDelta, m_buttonsDown),
              MakePointLParam(event.screen.x, event.screen.y));
}

// The window that receives keys: the focused one, else the active (or modal) form. A focused
// window that was disabled keeps the focus and nobody gets the keys.
Window* Desktop::KeyTarget() const {
  Window* target = Focus();
  if (target && AcceptsInput(*target)) return target->IsEnabledInTree() ? target : nullptr;
  if (Window* modal = ModalWindow()) return modal;
  return ActiveWindow();
}

void Desktop::RouteKeyDown(int keyCode) {
  m_keyboard.SetDown(keyCode, true);
  const int shift = m_keyboard.Shift();
  const char32_t character = m_keyboard.CharacterOf(keyCode);
  if ((shift & vbAltMask) && HandleAccessKey(keyCode)) return;
  Window* target = KeyTarget();
  if (!target) return;
  Window* form = target->TopLevel();
  int code = keyCode;
  if (form != target && form->PreviewsKeys()) {
    form->OnPreviewKeyDown(code, shift);
    if (code == 0 || !FromHandle(target->hWnd())) return;
  }
  if (HandleDialogKey(*target, keyCode, shift)) return;
  SendMessage(target->hWnd(), (shift & vbAltMask) ? WM_SYSKEYDOWN : WM_KEYDOWN,
              static_cast<WPARAM>(code));
  if (character != 0) {
    m_queue.PushFront(InputEvent{.kind = InputEvent::Kind::Char, .character = character});
  }
}

void Desktop::RouteKeyUp(int keyCode) {
  m_keyboard.SetDown(keyCode, false);
  const int shift = m_keyboard.Shift();
  Window* target = KeyTarget();
  if (!target) return;
  Window* form = target->TopLevel();
  int code = keyCode;
  if (form != target && form->PreviewsKeys()) {
    form->OnPreviewKeyUp(code, shift);
    if (code == 0 || !FromHandle(target->hWnd())) return;
  }
  SendMessage(target->hWnd(), WM_KEYUP, static_cast<WPARAM>(code));
}

void Desktop::RouteCharacter(char32_t character) {
  Window* target = KeyTarget();
  if (!target) return;
  Window* form = target->TopLevel();
  int ascii = static_cast<int>(character);
  if (form != target && form->PreviewsKeys()) {
    form->OnPreviewKeyPress(ascii);
    if (ascii == 0 || !FromHandle(target->hWnd())) return;
  }
  SendMessage(target->hWnd(), WM_CHAR, static_cast<WPARAM>(ascii));
}

// Tab moves the focus; Enter and Escape press the form's default and cancel buttons.
bool Desktop::HandleDialogKey(Window& target, int keyCode, int shift) {
  if (shift & (vbCtrlMask | vbAltMask)) return false;
  if (keyCode == vbKeyTab && !target.WantsKey(vbKeyTab)) {
    FocusNextTabStop((shift & vbShiftMask) == 0);
    return true;
  }
  if ((keyCode != vbKeyReturn && keyCode != vbKeyEscape) || target.WantsKey(keyCode)) return false;
  Window* form = target.TopLevel();
  Window* button =
      FromHandle(keyCode == vbKeyReturn ? form->DefaultButtonHandle() : form->CancelButtonHandle());
  if (!button || !button->IsShown() || !button->IsEnabledInTree()) return false;
  button->OnAccessKeyPress(keyCode);
  return true;
}

// Alt+key: the first shown, enabled window of the form whose access keys hold the key.
bool Desktop::HandleAccessKey(int keyCode) {
  Window* target = KeyTarget();
  if (!target || keyCode < '0' || keyCode > 'Z') return false;
  const char32_t key = LowerChar(static_cast<char32_t>(keyCode));
  Window* form = target->TopLevel();
  Window* found = form->FindWindow([key](const Window& w) {
    return w.IsShown() && w.IsEnabledInTree() && w.AccessKeys().find(key) != std::u32string::npos;
  });
  if (!found) return false;
  found->OnAccessKeyPress(static_cast<int>(key));
  return true;
}

}  // namespace qorvexctl::platform
