#pragma once
// Builds small GIF files byte by byte for the tests. Each call appends one block; the pixel
// data is written as literal LZW codes (a clear code before the dictionary would widen the
// codes), which every decoder must read.

#include <cstdint>
#include <string>
#include <vector>

namespace qorvexctl::testing {

using Bytes = std::vector<std::uint8_t>;

// The LZW codes of `indices` as literals, packed least significant bit first, ending with the
// end-of-information code.
Bytes LiteralLzw(int minimumCodeSize, const Bytes& indices);

// One LZW code and its width in bits.
struct Code {
  int value;
  int bits;
};

// Packs `codes`, least significant bit first.
Bytes PackCodes(const std::vector<Code>& codes);

class GifBuilder {
 public:
  // "GIF89a" (or the given signature) and a logical screen descriptor of the given size,
  // with a global table of `globalColours` entries (0: none; else a power of two from 2).
  explicit GifBuilder(int globalColours = 4, int screenWidth = 1, int screenHeight = 1,
                      const std::string& signature = "GIF89a");

  // A graphic control extension: packed = disposal << 2 | transparency flag.
  GifBuilder& GraphicControl(int disposal, int delayHundredths, int transparentIndex = -1);
  GifBuilder& RawGraphicControlPacked(std::uint8_t packed, int delayHundredths);
  GifBuilder& Netscape(int loops, const std::string& identifier = "NETSCAPE2.0");
  GifBuilder& Comment(const std::string& text);
  // An image descriptor, an optional local table, and its pixels as literal LZW codes.
  GifBuilder& Image(int left, int top, int width, int height, const Bytes& indices,
                    int localColours = 0, bool interlaced = false);
  // An image descriptor followed by the given raw bytes (code size and sub-blocks).
  GifBuilder& ImageWithData(int left, int top, int width, int height, const Bytes& data);
  GifBuilder& Raw(const Bytes& bytes);
  GifBuilder& Trailer();

  const Bytes& Build() const { return m_bytes; }

 private:
  void U16(int value);
  void ColourTable(int colours);
  void SubBlocks(const Bytes& payload);

  Bytes m_bytes;
};

}  // namespace qorvexctl::testing
