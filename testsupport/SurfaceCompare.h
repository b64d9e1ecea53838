#pragma once
// Compares a rendered surface with an expected one, pixel by pixel within a tolerance, and
// on a mismatch writes a diff image (expected, actual and the differing pixels in red, side
// by side) so a failing test can be looked at.
//
//   const auto result = CompareSurfaces(actual, expected, 2, "/tmp/button.diff.png");
//   EXPECT_TRUE(result) << result.message;

#include <filesystem>
#include <string>

#include "qorvexctl/platform/drawing/Surface.h"

namespace qorvexctl::testsupport {

struct SurfaceComparison {
  bool matches = false;
  int differingPixels = 0;
  int largestDifference = 0;  // over the channels blue, green, red and alpha
  std::string message;
  explicit operator bool() const { return matches; }
};

// Surfaces of different sizes never match. Depths may differ: pixels are compared as
// un-premultiplied colours with alpha.
SurfaceComparison CompareSurfaces(const platform::Surface& actual,
                                  const platform::Surface& expected, int tolerance,
                                  const std::filesystem::path& diffFile = {});

}  // namespace qorvexctl::testsupport
