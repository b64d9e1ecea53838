#pragma once
// Turns unfiltered PNG scanlines into rows of the output bitmap: 1-, 4- or 8-bit colour-table
// indices, 24-bit blue-green-red, or 32-bit blue-green-red-alpha with the colour
// premultiplied by alpha (channel x alpha / 255, integer division). Samples of 1, 2 or 4 bits
// are widened to 8 bits (v x 255 / (2^depth - 1)) whatever the colour type.

#include <array>
#include <cstdint>
#include <span>

#include "qorvexctl/imaging/png/PngGeometry.h"

namespace qorvexctl::png {

struct ConversionSettings {
  PngHeader header;
  std::span<const std::uint8_t> palette;       // PLTE entries, R, G, B
  std::span<const std::uint8_t> transparency;  // tRNS as stored (palette: 256 alphas)
  bool hasTransparency = false;                // a tRNS chunk was read
  bool keepAlpha = true;                       // false: every pixel opaque
  int outputBits = 32;                         // 1, 4, 8, 24 or 32
};

class PngRowConverter {
 public:
  explicit PngRowConverter(const ConversionSettings& settings);

  // Converts `count` pixels of `source` into `out`, pixel i going to column first + i x step.
  void Convert(const std::uint8_t* source, std::int32_t count, std::uint8_t* out,
               std::int32_t first, std::int32_t step) const;

 private:
  void ConvertToIndices(const std::uint8_t* source, std::int32_t count, std::uint8_t* out,
                        std::int32_t first, std::int32_t step) const;
  template <int OutBytes>
  void ConvertToColours(const std::uint8_t* source, std::int32_t count, std::uint8_t* out,
                        std::int32_t outStep) const;
  template <int OutBytes>
  void ConvertThroughTable(const std::uint8_t* source, std::int32_t count, std::uint8_t* out,
                           std::int32_t outStep) const;
  template <int OutBytes, int SampleBytes>
  void ConvertRGB(const std::uint8_t* source, std::int32_t count, std::uint8_t* out,
                  std::int32_t outStep) const;
  template <int OutBytes, int SampleBytes>
  void ConvertWithAlpha(const std::uint8_t* source, std::int32_t count, std::uint8_t* out,
                        std::int32_t outStep) const;
  template <int OutBytes>
  void ConvertPackedSamples(const std::uint8_t* source, std::int32_t count, std::uint8_t* out,
                            std::int32_t outStep) const;
  template <int OutBytes>
  void ConvertKeyedGrey16(const std::uint8_t* source, std::int32_t count, std::uint8_t* out,
                          std::int32_t outStep) const;
  void BuildTable();

  ConversionSettings m_settings;
  std::array<std::uint32_t, 256> m_table{};  // grey or index -> B | G<<8 | R<<16 | A<<24
};

}  // namespace qorvexctl::png
