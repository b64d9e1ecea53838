#pragma once
// skNumber: a coloured number badge. A rounded plate in Background with the Caption centred in
// Foreground; while Active or under the pointer it takes BackgroundActive and
// ForegroundActive. BackColor is the colour round the plate.
//
//   skNumber& step = ...;
//   step.Caption("2");
//   step.Clicked.connect([&] { GoToStep(2); });

#include <span>
#include <string>

#include "qorvexctl/controls/skins/SkinWidget.h"

namespace qorvexctl {

class Registry;
struct MemberTable;

class skNumber final : public SkinWidget {
 public:
  static constexpr Colour kDefaultBackground = 0x404040;
  static constexpr Colour kDefaultBackgroundActive = 0x5652B8;
  static constexpr Colour kDefaultForeground = 0xFFFFFF;
  static constexpr Colour kDefaultForegroundActive = 0xFFFFFF;
  static constexpr Colour kDefaultBackColor = 0x8000000F;  // the button face

  skNumber(LibraryState& library, platform::Desktop& desktop,
           platform::Window* container = nullptr);
  ~skNumber() override;
  std::string TypeName() const override { return "skNumber"; }
  std::string_view ClassName() const override { return "skNumber"; }
  // Properties, methods and events by name.
  static const MemberTable& Members();

  Event<> Clicked;
  Event<> DoubleClicked;
  Event<> RequestSkinRepait;

  const std::string& Caption() const { return m_caption; }
  void Caption(std::string caption);
  Colour Background() const { return m_background; }
  void Background(Colour colour);
  Colour BackgroundActive() const { return m_backgroundActive; }
  void BackgroundActive(Colour colour);
  Colour Foreground() const { return m_foreground; }
  void Foreground(Colour colour);
  Colour ForegroundActive() const { return m_foregroundActive; }
  void ForegroundActive(Colour colour);
  bool Active() const { return m_active; }
  void Active(bool value);
  const std::string& SkinID() const { return m_skinID; }
  void SkinID(std::string id);
  platform::HWND hwnd() const { return hWnd(); }

 protected:
  std::span<const PersistedProperty> PersistedProperties() const override;
  void OnPaint(platform::Canvas& canvas) override;
  void OnSkinClick() override { Clicked(); }
  void OnSkinDoubleClick() override { DoubleClicked(); }

 private:
  // Stores a colour and redraws.
  void SetColour(Colour& field, Colour colour, std::string_view key);

  std::string m_caption;
  Colour m_background{kDefaultBackground};
  Colour m_backgroundActive{kDefaultBackgroundActive};
  Colour m_foreground{kDefaultForeground};
  Colour m_foregroundActive{kDefaultForegroundActive};
  bool m_active{false};
  std::string m_skinID;
};

// Makes "QORVEXCTL.skNumber" creatable through the registry, with its member table.
void RegisterNumber(Registry& registry, platform::Desktop& desktop);

}  // namespace qorvexctl
