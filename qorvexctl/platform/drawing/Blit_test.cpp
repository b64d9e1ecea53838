#include "qorvexctl/platform/drawing/Blit.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>

#include "qorvexctl/platform/drawing/Canvas.h"

namespace qorvexctl::platform {
namespace {

constexpr Colour kRed = RGB(255, 0, 0);
constexpr Colour kGreen = RGB(0, 255, 0);
constexpr Colour kBlue = RGB(0, 0, 255);
constexpr Colour kWhite = RGB(255, 255, 255);
constexpr Colour kBlack = RGB(0, 0, 0);

Surface Filled(int w, int h, int bits, Colour c) {
  Surface s(w, h, bits);
  Canvas(s).FillRect(s.Bounds(), c);
  return s;
}

// With pattern 0xF0, source 0xCC and destination 0xAA in every channel, the result of any
// ternary operation is its own code.
TEST(Blit, EveryRasterOperationFollowsItsTruthTable) {
  const std::array<std::uint32_t, 15> rops = {
      SRCCOPY,    SRCPAINT, SRCAND,   SRCINVERT, SRCERASE,  NOTSRCCOPY, NOTSRCERASE, MERGECOPY,
      MERGEPAINT, PATCOPY,  PATPAINT, PATINVERT, DSTINVERT, BLACKNESS,  WHITENESS};
  for (int bits : {24, 32}) {
    for (std::uint32_t rop : rops) {
      const Surface src = Filled(3, 2, bits, RGB(0xCC, 0xCC, 0xCC));
      Surface dst = Filled(3, 2, bits, RGB(0xAA, 0xAA, 0xAA));
      const BlitTarget target{dst, nullptr, kBlack, kWhite, RGB(0xF0, 0xF0, 0xF0)};
      const BlitSource source{src};
      ASSERT_TRUE(BitBlt(target, 0, 0, 3, 2, &source, 0, 0, rop));
      const int code = static_cast<int>((rop >> 16) & 0xFF);
      EXPECT_EQ(dst.PixelColour(2, 1), RGB(code, code, code)) << std::hex << rop << " " << bits;
      EXPECT_EQ(dst.PixelAlpha(2, 1), 255) << std::hex << rop;
    }
  }
}

TEST(Blit, RasterOperationsOnIndexedSurfacesCombineIndices) {
  Surface src(4, 1, 4), dst(4, 1, 4);
  src.Fill(0xC);
  dst.Fill(0xA);
  const BlitSource source{src};
  ASSERT_TRUE(BitBlt(BlitTarget{dst}, 0, 0, 4, 1, &source, 0, 0, SRCINVERT));
  EXPECT_EQ(dst.PixelValue(3, 0), 0x6u);
  ASSERT_TRUE(BitBlt(BlitTarget{dst}, 0, 0, 4, 1, &source, 0, 0, SRCAND));
  EXPECT_EQ(dst.PixelValue(0, 0), 0x4u);
}

TEST(Blit, IndexedSourcesGoThroughTheirCurrentColourTable) {
  for (int bits : {1, 4, 8}) {
    Surface src(2, 1, bits);
    const std::array<ColourTableEntry, 2> table = {TableEntryOf(kRed), TableEntryOf(kBlue)};
    src.SetColourTable(0, table);
    src.SetPixelValue(1, 0, 1);
    Surface dst(2, 1, 24);
    const BlitSource source{src};
    ASSERT_TRUE(BitBlt(BlitTarget{dst}, 0, 0, 2, 1, &source, 0, 0, SRCCOPY));
    EXPECT_EQ(dst.PixelColour(0, 0), kRed) << bits;
    EXPECT_EQ(dst.PixelColour(1, 0), kBlue) << bits;
    // Changing the table changes what the same indices draw.
    const std::array<ColourTableEntry, 1> green = {TableEntryOf(kGreen)};
    src.SetColourTable(1, green);
    ASSERT_TRUE(BitBlt(BlitTarget{dst}, 0, 0, 2, 1, &source, 0, 0, SRCCOPY));
    EXPECT_EQ(dst.PixelColour(1, 0), kGreen) << bits;
  }
}

TEST(Blit, MonochromeMaskTakesTheTargetsTextAndBackgroundColours) {
  Surface mask(2, 1, 1);
  mask.SetPixelValue(1, 0, 1);
  Surface dst(2, 1, 32);
  const BlitSource source{mask};
  ASSERT_TRUE(BitBlt(BlitTarget{dst, nullptr, kRed, kGreen}, 0, 0, 2, 1, &source, 0, 0, SRCCOPY));
  EXPECT_EQ(dst.PixelColour(0, 0), kRed);    // 0 bits: text colour
  EXPECT_EQ(dst.PixelColour(1, 0), kGreen);  // 1 bits: background colour
}

TEST(Blit, ColourIntoMonochromeMarksTheSourceBackgroundColourAsOne) {
  Surface src(3, 1, 24);
  src.Fill(PixelWordOf(kBlue));
  src.SetPixelValue(1, 0, PixelWordOf(kRed));
  Surface mask(3, 1, 1);
  const BlitSource source{src, kRed};
  ASSERT_TRUE(BitBlt(BlitTarget{mask}, 0, 0, 3, 1, &source, 0, 0, SRCCOPY));
  EXPECT_EQ(mask.PixelValue(0, 0), 0u);
  EXPECT_EQ(mask.PixelValue(1, 0), 1u);
}

// An 8-bit frame whose table is black except white at the transparent index, ANDed into a
// white (all transparent) mask, leaves only the transparent pixels white.
TEST(Blit, FrameTableIntoMaskWithSrcAndMarksOpaquePixels) {
  Surface frame(4, 1, 8);
  std::array<ColourTableEntry, 256> table{};
  table[5] = TableEntryOf(kWhite);
  frame.SetColourTable(0, table);
  for (int x = 0; x < 4; ++x) frame.SetPixelValue(x, 0, x == 2 ? 5 : x);
  Surface mask(6, 1, 1);
  mask.Fill(1);
  const BlitSource source{frame};
  ASSERT_TRUE(BitBlt(BlitTarget{mask}, 1, 0, 4, 1, &source, 0, 0, SRCAND));
  const std::array<std::uint32_t, 6> expected = {1, 0, 0, 1, 0, 1};
  for (int x = 0; x < 6; ++x) EXPECT_EQ(mask.PixelValue(x, 0), expected[x]) << x;
}

TEST(Blit, ColoursIntoAPaletteTakeTheNearestEntry) {
  const Surface src = Filled(2, 2, 32, RGB(250, 10, 10));
  Surface dst(2, 2, 4);
  const BlitSource source{src};
  ASSERT_TRUE(BitBlt(BlitTarget{dst}, 0, 0, 2, 2, &source, 0, 0, SRCCOPY));
  EXPECT_EQ(dst.PixelValue(1, 1), 9u);
}

Surface Stripes() {
  Surface s(4, 1, 32);
  const Colour colours[] = {kRed, kGreen, kBlue, kWhite};
  for (int x = 0; x < 4; ++x) s.SetPixelValue(x, 0, PixelWordOf(colours[x]));
  return s;
}

TEST(Blit, NegativeExtentsMirror) {
  const Surface src = Stripes();
  Surface dst(4, 1, 32);
  const BlitSource source{src};
  ASSERT_TRUE(StretchBlt(BlitTarget{dst}, 3, 0, -4, 1, &source, 0, 0, 4, 1, SRCCOPY));
  EXPECT_EQ(dst.PixelColour(0, 0), kWhite);
  EXPECT_EQ(dst.PixelColour(3, 0), kRed);
  // Mirroring the source instead gives the same picture.
  Surface again(4, 1, 32);
  ASSERT_TRUE(StretchBlt(BlitTarget{again}, 0, 0, 4, 1, &source, 3, 0, -4, 1, SRCCOPY));
  EXPECT_EQ(again.PixelColour(0, 0), kWhite);
  EXPECT_EQ(again.PixelColour(1, 0), kBlue);
}

TEST(Blit, StretchingRepeatsAndDropsPixels) {
  const Surface src = Stripes();
  Surface wide(8, 2, 24);
  const BlitSource source{src};
  ASSERT_TRUE(StretchBlt(BlitTarget{wide}, 0, 0, 8, 2, &source, 0, 0, 4, 1, SRCCOPY));
  EXPECT_EQ(wide.PixelColour(0, 1), kRed);
  EXPECT_EQ(wide.PixelColour(1, 1), kRed);
  EXPECT_EQ(wide.PixelColour(2, 0), kGreen);
  EXPECT_EQ(wide.PixelColour(7, 0), kWhite);
  Surface narrow(2, 1, 24);
  ASSERT_TRUE(StretchBlt(BlitTarget{narrow}, 0, 0, 2, 1, &source, 0, 0, 4, 1, SRCCOPY));
  EXPECT_EQ(narrow.PixelColour(0, 0), kGreen);
  EXPECT_EQ(narrow.PixelColour(1, 0), kWhite);
}

TEST(Blit, DrawsOnlyInsideTheClipRegion) {
  const Surface src = Filled(20, 20, 32, kRed);
  Surface dst = Filled(20, 20, 32, kWhite);
  const Region clip = Region::FromEllipse({0, 0, 20, 20});
  const BlitSource source{src};
  ASSERT_TRUE(BitBlt(BlitTarget{dst, &clip}, 0, 0, 20, 20, &source, 0, 0, SRCCOPY));
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      EXPECT_EQ(dst.PixelColour(x, y), clip.Contains(x, y) ? kRed : kWhite) << x << "," << y;
    }
  }
}

