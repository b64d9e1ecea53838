#pragma once
// A window of the desktop: a 32-bit handle, a parent and children in z-order, a rectangle, the
// common properties every control has (Visible, Enabled, colours, font, Tag, TabIndex, ...),
// window properties, an optional region and a backing surface it paints itself on.
//
// Geometry is kept in pixels relative to the parent's client area (the screen for top-level
// windows); the twips properties Left/Top/Width/Height convert at 15 twips per pixel. Input and
// focus arrive as messages through WindowProc, which calls the On... hooks that controls
// override. A window does not own its children; destroying either side detaches them.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "qorvexctl/base/Colour.h"
#include "qorvexctl/platform/desktop/Messages.h"
#include "qorvexctl/platform/drawing/Font.h"
#include "qorvexctl/platform/drawing/Geometry.h"
#include "qorvexctl/platform/drawing/Region.h"
#include "qorvexctl/platform/drawing/Surface.h"
#include "qorvexctl/platform/drawing/Twips.h"

namespace qorvexctl::platform {

class Canvas;
class Desktop;
class Picture;

class Window {
 public:
  explicit Window(Desktop& desktop, Window* parent = nullptr);
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND hWnd() const { return m_handle; }
  Desktop& GetDesktop() const { return m_desktop; }
  // The control's type name ("TextBox", "Form", "cNIF"), as a host's TypeOf test sees it.
  virtual std::string TypeName() const { return "Window"; }
  // The window's text as GetWindowText reads it: a form's or label's caption, a text box's
  // text; "" for windows without one.
  virtual std::string WindowText() const { return {}; }

  // Whether the children are the inner parts of a composite control (a user control), which a
  // form's Controls collection does not list.
  virtual bool HasConstituents() const { return false; }

  // --- Tree and z-order (children listed bottom to top).
  Window* Parent() const { return m_parent; }
  void SetParent(Window* parent);
  const std::vector<Window*>& Children() const { return m_children; }
  Window* TopLevel();
  const Window* TopLevel() const;
  bool IsAncestorOf(const Window* other) const;
  // 0 brings the window to the front of its siblings, 1 sends it to the back.
  void ZOrder(int position = 0);
  // Top-level windows only: kept above every window that is not topmost.
  bool TopMost() const { return m_topMost; }
  void TopMost(bool value);

  // --- Geometry in pixels.
  Rect Bounds() const { return m_bounds; }
  void SetBounds(const Rect& bounds);
  // The client area's offset inside the bounds (a form's border and caption).
  Point ClientOffset() const { return {m_frame.left, m_frame.top}; }
  Rect ClientRect() const;
  // The border and caption within the insets (left, top, right, bottom), which a window system
  // can draw instead: a form's frame, without its menu bar. None by default.
  virtual Rect DecorationInsets() const { return {}; }
  Rect ScreenBounds() const;
  Point ClientToScreen(Point client) const;
  Point ScreenToClient(Point screen) const;

  // --- Geometry in twips (the properties hosts use).
  int Left() const { return PixelsToTwips(m_bounds.left); }
  int Top() const { return PixelsToTwips(m_bounds.top); }
  int Width() const { return PixelsToTwips(m_bounds.Width()); }
  int Height() const { return PixelsToTwips(m_bounds.Height()); }
  void Left(double twips);
  void Top(double twips);
  void Width(double twips);
  void Height(double twips);
  // Moves and sizes in twips; a negative width or height keeps the current one.
  void Move(double left, double top, double width = -1, double height = -1);

