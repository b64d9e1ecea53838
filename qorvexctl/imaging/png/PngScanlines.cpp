#include "qorvexctl/imaging/png/PngScanlines.h"

#include <algorithm>
#include <cstring>

#include "qorvexctl/imaging/png/PngUnfilter.h"

namespace qorvexctl::png {

namespace {

// Unfilters `rows` scanlines of `rowBytes` bytes (each after its filter byte) starting at
// `data`, the first one having no row above.
bool UnfilterRows(std::uint8_t* data, std::int32_t rows, std::size_t rowBytes, std::size_t stride,
                  const std::uint8_t* previous) {
  for (std::int32_t r = 0; r < rows; ++r, data += rowBytes + 1) {
    if (!UnfilterRow(data[0], data + 1, previous, rowBytes, stride)) return false;
    previous = data + 1;
  }
  return true;
}

void ConvertRows(const PngRowConverter& converter, const std::uint8_t* data, std::size_t rowBytes,
                 std::int32_t width, const OutputRows& out, std::int32_t first,
                 std::int32_t count) {
  for (std::int32_t y = first; y < first + count; ++y) {
    converter.Convert(data + (rowBytes + 1) * y + 1, width, out.Row(y), 0, 1);
  }
}

Failure DecodeNonInterlaced(const PngHeader& header, std::uint8_t* data,
                               const PngRowConverter& converter, const OutputRows& out,
                               const ScanlineHooks& hooks) {
  const auto rowBytes = static_cast<std::size_t>(RowBytes(header.width, header.BitsPerPixel()));
  const auto stride = static_cast<std::size_t>(header.FilterStride());
  const std::uint8_t* previous = nullptr;
  for (std::int32_t first = 0; first < header.height; first += kBandRows) {
    std::int32_t count = std::min(kBandRows, header.height - first);
    std::uint8_t* band = data + (rowBytes + 1) * first;
    if (!UnfilterRows(band, count, rowBytes, stride, previous)) return Failure::BadRowFilter;
    previous = band + (rowBytes + 1) * (count - 1) + 1;
    bool last = first + count == header.height;
    if (hooks.progress) hooks.progress(last ? 100 : (first + count) * 100 / header.height);
    ConvertRows(converter, data, rowBytes, header.width, out, first, count);
    if (hooks.bandReady) hooks.bandReady(first, count);
  }
  return Failure::None;
}

// Copies the pixel at column x of `row` over the columns x+1 .. x+width-1.
void SpreadPixel(std::uint8_t* row, std::int32_t x, std::int32_t width, int bits) {
  if (bits >= 8) {
    const int bytes = bits / 8;
    for (std::int32_t i = 1; i < width; ++i)
      std::memcpy(row + (x + i) * bytes, row + x * bytes, bytes);
    return;
  }
  const int mask = (1 << bits) - 1;
  auto shiftOf = [bits](std::int32_t col) { return 8 - bits - ((col * bits) & 7); };
  const int value = (row[(x * bits) >> 3] >> shiftOf(x)) & mask;
  for (std::int32_t col = x + 1; col < x + width; ++col) {
    std::uint8_t& byte = row[(col * bits) >> 3];
    byte = static_cast<std::uint8_t>((byte & ~(mask << shiftOf(col))) | (value << shiftOf(col)));
  }
}

// Fills the blocks of one pass row at output row y: each pixel over its block's width, then
// the row over its block's height, clipped at the image's edges.
void FillBlocks(const PngHeader& header, const Adam7Pass& pass, const OutputRows& out,
                std::int32_t y, std::int32_t passWidth) {
  std::uint8_t* row = out.Row(y);
  for (std::int32_t i = 0; i < passWidth; ++i) {
    std::int32_t x = pass.columnStart + i * pass.columnIncrement;
    SpreadPixel(row, x, std::min<std::int32_t>(pass.blockWidth, header.width - x), out.bits);
  }
  const auto rowBytes = static_cast<std::size_t>(RowBytes(header.width, out.bits));
  std::int32_t bottom = std::min<std::int32_t>(y + pass.blockHeight, header.height);
  for (std::int32_t below = y + 1; below < bottom; ++below)
    std::memcpy(out.Row(below), row, rowBytes);
}

Failure DecodeAdam7(const PngHeader& header, std::uint8_t* data,
                       const PngRowConverter& converter, const OutputRows& out,
                       const ScanlineHooks& hooks) {
  const auto stride = static_cast<std::size_t>(header.FilterStride());
  for (int p = 0; p < 7; ++p) {
    const std::int32_t width = PassWidth(header, p);
    const std::int32_t height = PassHeight(header, p);
    if (width == 0 || height == 0) continue;
    const Adam7Pass& pass = kAdam7[p];
    const auto rowBytes = static_cast<std::size_t>(RowBytes(width, header.BitsPerPixel()));
    if (!UnfilterRows(data, height, rowBytes, stride, nullptr)) return Failure::BadRowFilter;
    for (std::int32_t j = 0; j < height; ++j, data += rowBytes + 1) {
      std::int32_t y = pass.rowStart + j * pass.rowIncrement;
      converter.Convert(data + 1, width, out.Row(y), pass.columnStart, pass.columnIncrement);
      if (hooks.fillBlocks && p < 6) FillBlocks(header, pass, out, y, width);
    }
    if (hooks.progress) hooks.progress((p + 1) * 100 / 7);
    if (hooks.passReady) hooks.passReady(p + 1);
  }
  return Failure::None;
}

}  // namespace

Failure DecodeScanlines(const PngHeader& header, std::span<std::uint8_t> inflated,
                           const PngRowConverter& converter, const OutputRows& out,
                           const ScanlineHooks& hooks) {
  if (header.IsInterlaced()) return DecodeAdam7(header, inflated.data(), converter, out, hooks);
  return DecodeNonInterlaced(header, inflated.data(), converter, out, hooks);
}

}  // namespace qorvexctl::png
