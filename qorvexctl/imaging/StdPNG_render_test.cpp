// StdPNG's bitmap as a host draws it: transparency styles, Paint and its defaults, the memory
// device context, and progressive display onto a destination during the load.

#include <gtest/gtest.h>

#include "qorvexctl/imaging/StdPNG.h"
#include "testsupport/PngTestFile.h"

namespace qorvexctl {
namespace {

using platform::Canvas;
using platform::Surface;
using png::testing::Bytes;
using png::testing::PngTestFile;
using png::testing::Rows;

constexpr Colour kRed = 0x0000FF;
constexpr Colour kGreen = 0x00FF00;
constexpr Colour kBlue = 0xFF0000;

// 2 x 2 RGBA: a transparent pixel, then opaque green, blue and half-transparent white.
Bytes TwoByTwoRgba() {
  return PngTestFile()
      .Header(2, 2, 8, png::kRGBA)
      .Scanlines({0, 0, 0, 0, 0, 0, 255, 0, 255,  //
                  0, 0, 0, 255, 255, 255, 255, 255, 128})
      .End()
      .bytes();
}

// An opaque RGB image of one colour, optionally interlaced (each non-empty pass stored in
// turn, its rows filter None).
Bytes Plain(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b,
            std::uint8_t interlace = 0) {
  Bytes pixel{r, g, b};
  auto rowOf = [&](int pixels) {
    Bytes row;
    for (int x = 0; x < pixels; ++x) row.insert(row.end(), pixel.begin(), pixel.end());
    return row;
  };
  Bytes data;
  const png::PngHeader header{width, height, 8, png::kRGB, interlace};
  for (int pass = 0; pass < (interlace ? 7 : 1); ++pass) {
    int w = interlace ? png::PassWidth(header, pass) : width;
    int h = interlace ? png::PassHeight(header, pass) : height;
    if (w == 0) continue;
    Bytes rows = Rows(rowOf(w), h);
    data.insert(data.end(), rows.begin(), rows.end());
  }
  return PngTestFile().Header(width, height, 8, png::kRGB, interlace).Scanlines(data).End().bytes();
}

TEST(StdPNGRender, BackgroundColourStyleCompositesInto24Bits) {
  StdPNG png;
  png.TransparentStyle(kRed);
  ASSERT_TRUE(png.LoadBytes(TwoByTwoRgba()));
  ASSERT_EQ(png.BitCount_BMP(), 24);
  const Surface& bitmap = *png.Handle();
  EXPECT_EQ(bitmap.PixelColour(0, 0), kRed);
  EXPECT_EQ(bitmap.PixelColour(1, 0), kGreen);
  EXPECT_EQ(bitmap.PixelColour(1, 1), 0x8080FFu);  // half white over red
}

TEST(StdPNGRender, WindowBackgroundStyleUsesBkgdOrWhite) {
  StdPNG png;
  png.TransparentStyle(alphaPNGwindowBkg);
  ASSERT_TRUE(png.LoadBytes(TwoByTwoRgba()));
  EXPECT_EQ(png.Handle()->PixelColour(0, 0), 0xFFFFFFu);
  Bytes withBackground = PngTestFile()
                             .Header(1, 1, 8, png::kRGBA)
                             .Chunk("bKGD", {0, 0, 0, 0, 0, 255})  // blue
                             .Scanlines({0, 0, 0, 0, 0})
                             .End()
                             .bytes();
  ASSERT_TRUE(png.LoadBytes(withBackground));
  EXPECT_EQ(png.Handle()->PixelColour(0, 0), kBlue);
}

TEST(StdPNGRender, TransparentColourStyleOfAnRgbImageIsItsOwnKey) {
  Bytes keyed = PngTestFile()
                    .Header(2, 1, 8, png::kRGB)
                    .Chunk("tRNS", {0, 10, 0, 20, 0, 30})
                    .Scanlines({0, 10, 20, 30, 1, 2, 3})
                    .End()
                    .bytes();
  StdPNG png;
  png.TransparentStyle(alphaTransColorBkg);
  ASSERT_TRUE(png.LoadBytes(keyed));
  EXPECT_EQ(png.BitCount_BMP(), 24);
  EXPECT_EQ(png.Handle()->PixelColour(0, 0), RGB(10, 20, 30));
}

TEST(StdPNGRender, PaintDefaultsToTheNaturalSizeAndReportsIt) {
  StdPNG png;
  png.TransparentStyle(alphaTransparent);
  ASSERT_TRUE(png.LoadBytes(TwoByTwoRgba()));
  Surface screen(10, 10, 32);
  Canvas canvas(screen);
  canvas.FillRect(screen.Bounds(), kRed);
  PngPaintArea area;
  png.Paint(&canvas, 3, 4, area);
  EXPECT_EQ(area.destCx, 2);
  EXPECT_EQ(area.pngCy, 2);
  EXPECT_EQ(screen.PixelColour(3, 4), kRed);  // transparent pixel leaves the destination
  EXPECT_EQ(screen.PixelColour(4, 4), kGreen);
  EXPECT_EQ(screen.PixelColour(5, 4), kRed);  // nothing beyond the natural size

  PngPaintArea stretched{6, 2, nullptr, 1, 0, 0, 1};  // pngCx 0: whole width from x 1
  png.Paint(&canvas, 0, 0, stretched);
  EXPECT_EQ(stretched.pngCx, 2);
}

TEST(StdPNGRender, WithoutItsOwnDCTheObjectPaintsNothing) {
  StdPNG png;
  ASSERT_TRUE(png.LoadBytes(Plain(2, 2, 255, 0, 0)));
  ASSERT_NE(png.hDC(), nullptr);
  png.HasOwnDC(false);
  EXPECT_EQ(png.hDC(), nullptr);
  Surface screen(4, 4, 24);
  Canvas canvas(screen);
  png.Paint(&canvas, 0, 0);
  EXPECT_EQ(screen.PixelColour(0, 0), 0u);
  png.HasOwnDC(true);
  png.Paint(&canvas, 0, 0);
  EXPECT_EQ(screen.PixelColour(0, 0), kRed);

  StdPNG later;
  later.HasOwnDC(false);
  ASSERT_TRUE(later.LoadBytes(Plain(2, 2, 255, 0, 0)));
  EXPECT_EQ(later.hDC(), nullptr);  // released at the end of the load
}

// A host that draws the image while it decodes, recording the destination at each Progress.
struct ProgressiveHost {
  Surface screen{40, 40, 32};
  Canvas canvas{screen};
  std::vector<std::vector<Colour>> seen;  // column 0 of the image at each Progress
  int events = 0;
  bool lastAlpha = false, lastInterlaced = false, lastSuggestion = false;

