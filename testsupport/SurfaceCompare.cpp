#include "testsupport/SurfaceCompare.h"

#include <algorithm>
#include <cstdlib>

#include "qorvexctl/platform/drawing/Screenshot.h"

namespace qorvexctl::testsupport {

namespace {

using platform::Surface;

int PixelDifference(const Surface& a, const Surface& b, int x, int y) {
  const Colour ca = a.PixelColour(x, y), cb = b.PixelColour(x, y);
  return std::max({std::abs(RedOf(ca) - RedOf(cb)), std::abs(GreenOf(ca) - GreenOf(cb)),
                   std::abs(BlueOf(ca) - BlueOf(cb)),
                   std::abs(a.PixelAlpha(x, y) - b.PixelAlpha(x, y))});
}

void WriteDiff(const Surface& actual, const Surface& expected, int tolerance,
               const std::filesystem::path& file) {
  const int w = expected.Width(), h = expected.Height();
  Surface diff(3 * w, h, 32);
  if (diff.IsEmpty()) return;
  const Surface left = platform::ToBgra32(expected), middle = platform::ToBgra32(actual);
  for (int y = 0; y < h; ++y) {
    std::copy_n(left.Words(y), w, diff.Words(y));
    std::copy_n(middle.Words(y), w, diff.Words(y) + w);
    for (int x = 0; x < w; ++x) {
      const bool differs = PixelDifference(actual, expected, x, y) > tolerance;
      diff.Words(y)[2 * w + x] = differs ? 0xFFFF0000u : 0xFF404040u;
    }
  }
  platform::WritePng(diff, file);
}

}  // namespace

SurfaceComparison CompareSurfaces(const Surface& actual, const Surface& expected, int tolerance,
                                  const std::filesystem::path& diffFile) {
  SurfaceComparison result;
  if (actual.Width() != expected.Width() || actual.Height() != expected.Height()) {
    result.message = "sizes differ: " + std::to_string(actual.Width()) + "x" +
                     std::to_string(actual.Height()) + " against " +
                     std::to_string(expected.Width()) + "x" + std::to_string(expected.Height());
    return result;
  }
  for (int y = 0; y < expected.Height(); ++y) {
    for (int x = 0; x < expected.Width(); ++x) {
      const int d = PixelDifference(actual, expected, x, y);
      result.largestDifference = std::max(result.largestDifference, d);
      result.differingPixels += d > tolerance;
    }
  }
  result.matches = result.differingPixels == 0;
  if (result.matches) return result;
  result.message = std::to_string(result.differingPixels) + " pixels differ by more than " +
                   std::to_string(tolerance) + " (largest difference " +
                   std::to_string(result.largestDifference) + ")";
  if (!diffFile.empty()) {
    WriteDiff(actual, expected, tolerance, diffFile);
    result.message += "; diff image: " + diffFile.string();
  }
  return result;
}

}  // namespace qorvexctl::testsupport
