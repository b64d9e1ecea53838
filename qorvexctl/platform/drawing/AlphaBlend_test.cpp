#include "qorvexctl/platform/drawing/AlphaBlend.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "qorvexctl/platform/drawing/PixelRows.h"

namespace qorvexctl::platform {
namespace {

Surface Solid(int w, int h, int bits, std::uint32_t value) {
  Surface s(w, h, bits);
  s.Fill(value);
  return s;
}

TEST(AlphaBlend, TransparentSourceLeavesTheDestination) {
  const Surface src = Solid(8, 8, 32, 0x00000000);
  Surface dst = Solid(8, 8, 32, 0xFF336699);
  ASSERT_TRUE(AlphaBlend(BlitTarget{dst}, 0, 0, 8, 8, src, 0, 0, 8, 8, {255, true}));
  EXPECT_EQ(dst.PixelValue(7, 7), 0xFF336699u);
}

TEST(AlphaBlend, OpaqueSourceWithConstantAlpha128GivesTheHalfwayColour) {
  const Surface src = Solid(8, 8, 32, 0xFFFFFFFF);
  Surface dst = Solid(8, 8, 32, 0xFF000000);
  ASSERT_TRUE(AlphaBlend(BlitTarget{dst}, 0, 0, 8, 8, src, 0, 0, 8, 8, {128, true}));
  EXPECT_EQ(dst.PixelColour(3, 3), RGB(128, 128, 128));
  EXPECT_EQ(dst.PixelAlpha(3, 3), 255);
  // The same on a 24-bit destination and from a 24-bit source.
  const Surface src24 = Solid(8, 8, 24, 0xFFFFFF);
  Surface dst24 = Solid(8, 8, 24, 0);
  ASSERT_TRUE(AlphaBlend(BlitTarget{dst24}, 0, 0, 8, 8, src24, 0, 0, 8, 8, {128, false}));
  EXPECT_EQ(dst24.PixelColour(5, 5), RGB(128, 128, 128));
}

TEST(AlphaBlend, PerPixelAlphaUsesTheSourcesPremultipliedColour) {
  Surface src(4, 1, 32);
  src.SetPixelValue(0, 0, PremultipliedWord(RGB(255, 0, 0), 128));  // half red
  src.SetPixelValue(1, 0, 0xFF00FF00);                              // opaque green
  Surface dst = Solid(4, 1, 32, 0xFF0000FF);                        // opaque blue
  ASSERT_TRUE(AlphaBlend(BlitTarget{dst}, 0, 0, 4, 1, src, 0, 0, 4, 1, {255, true}));
  EXPECT_EQ(dst.PixelColour(0, 0), RGB(128, 0, 127));
  EXPECT_EQ(dst.PixelColour(1, 0), RGB(0, 255, 0));
  EXPECT_EQ(dst.PixelColour(2, 0), RGB(0, 0, 255));
}

TEST(AlphaBlend, WithoutPerPixelAlphaTheSourceCountsAsOpaque) {
  const Surface src = Solid(4, 1, 32, 0x00FF0000);  // red colour bits, alpha 0
  Surface dst = Solid(4, 1, 32, 0xFF000000);
  ASSERT_TRUE(AlphaBlend(BlitTarget{dst}, 0, 0, 4, 1, src, 0, 0, 4, 1, {255, false}));
  EXPECT_EQ(dst.PixelValue(0, 0), 0xFFFF0000u);
}

TEST(AlphaBlend, StretchesAndClips) {
  Surface src(2, 1, 32);
  src.SetPixelValue(0, 0, 0xFFFF0000);
  src.SetPixelValue(1, 0, 0xFF00FF00);
  Surface dst = Solid(8, 2, 32, 0xFF000000);
  const Region clip = Region::FromRect({0, 0, 6, 1});
  ASSERT_TRUE(AlphaBlend(BlitTarget{dst, &clip}, 0, 0, 8, 2, src, 0, 0, 2, 1, {255, true}));
  EXPECT_EQ(dst.PixelValue(3, 0), 0xFFFF0000u);
  EXPECT_EQ(dst.PixelValue(4, 0), 0xFF00FF00u);
  EXPECT_EQ(dst.PixelValue(6, 0), 0xFF000000u);
  EXPECT_EQ(dst.PixelValue(0, 1), 0xFF000000u);
}

TEST(AlphaBlend, RefusesNegativeExtentsAndSourcesOutsideTheSurface) {
  const Surface src = Solid(4, 4, 32, 0xFFFFFFFF);
  Surface dst = Solid(4, 4, 32, 0xFF000000);
  EXPECT_FALSE(AlphaBlend(BlitTarget{dst}, 3, 0, -4, 4, src, 0, 0, 4, 4, {}));
  EXPECT_FALSE(AlphaBlend(BlitTarget{dst}, 0, 0, 4, 4, src, 1, 0, 4, 4, {}));
  EXPECT_FALSE(AlphaBlend(BlitTarget{dst}, 0, 0, 4, 4, src, -1, 0, 2, 2, {}));
  EXPECT_FALSE(AlphaBlend(BlitTarget{dst}, 0, 0, 4, 4, Surface(), 0, 0, 0, 0, {}));
  EXPECT_TRUE(AlphaBlend(BlitTarget{dst}, 0, 0, 0, 0, src, 0, 0, 0, 0, {}));
  EXPECT_TRUE(AlphaBlend(BlitTarget{dst}, 1 << 30, 1 << 30, 4, 4, src, 0, 0, 4, 4, {}));
  EXPECT_EQ(dst.PixelValue(0, 0), 0xFF000000u);
}

// The vector loop must agree with the plain formula on every length and alpha.
TEST(AlphaBlend, RowBlendMatchesTheFormulaForRandomPixels) {
  std::mt19937 random(7);
  for (int constant : {255, 200, 128, 1}) {
    std::vector<std::uint32_t> src(37), dst(37), expected(37);
    for (std::size_t i = 0; i < src.size(); ++i) {
      const int alpha = static_cast<int>(random() % 4 == 0 ? 255 : random() % 256);
      src[i] = PremultipliedWord(static_cast<Colour>(random() & 0xFFFFFF), alpha);
      dst[i] = PremultipliedWord(static_cast<Colour>(random() & 0xFFFFFF), random() % 256);
      std::uint32_t out = 0;
      const std::uint32_t sa = Div255((src[i] >> 24) * static_cast<std::uint32_t>(constant));
      for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t s =
            Div255(((src[i] >> shift) & 0xFF) * static_cast<std::uint32_t>(constant));
        const std::uint32_t d = Div255(((dst[i] >> shift) & 0xFF) * (255 - sa));
        out |= std::min<std::uint32_t>(255, s + d) << shift;
      }
      expected[i] = out;
    }
    BlendRow(dst.data(), src.data(), 37, {constant, true});
    EXPECT_EQ(dst, expected) << constant;
  }
}

TEST(AlphaBlend, CrossFadeMatchesTheFormulaForRandomPixels) {
  std::mt19937 random(11);
  for (int constant : {255, 170, 128, 3}) {
    std::vector<std::uint32_t> src(23), dst(23), expected(23);
    for (std::size_t i = 0; i < src.size(); ++i) {
      src[i] = static_cast<std::uint32_t>(random());  // alpha bits are ignored
      dst[i] = static_cast<std::uint32_t>(random());
      std::uint32_t out = 0;
      for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t s = shift == 24 ? 255 : (src[i] >> shift) & 0xFF;
        const std::uint32_t d = (dst[i] >> shift) & 0xFF;
        out |= Div255(s * static_cast<std::uint32_t>(constant) +
                      d * static_cast<std::uint32_t>(255 - constant))
               << shift;
      }
      expected[i] = out;
    }
    BlendRow(dst.data(), src.data(), 23, {constant, false});
    EXPECT_EQ(dst, expected) << constant;
  }
}

}  // namespace
}  // namespace qorvexctl::platform
