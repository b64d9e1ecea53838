// InfoButton looks: its six pictures, drawn in code, and the button's face.

#include <array>

#include "qorvexctl/controls/helpers/InfoButton.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/widgets/TooltipPainter.h"

namespace qorvexctl {

namespace {

struct PictureResource {
  std::string_view name;
  platform::TooltipIcon icon;
  bool enabled;
};

constexpr std::array<PictureResource, 6> kPictures = {{
    {"IB_INFO", platform::TTI_INFO, true},
    {"IB_WARNING", platform::TTI_WARNING, true},
    {"IB_ERROR", platform::TTI_ERROR, true},
    {"IB_INFO_DISABLED", platform::TTI_INFO, false},
    {"IB_WARNING_DISABLED", platform::TTI_WARNING, false},
    {"IB_ERROR_DISABLED", platform::TTI_ERROR, false},
}};

}  // namespace

platform::Surface InfoButtonPicture(std::string_view resourceName) {
  for (const PictureResource& picture : kPictures) {
    if (picture.name != resourceName) continue;
    platform::Surface surface(InfoButton::kSizePixels, InfoButton::kSizePixels, 32);
    platform::Canvas canvas(surface);
    platform::PaintMessageIcon(canvas, surface.Bounds(), picture.icon, picture.enabled);
    return surface;
  }
  return {};
}

// The picture over BackColor, or over whatever lies beneath when the button is transparent.
void InfoButton::OnPaint(platform::Canvas& canvas) {
  const platform::Surface picture = InfoButtonPicture(PictureName());
  if (!m_transparent) canvas.FillRect(canvas.Target().Bounds(), BackColor());
  canvas.AlphaBlend(0, 0, kSizePixels, kSizePixels, picture, 0, 0, kSizePixels, kSizePixels,
                    platform::BlendFunction{});
}

}  // namespace qorvexctl
