#pragma once
// skSubMenu: a menu entry drawn in one of three colour pairs, the normal one (ForeColor,
// BackColor), the one under the pointer (HoverForeColor, HoverBackColor) and the active one
// (ActiveForeColor, ActiveBackColor). Image slots, each drawn with TransparencyColor let
// through to the entry's colour:
//
//   0  left end, at the left edge       1  right end, at the right edge
//   2  symbol, Margin pixels from the left, before the caption
//   3  marker at the right, while Active
//
//   skSubMenu& entry = ...;
//   entry.Caption("Anexo A");
//   entry.ImageFile(0, folder + "submenu_left.gif");
//   entry.Clicked.connect([&] { OpenAnnex("A"); });

#include <span>
#include <string>

#include "qorvexctl/controls/skins/SkinImages.h"
#include "qorvexctl/controls/skins/SkinWidget.h"

namespace qorvexctl {

class Registry;
struct MemberTable;

class skSubMenu final : public SkinWidget {
 public:
  static constexpr int kSlots = 4;
  static constexpr Colour kDefaultForeColor = 0xFFFFFF;
  static constexpr Colour kDefaultBackColor = 0xC3AB00;
  static constexpr Colour kDefaultHoverForeColor = 0x4A3A00;
  static constexpr Colour kDefaultHoverBackColor = 0xE1D57F;
  static constexpr Colour kDefaultActiveForeColor = 0x303030;
  static constexpr Colour kDefaultActiveBackColor = 0x7FD5E1;
  static constexpr Colour kDefaultTransparencyColor = 0xFF00FF;
  static constexpr int kDefaultMargin = 10;

  skSubMenu(LibraryState& library, platform::Desktop& desktop,
            platform::Window* container = nullptr);
  ~skSubMenu() override;
  std::string TypeName() const override { return "skSubMenu"; }
  std::string_view ClassName() const override { return "skSubMenu"; }
  // Properties, methods and events by name.
  static const MemberTable& Members();

  Event<> Clicked;

  // ForeColor, BackColor and Font are the window's own.
  Colour HoverForeColor() const { return m_hoverFore; }
  void HoverForeColor(Colour colour);
  Colour HoverBackColor() const { return m_hoverBack; }
  void HoverBackColor(Colour colour);
  Colour ActiveForeColor() const { return m_activeFore; }
  void ActiveForeColor(Colour colour);
  Colour ActiveBackColor() const { return m_activeBack; }
  void ActiveBackColor(Colour colour);
  // Pixels between the left edge and the symbol (or the caption without one).
  int Margin() const { return m_margin; }
  void Margin(int pixels);
  Colour TransparencyColor() const { return m_transparency; }
  void TransparencyColor(Colour colour);
  bool Active() const { return m_active; }
  void Active(bool value);
  const std::string& Caption() const { return m_caption; }
  void Caption(std::string caption);
  // A different font redraws.
  void SetFont(const platform::Font& font);
  // The image path of slot `nIndex` (0..3; another index raises RuntimeError 9).
  const std::string& ImageFile(int nIndex) const { return m_slots.Path(nIndex); }
  void ImageFile(int nIndex, std::string path);
  void reDraw() { Redraw(); }
  platform::HWND hwnd() const { return hWnd(); }

 protected:
  std::span<const PersistedProperty> PersistedProperties() const override;
  void OnPaint(platform::Canvas& canvas) override;
  void OnLeftReleased() override;
  void OnSkinClick() override;
  void ExitFocus() override { StopHovering(); }

 private:
  void SetColour(Colour& field, Colour colour, std::string_view key);

  SkinSlots m_slots{"skSubMenu", kSlots, SkinSlots::kLoadOnAssign};
  Colour m_hoverFore{kDefaultHoverForeColor};
  Colour m_hoverBack{kDefaultHoverBackColor};
  Colour m_activeFore{kDefaultActiveForeColor};
  Colour m_activeBack{kDefaultActiveBackColor};
  Colour m_transparency{kDefaultTransparencyColor};
  int m_margin{kDefaultMargin};
  bool m_active{false};
  std::string m_caption;
};

// Makes "QORVEXCTL.skSubMenu" creatable through the registry, with its member table.
void RegisterSubMenu(Registry& registry, platform::Desktop& desktop);

}  // namespace qorvexctl
