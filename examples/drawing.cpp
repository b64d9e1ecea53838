// docs/drawing.md: drawing on a surface with a canvas, and loading pictures by format.

#include "qorvexctl/imaging/PictureFormats.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/drawing/Region.h"
#include "qorvexctl/platform/drawing/Screenshot.h"
#include "qorvexctl/platform/drawing/Surface.h"
#include "qorvexctl/platform/drawing/SystemColours.h"

namespace {

void DrawButton(const qorvexctl::platform::SystemColours& desktopColours,
                const qorvexctl::platform::Picture& icon) {
  using namespace qorvexctl;
  using namespace qorvexctl::platform;
  Surface surface(120, 24, 32);             // empty (IsEmpty) if it cannot be allocated
  Canvas canvas(surface, &desktopColours);  // or nullptr for the classic table
  canvas.FillRect(surface.Bounds(), SystemColour(COLOR_BTNFACE));
  canvas.SelectFont(Font("Tahoma", 8));
  canvas.SetBackgroundMode(BackgroundMode::Transparent);
  Rect box{4, 0, 116, 24};
  canvas.DrawText("&Calcular", box, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  canvas.SetClipRegion(Region::FromEllipse({0, 0, 120, 24}));
  canvas.AlphaBlend(0, 0, 16, 16, icon.Pixels(), 0, 0, 16, 16, {255, true});
  canvas.SetSmoothing(true);  // antialiased shapes for this control
  canvas.RoundRect({0, 0, 120, 24}, 10, 10);
  WritePng(surface, "button.png");
}

qorvexctl::platform::Picture LoadPicture(const std::filesystem::path& path) {
  using namespace qorvexctl;
  using namespace qorvexctl::platform;
  Picture p = PictureFormats().LoadFile(path);   // empty when no format takes the file
  return p;
}

}  // namespace

int main() {
  const qorvexctl::platform::SystemColours colours;
  DrawButton(colours, LoadPicture("icon.png"));
  return 0;
}
