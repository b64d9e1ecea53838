#pragma once
// The icon (.ico) and cursor (.cur) file decoder. A file holds a directory of images of
// several sizes; the decoder picks the one that fits the requested size best and gives a
// 32-bit premultiplied Icon picture. Images are either bitmaps (an info header whose height
// counts the colour rows and the mask rows together, the colour rows at 1, 4, 8, 24 or 32 bits
// per pixel, then a 1-bit AND mask where 1 is transparent) or whole PNG files. A 32-bit
// bitmap with any non-zero fourth byte carries its own alpha and its mask is not used.
//
//   loader.Register(IcoPictureFormat(DecodePngPicture));

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "qorvexctl/platform/codecs/PictureLoader.h"
#include "qorvexctl/platform/drawing/Picture.h"

namespace qorvexctl::platform {

// The classic icon size, the one a picture loader picks from a file of several.
inline constexpr int kDefaultIconSize = 32;

// One image listed in an icon directory.
struct IcoEntry {
  int width = 0;  // 1..256 (a 0 byte in the file means 256)
  int height = 0;
  int bitCount = 0;
  std::uint32_t bytes = 0;
  std::uint32_t offset = 0;
};

// True when the bytes start like an icon or cursor directory.
bool LooksLikeIco(std::span<const std::uint8_t> bytes);

// The directory's entries; nothing when it is malformed or an entry lies outside the file.
std::optional<std::vector<IcoEntry>> ReadIcoDirectory(std::span<const std::uint8_t> bytes);

// The index of the entry closest to `size` x `size` (exact sizes first, then the nearest,
// larger before smaller, then the deepest colours); size 0 asks for the largest.
std::size_t BestIcoEntry(std::span<const IcoEntry> entries, int size);

// Decodes the best entry for `size`; PNG images go through `decodePng` (refused without
// one). False, with `out` untouched, on any malformed or truncated file.
bool DecodeIco(std::span<const std::uint8_t> bytes, Picture& out, int size = kDefaultIconSize,
               const PictureDecode& decodePng = {});

// The ICO entry of a picture loader's table.
PictureFormat IcoPictureFormat(PictureDecode decodePng, int size = kDefaultIconSize);

}  // namespace qorvexctl::platform
