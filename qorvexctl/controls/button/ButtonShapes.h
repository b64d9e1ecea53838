#pragma once
// The window regions that give a button its shape, in pixels of a W x H button:
//
//   rectangular   (0, 0, W + 1, H + 1), corners trimmed for the w31, XP and Macintosh looks
//   diagonals     a four-point polygon whose bottom-left (left), top-right (right) or both
//                 (full) corners move inwards by half the height
//   round         the ellipse (0, 0, W, H)
//   custom        the picture's non-transparent pixels where the picture is drawn
//
// Round and diagonal buttons get smooth edges: the rim pixels inside the region are blended
// with the container colour by how much of them the ideal outline covers. The region, which
// hit tests use, stays as it is.

#include <optional>

#include "qorvexctl/base/Colour.h"
#include "qorvexctl/controls/button/ButtonTypes.h"
#include "qorvexctl/platform/drawing/Geometry.h"
#include "qorvexctl/platform/drawing/Region.h"

namespace qorvexctl {

namespace platform {
class Surface;
}

// The region of a non-custom shape for a look; custom shapes take PictureShapeRegion.
platform::Region ShapeRegion(ButtonStyleConstants shape, BackStyleConstants look,
                             platform::Size size);
// How far the diagonal shapes move their corners inwards.
int DiagonalSlant(platform::Size size);
// The pixels of `picture` that are not transparent, placed on `drawnAt` (the picture scaled to
// that rectangle). Pictures with an alpha channel are transparent where alpha is below half;
// others where they have the colour of their top-left pixel.
platform::Region PictureShapeRegion(const platform::Surface& picture,
                                    const platform::Rect& drawnAt);
// Where a pressed custom shape moves for a CustomClick value (nothing for efbxp_cDefault).
platform::Point CustomClickOffset(CustomCickConstants direction);
// Blends the rim of a round or diagonal shape with `container` by its coverage (others: no
// change).
void SmoothShapeEdges(platform::Surface& surface, ButtonStyleConstants shape,
                      const platform::Region& region, Colour container);

}  // namespace qorvexctl
