#pragma once
// Bit-block transfers between surfaces of any depth, with the classic ternary raster
// operations and nearest-neighbour stretching (the COLORONCOLOR stretch mode).
//
// Depth conversions follow the classic rules:
// - indexed sources go through their current colour table;
// - a 1-bit source whose table is black and white is a mask: 0 bits become the
//   destination's text colour and 1 bits its background colour;
// - any source into a 1-bit destination: pixels of the source's background colour become 1,
//   all others 0 (1-bit into 1-bit copies the bits);
// - colours into a 4- or 8-bit destination take the nearest colour-table entry.
// On indexed destinations the raster operation works on the indices. On 32-bit destinations it
// works on the colour bits; alpha comes from the destination when the operation reads it,
// else from the source when it reads that, else it is 255.

#include <cstdint>

#include "qorvexctl/base/Colour.h"
#include "qorvexctl/platform/drawing/Geometry.h"
#include "qorvexctl/platform/drawing/Region.h"
#include "qorvexctl/platform/drawing/Surface.h"

namespace qorvexctl::platform {

// Raster operation codes (the ternary operation is bits 16..23).
enum RasterOp : std::uint32_t {
  SRCCOPY = 0x00CC0020,
  SRCPAINT = 0x00EE0086,
  SRCAND = 0x008800C6,
  SRCINVERT = 0x00660046,
  SRCERASE = 0x00440328,
  NOTSRCCOPY = 0x00330008,
  NOTSRCERASE = 0x001100A6,
  MERGECOPY = 0x00C000CA,
  MERGEPAINT = 0x00BB0226,
  PATCOPY = 0x00F00021,
  PATPAINT = 0x00FB0A09,
  PATINVERT = 0x005A0049,
  DSTINVERT = 0x00550009,
  BLACKNESS = 0x00000042,
  WHITENESS = 0x00FF0062,
};

// Where a blit draws, with the colours of the destination's device context (plain colours).
struct BlitTarget {
  Surface& surface;
  const Region* clip = nullptr;  // null: the whole surface
  Colour textColour = 0;
  Colour backgroundColour = 0xFFFFFF;
  Colour brushColour = 0xFFFFFF;  // the pattern
};

// What a blit reads, with the background colour of the source's device context.
struct BlitSource {
  const Surface& surface;
  Colour backgroundColour = 0xFFFFFF;
};

// Transfers (srcX, srcY, srcWidth, srcHeight) of the source onto (x, y, width, height) of the
// target, stretching and mirroring as the extents say. `source` may be null for operations
// that do not read a source. Returns false when nothing could be done (no source for an
// operation that needs one, zero extents).
bool StretchBlt(const BlitTarget& target, int x, int y, int width, int height,
                const BlitSource* source, int srcX, int srcY, int srcWidth, int srcHeight,
                std::uint32_t rop);

// StretchBlt without stretching.
bool BitBlt(const BlitTarget& target, int x, int y, int width, int height, const BlitSource* source,
            int srcX, int srcY, std::uint32_t rop);

}  // namespace qorvexctl::platform