  // --- Common properties.
  bool Visible() const { return m_visible; }
  void Visible(bool value);
  // Visible itself and every ancestor visible.
  bool IsShown() const;
  bool Enabled() const { return m_enabled; }
  void Enabled(bool value);
  // Enabled itself and every ancestor enabled.
  bool IsEnabledInTree() const;
  Colour BackColor() const { return m_backColor; }
  void BackColor(Colour value);
  Colour ForeColor() const { return m_foreColor; }
  void ForeColor(Colour value);
  const platform::Font& Font() const { return m_font; }
  void Font(const platform::Font& value);
  const std::string& ToolTipText() const { return m_toolTipText; }
  void ToolTipText(std::string value) { m_toolTipText = std::move(value); }
  const std::string& Tag() const { return m_tag; }
  void Tag(std::string value) { m_tag = std::move(value); }
  const std::string& Name() const { return m_name; }
  void Name(std::string value) { m_name = std::move(value); }
  // The index within a control array, or -1 for a control that is not in one.
  int Index() const { return m_index; }
  void Index(int value) { m_index = value; }
  int TabIndex() const { return m_tabIndex; }
  void TabIndex(int value) { m_tabIndex = value; }
  bool TabStop() const { return m_tabStop; }
  void TabStop(bool value) { m_tabStop = value; }
  int MousePointer() const { return m_mousePointer; }
  void MousePointer(int value) { m_mousePointer = value; }
  std::shared_ptr<Picture> MouseIcon() const { return m_mouseIcon; }
  void MouseIcon(std::shared_ptr<Picture> value) { m_mouseIcon = std::move(value); }

  // --- Window properties (named values, as SetProp/GetProp/RemoveProp keep them).
  void SetProp(const std::string& name, std::intptr_t value) { m_props[name] = value; }
  // 0 when the property is not set.
  std::intptr_t GetProp(const std::string& name) const;
  // Removes the property and returns its value (0 when it was not set).
  std::intptr_t RemoveProp(const std::string& name);

  // --- Focus.
  // Whether the window itself takes the keyboard focus (text boxes, buttons, ...).
  virtual bool CanTakeFocus() const { return false; }
  // Whether Tab, Enter and Escape reach this window as keys instead of moving the focus or
  // pressing the form's default or cancel button.
  virtual bool WantsKey(int keyCode) const {
    return keyCode != vbKeyTab && keyCode != vbKeyReturn && keyCode != vbKeyEscape;
  }
  bool HasFocus() const;
  // The focus is on this window or one of its descendants.
  bool HasFocusWithin() const;
  void SetFocus();
  // The characters whose Alt+key (or plain key on a form without text input) activate this
  // window, in lower case; "" when it has none.
  virtual std::u32string AccessKeys() const { return U""; }
  // An access key, or Enter / Escape for the default / cancel button (13 / 27).
  virtual void OnAccessKeyPress(int /*keyAscii*/) {}

  // Top-level windows: the buttons that Enter and Escape press (nullptr for none).
  void SetDefaultButton(Window* button);
  void SetCancelButton(Window* button) { m_cancelButton = button ? button->hWnd() : 0; }
  HWND DefaultButtonHandle() const { return m_defaultButton; }
  HWND CancelButtonHandle() const { return m_cancelButton; }

  // The first window, depth first from this one (itself included), that `match` accepts.
  template <typename Pred>
  Window* FindWindow(const Pred& match) {
    if (match(static_cast<const Window&>(*this))) return this;
    for (Window* child : m_children) {
      if (Window* found = child->FindWindow(match)) return found;
    }
    return nullptr;
  }

  // --- Region: drawing and hit testing are limited to it (window coordinates); nullopt
  // gives the whole rectangle back.
  void SetWindowRgn(std::optional<Region> region);
  const Region* WindowRegion() const { return m_region ? &*m_region : nullptr; }

  // --- Painting.
  // Asks for a repaint at the next idle moment.
  void Invalidate();
  bool NeedsPaint() const { return m_needsPaint; }
  // Paints the window now (and clears the repaint request).
  void Paint();
  // Invalidates and paints at once (the classic Refresh).
  void Refresh();
  // The window's pixels as last painted: 32-bit premultiplied, the window's outer size.
  const Surface& BackingSurface() const { return m_surface; }
  // Whether the surface has see-through pixels (composed with alpha instead of copied).
  virtual bool IsTransparent() const { return false; }

  // Whether mouse input can land on this window (shapes and lines let it through).
  virtual bool TakesMouse() const { return true; }
  // Whether a click on this top-level window makes it the active window (popup menus do not).
  virtual bool TakesActivation() const { return true; }
  // The deepest shown window at a screen point: this one, a child, or nullptr.
  Window* ChildFromScreenPoint(Point screen);

