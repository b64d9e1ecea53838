#pragma once
// The base of every control of the library: a window that owns child controls (its
// constituents), sees its container's ambient properties and follows the component lifecycle.
//
//   construction          Initialize (the subclass constructor)
//   InitProperties or     Component: the persisted-property table with defaults, or read from
//   ReadProperties        the host's property bag
//   Resize                OnResize, on creation and whenever the host changes the size
//   Show / Hide           when the control starts or stops being shown on its form
//   EnterFocus/ExitFocus  when the focus moves into or out of the control or its constituents;
//                         the host sees them as the control's GotFocus / LostFocus events
//   WriteProperties       Component, whenever the host saves the form
//   Terminate             Component, at the latest from the destructor
//
// The registry creates a control without a container; the host places it with SetParent.

#include <optional>
#include <string>
#include <string_view>

#include "qorvexctl/frame/Component.h"
#include "qorvexctl/platform/widgets/Control.h"
#include "qorvexctl/platform/widgets/DrawingLayer.h"

namespace qorvexctl {

namespace platform {
class Desktop;
class Menu;
}  // namespace platform

class UserControl : public platform::Control, public Component {
 public:
  UserControl(LibraryState& library, platform::Desktop& desktop,
              platform::Window* container = nullptr);
  ~UserControl() override;

  std::string TypeName() const override { return std::string(ClassName()); }

  // What the container tells its controls.
  struct AmbientProperties {
    Colour BackColor;
    Colour ForeColor;
    platform::Font Font;
    std::string DisplayName;  // the name the host gave the control
    bool UserMode;            // run mode (true) or design mode (false)
    bool DisplayAsDefault;    // the control is its form's default button
  };
  AmbientProperties Ambient() const;
  // Run mode (the default) or design mode, as the host's ambient UserMode reports it.
  void UserMode(bool runMode);

  // Without constituents that take the focus, the control itself takes it when CanGetFocus.
  bool CanGetFocus() const { return m_canGetFocus; }
  void CanGetFocus(bool value) { m_canGetFocus = value; }
  bool CanTakeFocus() const override;
  bool HasConstituents() const override { return true; }
  // The keys whose Alt+key (and Enter / Escape as default / cancel button) reach
  // AccessKeyPress.
  std::u32string AccessKeys() const override { return m_accessKeys; }
  void AccessKeys(std::u32string keys) { m_accessKeys = std::move(keys); }

  // The control's own drawing surface (AutoRedraw, ScaleMode, Cls, Print, hDC, ...).
  platform::DrawingLayer& Drawing() { return m_layer; }
  float ScaleXOfPixels(int px) const override;
  float ScaleYOfPixels(int px) const override;

  // Shows `menu` as a popup (Desktop::PopupMenu) at x, y in the control's scale units from
  // its client area, the pointer's coordinate standing in for one left out. Returns the chosen
  // item, or nullptr.
  platform::Menu* PopupMenu(platform::Menu& menu, int flags = 0,
                            std::optional<double> x = std::nullopt,
                            std::optional<double> y = std::nullopt,
                            platform::Menu* defaultItem = nullptr);

  // Marks a persisted property as changed, so the host knows the form needs saving.
  void PropertyChanged(std::string_view name);
  bool PropertiesChanged() const { return m_propertiesChanged; }
  void ClearPropertiesChanged() { m_propertiesChanged = false; }

 protected:
  // Lifecycle hooks for the subclasses.
  virtual void Show() {}
  virtual void Hide() {}
  virtual void EnterFocus() {}
  virtual void ExitFocus() {}
  virtual void AmbientChanged(std::string_view /*name*/) {}
  // Draws the control when its drawing layer does not keep what was drawn (no AutoRedraw).
  virtual void Paint() {}

  void OnPaint(platform::Canvas& canvas) override;

 private:
  // The host sees the control's GotFocus and LostFocus when the focus enters and leaves it.
  void OnGotFocus() final {}
  void OnLostFocus() final {}
  void OnEnterFocus() final;
  void OnExitFocus() final;
  void OnShownChanged(bool shown) final;
  void OnAmbientChanged(std::string_view name) final { AmbientChanged(name); }

  platform::DrawingLayer m_layer{*this};
  bool m_canGetFocus{true};
  bool m_userMode{true};
  bool m_propertiesChanged{false};
  std::u32string m_accessKeys;
};

}  // namespace qorvexctl