  void Attach(StdPNG& png) {
    canvas.FillRect(screen.Bounds(), kGreen);
    png.ProgessiveDisplay.connect(
        [this](std::int32_t, std::int32_t, Canvas*& dc, platform::HWND& hwnd, std::int32_t,
               bool alpha, std::int32_t& x, std::int32_t& y, bool interlaced, bool suggestion) {
          ++events;
          dc = &canvas;
          hwnd = 1;
          x = 2;
          y = 3;
          lastAlpha = alpha;
          lastInterlaced = interlaced;
          lastSuggestion = suggestion;
        });
    png.Progress.connect([this](int) {
      std::vector<Colour> column;
      for (int row = 0; row < 36; ++row) column.push_back(screen.PixelColour(2, 3 + row));
      seen.push_back(column);
    });
  }
};

TEST(StdPNGRender, ScannerPaintsEachBandOfSixteenRowsAsItIsDecoded) {
  StdPNG png;
  ProgressiveHost host;
  host.Attach(png);
  ASSERT_TRUE(png.LoadBytes(Plain(4, 20, 255, 0, 0)));
  ASSERT_EQ(host.seen.size(), 3u);  // 0, 80, 100: each raised before its band is shown
  EXPECT_EQ(host.seen[1][0], kGreen);
  EXPECT_EQ(host.seen[2][15], kRed);    // first band shown...
  EXPECT_EQ(host.seen[2][16], kGreen);  // ...the second not yet
  EXPECT_EQ(host.screen.PixelColour(2, 3 + 19), kRed);
  EXPECT_EQ(host.screen.PixelColour(2, 3 + 20), kGreen);
  EXPECT_FALSE(host.lastInterlaced);
  EXPECT_FALSE(host.lastSuggestion);
}

TEST(StdPNGRender, PixelatedFillsAdam7BlocksAfterTheFirstPass) {
  StdPNG png;
  ProgressiveHost host;
  host.Attach(png);
  ASSERT_TRUE(png.LoadBytes(Plain(16, 16, 255, 0, 0, 1)));
  ASSERT_EQ(host.seen.size(), 8u);   // 0 and one per pass, each before the pass is shown
  EXPECT_EQ(host.seen[2][7], kRed);  // pass 1 pixel (0,0) filled its 8 x 8 block
  EXPECT_EQ(host.seen[2][8], kRed);  // and pixel (0,8) the block below
  EXPECT_EQ(host.seen[2][16], kGreen);
  EXPECT_EQ(png.BitCount_BMP(), 24);
  EXPECT_TRUE(host.lastSuggestion);
}

TEST(StdPNGRender, FadeInBlendsAlphaImagesOverTheCapturedBackground) {
  Bytes rgbaInterlaced =
      PngTestFile().Header(1, 1, 8, png::kRGBA, 1).Scanlines({0, 0, 0, 255, 128}).End().bytes();
  StdPNG png;
  png.TransparentStyle(alphaTransparent);
  ProgressiveHost host;
  host.Attach(png);
  ASSERT_TRUE(png.LoadBytes(rgbaInterlaced));
  EXPECT_TRUE(host.lastAlpha);
  EXPECT_EQ(png.BitCount_BMP(), 32);
  EXPECT_EQ(host.screen.PixelColour(2, 3), RGB(0, 127, 128));  // half blue over green
}

TEST(StdPNGRender, NoDestinationMeansNoDrawingAndNoEventWhenNeverProgressive) {
  StdPNG png;
  ProgressiveHost host;
  host.canvas.FillRect(host.screen.Bounds(), kGreen);
  int events = 0;
  png.ProgessiveDisplay.connect([&](auto&&...) { ++events; });
  ASSERT_TRUE(png.LoadBytes(Plain(4, 4, 255, 0, 0)));
  EXPECT_EQ(events, 1);
  EXPECT_EQ(host.screen.PixelColour(2, 3), kGreen);
  png.ProgressiveDisplay(pngNeverProgressive);
  ASSERT_TRUE(png.LoadBytes(Plain(4, 4, 255, 0, 0)));
  EXPECT_EQ(events, 1);
}

}  // namespace
}  // namespace qorvexctl
