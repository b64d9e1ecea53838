#pragma once
// skQuadro: a box framed by skin images, drawn with TransparencyColor let through to the
// control's BackColor. Slots:
//
//   0  top band: its ends at their own size, its middle column stretched between them
//   1  body, laid out like the bands and repeated down between them
//   2  bottom band, laid out like the top
//   3  symbol at the left of the top band
//
// At design time the box shows the development skin: with DebugDesign = N above 0 the files
// "quadro_N_top.gif", "quadro_N_back.gif" and "quadro_N_bottom.gif", else "topo_laranja.gif",
// "topo_repeat.gif" and "fundo_fundo.gif".

#include <span>
#include <string>

#include "qorvexctl/controls/skins/SkinImages.h"
#include "qorvexctl/controls/skins/SkinWidget.h"

namespace qorvexctl {

class Registry;
struct MemberTable;

class skQuadro final : public SkinWidget {
 public:
  static constexpr int kSlots = 4;
  static constexpr Colour kDefaultTransparencyColor = 0xFF00FF;

  skQuadro(LibraryState& library, platform::Desktop& desktop,
           platform::Window* container = nullptr);
  ~skQuadro() override;
  std::string TypeName() const override { return "skQuadro"; }
  std::string_view ClassName() const override { return "skQuadro"; }
  // Properties, methods and events by name.
  static const MemberTable& Members();

  Event<> Clicked;

  Colour TransparencyColor() const { return m_transparency; }
  void TransparencyColor(Colour colour);
  // The image path of slot `nIndex` (0..3; another index raises RuntimeError 9).
  const std::string& ImageFile(int nIndex) const { return m_slots.Path(nIndex); }
  void ImageFile(int nIndex, std::string path);
  int DebugDesign() const { return m_debugDesign; }
  void DebugDesign(int imageSet);
  void reDraw() { Redraw(); }
  platform::HWND hwnd() const { return hWnd(); }

 protected:
  std::span<const PersistedProperty> PersistedProperties() const override;
  void PropertiesLoaded() override;
  void OnPaint(platform::Canvas& canvas) override;
  void OnSkinClick() override { Clicked(); }
  void ExitFocus() override;

 private:
  void LoadDesignImages();

  SkinSlots m_slots{"skQuadro", kSlots, SkinSlots::kLoadOnAssign};
  Colour m_transparency{kDefaultTransparencyColor};
  int m_debugDesign{0};
};

// Makes "QORVEXCTL.skQuadro" creatable through the registry, with its member table.
void RegisterQuadro(Registry& registry, platform::Desktop& desktop);

}  // namespace qorvexctl
