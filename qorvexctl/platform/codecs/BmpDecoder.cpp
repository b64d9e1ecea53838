#include "qorvexctl/platform/codecs/BmpDecoder.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <optional>
#include <vector>

#include "qorvexctl/platform/drawing/PixelRows.h"

namespace qorvexctl::platform {

namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6;
constexpr std::size_t kFileHeaderSize = 14;

std::optional<std::uint32_t> Le(Bytes b, std::size_t offset, int bytes) {
  if (offset > b.size() || b.size() - offset < static_cast<std::size_t>(bytes)) return std::nullopt;
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[offset + static_cast<std::size_t>(i)];
  return v;
}

struct DibHeader {
  std::uint32_t headerSize = 0;
  int width = 0;
  int height = 0;
  bool topDown = false;
  int bits = 0;
  std::uint32_t compression = kRgb;
  std::uint32_t coloursUsed = 0;
  std::uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  std::size_t tableOffset = 0;            // where the colour table starts
  std::size_t entrySize = 4;              // 3 for core headers
};

bool ReadCoreHeader(Bytes dib, DibHeader& h) {
  h.width = static_cast<int>(*Le(dib, 4, 2));
  h.height = static_cast<int>(*Le(dib, 6, 2));
  h.bits = static_cast<int>(*Le(dib, 10, 2));
  h.entrySize = 3;
  h.tableOffset = 12;
  return true;
}

// Info header and its V2..V5 extensions, with BI_BITFIELDS masks after a 40-byte header.
bool ReadInfoHeader(Bytes dib, DibHeader& h) {
  if (h.headerSize < 40 || dib.size() < h.headerSize) return false;
  const auto width = static_cast<std::int32_t>(*Le(dib, 4, 4));
  const auto height = static_cast<std::int32_t>(*Le(dib, 8, 4));
  if (width <= 0 || height == 0 || height == INT32_MIN) return false;
  h.width = width;
  h.topDown = height < 0;
  h.height = height < 0 ? -height : height;
  h.bits = static_cast<int>(*Le(dib, 14, 2));
  h.compression = *Le(dib, 16, 4);
  h.coloursUsed = *Le(dib, 32, 4);
  h.tableOffset = h.headerSize;
  if (h.compression == kBitfields || h.compression == kAlphaBitfields) {
    const int count = h.compression == kAlphaBitfields || h.headerSize >= 56 ? 4 : 3;
    const std::size_t at = h.headerSize >= 52 ? 40 : h.headerSize;
    for (int i = 0; i < count; ++i) {
      const auto mask = Le(dib, at + 4 * static_cast<std::size_t>(i), 4);
      if (!mask) return false;
      h.masks[i] = *mask;
    }
    if (h.headerSize < 52) h.tableOffset += 4 * static_cast<std::size_t>(count);
  }
  return true;
}

bool ValidFormat(const DibHeader& h) {
  if (h.width < 1 || h.height < 1 || h.width > Surface::kMaxSide || h.height > Surface::kMaxSide)
    return false;
  switch (h.compression) {
    case kRgb:
      return h.bits == 1 || h.bits == 4 || h.bits == 8 || h.bits == 16 || h.bits == 24 ||
             h.bits == 32;
    case kRle8:
      return h.bits == 8 && !h.topDown;
    case kRle4:
      return h.bits == 4 && !h.topDown;
    case kBitfields:
    case kAlphaBitfields:
      return h.bits == 16 || h.bits == 32;
    default:
      return false;
  }
}

std::optional<DibHeader> ReadHeader(Bytes dib) {
  DibHeader h;
  const auto size = Le(dib, 0, 4);
  if (!size) return std::nullopt;
  h.headerSize = *size;
  const bool ok =
      h.headerSize == 12 ? dib.size() >= 12 && ReadCoreHeader(dib, h) : ReadInfoHeader(dib, h);
  if (!ok || !ValidFormat(h)) return std::nullopt;
  return h;
}

// Entries of the colour table in the file (none above 8 bits per pixel).
std::uint32_t TableEntries(const DibHeader& h) {
  if (h.bits > 8) return 0;
  const std::uint32_t full = 1u << h.bits;
  return h.coloursUsed == 0 || h.coloursUsed > full ? full : h.coloursUsed;
}

// The colour table of an indexed image; entries the file leaves out stay black.
bool ReadColourTable(Bytes dib, const DibHeader& h, Surface& out) {
  if (h.bits > 8) return true;
  const std::uint32_t count = TableEntries(h);
  std::vector<ColourTableEntry> table(1u << h.bits);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t at = h.tableOffset + i * h.entrySize;
    if (at + h.entrySize > dib.size()) return false;
    table[i] = {dib[at], dib[at + 1], dib[at + 2], 0};
  }
  out.SetColourTable(0, table);
  return true;
}

