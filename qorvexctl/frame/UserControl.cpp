#include "qorvexctl/frame/UserControl.h"

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Menu.h"
#include "qorvexctl/platform/desktop/TabOrder.h"

namespace qorvexctl {

UserControl::UserControl(LibraryState& library, platform::Desktop& desktop,
                         platform::Window* container)
    : Control(desktop, container), Component(library) {
  // A control placed on a form that is already shown hears Show once messages are processed.
  const platform::HWND self = hWnd();
  desktop.Post([&desktop, self] {
    if (auto* w = dynamic_cast<UserControl*>(desktop.FromHandle(self))) w->UpdateShown();
  });
}

UserControl::~UserControl() { Terminate(); }

UserControl::AmbientProperties UserControl::Ambient() const {
  const platform::Window* container = Parent();
  const platform::Window& source = container ? *container : *this;
  return AmbientProperties{source.BackColor(), source.ForeColor(),
                           source.Font(),      Name(),
                           m_userMode,         TopLevel()->DefaultButtonHandle() == hWnd()};
}

void UserControl::UserMode(bool runMode) {
  if (runMode == m_userMode) return;
  m_userMode = runMode;
  AmbientChanged("UserMode");
}

bool UserControl::CanTakeFocus() const {
  if (!m_canGetFocus) return false;
  for (const platform::Window* child : Children()) {
    if (platform::CanFocusNow(*child) || platform::FirstFocusable(*child)) return false;
  }
  return true;
}

float UserControl::ScaleXOfPixels(int px) const {
  return static_cast<float>(m_layer.FromPixelsX(px));
}

float UserControl::ScaleYOfPixels(int px) const {
  return static_cast<float>(m_layer.FromPixelsY(px));
}

platform::Menu* UserControl::PopupMenu(platform::Menu& menu, int flags, std::optional<double> x,
                                       std::optional<double> y, platform::Menu* defaultItem) {
  const platform::Point at =
      platform::PopupPoint(*this, x, y, m_layer.FromPixelsX(1.0), m_layer.FromPixelsY(1.0));
  return GetDesktop().PopupMenu(menu, defaultItem, at, flags);
}

void UserControl::PropertyChanged(std::string_view /*name*/) { m_propertiesChanged = true; }

void UserControl::OnPaint(platform::Canvas& canvas) {
  m_layer.PaintOnto(canvas, ClientOffset(), [this] { Paint(); });
}

void UserControl::OnEnterFocus() {
  EnterFocus();
  GotFocus();
}

void UserControl::OnExitFocus() {
  ExitFocus();
  LostFocus();
}

void UserControl::OnShownChanged(bool shown) {
  if (shown) {
    Show();
  } else {
    Hide();
  }
}

}  // namespace qorvexctl
