#include "qorvexctl/imaging/gif/GifImage.h"

#include <gtest/gtest.h>

#include "testsupport/GifTestBuilder.h"

namespace qorvexctl::gif {
namespace {

using testing::Bytes;
using testing::GifBuilder;
using testing::LiteralLzw;

// The indices of frame `k` as placed in the strip, row by row.
Bytes StripPixels(const GifImage& image, int k) {
  const GifFrame& frame = image.Frames()[static_cast<std::size_t>(k)];
  Bytes pixels;
  for (int y = 0; y < frame.height; ++y) {
    const std::uint8_t* row = image.Strip().Row(y) + frame.offset;
    pixels.insert(pixels.end(), row, row + frame.width);
  }
  return pixels;
}

// Code size byte, the LZW data in one sub-block, terminator.
Bytes ImageData(int minimumCodeSize, const Bytes& lzw) {
  Bytes data;
  data.push_back(static_cast<std::uint8_t>(minimumCodeSize));
  data.push_back(static_cast<std::uint8_t>(lzw.size()));
  for (std::uint8_t byte : lzw) data.push_back(byte);
  data.push_back(0);
  return data;
}

TEST(GifImage, PlacesFramesSideBySideInTheStrip) {
  GifImage image;
  ASSERT_TRUE(image.Load(GifBuilder()
                             .Netscape(3)
                             .Image(0, 0, 2, 2, {0, 1, 2, 3})
                             .Image(1, 0, 3, 1, {3, 2, 1})
                             .Trailer()
                             .Build()));
  EXPECT_EQ(image.FrameCount(), 2);
  EXPECT_EQ(image.Loops(), 3);
  EXPECT_EQ(image.Width(), 4);
  EXPECT_EQ(image.Height(), 2);
  EXPECT_EQ(image.Strip().Width(), 5);
  EXPECT_EQ(image.Strip().Height(), 2);
  EXPECT_EQ(image.Frames()[1].offset, 2);
  EXPECT_EQ(StripPixels(image, 0), (Bytes{0, 1, 2, 3}));
  EXPECT_EQ(StripPixels(image, 1), (Bytes{3, 2, 1}));
}

TEST(GifImage, PutsInterlacedRowsInDisplayOrder) {
  // Stored rows of a 1 x 10 image: 0, 8 (pass 1), 4 (pass 2), 2, 6 (pass 3), 1, 3, 5, 7, 9.
  const Bytes stored = {0, 8, 4, 2, 6, 1, 3, 5, 7, 9};
  Bytes indices;
  for (std::uint8_t row : stored) indices.push_back(static_cast<std::uint8_t>(row % 4));
  GifImage image;
  ASSERT_TRUE(image.Load(GifBuilder().Image(0, 0, 1, 10, indices, 0, true).Build()));
  EXPECT_EQ(StripPixels(image, 0), (Bytes{0, 1, 2, 3, 0, 1, 2, 3, 0, 1}));
}

TEST(GifImage, AFrameThatCannotBeDecodedFailsTheLoad) {
  GifImage image;
  const auto load = [&](const Bytes& data) {
    return image.Load(GifBuilder().Image(0, 0, 1, 1, {1}).ImageWithData(0, 0, 2, 2, data).Build());
  };
  EXPECT_FALSE(load(ImageData(2, LiteralLzw(2, {1, 2}))));
  EXPECT_EQ(image.Error(), Failure::LzwDataShort);
  EXPECT_EQ(image.FrameCount(), 0);
  EXPECT_EQ(image.Width(), 0);
  EXPECT_FALSE(load(ImageData(2, testing::PackCodes({{4, 3}, {7, 3}}))));
  EXPECT_EQ(image.Error(), Failure::LzwBadCode);
  EXPECT_FALSE(load({2, 0}));  // a descriptor with no data at all
  EXPECT_EQ(image.Error(), Failure::LzwDataShort);
}

TEST(GifImage, RefusesCodeSizesAboveEight) {
  GifImage image;
  for (int size : {9, 11, 12, 13, 200}) {
    EXPECT_FALSE(
        image.Load(GifBuilder().ImageWithData(0, 0, 1, 1, ImageData(size, {0, 0})).Build()));
    EXPECT_EQ(image.Error(), Failure::BadCodeSize) << size;
  }
}

TEST(GifImage, RefusesZeroSizedFrames) {
  GifImage image;
  EXPECT_FALSE(image.Load(GifBuilder().Image(0, 0, 1, 1, {0}).Image(0, 0, 0, 5, {}).Build()));
  EXPECT_EQ(image.Error(), Failure::ZeroSizeFrame);
  EXPECT_FALSE(image.Load(GifBuilder().Image(0, 0, 5, 0, {}).Build()));
  EXPECT_EQ(image.Error(), Failure::ZeroSizeFrame);
}

// Sizes are checked before anything is allocated: a 4000 x 4000 frame claimed by a few
// bytes of data, or frames spread over a huge canvas, fail at once.
TEST(GifImage, RefusesFramesLargerThanTheirDataOrTheLimits) {
  GifImage image;
  EXPECT_FALSE(image.Load(GifBuilder().Image(0, 0, 4000, 4000, {0, 1}).Build()));
  EXPECT_EQ(image.Error(), Failure::LzwDataShort);
  EXPECT_FALSE(
      image.Load(GifBuilder().Image(0, 0, 1, 1, {0}).Image(65535, 65535, 1, 1, {0}).Build()));
  EXPECT_EQ(image.Error(), Failure::CanvasTooLarge);
}

TEST(GifImage, RefusesAStripLargerThanItsLimit) {
  // 200 frames of 4000 x 1 next to one of 1 x 4000: the canvas is 4000 x 4000, the strip
  // 800001 x 4000.
  GifBuilder builder;
  const Bytes row(4000, 1);
  for (int k = 0; k < 200; ++k) builder.Image(0, 0, 4000, 1, row);
  builder.Image(0, 0, 1, 4000, row);
  GifImage image;
  EXPECT_FALSE(image.Load(builder.Build()));
  EXPECT_EQ(image.Error(), Failure::StripTooLarge);
}

TEST(GifImage, ALoadReplacesWhatWasThere) {
  GifImage image;
  ASSERT_TRUE(image.Load(GifBuilder().Image(0, 0, 2, 2, {0, 1, 2, 3}).Build()));
  ASSERT_TRUE(image.Load(GifBuilder(2).Image(0, 0, 1, 1, {1}).Build()));
  EXPECT_EQ(image.FrameCount(), 1);
  EXPECT_EQ(image.Width(), 1);
  EXPECT_EQ(image.ColourTables()[0].count, 2);
  EXPECT_FALSE(image.Load(Bytes{'G', 'I', 'F'}));
  EXPECT_EQ(image.Error(), Failure::NoFrames);
  EXPECT_EQ(image.FrameCount(), 0);
  EXPECT_TRUE(image.ColourTables().empty());
}

}  // namespace
}  // namespace qorvexctl::gif
