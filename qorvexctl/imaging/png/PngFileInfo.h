#pragma once
// Everything the chunk walk of a PNG file collects: the header, the ancillary values the
// public properties report and the compressed image data.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "qorvexctl/imaging/png/PngGeometry.h"

namespace qorvexctl::png {

// One tEXt or zTXt chunk as read: its type and its data.
struct TextRecord {
  bool compressed = false;  // zTXt
  std::vector<std::uint8_t> data;
};

// tIME: year, month, day, hour, minute, second as stored.
struct ModificationTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

struct PngFileInfo {
  bool hasHeader = false;
  PngHeader header;
  std::int32_t background = -1;                             // bKGD as a BGR colour value
  std::int32_t gamma = 0;                                   // gAMA, gamma x 100000
  std::vector<std::uint8_t> palette;                        // PLTE: R, G, B per entry
  std::vector<std::uint8_t> transparency;                   // tRNS as stored (palette: 256 entries)
  std::int32_t transparentColour = -1;                      // -1 without tRNS; see the tRNS handler
  std::optional<std::array<std::int32_t, 8>> chromaticity;  // cHRM
  std::optional<std::array<std::int32_t, 3>> physicalSize;  // pHYs: x, y, unit
  std::optional<std::array<std::int32_t, 3>> offsets;       // oFFs: x, y, unit
  std::vector<TextRecord> texts;
  std::optional<ModificationTime> modified;
  std::uint8_t standardRGB = 0;         // sRGB rendering intent + 1, 0 when absent
  std::vector<std::uint8_t> imageData;  // every IDAT, concatenated

  bool HasTransparencyChunk() const { return transparentColour != -1; }
  // True when the colour type carries alpha or a tRNS chunk was read.
  bool HasAlpha() const { return header.HasAlphaChannel() || HasTransparencyChunk(); }
};

}  // namespace qorvexctl::png
