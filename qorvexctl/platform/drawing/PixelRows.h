#pragma once
// Row-wise access to raw pixel values of any surface depth, used by the blits, the canvas and
// the picture decoders. Values are indices for indexed depths and 0xAARRGGBB words otherwise
// (24-bit pixels read with alpha 0xFF). Callers keep the span inside the surface.

#include <cstdint>

#include "qorvexctl/platform/drawing/Surface.h"

namespace qorvexctl::platform {

// Reads `count` values of row `y` from column `x` on.
void ReadRowValues(const Surface& s, int y, int x, int count, std::uint32_t* out);
// Reads `count` pixels of row `y` as 0xAARRGGBB words, looking indices up in the colour table
// (indexed and 24-bit pixels are opaque).
void ReadRowWords(const Surface& s, int y, int x, int count, std::uint32_t* out);
// Writes `count` values to row `y` from column `x` on; indices are masked to the depth.
void WriteRowValues(Surface& s, int y, int x, int count, const std::uint32_t* values);
// Writes one value `count` times to row `y` from column `x` on.
void FillRowValues(Surface& s, int y, int x, int count, std::uint32_t value);

// The premultiplied 0xAARRGGBB word of a plain colour with an alpha (0..255).
std::uint32_t PremultipliedWord(Colour c, int alpha);
// Rounded x / 255 for x in 0..65025.
constexpr std::uint32_t Div255(std::uint32_t x) {
  x += 128;
  return (x + (x >> 8)) >> 8;
}

}  // namespace qorvexctl::platform
