#include "qorvexctl/platform/drawing/Screenshot.h"

#include <gtest/gtest.h>

#include <fstream>

#include "qorvexctl/platform/drawing/Canvas.h"
#include "testsupport/SurfaceCompare.h"
#include "testsupport/TestData.h"

namespace qorvexctl::platform {
namespace {

Surface Drawing(int bits) {
  Surface s(12, 8, bits);
  Canvas canvas(s);
  canvas.FillRect(s.Bounds(), RGB(255, 255, 255));
  canvas.FillRect({2, 2, 6, 6}, RGB(255, 0, 0));
  return s;
}

TEST(Screenshot, WritesAPngFileOfAnyDepth) {
  const auto folder = testsupport::MakeTempFolder("qorvexctl-shot");
  for (int bits : {1, 4, 8, 24, 32}) {
    const auto file = folder / ("shot" + std::to_string(bits) + ".png");
    ASSERT_TRUE(WritePng(Drawing(bits), file)) << bits;
    std::ifstream in(file, std::ios::binary);
    char signature[8] = {};
    in.read(signature, 8);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG") << bits;
  }
  EXPECT_FALSE(WritePng(Surface(), folder / "empty.png"));
  EXPECT_FALSE(WritePng(Drawing(32), folder / "no-such-folder" / "x.png"));
  std::filesystem::remove_all(folder);
}

TEST(Screenshot, ComparisonToleratesSmallDifferencesAndWritesADiff) {
  const Surface expected = Drawing(32);
  EXPECT_TRUE(testsupport::CompareSurfaces(Drawing(24), expected, 0));
  Surface nearly = Drawing(32);
  nearly.SetPixelValue(0, 0, 0xFFFEFEFE);
  EXPECT_TRUE(testsupport::CompareSurfaces(nearly, expected, 1));
  const auto folder = testsupport::MakeTempFolder("qorvexctl-diff");
  Surface wrong = Drawing(32);
  Canvas(wrong).FillRect({8, 0, 12, 2}, RGB(0, 0, 255));
  const auto result = testsupport::CompareSurfaces(wrong, expected, 2, folder / "diff.png");
  EXPECT_FALSE(result);
  EXPECT_EQ(result.differingPixels, 8);
  EXPECT_EQ(result.largestDifference, 255);
  EXPECT_TRUE(std::filesystem::exists(folder / "diff.png")) << result.message;
  EXPECT_FALSE(testsupport::CompareSurfaces(Surface(3, 3, 32), expected, 255));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace qorvexctl::platform
