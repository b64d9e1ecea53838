#pragma once
// A form: a top-level window with a caption and border, shown modeless or modal, owning the
// controls added to it. Show(vbModal) runs a nested message loop until the form is hidden or
// unloaded; under test a script installed beforehand answers it, or it closes as cancelled.
//
// Closing by the user (the close box, or a cancelled modal) raises QueryUnload with
// vbFormControlMenu, then Unload; either handler may cancel. Unload from code raises them with
// vbFormCode. An unloaded form keeps its controls and can be shown again (Load runs again).

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "qorvexctl/platform/desktop/MenuPainter.h"
#include "qorvexctl/platform/drawing/ScaleMode.h"
#include "qorvexctl/platform/widgets/Control.h"

namespace qorvexctl::platform {

class Menu;

enum FormShowConstants : int { vbModeless = 0, vbModal = 1 };
enum QueryUnloadConstants : int { vbFormControlMenu = 0, vbFormCode = 1 };

class Form : public Control {
 public:
  explicit Form(Desktop& desktop, std::string caption = "");
  ~Form() override;
  std::string TypeName() const override { return "Form"; }
  std::string WindowText() const override { return m_caption; }

  Event<> Load;
  Event<bool&, int> QueryUnload;  // Cancel, UnloadMode
  Event<bool&> Unload;            // Cancel
  Event<> Resize;
  Event<> Activate;

  const std::string& Caption() const { return m_caption; }
  void Caption(std::string value);
  // Shows the form; vbModal returns when the form is hidden or unloaded.
  void Show(int modal = vbModeless);
  void Hide() { Visible(false); }
  // Unloads from code; returns false when QueryUnload or Unload cancelled.
  bool UnloadForm();
  // What the close box does; returns false when a handler cancelled.
  bool CloseByUser();
  bool Loaded() const { return m_loaded; }
  bool KeyPreview() const { return m_keyPreview; }
  void KeyPreview(bool value) { m_keyPreview = value; }
  // Border style 0 (none) gives a form without caption and border.
  int BorderStyle() const { return m_borderStyle; }
  void BorderStyle(int value);
  Rect DecorationInsets() const override;

  // Adds a control the form owns: created on `container` (the form itself by default) and named.
  template <typename T, typename... Args>
  T& Add(std::string name, Window* container = nullptr, Args&&... args) {
    auto control = std::make_unique<T>(container ? *container : *this, std::forward<Args>(args)...);
    T& ref = *control;
    Adopt(std::move(control), std::move(name));
    return ref;
  }
  // Takes a control made elsewhere (already placed on the form or one of its containers) into
  // the form's keeping, under `name`.
  Window& Adopt(std::shared_ptr<Window> control, std::string name);
  // The controls of the form, depth first (not the inner parts of user controls).
  std::vector<Window*> Controls() const;
  // The control with this name (and index, for control arrays), or nullptr.
  Window* FindControl(const std::string& name, int index = -1) const;
  Window* ActiveControl() const;

  // The form's menu bar: its visible items show in a row under the caption, and each opens
  // its own items as a drop-down on a click, or on Alt and its access letter when no control
  // of the form answers that letter. A bar item raises Click as it opens (so a host can
  // update its items); a chosen item raises Click after the drop-down has closed.
  Menu& MenuBar();
  std::u32string AccessKeys() const override;
  void OnAccessKeyPress(int keyAscii) override;

  // Shows `menu` as a popup (Desktop::PopupMenu) at x, y in the form's scale units from its
  // client area, the pointer's coordinate standing in for one left out. Returns the chosen
  // item, or nullptr.
  Menu* PopupMenu(Menu& menu, int flags = 0, std::optional<double> x = std::nullopt,
                  std::optional<double> y = std::nullopt, Menu* defaultItem = nullptr);

  int ScaleMode() const { return m_scaleMode; }
  void ScaleMode(int value) { m_scaleMode = value; }
  double ScaleWidth() const;
  double ScaleHeight() const;
  double ScaleX(double value, int fromMode, int toMode) const;
  double ScaleY(double value, int fromMode, int toMode) const;
  float ScaleXOfPixels(int px) const override;
  float ScaleYOfPixels(int px) const override;

 protected:
  // WM_CLOSE closes the form as its close box would; the answer is 1 when it closed.
  LRESULT WindowProc(const Message& message) override;
  void OnResize() override { Resize(); }
  void OnMouseDown(int button, int shift, Point p) override;
  void OnPaint(Canvas& canvas) override;
  bool PreviewsKeys() const override { return m_keyPreview; }
  void OnPreviewKeyDown(int& keyCode, int shift) override { KeyDown(keyCode, shift); }
  void OnPreviewKeyPress(int& keyAscii) override { KeyPress(keyAscii); }
  void OnPreviewKeyUp(int& keyCode, int shift) override { KeyUp(keyCode, shift); }

 private:
  bool RunUnload(int mode);
  // Border, caption and menu bar around the client area.
  void UpdateFrame();
  // The shown bar items, their looks and their rectangles (window pixels).
  std::vector<Menu*> BarItems() const;
  std::vector<MenuItemLook> BarLooks() const;
  Rect BarRect() const;
  void DropDown(Menu& item);

  std::string m_caption;
  bool m_loaded{false};
  bool m_keyPreview{false};
  int m_borderStyle{2};
  int m_scaleMode{vbTwips};
  std::vector<std::shared_ptr<Window>> m_owned;
  std::unique_ptr<Menu> m_menuBar;
  ScopedConnection m_menuBarWatch;
  Menu* m_droppedDown{nullptr};
};

}  // namespace qorvexctl::platform