// The masks that describe the channels of 16- and 32-bit pixels.
void DefaultMasks(DibHeader& h) {
  if (h.compression != kRgb) return;
  if (h.bits == 16) {
    h.masks[0] = 0x7C00, h.masks[1] = 0x03E0, h.masks[2] = 0x001F;
  } else if (h.bits == 32) {
    h.masks[0] = 0xFF0000, h.masks[1] = 0xFF00, h.masks[2] = 0xFF;
  }
}

int Channel(std::uint32_t pixel, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const std::uint32_t max = mask >> shift;
  return static_cast<int>(((pixel & mask) >> shift) * 255 / max);
}

// A 32-bit BI_RGB image uses its fourth bytes as alpha unless they are all zero.
bool FourthBytesHoldAlpha(Bytes pixels, const DibHeader& h, std::size_t stride) {
  for (int y = 0; y < h.height; ++y) {
    const std::uint8_t* row = pixels.data() + static_cast<std::size_t>(y) * stride;
    for (int x = 0; x < h.width; ++x)
      if (row[4 * x + 3] != 0) return true;
  }
  return false;
}

void ConvertMaskedRow(const std::uint8_t* src, const DibHeader& h, Surface& out, int y,
                      std::vector<std::uint32_t>& words) {
  words.resize(static_cast<std::size_t>(h.width));
  const int bytes = h.bits / 8;
  for (int x = 0; x < h.width; ++x) {
    std::uint32_t pixel = 0;
    for (int i = bytes - 1; i >= 0; --i) pixel = (pixel << 8) | src[x * bytes + i];
    const Colour c =
        RGB(Channel(pixel, h.masks[0]), Channel(pixel, h.masks[1]), Channel(pixel, h.masks[2]));
    const int alpha = h.masks[3] != 0 ? Channel(pixel, h.masks[3]) : 255;
    words[static_cast<std::size_t>(x)] = PremultipliedWord(c, alpha);
  }
  WriteRowValues(out, y, 0, h.width, words.data());
}

std::uint64_t RowStride(const DibHeader& h) {
  return (static_cast<std::uint64_t>(h.width) * h.bits + 31) / 32 * 4;
}

bool DecodeUncompressed(Bytes pixels, DibHeader h, Surface& out) {
  const std::uint64_t stride = RowStride(h);
  if (stride * static_cast<std::uint64_t>(h.height) > pixels.size()) return false;
  DefaultMasks(h);
  if (h.bits == 32 && h.compression == kRgb && FourthBytesHoldAlpha(pixels, h, stride))
    h.masks[3] = 0xFF000000u;
  std::vector<std::uint32_t> words;
  for (int y = 0; y < h.height; ++y) {
    const std::uint8_t* src = pixels.data() + static_cast<std::size_t>(y) * stride;
    const int row = h.topDown ? y : h.height - 1 - y;
    if (h.bits <= 8 || h.bits == 24) {
      std::memcpy(out.Row(row), src, std::min<std::size_t>(out.Stride(), stride));
    } else {
      ConvertMaskedRow(src, h, out, row, words);
    }
  }
  return true;
}

