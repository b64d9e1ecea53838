#pragma once
// The records a parsed GIF file is made of: frame records, their byte ranges in the file,
// colour tables, and the reasons a load can fail.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "qorvexctl/base/Colour.h"

namespace qorvexctl::gif {

// Why a GIF load failed. The public result is only true or false; tests and the command line
// read the reason.
enum class Failure {
  None,
  BadSignature,    // the first six bytes are not "gif87a" or "gif89a" in any case
  NoColourTable,   // an image with neither a local nor a global colour table
  NoFrames,        // no image with data before the end
  CanvasTooLarge,  // the frames cover more than the decoder accepts (kMaxCanvasPixels)
  StripTooLarge,   // the frames side by side need more than kMaxStripBytes
  ZeroSizeFrame,   // a frame of width or height 0
  BadCodeSize,     // an LZW minimum code size outside 1..8
  LzwDataShort,    // the LZW data ends before the frame is complete
  LzwBadCode,      // a code that is not yet in the dictionary
};

std::string_view FailureText(Failure error);

// One colour table: up to 256 colour values (red in the low byte) and the number of entries
// the file gave. Entries past that number are black.
struct GifColourTable {
  std::array<Colour, 256> entries{};
  int count = 0;
};

// One image of the file with the graphic control that precedes it.
struct GifFrame {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t delay = 0;        // milliseconds (hundredths in the file times 10), 0 without one
  std::int32_t colourTable = 0;  // 0 = the global table, n = the file's n-th local table
  std::int32_t offset = 0;       // horizontal position of the frame in the frame strip
  std::uint8_t transparentIndex = 0;
  bool transparent = false;
  std::uint8_t disposal = 0;  // 0..3: none, keep, fill background, restore previous
  bool interlaced = false;
  std::size_t lzwPosition = 0;  // position of the LZW minimum code size byte in the file
  std::size_t lzwDataSize = 0;  // bytes of LZW data in the frame's sub-blocks
};

// Where a frame's bytes lie in the file: from its graphic control extension (or its image
// descriptor when it has none) to the end of its image data.
struct GifByteRange {
  std::size_t start = 0;
  std::size_t length = 0;
};

}  // namespace qorvexctl::gif