  // --- Messages.
  // Handles one message; the default decodes input and focus messages into the On... hooks.
  virtual LRESULT WindowProc(const Message& message);

 protected:
  // Paints the window on its surface. The default fills it with BackColor; the canvas starts
  // with the window's font, ForeColor as text colour and a transparent text background.
  virtual void OnPaint(Canvas& canvas);
  // Input hooks. Coordinates are client pixels; keys may be cancelled by setting them to 0.
  virtual void OnMouseDown(int /*button*/, int /*shift*/, Point /*p*/) {}
  virtual void OnMouseUp(int /*button*/, int /*shift*/, Point /*p*/) {}
  virtual void OnMouseMove(int /*buttons*/, int /*shift*/, Point /*p*/) {}
  virtual void OnDoubleClick(int /*button*/, int /*shift*/, Point /*p*/) {}
  virtual void OnKeyDown(int& /*keyCode*/, int /*shift*/) {}
  virtual void OnKeyPress(int& /*keyAscii*/) {}
  virtual void OnKeyUp(int& /*keyCode*/, int /*shift*/) {}
  virtual void OnGotFocus() {}
  virtual void OnLostFocus() {}
  // The focus moved into this window or its descendants, or out of them (user controls).
  virtual void OnEnterFocus() {}
  virtual void OnExitFocus() {}
  // A form that previews keys sees them before the focused control; zero cancels.
  virtual bool PreviewsKeys() const { return false; }
  virtual void OnPreviewKeyDown(int& /*keyCode*/, int /*shift*/) {}
  virtual void OnPreviewKeyPress(int& /*keyAscii*/) {}
  virtual void OnPreviewKeyUp(int& /*keyCode*/, int /*shift*/) {}
  virtual void OnTimer(std::uintptr_t /*id*/) {}
  virtual void OnResize() {}
  virtual void OnVisibleChanged() {}
  // The window became shown (itself and every ancestor visible) or stopped being shown.
  virtual void OnShownChanged(bool /*shown*/) {}
  // A property of the container that its controls see as ambient changed ("BackColor",
  // "ForeColor", "Font", "DisplayAsDefault").
  virtual void OnAmbientChanged(std::string_view /*name*/) {}
  virtual void OnEnabledChanged() {}
  // Sets the border and caption around the client area.
  void SetFrameInsets(const Rect& insets);

 private:
  friend class Desktop;
  void RemoveChild(Window* child);
  void AttachTo(Window* parent);

 protected:
  // Reports a change of the shown state through OnShownChanged, here and below.
  void UpdateShown();

 private:
  void NotifyChildrenAmbient(std::string_view name);
  LRESULT DispatchMouse(const Message& message);
  LRESULT DispatchKey(const Message& message);

  Desktop& m_desktop;
  HWND m_handle{0};
  Window* m_parent{nullptr};
  std::vector<Window*> m_children;
  Rect m_bounds{};
  Rect m_frame{};  // insets: left, top, right, bottom
  bool m_visible{true};
  bool m_enabled{true};
  bool m_topMost{false};
  Colour m_backColor{0x8000000Fu};  // button face
  Colour m_foreColor{0x80000012u};  // button text
  std::string m_toolTipText;
  std::string m_tag;
  std::string m_name;
  int m_index{-1};
  int m_tabIndex{0};
  bool m_tabStop{true};
  bool m_needsPaint{false};
  bool m_shownState{false};  // what OnShownChanged last reported
  HWND m_lastFocus{0};
  HWND m_defaultButton{0};
  HWND m_cancelButton{0};  // top-level windows: the control that had the focus last
  int m_mousePointer{0};
  std::shared_ptr<Picture> m_mouseIcon;
  std::map<std::string, std::intptr_t> m_props;
  platform::Font m_font;
  std::optional<Region> m_region;
  Surface m_surface;
};

}  // namespace qorvexctl::platform
