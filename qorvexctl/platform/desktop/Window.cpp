#include "qorvexctl/platform/desktop/Window.h"

#include <algorithm>

#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl::platform {

Window::Window(Desktop& desktop, Window* parent) : m_desktop(desktop) {
  m_handle = m_desktop.Register(*this);
  AttachTo(parent);
}

Window::~Window() {
  for (Window* child : std::vector<Window*>(m_children)) child->m_parent = nullptr;
  m_children.clear();
  if (m_parent) {
    m_parent->RemoveChild(this);
  } else {
    m_desktop.RemoveTopLevel(*this);
  }
  m_desktop.Unregister(*this);
}

void Window::SetParent(Window* parent) {
  if (parent == m_parent) return;
  AttachTo(parent);
  UpdateShown();
}

void Window::AttachTo(Window* parent) {
  if (m_parent) {
    m_parent->RemoveChild(this);
  } else {
    m_desktop.RemoveTopLevel(*this);
  }
  m_parent = parent;
  if (m_parent) {
    m_parent->m_children.push_back(this);
    m_desktop.SceneChanged();
  } else {
    m_desktop.AddTopLevel(*this);
  }
}

void Window::UpdateShown() {
  const bool shown = IsShown();
  if (shown != m_shownState) {
    m_shownState = shown;
    OnShownChanged(shown);
  }
  for (Window* child : std::vector<Window*>(m_children)) child->UpdateShown();
}

void Window::NotifyChildrenAmbient(std::string_view name) {
  for (Window* child : std::vector<Window*>(m_children)) child->OnAmbientChanged(name);
}

void Window::SetDefaultButton(Window* button) {
  Window* old = m_desktop.FromHandle(m_defaultButton);
  m_defaultButton = button ? button->hWnd() : 0;
  if (old && old != button) old->OnAmbientChanged("DisplayAsDefault");
  if (button && button != old) button->OnAmbientChanged("DisplayAsDefault");
}

void Window::RemoveChild(Window* child) {
  std::erase(m_children, child);
  m_desktop.SceneChanged();
}

Window* Window::TopLevel() {
  Window* w = this;
  while (w->m_parent) w = w->m_parent;
  return w;
}

const Window* Window::TopLevel() const {
  const Window* w = this;
  while (w->m_parent) w = w->m_parent;
  return w;
}

bool Window::IsAncestorOf(const Window* other) const {
  for (const Window* w = other; w; w = w->m_parent) {
    if (w == this) return true;
  }
  return false;
}

void Window::ZOrder(int position) {
  if (!m_parent) {
    m_desktop.RestackTopLevel(*this, position == 0);
    return;
  }
  auto& siblings = m_parent->m_children;
  std::erase(siblings, this);
  if (position == 0) {
    siblings.push_back(this);
  } else {
    siblings.insert(siblings.begin(), this);
  }
  m_desktop.SceneChanged();
}

void Window::TopMost(bool value) {
  m_topMost = value;
  if (!m_parent) m_desktop.RestackTopLevel(*this, true);
}

void Window::SetBounds(const Rect& bounds) {
  if (bounds == m_bounds) return;
  const bool resized = bounds.Width() != m_bounds.Width() || bounds.Height() != m_bounds.Height();
  m_desktop.SceneChanged();
  m_bounds = bounds;
  Invalidate();
  if (resized) OnResize();
}

Rect Window::ClientRect() const {
  return {0, 0, std::max(0, m_bounds.Width() - m_frame.left - m_frame.right),
          std::max(0, m_bounds.Height() - m_frame.top - m_frame.bottom)};
}

Rect Window::ScreenBounds() const {
  if (!m_parent) return m_bounds;
  const Point origin = m_parent->ClientToScreen({0, 0});
  return m_bounds.Offset(origin.x, origin.y);
}

