#pragma once
// skGoButton: a three-state image button. Slot 0 is its normal look, slot 1 the look while the
// pointer is over it, slot 2 the pressed (Active) look; each is scaled to the control.
//
//   skGoButton& go = ...;
//   go.ImageSource(0, folder + "btn_go_normal.gif");   // loaded at once
//   go.Tooltip("Seguinte");                              // a balloon tip titled "Navegação"
//   go.Click.connect([&] { NextPage(); });
//
// A press shows slot 2 until the release; a click (press and release inside) clears the
// pressed and hover states, releases the capture, redraws, then raises Click and MouseOut.
// At design time a button without images shows the development skin's "btn_go_*.gif".

#include <memory>
#include <span>
#include <string>

#include "qorvexctl/controls/helpers/clsBalloonTip.h"
#include "qorvexctl/controls/skins/SkinImages.h"
#include "qorvexctl/controls/skins/SkinWidget.h"

namespace qorvexctl {

class Registry;
struct MemberTable;

class skGoButton final : public SkinWidget {
 public:
  static constexpr int kSlots = 6;

  skGoButton(LibraryState& library, platform::Desktop& desktop,
             platform::Window* container = nullptr);
  ~skGoButton() override;
  std::string TypeName() const override { return "skGoButton"; }
  std::string_view ClassName() const override { return "skGoButton"; }
  // Properties, methods and events by name.
  static const MemberTable& Members();

  Event<> RequestSkinRepait;
  Event<> DoubleClick;

  // The image path of slot `imgID` (0..5; another index raises RuntimeError 9).
  const std::string& ImageSource(int imgID) const { return m_slots.Path(imgID); }
  void ImageSource(int imgID, std::string path);
  const std::string& SkinID() const { return m_skinID; }
  void SkinID(std::string id);
  bool Active() const { return m_active; }
  void Active(bool value);
  // The tip's text ("" while there is no tip).
  std::string Tooltip() const;
  void Tooltip(std::string text);
  // Enabled is the window's; a change redraws.
  void Repaint() { Redraw(); }
  bool Clicking() const { return m_clicking; }
  platform::HWND hwnd() const { return hWnd(); }

  // The slot drawn now: 2 when Active, else 1 while hovering, else 0.
  int LookSlot() const;

 protected:
  std::span<const PersistedProperty> PersistedProperties() const override;
  void OnTerminate() override;
  void OnPaint(platform::Canvas& canvas) override;
  void OnEnabledChanged() override { Redraw(); }
  void OnLeftPressed() override;
  void OnLeftReleased() override;
  void OnSkinClick() override;
  void OnSkinDoubleClick() override { DoubleClick(); }

 private:
  void LoadDesignImages();

  SkinSlots m_slots{"skGoButton", kSlots, SkinSlots::kLoadOnAssign};
  std::string m_skinID;
  bool m_active{false};
  bool m_clicking{false};
  std::unique_ptr<clsBalloonTip> m_tip;
};

// Makes "QORVEXCTL.skGoButton" creatable through the registry, with its member table.
void RegisterGoButton(Registry& registry, platform::Desktop& desktop);

}  // namespace qorvexctl
