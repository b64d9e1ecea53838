// StdPNG's public behaviour on files built in the test: bitmap formats, properties, text,
// the guards of a running load.

#include "qorvexctl/imaging/StdPNG.h"

#include <gtest/gtest.h>

#include <cstring>

#include "testsupport/PngTestFile.h"

namespace qorvexctl {
namespace {

using png::testing::Be32;
using png::testing::Bytes;
using png::testing::Concat;
using png::testing::PngTestFile;
using png::testing::Rows;
using png::testing::Text;

Bytes Image(std::uint32_t width, std::uint32_t height, std::uint8_t depth, std::uint8_t type,
            const Bytes& rows, const std::function<void(PngTestFile&)>& extra = {}) {
  PngTestFile file;
  file.Header(width, height, depth, type);
  if (extra) extra(file);
  return file.Scanlines(rows).End().bytes();
}

std::uint32_t Pixel32(const StdPNG& png, int x, int y) {
  std::uint32_t v;
  std::memcpy(&v, png.Bitmap()->Row(y) + x * 4, 4);
  return v;  // 0xAARRGGBB
}

TEST(StdPNG, GreyImagesGiveIndexedBitmapsWithGreyTables) {
  StdPNG png;
  ASSERT_TRUE(png.LoadBytes(Image(4, 2, 8, png::kGrey, Rows({0, 1, 2, 255}, 2))));
  EXPECT_EQ(png.BitCount_BMP(), 8);
  EXPECT_EQ(png.ScanLineWidth(), 4);
  ASSERT_EQ(png.Bitmap()->ColourTable().size(), 256u);
  EXPECT_EQ(png.Bitmap()->ColourTable()[200], (platform::ColourTableEntry{200, 200, 200, 0}));
  EXPECT_EQ(png.Bitmap()->Row(1)[3], 255);

  ASSERT_TRUE(png.LoadBytes(Image(4, 1, 2, png::kGrey, Rows({0b00011011}, 1))));
  EXPECT_EQ(png.BitCount_BMP(), 4);
  EXPECT_EQ(png.Bitmap()->Row(0)[0], 0x01);  // two-bit values widened to four-bit indices
  EXPECT_EQ(png.Bitmap()->Row(0)[1], 0x23);
  EXPECT_EQ(png.Palette(), (Bytes{0, 0, 0, 85, 85, 85, 170, 170, 170, 255, 255, 255}));
}

TEST(StdPNG, BitCountFollowsColourTypeAndTransparency) {
  const Bytes rgba = Rows({10, 20, 30, 0, 40, 50, 60, 255}, 1);
  StdPNG png;
  png.TransparentStyle(alphaTransparent);
  ASSERT_TRUE(png.LoadBytes(Image(2, 1, 8, png::kRGBA, rgba)));
  EXPECT_EQ(png.BitCount_BMP(), 32);
  EXPECT_EQ(Pixel32(png, 0, 0), 0u);  // fully transparent pixels are all zero
  EXPECT_EQ(Pixel32(png, 1, 0), 0xFF28323Cu);

  png.TransparentStyle(alphaNoBkgNoAlpha);
  ASSERT_TRUE(png.LoadBytes(Image(2, 1, 8, png::kRGBA, rgba)));
  EXPECT_EQ(png.BitCount_BMP(), 24);
  EXPECT_EQ(png.Bitmap()->Row(0)[0], 30);  // blue, green, red of the first pixel
  EXPECT_EQ(png.Bitmap()->Row(0)[2], 10);

  ASSERT_TRUE(png.LoadBytes(Image(2, 1, 8, png::kRGB, Rows({1, 2, 3, 4, 5, 6}, 1))));
  EXPECT_EQ(png.BitCount_BMP(), 24);
  ASSERT_TRUE(png.LoadBytes(Image(2, 1, 8, png::kRGB, Rows({1, 2, 3, 4, 5, 6}, 1)), true, true));
  EXPECT_EQ(png.BitCount_BMP(), 32);
  ASSERT_TRUE(
      png.LoadBytes(Image(2, 1, 8, png::kRGB, Rows({1, 2, 3, 4, 5, 6}, 1)), true, false, 128));
  EXPECT_EQ(png.BitCount_BMP(), 32);  // an AlphaBlendValue forces 32 bits too
}

TEST(StdPNG, PaletteTransparencyIsKeptOrDroppedByStyle) {
  auto file = Image(4, 1, 2, png::kPaletted, Rows({0b00011011}, 1), [](PngTestFile& f) {
    f.Chunk("PLTE", {255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 9, 9}).Chunk("tRNS", {0, 255, 51});
  });
  StdPNG png;
  png.TransparentStyle(alphaTransparent);
  ASSERT_TRUE(png.LoadBytes(file));
  ASSERT_EQ(png.BitCount_BMP(), 32);
  EXPECT_EQ(Pixel32(png, 0, 0), 0u);
  EXPECT_EQ(Pixel32(png, 2, 0), 0x33000033u);  // blue x 51 / 255, alpha 51
  EXPECT_EQ(Pixel32(png, 3, 0), 0xFF090909u);  // beyond the tRNS entries: opaque

  png.TransparentStyle(alphaNoBkgNoAlpha);
  ASSERT_TRUE(png.LoadBytes(file));
  EXPECT_EQ(png.BitCount_BMP(), 4);
  EXPECT_EQ(png.Bitmap()->ColourTable()[2], (platform::ColourTableEntry{255, 0, 0, 0}));
}

// A 16-bit grey pixel is transparent only when all 16 bits match; the property still holds
// the low byte.
TEST(StdPNG, SixteenBitGreyTransparencyComparesTheWholeSample) {
  auto file = Image(2, 1, 16, png::kGrey, Rows({0x12, 0x34, 0x56, 0x34}, 1), [](PngTestFile& f) {
    f.Chunk("tRNS", {0x12, 0x34});
  });
  StdPNG png;
  png.TransparentStyle(alphaTransparent);
  ASSERT_TRUE(png.LoadBytes(file));
  EXPECT_EQ(Pixel32(png, 0, 0), 0u);
  EXPECT_EQ(Pixel32(png, 1, 0), 0xFF565656u);
}

TEST(StdPNG, HeaderPropertiesAndEmptyValuesAfterFailure) {
  StdPNG png;
  ASSERT_TRUE(png.LoadBytes(Image(3, 2, 16, png::kRGBA, Rows(Bytes(24, 7), 2))));
  EXPECT_EQ(png.Width(), 3);
  EXPECT_EQ(png.Height(), 2);
  EXPECT_EQ(png.BitCount_PNG(), 64);
  EXPECT_EQ(png.ColorType(), 6);
  EXPECT_FALSE(png.IsInterlaced());
  EXPECT_TRUE(png.Chromaticity().empty());
  EXPECT_TRUE(png.Palette().empty());

  EXPECT_FALSE(png.LoadBytes(Bytes(100, 0)));
  EXPECT_EQ(png.LastFailure(), png::Failure::NotPng);
  EXPECT_EQ(png.Width(), 0);
  EXPECT_EQ(png.Bitmap(), nullptr);
  EXPECT_FALSE(png.LoadFile("/nonexistent/file.png"));
  EXPECT_EQ(png.LastFailure(), png::Failure::FileUnreadable);
}

TEST(StdPNG, AncillaryProperties) {
  auto file = Image(1, 1, 8, png::kGrey, Rows({0}, 1), [](PngTestFile& f) {
    f.Chunk("gAMA", Be32(45455))
        .Chunk("cHRM", Concat({Be32(31270), Be32(32900), Be32(64000), Be32(33000), Be32(30000),
                               Be32(60000), Be32(15000), Be32(6000)}))
        .Chunk("sRGB", {0})
        .Chunk("tIME", {0x07, 0xD0, 2, 29, 12, 0, 0});  // 2000-02-29 12:00:00
  });
  StdPNG png;
  ASSERT_TRUE(png.LoadBytes(file));
  EXPECT_DOUBLE_EQ(png.GammaCorrection(), 0.45455);
  ASSERT_EQ(png.Chromaticity().size(), 8u);
  EXPECT_DOUBLE_EQ(png.Chromaticity()[0], 0.3127);
  EXPECT_EQ(png.StdRGB(), 1);
  EXPECT_DOUBLE_EQ(png.LastModified(), 36585.5);  // Date serial of 29 Feb 2000, noon
}

TEST(StdPNG, LastModifiedIsZeroForImpossibleDates) {
  for (Bytes time : {Bytes{0x07, 0xD1, 2, 29, 0, 0, 0}, Bytes{0x07, 0xD0, 13, 1, 0, 0, 0},
                     Bytes{0x07, 0xD0, 1, 1, 24, 0, 0}, Bytes{0, 0, 1, 1, 0, 0, 0}}) {
    StdPNG png;
    ASSERT_TRUE(png.LoadBytes(
        Image(1, 1, 8, png::kGrey, Rows({0}, 1), [&](PngTestFile& f) { f.Chunk("tIME", time); })));
    EXPECT_EQ(png.LastModified(), 0.0);
  }
}

Bytes WithTexts(const std::function<void(PngTestFile&)>& texts) {
  return Image(1, 1, 8, png::kGrey, Rows({0}, 1), texts);
}

TEST(StdPNG, CommentsJoinKeywordAndTextWithCrLfLineBreaks) {
  StdPNG png;
  ASSERT_TRUE(png.LoadBytes(WithTexts([](PngTestFile& f) {
    f.Chunk("tEXt", Text(std::string("Title\0Caf\xE9 27 line\nbreak", 24)))
        .Chunk("zTXt",
               Concat({Text(std::string("Author\0\0", 8)), png::testing::Deflate(Text("A\r\nB"))}))
        .Chunk("tEXt", Bytes(90, 'k'));  // no keyword terminator in 81 bytes: skipped
  })));
  EXPECT_EQ(png.Comments("none"), "Title: Caf\xC3\xA9   line\r\nbreak\r\nAuthor: A\r\nB");

  ASSERT_TRUE(png.LoadBytes(WithTexts([](PngTestFile&) {})));
  EXPECT_EQ(png.Comments("none"), "none");
}

// Text that inflates to `ratio` times its compressed size, give or take one.
Bytes CompressedTextOfRatio(int ratio) {
  for (std::size_t run = 100;; run += 10) {
    std::string text = "7f3a9c1e5b2d8f4a6c0e9b1d3f5a7c9e" + std::string(run, 'x');
    Bytes packed = png::testing::Deflate(Text(text));
    if (text.size() >= packed.size() * ratio) return packed;
  }
}

TEST(StdPNG, CompressedTextMayGrowFiftyTimesAndNoMore) {
  auto file = [](int ratio) {
    return WithTexts([ratio](PngTestFile& f) {
      f.Chunk("zTXt", Concat({Text(std::string("Note\0\0", 6)), CompressedTextOfRatio(ratio)}));
    });
  };
  StdPNG png;
  ASSERT_TRUE(png.LoadBytes(file(30)));
  EXPECT_NE(png.Comments(), "");
  ASSERT_TRUE(png.LoadBytes(file(52)));
  EXPECT_EQ(png.Comments("dropped"), "dropped");
}

TEST(StdPNG, ProgressiveDisplayLetIgnoresSevenAndAbove) {
  StdPNG png;
  png.ProgressiveDisplay(pngScanner);
  png.ProgressiveDisplay(pngPixelated);
  EXPECT_EQ(png.ProgressiveDisplay(), pngScanner);
  png.ProgressiveDisplay(6);
  EXPECT_EQ(png.ProgressiveDisplay(), 6);
}

TEST(StdPNG, PaletteLetOnAGreyImageMakesAPaletteImage) {
  auto file = Image(2, 1, 2, png::kGrey, Rows({0b00010000}, 1), [](PngTestFile& f) {
    f.Chunk("tRNS", {0, 1});
  });
  StdPNG png;
  png.TransparentStyle(alphaTransparent);
  png.Progress.connect([&](int percent) {
    if (percent == 0) png.Palette(Bytes{200, 0, 0});  // replaces entry 0 only
  });
  ASSERT_TRUE(png.LoadBytes(file));
  EXPECT_EQ(png.ColorType(), png::kPaletted);
  EXPECT_EQ(Pixel32(png, 0, 0), 0xFFC80000u);  // entry 0 as given
  EXPECT_EQ(Pixel32(png, 1, 0), 0u);           // the tRNS grey 1 became index 1's alpha
  EXPECT_EQ(png.Palette().size(), 12u);
}

TEST(StdPNG, ProgressIsReportedPerBandOfSixteenRows) {
  StdPNG png;
  std::vector<int> seen;
  png.Progress.connect([&](int percent) { seen.push_back(percent); });
  ASSERT_TRUE(png.LoadBytes(Image(1, 40, 8, png::kGrey, Rows({0}, 40))));
  EXPECT_EQ(seen, (std::vector<int>{0, 40, 80, 100}));
}

TEST(StdPNG, PropertiesAnswerUntilTheTransparencyIsResolved) {
  StdPNG png;
  std::vector<std::int32_t> widths;
  bool reentered = true;
  png.Progress.connect([&](int percent) {
    widths.push_back(png.Width());
    png.TransparentStyle(percent == 0 ? alphaTransparent : 0x0000FF);
    reentered = png.LoadBytes(Image(1, 1, 8, png::kGrey, Rows({0}, 1)));
  });
  ASSERT_TRUE(png.LoadBytes(Image(1, 20, 8, png::kGreyAlpha, Rows({0, 0}, 20))));
  EXPECT_EQ(widths, (std::vector<std::int32_t>{1, 0, 0}));
  EXPECT_FALSE(reentered);
  EXPECT_EQ(png.TransparentStyle(), alphaTransparent);  // the lets during decoding were ignored
  EXPECT_EQ(png.BitCount_BMP(), 32);
}

TEST(StdPNG, HeadersPromisingMoreThanTheDataCanHoldAreRefused) {
  PngTestFile file;
  file.Header(20000, 20000, 8, png::kRGBA).Chunk("IDAT", png::testing::Deflate(Bytes(64, 0))).End();
  StdPNG png;
  EXPECT_FALSE(png.LoadBytes(file.bytes()));
  EXPECT_EQ(png.LastFailure(), png::Failure::DataCannotFill);
}

TEST(StdPNG, UnknownFilterTypeFailsTheLoad) {
  StdPNG png;
  EXPECT_FALSE(png.LoadBytes(Image(1, 1, 8, png::kGrey, {5, 0})));
  EXPECT_EQ(png.LastFailure(), png::Failure::BadRowFilter);
  EXPECT_EQ(png.Width(), 0);
}

}  // namespace
}  // namespace qorvexctl
