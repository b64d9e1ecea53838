// cTipDefCTLNew looks: the "TIP_" option pictures, cut from the strip that
// resources/make_option_pictures.py draws, and the three options side by side.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "qorvexctl/controls/helpers/cTipDefCTLNew.h"
#include "qorvexctl/platform/codecs/PictureLoader.h"
#include "qorvexctl/platform/drawing/Canvas.h"

// resources/tipdef.bmp, compiled in by qorvexctl_embed_resource.
extern const unsigned char qorvexctl_tipdef_bmp[];
extern const std::size_t qorvexctl_tipdef_bmp_size;

namespace qorvexctl {

namespace {

// The cells of the strip, left to right.
constexpr std::array<std::string_view, 9> kStripCells = {
    "TIP_A", "TIP_B", "TIP_C", "TIP_A0", "TIP_A1", "TIP_B0", "TIP_B1", "TIP_C0", "TIP_C1"};

}  // namespace

platform::Surface TipPicture(std::string_view name) {
  const auto cell = std::find(kStripCells.begin(), kStripCells.end(), name);
  if (cell == kStripCells.end()) return {};
  const std::span<const std::uint8_t> bytes(qorvexctl_tipdef_bmp, qorvexctl_tipdef_bmp_size);
  const platform::Picture strip = platform::PictureLoader().Load(bytes);
  constexpr int size = cTipDefCTLNew::kOptionPixels;
  platform::Surface out(size, size, 24);
  platform::Canvas(out).BitBlt(0, 0, size, size, strip.Pixels(),
                               static_cast<int>(cell - kStripCells.begin()) * size, 0,
                               platform::SRCCOPY);
  return out;
}

std::string cTipDefCTLNew::OptionPictureName(int index) const {
  std::string name = "TIP_" + std::string(1, static_cast<char>('A' + index));
  if (m_enabled) name += index == m_tipo ? "1" : "0";
  return name;
}

void cTipDefCTLNew::OnPaint(platform::Canvas& canvas) {
  canvas.FillRect(canvas.Target().Bounds(), BackColor());
  constexpr int size = kOptionPixels;
  for (int i = 0; i < kOptions; ++i) {
    const platform::Surface picture = TipPicture(OptionPictureName(i));
    canvas.BitBlt(Option(i).Bounds().left, 0, size, size, picture, 0, 0, platform::SRCCOPY);
  }
}

}  // namespace qorvexctl