// Pixels of BI_RLE8 and BI_RLE4 data: runs, and escapes for end of line, end of bitmap, a
// jump and literal runs. Rows run bottom-up; pixels the data never reaches keep index 0.
bool DecodeRle(Bytes data, const DibHeader& h, Surface& out) {
  const bool nibbles = h.compression == kRle4;
  int x = 0, line = 0;
  const auto put = [&](std::uint32_t index) {
    if (x < h.width) out.SetPixelValue(x++, h.height - 1 - line, index);
  };
  const auto nibble = [](std::uint8_t byte, int k) { return k % 2 == 0 ? byte >> 4 : byte & 15u; };
  std::size_t i = 0;
  while (i + 1 < data.size() && line < h.height) {
    const std::uint8_t count = data[i], value = data[i + 1];
    i += 2;
    if (count > 0) {
      for (int k = 0; k < count; ++k) put(nibbles ? nibble(value, k) : value);
    } else if (value == 0) {
      x = 0, ++line;
    } else if (value == 1) {
      return true;
    } else if (value == 2) {
      if (i + 1 >= data.size()) return false;
      x = std::min(x + data[i], h.width), line += data[i + 1];
      i += 2;
    } else {
      const std::size_t bytes = nibbles ? (value + 1u) / 2 : value;
      if (i + bytes > data.size()) return false;
      for (int k = 0; k < value; ++k) put(nibbles ? nibble(data[i + k / 2], k) : data[i + k]);
      i += (bytes + 1) & ~std::size_t{1};
    }
  }
  return line >= h.height;
}

std::size_t PixelsAfterTable(const DibHeader& h) {
  return h.tableOffset + h.entrySize * TableEntries(h);
}

bool DecodeDibPixels(Bytes dib, std::optional<std::size_t> pixelOffset, Picture& out) {
  const auto header = ReadHeader(dib);
  if (!header) return false;
  const int depth = header->bits <= 8 ? header->bits : header->bits == 32 ? 32 : 24;
  Surface surface(header->width, header->height, depth);
  if (surface.IsEmpty() || !ReadColourTable(dib, *header, surface)) return false;
  const std::size_t offset = pixelOffset.value_or(PixelsAfterTable(*header));
  if (offset > dib.size()) return false;
  const Bytes pixels = dib.subspan(offset);
  const bool rle = header->compression == kRle8 || header->compression == kRle4;
  if (!(rle ? DecodeRle(pixels, *header, surface) : DecodeUncompressed(pixels, *header, surface)))
    return false;
  out = Picture(std::move(surface), PictureType::Bitmap);
  return true;
}

}  // namespace

bool LooksLikeBmp(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

bool DecodeBmp(std::span<const std::uint8_t> bytes, Picture& out) {
  if (!LooksLikeBmp(bytes) || bytes.size() < kFileHeaderSize) return false;
  const std::uint32_t pixelOffset = *Le(bytes, 10, 4);
  if (pixelOffset < kFileHeaderSize) return false;
  return DecodeDibPixels(bytes.subspan(kFileHeaderSize), pixelOffset - kFileHeaderSize, out);
}

bool DecodeDib(std::span<const std::uint8_t> dib, Surface& out) {
  Picture picture;
  if (!DecodeDibPixels(dib, std::nullopt, picture)) return false;
  out = std::move(picture.Pixels());
  return true;
}

std::optional<DibLayout> ReadDibLayout(std::span<const std::uint8_t> dib) {
  const auto header = ReadHeader(dib);
  if (!header || (header->compression != kRgb && header->compression != kBitfields &&
                  header->compression != kAlphaBitfields)) {
    return std::nullopt;
  }
  return DibLayout{
      header->width, header->height, header->bits, PixelsAfterTable(*header),
      static_cast<std::size_t>(RowStride(*header) * static_cast<std::uint64_t>(header->height))};
}

}  // namespace qorvexctl::platform
