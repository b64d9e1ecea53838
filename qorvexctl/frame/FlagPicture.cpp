#include "qorvexctl/frame/FlagPicture.h"

#include <cstddef>
#include <cstdint>
#include <span>

#include "qorvexctl/frame/CountryTables.h"
#include "qorvexctl/platform/Blit.h"
#include "qorvexctl/platform/PictureLoader.h"

// resources/countries.bmp, compiled in by qorvexctl_embed_resource.
extern const unsigned char qorvexctl_countries_bmp[];
extern const std::size_t qorvexctl_countries_bmp_size;

namespace qorvexctl {

const platform::Picture& FlagStrip(LibraryState& state) {
  if (!state.FlagStrip()) {
    const std::span<const std::uint8_t> bytes(qorvexctl_countries_bmp,
                                              qorvexctl_countries_bmp_size);
    state.SetFlagStrip(std::make_shared<platform::Picture>(platform::PictureLoader().Load(bytes)));
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

}  // namespace qorvexctl
