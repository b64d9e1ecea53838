#pragma once
// skGrowth: a captioned panel framed by skin images that grows with the control. Slots:
//
//   0  top-left corner        1  top-right corner      2  top edge, tiled between the corners
//   3  body, tiled            4  bottom edge, tiled     5  spare
//
// The header is as tall as the top-left corner; the caption is a label over it. Paths are only
// stored when assigned and read when drawing. With neither a SkinID nor slot 0 at drawing time
// the panel takes the default red skin from the application's data folder.
//
//   skGrowth& header = ...;
//   header.Caption("Rendimentos do trabalho");
//   header.RequestSkinRepait.connect([&] { AssignSkin(header, header.SkinID()); });

#include <span>
#include <string>

#include "qorvexctl/base/Event.h"
#include "qorvexctl/controls/skins/SkinImages.h"
#include "qorvexctl/frame/UserControl.h"
#include "qorvexctl/platform/widgets/Label.h"

namespace qorvexctl {

class Registry;
struct MemberTable;

class skGrowth final : public UserControl {
 public:
  static constexpr int kSlots = 6;
  static constexpr Colour kDefaultCaptionColor = 0xFFFFFF;

  skGrowth(LibraryState& library, platform::Desktop& desktop,
           platform::Window* container = nullptr);
  ~skGrowth() override;
  std::string TypeName() const override { return "skGrowth"; }
  std::string_view ClassName() const override { return "skGrowth"; }
  // Properties, methods and events by name.
  static const MemberTable& Members();

  Event<> RequestSkinRepait;
  Event<> Resize;

  // The image path of slot `imgID` (0..5; another index raises RuntimeError 9).
  const std::string& ImageSource(int imgID) const { return m_slots.Path(imgID); }
  void ImageSource(int imgID, std::string path);
  const std::string& SkinID() const { return m_skinID; }
  void SkinID(std::string id);
  const std::string& Caption() const { return m_caption.Caption(); }
  void Caption(std::string caption);
  Colour CaptionColor() const { return m_caption.ForeColor(); }
  void CaptionColor(Colour colour);
  void Repaint() { Invalidate(); }
  platform::HWND hwnd() const { return hWnd(); }
  // The caption label.
  platform::Label& CaptionLabel() { return m_caption; }

 protected:
  std::span<const PersistedProperty> PersistedProperties() const override;
  void OnPaint(platform::Canvas& canvas) override;
  void OnResize() override;

 private:
  void TakeDefaultSkin();
  int HeaderHeight();
  void PlaceCaption();

  SkinSlots m_slots{"skGrowth", kSlots, SkinSlots::kLoadWhenDrawn};
  std::string m_skinID;
  platform::Label m_caption{*this};
};

// Makes "QORVEXCTL.skGrowth" creatable through the registry, with its member table.
void RegisterGrowth(Registry& registry, platform::Desktop& desktop);

}  // namespace qorvexctl
