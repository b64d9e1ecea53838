#include "qorvexctl/imaging/gif/GifParser.h"

#include <gtest/gtest.h>

#include "testsupport/GifTestBuilder.h"

namespace qorvexctl::gif {
namespace {

using testing::Bytes;
using testing::GifBuilder;

const Bytes kFourPixels = {0, 1, 2, 3};

TEST(GifParser, AcceptsTheSignatureInAnyCase) {
  for (const char* signature : {"GIF89a", "GIF87a", "gif89a", "GIF87A", "gIf89A"}) {
    const auto result = ParseGif(GifBuilder(4, 1, 1, signature).Image(0, 0, 1, 1, {1}).Build());
    EXPECT_EQ(result.frames.size(), 1u) << signature;
  }
  for (const char* signature : {"GIF88a", "PNG89a", "GIF8"}) {
    const auto result = ParseGif(GifBuilder(4, 1, 1, signature).Image(0, 0, 1, 1, {1}).Build());
    EXPECT_TRUE(result.frames.empty()) << signature;
    EXPECT_EQ(result.error, Failure::BadSignature) << signature;
  }
}

TEST(GifParser, ReadsTheGraphicControlOfEachFrame) {
  const auto result = ParseGif(GifBuilder()
                                   .GraphicControl(1, 7, 2)
                                   .Image(0, 0, 2, 2, kFourPixels)
                                   .GraphicControl(2, 0)
                                   .Image(0, 0, 2, 2, kFourPixels)
                                   .Image(0, 0, 1, 1, {0})
                                   .Trailer()
                                   .Build());
  ASSERT_EQ(result.frames.size(), 3u);
  EXPECT_EQ(result.frames[0].delay, 70);  // 7 hundredths
  EXPECT_EQ(result.frames[0].disposal, 1);
  EXPECT_TRUE(result.frames[0].transparent);
  EXPECT_EQ(result.frames[0].transparentIndex, 2);
  EXPECT_EQ(result.frames[1].disposal, 2);
  EXPECT_FALSE(result.frames[1].transparent);
  EXPECT_EQ(result.frames[2].delay, 0);  // no graphic control: nothing carried over
  EXPECT_EQ(result.frames[2].disposal, 0);
}

TEST(GifParser, TakesDisposal3OnTheFirstFrameAsNone) {
  const auto result = ParseGif(GifBuilder()
                                   .GraphicControl(3, 0)
                                   .Image(0, 0, 1, 1, {1})
                                   .GraphicControl(3, 0)
                                   .Image(0, 0, 1, 1, {2})
                                   .Build());
  ASSERT_EQ(result.frames.size(), 2u);
  EXPECT_EQ(result.frames[0].disposal, 0);
  EXPECT_EQ(result.frames[1].disposal, 3);
}

// Only the low two bits of the 3-bit disposal field are read, so the reserved values 4..7
// become 0..3. A decoder that reads all three bits takes them as 0.
TEST(GifParser, DisposalFieldKeepsOnlyItsLowTwoBits) {
  const auto result = ParseGif(GifBuilder()
                                   .Image(0, 0, 1, 1, {0})
                                   .RawGraphicControlPacked(6 << 2, 0)
                                   .Image(0, 0, 1, 1, {1})
                                   .RawGraphicControlPacked(7 << 2, 0)
                                   .Image(0, 0, 1, 1, {2})
                                   .Build());
  ASSERT_EQ(result.frames.size(), 3u);
  EXPECT_EQ(result.frames[1].disposal, 2);
  EXPECT_EQ(result.frames[2].disposal, 3);
}

TEST(GifParser, TheLastGraphicControlBeforeAnImageApplies) {
  const auto result = ParseGif(
      GifBuilder().GraphicControl(2, 5, 1).GraphicControl(1, 9).Image(0, 0, 1, 1, {0}).Build());
  ASSERT_EQ(result.frames.size(), 1u);
  EXPECT_EQ(result.frames[0].delay, 90);
  EXPECT_EQ(result.frames[0].disposal, 1);
  EXPECT_FALSE(result.frames[0].transparent);
  EXPECT_EQ(result.index[0].start, 13u + 12u + 8u);  // the byte range starts at the last one
}

// The graphic control's fields are read at fixed offsets and the walk goes on 7 bytes after
// the extension's start, whatever block size the extension declares. With a declared size of
// 5 the fifth data byte is taken as the size of a further sub-block, here swallowing the first
// image; a decoder that follows the declared size would see two frames.
TEST(GifParser, GraphicControlIsReadAtFixedOffsets) {
  const auto result = ParseGif(GifBuilder()
                                   .Raw({0x21, 0xF9,  // graphic control extension
                                         5,           // declared block size: 5, not 4
                                         0x04,        // packed: disposal 1
                                         9, 0,        // delay 9 hundredths
                                         0,           // transparent index
                                         1,           // fifth data byte, read as a size
                                         0})          // terminator
                                   .Image(0, 0, 1, 1, {1})
                                   .Raw(Bytes(60, 0))
                                   .Image(0, 0, 1, 1, {2})
                                   .Build());
  ASSERT_EQ(result.frames.size(), 1u);
  EXPECT_EQ(result.frames[0].delay, 90);
  EXPECT_EQ(result.index[0].start, 13u + 12u);  // the range starts at the extension
}

TEST(GifParser, ReadsTheNetscapeLoopCount) {
  auto loops = [](const Bytes& file) { return ParseGif(file).loops; };
  EXPECT_EQ(loops(GifBuilder().Netscape(3).Image(0, 0, 1, 1, {0}).Build()), 3);
  EXPECT_EQ(loops(GifBuilder().Netscape(3, "netscape2.0").Image(0, 0, 1, 1, {0}).Build()), 3);
  EXPECT_EQ(loops(GifBuilder().Netscape(3, "ANIMEXTS1.0").Image(0, 0, 1, 1, {0}).Build()), 0);
  EXPECT_EQ(loops(GifBuilder().Image(0, 0, 1, 1, {0}).Build()), 0);
  EXPECT_EQ(loops(GifBuilder().Netscape(3).Image(0, 0, 1, 1, {0}).Netscape(40).Build()), 40);
}

// Any first sub-block of 3 bytes carries the loop count; its id byte is not looked at.
TEST(GifParser, LoopCountSubBlockIdIsNotChecked) {
  Bytes file = GifBuilder().Netscape(7).Image(0, 0, 1, 1, {0}).Build();
  file[13 + 12 + 3 + 11 + 1] = 2;  // header, table, extension head, identifier, size: the id
  EXPECT_EQ(ParseGif(file).loops, 7);
}

TEST(GifParser, OverallSizeCoversFramesBeyondTheLogicalScreen) {
  const auto result = ParseGif(GifBuilder(4, 2, 2)
                                   .Image(0, 0, 2, 2, kFourPixels)
                                   .Image(5, 1, 2, 2, kFourPixels)
                                   .Image(1, 6, 1, 1, {0})
                                   .Build());
  EXPECT_EQ(result.width, 7);
  EXPECT_EQ(result.height, 7);
}

TEST(GifParser, NumbersLocalTablesInFileOrder) {
  const auto result =
      ParseGif(GifBuilder(0).Image(0, 0, 1, 1, {0}, 2).Image(0, 0, 1, 1, {0}, 8).Build());
  ASSERT_EQ(result.frames.size(), 2u);
  ASSERT_EQ(result.colourTables.size(), 3u);
  EXPECT_EQ(result.colourTables[0].count, 0);  // no global table
  EXPECT_EQ(result.frames[0].colourTable, 1);
  EXPECT_EQ(result.frames[1].colourTable, 2);
  EXPECT_EQ(result.colourTables[2].count, 8);
  EXPECT_EQ(result.colourTables[2].entries[7], RGB(70, 141, 248));
}

TEST(GifParser, AnImageWithoutAnyColourTableFailsTheFile) {
  const auto result =
      ParseGif(GifBuilder(0).Image(0, 0, 1, 1, {0}, 2).Image(0, 0, 1, 1, {0}).Build());
  EXPECT_TRUE(result.frames.empty());
  EXPECT_EQ(result.error, Failure::NoColourTable);
}

TEST(GifParser, KeepsTheFramesCompleteBeforeTheEndOfTheData) {
  const Bytes file = GifBuilder().Image(0, 0, 1, 1, {1}).Image(0, 0, 2, 2, kFourPixels).Build();
  const std::size_t secondStart = 13 + 12 + 10 + 1 + 4;  // header, table, first frame
  for (std::size_t cut = secondStart; cut < file.size(); ++cut) {
    const auto result = ParseGif(std::span(file).first(cut));
    EXPECT_EQ(result.frames.size(), 1u) << cut;
  }
  EXPECT_EQ(ParseGif(file).frames.size(), 2u);  // no trailer needed
  EXPECT_EQ(ParseGif(std::span(file).first(20)).error, Failure::NoFrames);
}

TEST(GifParser, SkipsZeroBytesAndStopsAtAnyOtherByte) {
  const auto result = ParseGif(GifBuilder()
                                   .Raw({0, 0})
                                   .Comment("hello")
                                   .Image(0, 0, 1, 1, {1})
                                   .Raw({0, 0x3A})
                                   .Image(0, 0, 1, 1, {2})
                                   .Build());
  EXPECT_EQ(result.frames.size(), 1u);
}

// A frame's byte range runs from its graphic control (or descriptor) to the end of its data,
// so it always spans the 10-byte descriptor and never falls under the 3 bytes below which a
// frame is dropped: a descriptor whose data is only the code size and the terminator is still
// a frame (decoding it then fails the load).
TEST(GifParser, DescriptorWithNoPixelDataIsStillAFrame) {
  const auto result = ParseGif(GifBuilder().ImageWithData(0, 0, 1, 1, {2, 0}).Build());
  ASSERT_EQ(result.frames.size(), 1u);
  EXPECT_EQ(result.index[0].length, 12u);
  EXPECT_EQ(result.frames[0].lzwDataSize, 0u);
}

}  // namespace
}  // namespace qorvexctl::gif
