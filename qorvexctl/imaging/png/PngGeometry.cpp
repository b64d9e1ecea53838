#include "qorvexctl/imaging/png/PngGeometry.h"

#include <limits>

namespace qorvexctl::png {

namespace {

constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

bool IsValidBitDepth(int depth) {
  return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
}

bool IsValidColourType(int type) {
  return type == kGrey || type == kRGB || type == kPaletted || type == kGreyAlpha || type == kRGBA;
}

// The byte size of a 32-bit top-down bitmap of the image must fit in a signed 32-bit value.
bool BitmapSizeFits(const PngHeader& header) {
  std::int64_t stride = ((std::int64_t{header.width} * 32 + 31) & ~std::int64_t{31}) / 8;
  return stride <= kInt32Max / header.height;
}

// Adds rows of rowBytes (plus the filter byte) to total, or reports that the sum would pass
// the 32-bit limit. Divides rather than multiplies so that no product can overflow.
bool AddRows(std::int64_t rowBytes, std::int64_t rows, std::int64_t& total) {
  if (rows == 0) return true;
  if (rowBytes + 1 > (kInt32Max - total) / rows) return false;
  total += (rowBytes + 1) * rows;
  return true;
}

std::int64_t PassCount(std::int32_t extent, int start, int increment) {
  return extent / increment + (extent % increment > start ? 1 : 0);
}

}  // namespace

const std::array<Adam7Pass, 7> kAdam7 = {{
    {0, 0, 8, 8, 8, 8},
    {0, 4, 8, 8, 4, 8},
    {4, 0, 8, 4, 4, 4},
    {0, 2, 4, 4, 2, 4},
    {2, 0, 4, 2, 2, 2},
    {0, 1, 2, 2, 1, 2},
    {1, 0, 2, 1, 1, 1},
}};

int PngHeader::Channels() const {
  switch (colourType) {
    case kRGB:
      return 3;
    case kGreyAlpha:
      return 2;
    case kRGBA:
      return 4;
    default:
      return 1;
  }
}

Failure ParseHeader(std::span<const std::uint8_t> data, PngHeader& header) {
  if (data.size() < 13) return Failure::CorruptHeader;
  header.width = ReadInt32(data, 0);
  header.height = ReadInt32(data, 4);
  header.bitDepth = data[8];
  header.colourType = data[9];
  header.interlace = data[12];
  if (header.width < 1 || header.height < 1) return Failure::CorruptHeader;
  if (data[10] != 0) return Failure::InvalidCompression;
  if (data[11] != 0) return Failure::InvalidFilterMethod;
  if (!IsValidBitDepth(header.bitDepth)) return Failure::InvalidBitDepth;
  if (!IsValidColourType(header.colourType)) return Failure::InvalidColorType;
  if (header.interlace > 1) return Failure::InvalidInterlace;
  if (!BitmapSizeFits(header)) return Failure::TooLarge;
  auto inflated = InflatedSize(header);
  if (!inflated || *inflated == 0) return Failure::TooLarge;
  return Failure::None;
}

std::int64_t RowBytes(std::int64_t pixels, int bitsPerPixel) {
  return (pixels * bitsPerPixel + 7) / 8;
}

std::int32_t PassWidth(const PngHeader& header, int pass) {
  const Adam7Pass& p = kAdam7[pass];
  return static_cast<std::int32_t>(PassCount(header.width, p.columnStart, p.columnIncrement));
}

std::int32_t PassHeight(const PngHeader& header, int pass) {
  const Adam7Pass& p = kAdam7[pass];
  return static_cast<std::int32_t>(PassCount(header.height, p.rowStart, p.rowIncrement));
}

std::optional<std::int32_t> InflatedSize(const PngHeader& header) {
  std::int64_t total = 0;
  if (!header.IsInterlaced()) {
    if (!AddRows(RowBytes(header.width, header.BitsPerPixel()), header.height, total)) {
      return std::nullopt;
    }
  } else {
    for (int pass = 0; pass < 7; ++pass) {
      if (!AddRows(RowBytes(PassWidth(header, pass), header.BitsPerPixel()),
                   PassHeight(header, pass), total)) {
        return std::nullopt;
      }
    }
  }
  return static_cast<std::int32_t>(total);
}

}  // namespace qorvexctl::png
