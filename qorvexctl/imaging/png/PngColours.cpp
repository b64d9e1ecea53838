#include "qorvexctl/imaging/png/PngColours.h"

namespace qorvexctl::png {

std::uint8_t ScaledGrey(int value, int bitDepth) {
  switch (bitDepth) {
    case 1:
      return static_cast<std::uint8_t>((value & 1) * 255);
    case 2:
      return static_cast<std::uint8_t>((value & 3) * 85);
    case 4:
      return static_cast<std::uint8_t>((value & 15) * 17);
    default:
      return static_cast<std::uint8_t>(value);
  }
}

std::optional<Rgb> LookupColour(const PngHeader& header, std::span<const std::uint8_t> palette,
                                int value) {
  if (palette.empty()) {
    std::uint8_t grey = ScaledGrey(value, header.bitDepth);
    return Rgb{grey, grey, grey};
  }
  std::size_t at = static_cast<std::size_t>(value) * 3;
  if (value < 0 || at + 3 > palette.size()) return std::nullopt;
  return Rgb{palette[at], palette[at + 1], palette[at + 2]};
}

}  // namespace qorvexctl::png
