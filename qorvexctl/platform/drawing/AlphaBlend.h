#pragma once
// Source-over blending of premultiplied pixels with a constant alpha, the classic AlphaBlend.
// With per-pixel alpha:
//   s' = s * constantAlpha / 255 (all four channels)
//   d  = s' + d * (255 - alpha(s')) / 255
// Without it the source counts as opaque and the blend is a cross-fade by the constant alpha:
//   d  = (s * constantAlpha + d * (255 - constantAlpha)) / 255
// Divisions round to nearest. Sources that are not 32-bit are opaque (indexed ones go through
// their colour table). Destinations of any depth are blended as colours; only 32-bit
// destinations keep an alpha.

#include <cstdint>

#include "qorvexctl/platform/drawing/Blit.h"

namespace qorvexctl::platform {

struct BlendFunction {
  int constantAlpha = 255;    // 0..255
  bool perPixelAlpha = true;  // AC_SRC_ALPHA
};

// Blends (srcX, srcY, srcWidth, srcHeight) of `source` onto (x, y, width, height) of the
// target, stretching nearest-neighbour. Negative extents and a source rectangle that leaves
// the source surface are refused (false), as the classic call refuses them.
bool AlphaBlend(const BlitTarget& target, int x, int y, int width, int height,
                const Surface& source, int srcX, int srcY, int srcWidth, int srcHeight,
                BlendFunction blend);

// Blends `n` premultiplied source words over destination words.
void BlendRow(std::uint32_t* dest, const std::uint32_t* source, int n, BlendFunction blend);

}  // namespace qorvexctl::platform
