#include "qorvexctl/controls/button/ButtonShapes.h"

#include <array>
#include <span>
#include <vector>

#include "qorvexctl/platform/drawing/Surface.h"

namespace qorvexctl {

namespace {

using platform::CombineMode;
using platform::Point;
using platform::Region;

constexpr int kCustomClickDistance = 2;

// Pixels cut from the top-left corner of a rectangular button (mirrored for the others).
std::span<const Point> TrimmedCorner(BackStyleConstants look) {
  static constexpr std::array<Point, 1> kOne{{{0, 0}}};
  static constexpr std::array<Point, 3> kThree{{{0, 0}, {1, 0}, {0, 1}}};
  static constexpr std::array<Point, 6> kFive{{{0, 0}, {1, 0}, {2, 0}, {0, 1}, {0, 2}}};
  switch (look) {
    case efbxp_w31:
      return kOne;
    case efbxp_XP:
      return kThree;
    case efbxp_Macintosh:
      return kFive;
    default:
      return {};
  }
}

Region TrimCorners(Region region, platform::Size size, BackStyleConstants look) {
  for (const Point p : TrimmedCorner(look)) {
    for (const Point corner :
         {Point{p.x, p.y}, Point{size.width - 1 - p.x, p.y}, Point{p.x, size.height - 1 - p.y},
          Point{size.width - 1 - p.x, size.height - 1 - p.y}}) {
      region = Region::Combine(region,
                               Region::FromRect(platform::Rect::FromSize(corner.x, corner.y, 1, 1)),
                               CombineMode::Diff);
    }
  }
  return region;
}

std::array<Point, 4> DiagonalCorners(ButtonStyleConstants shape, platform::Size size) {
  const int slant = DiagonalSlant(size);
  const int w = size.width, h = size.height;
  const bool left = shape == efbxp_LeftDiagonal || shape == efbxp_FullDiagonal;
  const bool right = shape == efbxp_RightDiagonal || shape == efbxp_FullDiagonal;
  const int x1 = left ? slant : 0;
  const int x3 = right ? w - slant + 1 : w + 1;
  return {Point{0, 0}, Point{x1, h + 1}, Point{w + 1, h + 1}, Point{x3, 0}};
}

bool Transparent(const platform::Surface& picture, int x, int y, bool useAlpha, Colour key) {
  if (useAlpha) return picture.PixelAlpha(x, y) < 128;
  return picture.PixelColour(x, y) == key;
}

bool HasAlpha(const platform::Surface& picture) {
  if (picture.BitsPerPixel() != 32) return false;
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      if (picture.PixelAlpha(x, y) < 255) return true;
    }
  }
  return false;
}

// Whether a point lies inside the ideal outline of a round or diagonal shape of `size`.
bool InsideOutline(ButtonStyleConstants shape, platform::Size size, double x, double y) {
  if (IsRoundShape(shape)) {
    const double rx = size.width / 2.0, ry = size.height / 2.0;
    const double dx = (x - rx) / rx, dy = (y - ry) / ry;
    return dx * dx + dy * dy <= 1.0;
  }
  const std::array<Point, 4> c = DiagonalCorners(shape, size);
  // The slanted sides: from (0, 0) to (x1, H + 1) on the left, from (x3, 0) to (W + 1, H + 1)
  // on the right.
  const double t = y / (size.height + 1.0);
  return x >= c[1].x * t && x <= c[3].x + (c[2].x - c[3].x) * t;
}

}  // namespace

int DiagonalSlant(platform::Size size) { return std::max(1, size.height / 2); }

Region ShapeRegion(ButtonStyleConstants shape, BackStyleConstants look, platform::Size size) {
  if (IsRoundShape(shape)) {
    return Region::FromEllipse({0, 0, size.width, size.height});
  }
  if (IsDiagonalShape(shape)) {
    const std::array<Point, 4> corners = DiagonalCorners(shape, size);
    return Region::FromPolygon(corners, platform::FillMode::Winding);
  }
  return TrimCorners(Region::FromRect({0, 0, size.width + 1, size.height + 1}), size, look);
}

Region PictureShapeRegion(const platform::Surface& picture, const platform::Rect& drawnAt) {
  Region region;
  if (picture.IsEmpty() || drawnAt.IsEmpty()) return region;
  const bool useAlpha = HasAlpha(picture);
  const Colour key = picture.PixelColour(0, 0);
  std::vector<platform::Rect> runs;
  for (int y = 0; y < drawnAt.Height(); ++y) {
    const int sy = y * picture.Height() / drawnAt.Height();
    int runStart = -1;
    for (int x = 0; x <= drawnAt.Width(); ++x) {
      const bool solid =
          x < drawnAt.Width() &&
          !Transparent(picture, x * picture.Width() / drawnAt.Width(), sy, useAlpha, key);
      if (solid && runStart < 0) runStart = x;
      if (!solid && runStart >= 0) {
        runs.push_back(
            {drawnAt.left + runStart, drawnAt.top + y, drawnAt.left + x, drawnAt.top + y + 1});
        runStart = -1;
      }
    }
  }
  for (const platform::Rect& run : runs) {
    region = Region::Combine(region, Region::FromRect(run), CombineMode::Or);
  }
  return region;
}

Point CustomClickOffset(CustomCickConstants direction) {
  constexpr int d = kCustomClickDistance;
  switch (direction) {
    case efbxp_cNorth:
      return {0, -d};
    case efbxp_cNorthEast:
      return {d, -d};
    case efbxp_cNorthWest:
      return {-d, -d};
    case efbxp_cSouthEast:
      return {d, d};
    case efbxp_cSouthWest:
      return {-d, d};
    case efbxp_cEast:
      return {d, 0};
    case efbxp_cSouth:
      return {0, d};
    case efbxp_cWest:
      return {-d, 0};
    default:
      return {0, 0};
  }
}

void SmoothShapeEdges(platform::Surface& surface, ButtonStyleConstants shape, const Region& region,
                      Colour container) {
  if (!IsRoundShape(shape) && !IsDiagonalShape(shape)) return;
  const platform::Size size{surface.Width(), surface.Height()};
  constexpr int kSamples = 4;
  region.Frame(1, 1).ForEachSpan(surface.Bounds(), [&](int y, int left, int right) {
    for (int x = left; x < right; ++x) {
      int inside = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          inside +=
              InsideOutline(shape, size, x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
        }
      }
      const Colour painted = surface.PixelColour(x, y);
      surface.SetPixelValue(
          x, y,
          surface.ValueOf(BlendColours(container, painted, inside * 255 / (kSamples * kSamples))));
    }
  });
}

}  // namespace qorvexctl
