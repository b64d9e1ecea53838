#include "qorvexctl/platform/drawing/Surface.h"

#include <gtest/gtest.h>

#include <array>

namespace qorvexctl::platform {
namespace {

TEST(Surface, RowsAreRoundedUpToFourBytes) {
  EXPECT_EQ(Surface::StrideFor(1, 1), 4u);
  EXPECT_EQ(Surface::StrideFor(33, 1), 8u);
  EXPECT_EQ(Surface::StrideFor(9, 4), 8u);
  EXPECT_EQ(Surface::StrideFor(5, 8), 8u);
  EXPECT_EQ(Surface::StrideFor(3, 24), 12u);
  EXPECT_EQ(Surface::StrideFor(5, 24), 16u);
  EXPECT_EQ(Surface::StrideFor(7, 32), 28u);
  EXPECT_FALSE(Surface::StrideFor(7, 16));
  EXPECT_EQ(Surface(5, 3, 24).Stride(), 16u);
}

TEST(Surface, ImpossibleSizesGiveAnEmptySurface) {
  EXPECT_TRUE(Surface(0, 10, 32).IsEmpty());
  EXPECT_TRUE(Surface(10, -1, 32).IsEmpty());
  EXPECT_TRUE(Surface(10, 10, 2).IsEmpty());
  EXPECT_TRUE(Surface(Surface::kMaxSide + 1, 1, 8).IsEmpty());
  EXPECT_TRUE(Surface(30000, 30000, 32).IsEmpty());  // 3.6 GB
  EXPECT_EQ(Surface(0, 10, 32).Width(), 0);
  Surface empty;
  EXPECT_EQ(empty.PixelValue(0, 0), 0u);
  empty.SetPixelValue(0, 0, 1);
  empty.Fill(3);
}

TEST(Surface, NewIndexedSurfacesHaveClassicTables) {
  EXPECT_EQ(Surface(1, 1, 1).ColourTable().size(), 2u);
  EXPECT_EQ(ColourOfTableEntry(Surface(1, 1, 1).ColourTable()[1]), RGB(255, 255, 255));
  EXPECT_EQ(ColourOfTableEntry(Surface(1, 1, 4).ColourTable()[12]), RGB(0, 0, 255));
  EXPECT_EQ(ColourOfTableEntry(Surface(1, 1, 8).ColourTable()[77]), RGB(77, 77, 77));
  EXPECT_TRUE(Surface(1, 1, 24).ColourTable().empty());
}

TEST(Surface, ColourTableWritesStopAtTheEndOfTheTable) {
  Surface s(4, 4, 4);
  const std::array<ColourTableEntry, 3> entries = {
      TableEntryOf(RGB(1, 2, 3)), TableEntryOf(RGB(4, 5, 6)), TableEntryOf(RGB(7, 8, 9))};
  EXPECT_EQ(s.SetColourTable(14, entries), 2);
  EXPECT_EQ(s.SetColourTable(16, entries), 0);
  EXPECT_EQ(s.SetColourTable(-1, entries), 0);
  std::array<ColourTableEntry, 4> out{};
  EXPECT_EQ(s.GetColourTable(13, out), 3);
  EXPECT_EQ(ColourOfTableEntry(out[1]), RGB(1, 2, 3));
  EXPECT_EQ(ColourOfTableEntry(out[2]), RGB(4, 5, 6));
}

TEST(Surface, PixelValuesRoundTripAtEveryDepth) {
  for (int bits : {1, 4, 8, 24, 32}) {
    Surface s(13, 3, bits);
    const std::uint32_t max = bits >= 24 ? 0xFF123456u : (1u << bits) - 1;
    s.SetPixelValue(11, 2, max);
    s.SetPixelValue(10, 2, 0);
    EXPECT_EQ(s.PixelValue(11, 2), max) << bits;
    EXPECT_EQ(s.PixelValue(12, 2), bits == 24 ? 0xFF000000u : 0u) << bits;
    EXPECT_EQ(s.PixelValue(13, 2), 0u) << "outside, " << bits;
  }
}

TEST(Surface, PackedPixelsSitMostSignificantFirst) {
  Surface mono(16, 1, 1);
  mono.SetPixelValue(0, 0, 1);
  mono.SetPixelValue(9, 0, 1);
  EXPECT_EQ(mono.Row(0)[0], 0x80);
  EXPECT_EQ(mono.Row(0)[1], 0x40);
  Surface nibbles(4, 1, 4);
  nibbles.SetPixelValue(0, 0, 0xA);
  nibbles.SetPixelValue(1, 0, 0x5);
  EXPECT_EQ(nibbles.Row(0)[0], 0xA5);
}

TEST(Surface, ThirtyTwoBitPixelsAreCairoWords) {
  Surface s(2, 1, 32);
  s.SetPixelValue(0, 0, 0x80402010u);  // half-transparent, premultiplied
  EXPECT_EQ(s.Row(0)[0], 0x10);        // blue first
  EXPECT_EQ(s.Row(0)[3], 0x80);        // alpha last
  EXPECT_EQ(s.PixelAlpha(0, 0), 0x80);
  EXPECT_EQ(s.PixelColour(0, 0), RGB(0x80, 0x40, 0x20));
}

TEST(Surface, NearestIndexPicksTheClosestTableEntry) {
  Surface s(1, 1, 4);
  EXPECT_EQ(s.NearestIndex(RGB(250, 5, 5)), 9);      // bright red
  EXPECT_EQ(s.NearestIndex(RGB(120, 120, 130)), 8);  // dark grey
  EXPECT_EQ(s.ValueOf(RGB(255, 255, 255)), 15u);
  EXPECT_EQ(Surface(1, 1, 24).ValueOf(RGB(1, 2, 3)), 0xFF010203u);
}

}  // namespace
}  // namespace qorvexctl::platform
