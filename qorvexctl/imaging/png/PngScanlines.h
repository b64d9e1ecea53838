#pragma once
// Unfiltering and placement of the inflated image data: the routine for non-interlaced images
// (rows converted in bands of 16) and the one for Adam7 images (pass by pass).

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

#include "qorvexctl/imaging/png/PngFailure.h"
#include "qorvexctl/imaging/png/PngGeometry.h"
#include "qorvexctl/imaging/png/PngRowConverter.h"

namespace qorvexctl::png {

// Rows of the output bitmap, top-down.
struct OutputRows {
  std::uint8_t* pixels = nullptr;
  std::ptrdiff_t stride = 0;
  int bits = 32;
  std::uint8_t* Row(std::int32_t y) const { return pixels + stride * y; }
};

// What the routines report while they work. Any member may be left empty.
struct ScanlineHooks {
  std::function<void(int percentage)> progress;
  // Non-interlaced: rows [firstRow, firstRow + rowCount) are in the bitmap.
  std::function<void(std::int32_t firstRow, std::int32_t rowCount)> bandReady;
  // Adam7: pass `pass` (1..7) is in the bitmap.
  std::function<void(int pass)> passReady;
  // Adam7: fill each pixel's block during passes 1..6, so the image builds up coarse first.
  bool fillBlocks = false;
};

// Rows per band of a non-interlaced image.
inline constexpr std::int32_t kBandRows = 16;

// Unfilters `inflated` in place and converts it into `out`. `inflated` holds at least
// InflatedSize(header) bytes.
Failure DecodeScanlines(const PngHeader& header, std::span<std::uint8_t> inflated,
                           const PngRowConverter& converter, const OutputRows& out,
                           const ScanlineHooks& hooks);

}  // namespace qorvexctl::png
