// The chunk walk on files built field by field: CRC rules, header rules and what each
// ancillary chunk stores.

#include "qorvexctl/imaging/png/PngChunkWalker.h"

#include <gtest/gtest.h>

#include "testsupport/PngTestFile.h"

namespace qorvexctl::png {
namespace {

using testing::Be32;
using testing::Bytes;
using testing::ChunkCrc;
using testing::Concat;
using testing::PngTestFile;

// A 2 x 1 8-bit grey image: one scanline, filter None, two samples.
const Bytes kGreyRow = {0, 0x10, 0x20};

Bytes GreyFileWith(const std::function<void(PngTestFile&)>& extra) {
  PngTestFile file;
  file.Header(2, 1, 8, kGrey);
  extra(file);
  file.Scanlines(kGreyRow).End();
  return file.bytes();
}

Failure Walk(const Bytes& bytes, PngFileInfo& info, bool validateAll = true) {
  return ReadPngFile(bytes, validateAll, info);
}

TEST(PngChunkWalker, ReadsAMinimalFile) {
  PngFileInfo info;
  ASSERT_EQ(Walk(GreyFileWith([](PngTestFile&) {}), info), Failure::None);
  EXPECT_EQ(info.header.width, 2);
  EXPECT_EQ(info.header.height, 1);
  EXPECT_FALSE(info.imageData.empty());
  EXPECT_EQ(info.transparentColour, -1);
  EXPECT_EQ(info.background, -1);
}

TEST(PngChunkWalker, RefusesFilesOf56BytesOrLessBeforeReadingChunks) {
  Bytes file = GreyFileWith([](PngTestFile&) {});
  Bytes shortFile(file.begin(), file.begin() + 56);
  PngFileInfo info;
  EXPECT_EQ(Walk(shortFile, info), Failure::NotPng);
  EXPECT_FALSE(info.hasHeader);
  file[1] = 'Q';  // signature broken
  EXPECT_EQ(Walk(file, info), Failure::NotPng);
}

TEST(PngChunkWalker, EveryTruncationFailsWithoutReadingPastTheEnd) {
  Bytes file = GreyFileWith([](PngTestFile&) {});
  for (std::size_t length = 0; length < file.size(); ++length) {
    PngFileInfo info;
    Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_NE(Walk(cut, info), Failure::None) << length;
  }
}

TEST(PngChunkWalker, NegativeChunkLengthEndsTheWalk) {
  PngTestFile file;
  file.Header(2, 1, 8, kGrey).Append(Be32(0xFFFFFFF4u)).Append(testing::Text("abcd"));
  file.Append(Bytes(40, 0));
  PngFileInfo info;
  EXPECT_EQ(Walk(file.bytes(), info), Failure::TruncatedChunk);
}

struct HeaderCase {
  const char* name;
  Bytes data;
  Failure reason;
};

TEST(PngChunkWalker, HeaderRulesApplyInOrder) {
  auto header = [](std::uint32_t w, std::uint32_t h, Bytes rest) {
    return Concat({Be32(w), Be32(h), rest});
  };
  const HeaderCase cases[] = {
      {"zero width", header(0, 1, {8, 0, 0, 0, 0}), Failure::CorruptHeader},
      {"negative height", header(1, 0x80000000u, {8, 0, 0, 0, 0}), Failure::CorruptHeader},
      {"compression 1", header(1, 1, {8, 0, 1, 0, 0}), Failure::InvalidCompression},
      {"filter 1 before bad depth", header(1, 1, {3, 0, 0, 1, 0}), Failure::InvalidFilterMethod},
      {"depth 3", header(1, 1, {3, 0, 0, 0, 0}), Failure::InvalidBitDepth},
      {"colour type 1", header(1, 1, {8, 1, 0, 0, 0}), Failure::InvalidColorType},
      {"interlace 2", header(1, 1, {8, 0, 0, 0, 2}), Failure::InvalidInterlace},
      {"bitmap over 2 GiB", header(0x7FFFFFFF, 1, {8, 0, 0, 0, 0}), Failure::TooLarge},
      {"inflated size over 2 GiB", header(16384, 16384, {16, 6, 0, 0, 0}), Failure::TooLarge},
      {"Adam7 passes over 2 GiB", header(16384, 16384, {16, 6, 0, 0, 1}), Failure::TooLarge},
      {"sizes whose product passes 64 bits", header(0x7354004C, 0x50454E26, {1, 4, 0, 0, 0}),
       Failure::TooLarge},
      {"widest and tallest", header(0x7FFFFFFF, 0x7FFFFFFF, {16, 6, 0, 0, 1}), Failure::TooLarge},
      {"short header", Bytes{0, 0, 0, 1, 0, 0, 0, 1, 8}, Failure::CorruptHeader},
  };
  for (const HeaderCase& c : cases) {
    PngTestFile file;
    file.Chunk("IHDR", c.data).Scanlines(kGreyRow).End();
    PngFileInfo info;
    EXPECT_EQ(Walk(file.bytes(), info), c.reason) << c.name;
  }
}

TEST(PngChunkWalker, CriticalChunkCrcsAreCheckedEvenWithoutValidation) {
  PngTestFile badHeader;
  badHeader.ChunkWithCrc("IHDR", Concat({Be32(2), Be32(1), {8, 0, 0, 0, 0}}), 1234)
      .Scanlines(kGreyRow)
      .End();
  Bytes badData = PngTestFile()
                      .Header(2, 1, 8, kGrey)
                      .ChunkWithCrc("IDAT", testing::Deflate(kGreyRow), 1234)
                      .End()
                      .bytes();
  Bytes badPalette = PngTestFile()
                         .Header(2, 1, 8, kPaletted)
                         .ChunkWithCrc("PLTE", {1, 2, 3}, 1234)
                         .Scanlines(kGreyRow)
                         .End()
                         .bytes();
  for (bool validateAll : {true, false}) {
    PngFileInfo a, b, c;
    EXPECT_EQ(Walk(badHeader.bytes(), a, validateAll), Failure::BadHeaderCrc);
    EXPECT_EQ(Walk(badData, b, validateAll), Failure::BadImageDataCrc);
    EXPECT_EQ(Walk(badPalette, c, validateAll), Failure::BadPaletteCrc);
  }
}

TEST(PngChunkWalker, AncillaryCrcsAreCheckedOnlyWhenValidatingAndStoredNonZero) {
  const Bytes gamma = Be32(45455);
  Bytes corrupt = GreyFileWith([&](PngTestFile& f) { f.ChunkWithCrc("gAMA", gamma, 1234); });
  Bytes zeroCrc = GreyFileWith([&](PngTestFile& f) { f.ChunkWithCrc("gAMA", gamma, 0); });
  PngFileInfo validated, trusting, unchecked;
  ASSERT_EQ(Walk(corrupt, validated, true), Failure::None);
  ASSERT_EQ(Walk(corrupt, trusting, false), Failure::None);
  ASSERT_EQ(Walk(zeroCrc, unchecked, true), Failure::None);
  EXPECT_EQ(validated.gamma, 0);
  EXPECT_EQ(trusting.gamma, 45455);
  EXPECT_EQ(unchecked.gamma, 45455);
}

TEST(PngChunkWalker, TransparencyWithBadCrcIsIgnoredInEitherMode) {
  Bytes file = GreyFileWith([](PngTestFile& f) { f.ChunkWithCrc("tRNS", {0, 7}, 99); });
  for (bool validateAll : {true, false}) {
    PngFileInfo info;
    ASSERT_EQ(Walk(file, info, validateAll), Failure::None);
    EXPECT_EQ(info.transparentColour, -1);
  }
}

TEST(PngChunkWalker, PaletteTransparencyIsExtendedTo256OpaqueEntries) {
  PngTestFile file;
  file.Header(2, 1, 8, kPaletted)
      .Chunk("PLTE", Bytes(12, 0x40))
      .Chunk("tRNS", {0, 128, 255})
      .Scanlines(kGreyRow)
      .End();
  PngFileInfo info;
  ASSERT_EQ(Walk(file.bytes(), info), Failure::None);
  ASSERT_EQ(info.transparency.size(), 256u);
  EXPECT_EQ(info.transparency[1], 128);
  EXPECT_EQ(info.transparency[3], 255);
  EXPECT_EQ(info.transparency[255], 255);
  EXPECT_EQ(info.transparentColour, 0);
}

TEST(PngChunkWalker, TransparentColourKeepsTheLowBytesOfTheSamples) {
  PngTestFile grey16, rgb;
  grey16.Header(1, 1, 16, kGrey).Chunk("tRNS", {0x12, 0x34}).Scanlines({0, 0, 0}).End();
  rgb.Header(1, 1, 8, kRGB)
      .Chunk("tRNS", {0, 0x11, 0, 0x22, 0, 0x33})
      .Scanlines({0, 1, 2, 3})
      .End();
  PngFileInfo g, c;
  ASSERT_EQ(Walk(grey16.bytes(), g), Failure::None);
  ASSERT_EQ(Walk(rgb.bytes(), c), Failure::None);
  EXPECT_EQ(g.transparentColour, 0x34);
  EXPECT_EQ(c.transparentColour, 0x112233);
}

TEST(PngChunkWalker, PaletteRules) {
  PngFileInfo greyInfo, badInfo;
  Bytes greyWithPalette = GreyFileWith([](PngTestFile& f) { f.Chunk("PLTE", {1, 2}); });
  EXPECT_EQ(Walk(greyWithPalette, greyInfo), Failure::None);  // ignored for grey images
  EXPECT_TRUE(greyInfo.palette.empty());
  Bytes shortPalette = PngTestFile()
                           .Header(2, 1, 8, kPaletted)
                           .Chunk("PLTE", {1, 2, 3, 4})
                           .Scanlines(kGreyRow)
                           .End()
                           .bytes();
  EXPECT_EQ(Walk(shortPalette, badInfo), Failure::InvalidPalette);
}

TEST(PngChunkWalker, MissingImageDataOrHeaderFails) {
  PngFileInfo a, b;
  Bytes noData = PngTestFile().Header(2, 1, 8, kGrey).Chunk("tEXt", Bytes(40, 'x')).End().bytes();
  EXPECT_EQ(Walk(noData, a), Failure::NoImageData);
  Bytes noHeader = PngTestFile().Chunk("tEXt", Bytes(30, 'x')).Scanlines(kGreyRow).End().bytes();
  EXPECT_EQ(Walk(noHeader, b), Failure::NoHeader);
}

TEST(PngChunkWalker, UnknownChunksAreSkippedEvenWhenCritical) {
  Bytes file = GreyFileWith([](PngTestFile& f) {
    f.ChunkWithCrc("ZZZZ", {1, 2, 3}, 0).ChunkWithCrc("iCCP", {0}, 5);
  });
  PngFileInfo info;
  EXPECT_EQ(Walk(file, info), Failure::None);
}

TEST(PngChunkWalker, AncillaryValues) {
  Bytes file = GreyFileWith([](PngTestFile& f) {
    f.Chunk("cHRM", Concat({Be32(31270), Be32(32900), Be32(64000), Be32(33000), Be32(30000),
                            Be32(60000), Be32(15000), Be32(6000)}))
        .Chunk("pHYs", Concat({Be32(2835), Be32(2835), {1}}))     // x, y, unit: metre
        .Chunk("oFFs", Concat({Be32(0xFFFFFFFF), Be32(7), {0}}))  // x -1, y 7, unit: pixel
        .Chunk("sRGB", {2})                                       // intent 2
        .Chunk("bKGD", {0, 0x80})                                 // grey sample 0x0080
        .Chunk("tIME", {0x07, 0xE2, 12, 31, 23, 59, 58});         // 2018-12-31 23:59:58
  });
  PngFileInfo info;
  ASSERT_EQ(Walk(file, info), Failure::None);
  ASSERT_TRUE(info.chromaticity);
  EXPECT_EQ((*info.chromaticity)[0], 31270);
  EXPECT_EQ((*info.chromaticity)[7], 6000);
  EXPECT_EQ(*info.physicalSize, (std::array<std::int32_t, 3>{2835, 2835, 1}));
  EXPECT_EQ(*info.offsets, (std::array<std::int32_t, 3>{-1, 7, 0}));
  EXPECT_EQ(info.standardRGB, 3);
  EXPECT_EQ(info.background, 0x808080);
  ASSERT_TRUE(info.modified);
  EXPECT_EQ(info.modified->year, 2018);
  EXPECT_EQ(info.modified->second, 58);
}

TEST(PngChunkWalker, AncillaryChunksOfTheWrongSizeAreLeftAbsent) {
  Bytes file = GreyFileWith([](PngTestFile& f) {
    f.Chunk("gAMA", {0, 0, 1})
        .Chunk("cHRM", Bytes(31, 1))
        .Chunk("pHYs", Bytes(8, 1))
        .Chunk("sRGB", {4})
        .Chunk("tIME", Bytes(6, 1))
        .Chunk("bKGD", {1});
  });
  PngFileInfo info;
  ASSERT_EQ(Walk(file, info), Failure::None);
  EXPECT_EQ(info.gamma, 0);
  EXPECT_FALSE(info.chromaticity);
  EXPECT_FALSE(info.physicalSize);
  EXPECT_EQ(info.standardRGB, 0);
  EXPECT_FALSE(info.modified);
  EXPECT_EQ(info.background, -1);
}

TEST(PngChunkWalker, BackgroundOfColourAndPaletteImages) {
  PngTestFile rgb, paletted;
  rgb.Header(1, 1, 8, kRGB)
      .Chunk("bKGD", {0, 0x11, 0, 0x22, 0, 0x33})
      .Scanlines({0, 1, 2, 3})
      .End();
  paletted.Header(2, 1, 8, kPaletted)
      .Chunk("PLTE", {1, 2, 3, 0xAA, 0xBB, 0xCC})
      .Chunk("bKGD", {1})
      .Scanlines({0, 0, 1})
      .End();
  PngFileInfo c, p;
  ASSERT_EQ(Walk(rgb.bytes(), c), Failure::None);
  ASSERT_EQ(Walk(paletted.bytes(), p), Failure::None);
  EXPECT_EQ(c.background, 0x332211);
  EXPECT_EQ(p.background, 0xCCBBAA);
}

}  // namespace
}  // namespace qorvexctl::png
