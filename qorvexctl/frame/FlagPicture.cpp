#include "qorvexctl/frame/FlagPicture.h"

#include <cstddef>
#include <cstdint>
#include <span>

#include "qorvexctl/frame/CountryTables.h"
#include "qorvexctl/imaging/PictureFormats.h"
#include "qorvexctl/platform/drawing/Blit.h"
#include "qorvexctl/platform/drawing/ScaleMode.h"
#include "qorvexctl/platform/widgets/PictureBox.h"

// resources/countries.bmp, compiled in by qorvexctl_embed_resource.
extern const unsigned char qorvexctl_countries_bmp[];
extern const std::size_t qorvexctl_countries_bmp_size;

namespace qorvexctl {
namespace {

constexpr Colour kWhite = RGB(255, 255, 255);

void PrepareFlagTarget(platform::PictureBox& box) {
  if (box.ScaleMode() != platform::vbPixels) box.ScaleMode(platform::vbPixels);
  if (box.BackColor() != kWhite) box.BackColor(kWhite);
  box.Cls();
  box.AutoRedraw(true);
}

}  // namespace

const platform::Picture& FlagStrip(LibraryState& state) {
  if (!state.FlagStrip()) {
    const std::span<const std::uint8_t> bytes(qorvexctl_countries_bmp,
                                              qorvexctl_countries_bmp_size);
    state.SetFlagStrip(std::make_shared<platform::Picture>(PictureFormats().Load(bytes)));
  }
  return *state.FlagStrip();
}

platform::Surface FlagCell(LibraryState& state, std::string_view code) {
  const auto cell = FlagCellIndex(code);
  if (!cell) return {};
  const FlagCellOrigin origin = FlagCellPixelOrigin(*cell);
  platform::Surface out(kFlagCellSize, kFlagCellSize, 24);
  const platform::BlitSource strip{FlagStrip(state).Pixels()};
  platform::BitBlt({out}, 0, 0, kFlagCellSize, kFlagCellSize, &strip, origin.x, origin.y,
                   platform::SRCCOPY);
  return out;
}

std::shared_ptr<platform::Picture> FlagPicture(LibraryState& state, std::string_view code) {
  auto* box = dynamic_cast<platform::PictureBox*>(state.FlagTarget());
  if (box == nullptr) return nullptr;
  const platform::Surface cell = FlagCell(state, code);
  if (cell.IsEmpty()) return nullptr;
  PrepareFlagTarget(*box);
  box->hDC().BitBlt(0, 0, kFlagCellSize, kFlagCellSize, cell, 0, 0, platform::SRCCOPY);
  return std::make_shared<platform::Picture>(box->Image());
}

}  // namespace qorvexctl