TEST(Blit, OverlappingCopyWithinOneSurfaceReadsTheOriginal) {
  Surface s = Stripes();
  const BlitSource source{s};
  ASSERT_TRUE(BitBlt(BlitTarget{s}, 1, 0, 3, 1, &source, 0, 0, SRCCOPY));
  EXPECT_EQ(s.PixelColour(1, 0), kRed);
  EXPECT_EQ(s.PixelColour(2, 0), kGreen);
  EXPECT_EQ(s.PixelColour(3, 0), kBlue);
}

TEST(Blit, DegenerateRectanglesNeitherCrashNorDraw) {
  const Surface src = Filled(4, 4, 32, kRed);
  Surface dst = Filled(4, 4, 32, kWhite);
  const BlitSource source{src};
  const BlitTarget target{dst};
  EXPECT_FALSE(BitBlt(target, 0, 0, 0, 4, &source, 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(target, 0, 0, 4, 4, nullptr, 0, 0, SRCCOPY));
  EXPECT_TRUE(BitBlt(target, 10, 10, 4, 4, &source, 0, 0, SRCCOPY));
  EXPECT_TRUE(BitBlt(target, 0, 0, 4, 4, &source, 100, -100, SRCCOPY));
  EXPECT_TRUE(
      BitBlt(target, INT_MIN, INT_MAX, INT_MAX, INT_MAX, &source, INT_MAX, INT_MIN, SRCCOPY));
  EXPECT_TRUE(StretchBlt(target, INT_MAX, 0, INT_MIN, 4, &source, 0, 0, INT_MAX, 4, SRCCOPY));
  const Region empty;
  EXPECT_TRUE(BitBlt(BlitTarget{dst, &empty}, 0, 0, 4, 4, &source, 0, 0, SRCCOPY));
  Surface nothing;
  EXPECT_FALSE(BitBlt(BlitTarget{nothing}, 0, 0, 4, 4, &source, 0, 0, SRCCOPY));
  for (int y = 0; y < 4; ++y) EXPECT_EQ(dst.PixelColour(3, y), kWhite);
}

TEST(Blit, PartlyOutsideSourceWritesOnlyBackedPixels) {
  const Surface src = Filled(2, 2, 32, kRed);
  Surface dst = Filled(4, 4, 32, kWhite);
  const BlitSource source{src};
  ASSERT_TRUE(BitBlt(BlitTarget{dst}, 0, 0, 4, 4, &source, -1, -1, SRCCOPY));
  EXPECT_EQ(dst.PixelColour(0, 0), kWhite);
  EXPECT_EQ(dst.PixelColour(1, 1), kRed);
  EXPECT_EQ(dst.PixelColour(2, 2), kRed);
  EXPECT_EQ(dst.PixelColour(3, 3), kWhite);
}

}  // namespace
}  // namespace qorvexctl::platform
