#pragma once
// A top-down pixel buffer of 1, 4, 8, 24 or 32 bits per pixel.
//
// Rows are `Stride()` bytes apart, rounded up to a multiple of 4. Indexed depths (1, 4 and 8
// bits) carry a colour table of 2^depth entries in memory order blue, green, red, reserved.
// 24-bit pixels are stored blue, green, red. 32-bit pixels are premultiplied blue, green, red,
// alpha: one native 32-bit word 0xAARRGGBB per pixel, the layout of cairo's ARGB32 images, so
// cairo can draw on them directly. Pixel values are raw: an index for indexed depths, the
// 0xAARRGGBB word otherwise (24-bit values read with alpha 0xFF).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "qorvexctl/base/Colour.h"
#include "qorvexctl/platform/drawing/Geometry.h"

namespace qorvexctl::platform {

// One colour-table entry, laid out like the classic RGBQUAD.
struct ColourTableEntry {
  std::uint8_t blue = 0;
  std::uint8_t green = 0;
  std::uint8_t red = 0;
  std::uint8_t reserved = 0;
  friend constexpr bool operator==(const ColourTableEntry&, const ColourTableEntry&) = default;
};

// The 0xAARRGGBB pixel word of an opaque plain colour, and back.
constexpr std::uint32_t PixelWordOf(Colour c) {
  return 0xFF000000u | (static_cast<std::uint32_t>(RedOf(c)) << 16) |
         (static_cast<std::uint32_t>(GreenOf(c)) << 8) | static_cast<std::uint32_t>(BlueOf(c));
}
constexpr Colour ColourOfPixelWord(std::uint32_t w) {
  return RGB(static_cast<int>((w >> 16) & 0xFF), static_cast<int>((w >> 8) & 0xFF),
             static_cast<int>(w & 0xFF));
}
constexpr ColourTableEntry TableEntryOf(Colour c) {
  return {static_cast<std::uint8_t>(BlueOf(c)), static_cast<std::uint8_t>(GreenOf(c)),
          static_cast<std::uint8_t>(RedOf(c)), 0};
}
constexpr Colour ColourOfTableEntry(ColourTableEntry e) { return RGB(e.red, e.green, e.blue); }

class Surface {
 public:
  // Cairo's limit for image surfaces; larger sides give an empty surface.
  static constexpr int kMaxSide = 32767;

  // An empty surface (no pixels).
  Surface() = default;
  // A surface cleared to zero (index 0, or transparent black). An unsupported depth, a side
  // below 1 or above kMaxSide, or a buffer that cannot be allocated gives an empty surface.
  Surface(int width, int height, int bitsPerPixel);

  // Bytes per row for a width and depth, or nothing when the depth is unsupported or the
  // arithmetic would overflow.
  static std::optional<std::size_t> StrideFor(int width, int bitsPerPixel);

  bool IsEmpty() const { return m_pixels.empty(); }
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  Rect Bounds() const { return {0, 0, m_width, m_height}; }
  int BitsPerPixel() const { return m_bits; }
  bool IsIndexed() const { return m_bits != 0 && m_bits <= 8; }
  std::size_t Stride() const { return m_stride; }
  std::uint8_t* Data() { return m_pixels.data(); }
  const std::uint8_t* Data() const { return m_pixels.data(); }
  std::uint8_t* Row(int y) { return m_pixels.data() + static_cast<std::size_t>(y) * m_stride; }
  const std::uint8_t* Row(int y) const {
    return m_pixels.data() + static_cast<std::size_t>(y) * m_stride;
  }
  // 32-bit surfaces: the pixel words of a row.
  std::uint32_t* Words(int y) { return reinterpret_cast<std::uint32_t*>(Row(y)); }
  const std::uint32_t* Words(int y) const { return reinterpret_cast<const std::uint32_t*>(Row(y)); }

  // The colour table (empty for 24 and 32 bits). New tables hold black and white (1 bit), the
  // sixteen classic VGA colours (4 bits) or a grey ramp (8 bits).
  std::span<const ColourTableEntry> ColourTable() const { return m_table; }
  // Replaces entries from `start` on, as far as the table reaches; returns how many were set.
  int SetColourTable(int start, std::span<const ColourTableEntry> entries);
  // Copies entries from `start` on into `out`; returns how many were copied.
  int GetColourTable(int start, std::span<ColourTableEntry> out) const;

  // Raw pixel value (see above); 0 outside the surface.
  std::uint32_t PixelValue(int x, int y) const;
  // Writes a raw value; outside the surface nothing happens.
  void SetPixelValue(int x, int y, std::uint32_t value);
  // The pixel's colour as a plain BGR value, through the colour table for indexed depths and
  // un-premultiplied for 32 bits; 0 outside the surface.
  Colour PixelColour(int x, int y) const;
  // The pixel's alpha: 255 except for 32-bit surfaces.
  int PixelAlpha(int x, int y) const;
  // Sets every pixel to a raw value.
  void Fill(std::uint32_t value);

  // The raw value that stands for a plain colour here: the opaque pixel word, or the index of
  // the nearest colour-table entry.
  std::uint32_t ValueOf(Colour c) const;
  // Index of the colour-table entry nearest to a colour (0 without a table).
  int NearestIndex(Colour c) const;

 private:
  int m_width = 0;
  int m_height = 0;
  int m_bits = 0;
  std::size_t m_stride = 0;
  std::vector<std::uint8_t> m_pixels;
  std::vector<ColourTableEntry> m_table;
};

}  // namespace qorvexctl::platform
