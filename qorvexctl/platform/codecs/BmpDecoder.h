#pragma once
// The BMP (device-independent bitmap) decoder: core, info and V4/V5 headers; 1, 4, 8, 16,
// 24 and 32 bits per pixel; BI_RGB, BI_BITFIELDS, BI_ALPHABITFIELDS, BI_RLE8 and BI_RLE4;
// bottom-up and top-down rows. Indexed images keep their depth and colour table, 16- and
// 24-bit ones become 24-bit, 32-bit ones 32-bit premultiplied. A 32-bit BI_RGB image whose
// fourth bytes are all zero is opaque; otherwise those bytes are its (straight) alpha.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "qorvexctl/platform/drawing/Picture.h"

namespace qorvexctl::platform {

// True when the bytes start with the "BM" file signature.
bool LooksLikeBmp(std::span<const std::uint8_t> bytes);

// Decodes a BMP file; false on any malformed, truncated or oversized input.
bool DecodeBmp(std::span<const std::uint8_t> bytes, Picture& out);

// Decodes a bitmap that starts at its info header (the file header left out), as icons
// and clipboard bitmaps hold them. The pixels follow the header and colour table.
bool DecodeDib(std::span<const std::uint8_t> dib, Surface& out);

// Where the pixels of an uncompressed bitmap that starts at its info header lie.
struct DibLayout {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  std::size_t pixelOffset = 0;  // after the header, masks and colour table
  std::size_t pixelBytes = 0;   // rows of 4-byte-aligned stride
};
// The layout of a valid uncompressed bitmap's header; nothing for compressed or bad ones.
std::optional<DibLayout> ReadDibLayout(std::span<const std::uint8_t> dib);

}  // namespace qorvexctl::platform