Point Window::ClientToScreen(Point client) const {
  const Rect screen = ScreenBounds();
  return {client.x + screen.left + m_frame.left, client.y + screen.top + m_frame.top};
}

Point Window::ScreenToClient(Point screen) const {
  const Point origin = ClientToScreen({0, 0});
  return {screen.x - origin.x, screen.y - origin.y};
}

void Window::Left(double twips) { Move(twips, Top()); }
void Window::Top(double twips) { Move(Left(), twips); }
void Window::Width(double twips) { Move(Left(), Top(), twips, Height()); }
void Window::Height(double twips) { Move(Left(), Top(), Width(), twips); }

void Window::Move(double left, double top, double width, double height) {
  const int w = width < 0 ? m_bounds.Width() : TwipsToPixels(width);
  const int h = height < 0 ? m_bounds.Height() : TwipsToPixels(height);
  SetBounds(Rect::FromSize(TwipsToPixels(left), TwipsToPixels(top), w, h));
}

void Window::SetFrameInsets(const Rect& insets) {
  m_frame = insets;
  Invalidate();
}

void Window::Visible(bool value) {
  if (value == m_visible) return;
  m_visible = value;
  m_desktop.SceneChanged();
  Invalidate();
  if (!value && HasFocusWithin()) m_desktop.LoseFocusFrom(*this);
  OnVisibleChanged();
  UpdateShown();
}

bool Window::IsShown() const {
  for (const Window* w = this; w; w = w->m_parent) {
    if (!w->m_visible) return false;
  }
  return true;
}

void Window::Enabled(bool value) {
  if (value == m_enabled) return;
  m_enabled = value;
  Invalidate();
  // A disabled window keeps the focus it has (it gets no keys while disabled).
  OnEnabledChanged();
}

bool Window::IsEnabledInTree() const {
  for (const Window* w = this; w; w = w->m_parent) {
    if (!w->m_enabled) return false;
  }
  return true;
}

void Window::BackColor(Colour value) {
  if (value == m_backColor) return;
  m_backColor = value;
  Invalidate();
  NotifyChildrenAmbient("BackColor");
}

void Window::ForeColor(Colour value) {
  if (value == m_foreColor) return;
  m_foreColor = value;
  Invalidate();
  NotifyChildrenAmbient("ForeColor");
}

void Window::Font(const platform::Font& value) {
  if (value == m_font) return;
  m_font = value;
  Invalidate();
  NotifyChildrenAmbient("Font");
}

std::intptr_t Window::GetProp(const std::string& name) const {
  auto it = m_props.find(name);
  return it == m_props.end() ? 0 : it->second;
}

std::intptr_t Window::RemoveProp(const std::string& name) {
  auto it = m_props.find(name);
  if (it == m_props.end()) return 0;
  const std::intptr_t value = it->second;
  m_props.erase(it);
  return value;
}

bool Window::HasFocus() const { return m_desktop.Focus() == this; }

bool Window::HasFocusWithin() const { return IsAncestorOf(m_desktop.Focus()); }

void Window::SetFocus() { m_desktop.SetFocus(this); }

void Window::Invalidate() {
  if (m_needsPaint) return;
  m_needsPaint = true;
  m_desktop.ScheduleRepaint(*this);
}

Window* Window::ChildFromScreenPoint(Point screen) {
  const Rect bounds = ScreenBounds();
  if (!m_visible || !TakesMouse() || !bounds.Contains(screen.x, screen.y)) return nullptr;
  if (m_region && !m_region->Contains(screen.x - bounds.left, screen.y - bounds.top)) {
    return nullptr;
  }
  const Point client = ScreenToClient(screen);
  if (ClientRect().Contains(client.x, client.y)) {
    for (auto it = m_children.rbegin(); it != m_children.rend(); ++it) {
      if (Window* hit = (*it)->ChildFromScreenPoint(screen)) return hit;
    }
  }
  return this;
}

}  // namespace qorvexctl::platform
