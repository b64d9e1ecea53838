#pragma once
// The image header of a PNG file and the sizes that follow from it: bytes per row, the
// Adam7 passes (PNG, ISO/IEC 15948 section 8.2) and the size of the inflated image data.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "qorvexctl/imaging/png/PngFailure.h"

namespace qorvexctl::png {

enum ColourType : std::uint8_t {
  kGrey = 0,
  kRGB = 2,
  kPaletted = 3,
  kGreyAlpha = 4,
  kRGBA = 6,
};

struct PngHeader {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint8_t bitDepth = 0;
  std::uint8_t colourType = 0;
  std::uint8_t interlace = 0;

  // Samples per pixel: 1 grey or index, 2 grey+alpha, 3 RGB, 4 RGBA.
  int Channels() const;
  // Bits per pixel of the file (bit depth times channels).
  int BitsPerPixel() const { return bitDepth * Channels(); }
  // Bytes per complete pixel for the filters, at least 1.
  int FilterStride() const { return BitsPerPixel() < 8 ? 1 : BitsPerPixel() / 8; }
  bool HasAlphaChannel() const { return colourType == kGreyAlpha || colourType == kRGBA; }
  bool IsInterlaced() const { return interlace == 1; }
};

// The big-endian signed 32-bit value at `at` of chunk data (PNG 7.1); the caller checks the
// length.
inline std::int32_t ReadInt32(std::span<const std::uint8_t> data, std::size_t at) {
  return static_cast<std::int32_t>((std::uint32_t{data[at]} << 24) | (data[at + 1] << 16) |
                                   (data[at + 2] << 8) | data[at + 3]);
}

// Reads the 13 data bytes of an IHDR chunk and applies the header and size rules in their
// order; the reason of the first rule broken, or Failure::None.
Failure ParseHeader(std::span<const std::uint8_t> data, PngHeader& header);

// Bytes of one scanline of `pixels` pixels, without its filter byte.
std::int64_t RowBytes(std::int64_t pixels, int bitsPerPixel);

// One Adam7 pass: where its first pixel sits and how far apart its pixels are.
struct Adam7Pass {
  int rowStart, columnStart, rowIncrement, columnIncrement;
  int blockWidth, blockHeight;  // the block a pixel covers while the image builds up
};
extern const std::array<Adam7Pass, 7> kAdam7;

// Pixels per row and rows of an Adam7 pass (0 when the pass is empty).
std::int32_t PassWidth(const PngHeader& header, int pass);
std::int32_t PassHeight(const PngHeader& header, int pass);

// The byte size of the inflated image data, filter bytes included. For Adam7 every pass
// counts one filter byte per pass row, even a pass without columns, so the size is an
// upper bound for narrow images. Empty when it does not fit in 32 bits.
std::optional<std::int32_t> InflatedSize(const PngHeader& header);

}  // namespace qorvexctl::png
