#include "qorvexctl/platform/codecs/IcoDecoder.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "qorvexctl/platform/codecs/BmpDecoder.h"
#include "qorvexctl/platform/drawing/PixelRows.h"

namespace qorvexctl::platform {

namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::size_t kDirectoryHeader = 6;  // reserved, type, count
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

// A little-endian number at `p`; the caller has checked that the bytes are there.
std::uint32_t LittleEndian(const std::uint8_t* p, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

bool StartsWithPng(Bytes data) {
  return data.size() >= sizeof kPngSignature &&
         std::equal(std::begin(kPngSignature), std::end(kPngSignature), data.begin());
}

// The colour rows of a bitmap image as a bitmap of their own: the header's height, which
// counts colour and mask rows together, halved.
std::vector<std::uint8_t> ColourRowsOnly(Bytes data) {
  std::vector<std::uint8_t> dib(data.begin(), data.end());
  const std::uint32_t half = LittleEndian(dib.data() + 8, 4) / 2;
  for (int i = 0; i < 4; ++i)
    dib[8 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(half >> (8 * i));
  return dib;
}

// True when a 32-bit image's fourth bytes hold an alpha channel (any of them non-zero).
bool HasAlphaChannel(Bytes dib, const DibLayout& layout) {
  if (layout.bitsPerPixel != 32) return false;
  const Bytes pixels = dib.subspan(layout.pixelOffset, layout.pixelBytes);
  for (std::size_t i = 3; i < pixels.size(); i += 4)
    if (pixels[i] != 0) return true;
  return false;
}

// Combines the decoded colour rows with the AND mask (bottom-up, 1 = transparent).
Surface ApplyMask(const Surface& colour, Bytes mask, bool alphaChannel) {
  const int width = colour.Width(), height = colour.Height();
  const std::size_t maskStride = (static_cast<std::size_t>(width) + 31) / 32 * 4;
  Surface icon(width, height, 32);
  if (icon.IsEmpty()) return icon;
  for (int y = 0; y < height; ++y) {
    std::uint32_t* row = icon.Words(y);
    ReadRowWords(colour, y, 0, width, row);
    if (alphaChannel) continue;
    const std::uint8_t* bits = mask.data() + static_cast<std::size_t>(height - 1 - y) * maskStride;
    for (int x = 0; x < width; ++x)
      if (bits[x / 8] & (0x80 >> (x % 8))) row[x] = 0;
  }
  return icon;
}

bool DecodeBitmapImage(Bytes data, Surface& out) {
  if (data.size() < kInfoHeaderSize || LittleEndian(data.data(), 4) < kInfoHeaderSize) return false;
  const auto doubledHeight = static_cast<std::int32_t>(LittleEndian(data.data() + 8, 4));
  if (doubledHeight < 2 || doubledHeight % 2 != 0) return false;
  const std::vector<std::uint8_t> dib = ColourRowsOnly(data);
  const std::optional<DibLayout> layout = ReadDibLayout(dib);
  Surface colour;
  if (!layout || !DecodeDib(dib, colour)) return false;
  const std::size_t maskStride = (static_cast<std::size_t>(layout->width) + 31) / 32 * 4;
  const std::size_t maskOffset = layout->pixelOffset + layout->pixelBytes;
  const std::size_t maskBytes = maskStride * static_cast<std::size_t>(layout->height);
  if (maskOffset > dib.size() || dib.size() - maskOffset < maskBytes) return false;
  Surface icon =
      ApplyMask(colour, Bytes(dib).subspan(maskOffset, maskBytes), HasAlphaChannel(dib, *layout));
  if (icon.IsEmpty()) return false;
  out = std::move(icon);
  return true;
}

bool DecodeImage(Bytes data, const PictureDecode& decodePng, Picture& out) {
  Picture picture;
  if (StartsWithPng(data)) {
    if (!decodePng || !decodePng(data, picture) || picture.IsEmpty()) return false;
  } else {
    Surface pixels;
    if (!DecodeBitmapImage(data, pixels)) return false;
    picture = Picture(std::move(pixels));
  }
  out = Picture(std::move(picture.Pixels()), PictureType::Icon);
  return true;
}

}  // namespace

bool LooksLikeIco(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= kDirectoryHeader && bytes[0] == 0 && bytes[1] == 0 &&
         (bytes[2] == 1 || bytes[2] == 2) && bytes[3] == 0 && (bytes[4] != 0 || bytes[5] != 0);
}

std::optional<std::vector<IcoEntry>> ReadIcoDirectory(std::span<const std::uint8_t> bytes) {
  if (!LooksLikeIco(bytes)) return std::nullopt;
  const std::size_t count = LittleEndian(bytes.data() + 4, 2);
  if (bytes.size() < kDirectoryHeader + count * kEntrySize) return std::nullopt;
  std::vector<IcoEntry> entries;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* e = bytes.data() + kDirectoryHeader + i * kEntrySize;
    IcoEntry entry{e[0] == 0 ? 256 : e[0], e[1] == 0 ? 256 : e[1],
                   static_cast<int>(LittleEndian(e + 6, 2)), LittleEndian(e + 8, 4),
                   LittleEndian(e + 12, 4)};
    if (entry.bytes == 0 || entry.offset > bytes.size() ||
        bytes.size() - entry.offset < entry.bytes)
      return std::nullopt;
    entries.push_back(entry);
  }
  return entries;
}

std::size_t BestIcoEntry(std::span<const IcoEntry> entries, int size) {
  const auto rank = [size](const IcoEntry& e) {
    const int area = e.width * e.height;
    if (size <= 0) return std::make_tuple(0, -area, -e.bitCount);
    const int distance = std::abs(e.width - size) + std::abs(e.height - size);
    return std::make_tuple(distance, -area, -e.bitCount);
  };
  std::size_t best = 0;
  for (std::size_t i = 1; i < entries.size(); ++i)
    if (rank(entries[i]) < rank(entries[best])) best = i;
  return best;
}

bool DecodeIco(std::span<const std::uint8_t> bytes, Picture& out, int size,
               const PictureDecode& decodePng) {
  const auto entries = ReadIcoDirectory(bytes);
  if (!entries || entries->empty()) return false;
  const IcoEntry& entry = (*entries)[BestIcoEntry(*entries, size)];
  return DecodeImage(bytes.subspan(entry.offset, entry.bytes), decodePng, out);
}

PictureFormat IcoPictureFormat(PictureDecode decodePng, int size) {
  return {
      "ICO", LooksLikeIco,
      [decodePng = std::move(decodePng), size](std::span<const std::uint8_t> bytes, Picture& out) {
        return DecodeIco(bytes, out, size, decodePng);
      }};
}

}  // namespace qorvexctl::platform
