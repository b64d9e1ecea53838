#pragma once
// How a decoded PNG image is stored: the transparency treatment chosen from the
// TransparentStyle setting, the bits per pixel of the bitmap and its colour table.

#include <cstdint>
#include <functional>
#include <vector>

#include "qorvexctl/imaging/png/PngFileInfo.h"
#include "qorvexctl/platform/drawing/Surface.h"

namespace qorvexctl::png {

// TransparentStyle values with a meaning of their own (enumAlphaBkg); others are colours.
inline constexpr std::int32_t kAlphaTransparent = -1;
inline constexpr std::int32_t kAlphaNoBkgNoAlpha = -2;
inline constexpr std::int32_t kAlphaTransColorBkg = -3;
inline constexpr std::int32_t kAlphaPNGwindowBkg = -4;

struct TransparencyTreatment {
  bool keepAlpha = false;        // the bitmap keeps per-pixel alpha while decoding
  std::int32_t background = -1;  // the colour the image is composited onto, -1 for none
};

// Resolves `style` for the image. `systemColour` turns a system colour index into a colour.
TransparencyTreatment ResolveTransparency(const PngFileInfo& info, std::int32_t style,
                                          const std::function<std::int32_t(int)>& systemColour);

// Bits per pixel of the bitmap: 1, 4 or 8 for grey and palette images, 24 for RGB, 32 or 24
// for images with an alpha channel; 32 whenever alpha from tRNS is kept or `force32` is set.
int OutputBitCount(const PngFileInfo& info, bool keepAlpha, bool force32);

// The colour table of a 1-, 4- or 8-bit bitmap: palette entries, or greys.
std::vector<platform::ColourTableEntry> ColourTable(const PngFileInfo& info, int bitCount);

// The palette of four greys a 2-bit grey image gets when it is stored with 4 bits per pixel.
std::vector<std::uint8_t> FourGreys();

}  // namespace qorvexctl::png
