#pragma once
// The grey/palette colour lookup shared by the bKGD chunk, the colour tables and the pixel
// conversion: a palette index gives its PLTE entry; a grey sample of an image without a
// palette gives the grey it stands for at the image's bit depth (1-bit 0/255, 2-bit v x 85,
// 4-bit v x 17, 8-bit v; 16-bit images pass one byte of the sample).

#include <cstdint>
#include <optional>
#include <span>

#include "qorvexctl/imaging/png/PngGeometry.h"

namespace qorvexctl::png {

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};

// The grey of sample `value` at `bitDepth` (higher bits of `value` are ignored).
std::uint8_t ScaledGrey(int value, int bitDepth);

// The colour of a grey value or palette index; empty for an index beyond the palette.
std::optional<Rgb> LookupColour(const PngHeader& header, std::span<const std::uint8_t> palette,
                                int value);

// A colour as a BGR colour value (red in the low byte).
constexpr std::int32_t ColourValue(Rgb c) { return c.red | (c.green << 8) | (c.blue << 16); }

}  // namespace qorvexctl::png
