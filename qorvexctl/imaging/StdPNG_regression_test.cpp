// Regression inputs in testdata/, each named for what is wrong with it: the load result and
// the reason, and what a tolerated flaw gives.

#include <gtest/gtest.h>

#include <filesystem>

#include "qorvexctl/imaging/StdPNG.h"
#include "testsupport/TestData.h"

namespace qorvexctl {
namespace {

using png::PngFailure;

std::string Regression(const char* name) {
  return (testsupport::RepositoryRoot() / "qorvexctl" / "imaging" / "testdata" / name).string();
}

struct Case {
  const char* file;
  PngFailure reason;  // None: the file loads
};

TEST(StdPNGRegression, EachFlawGivesItsResult) {
  const Case cases[] = {
      {"zero_width.png", PngFailure::CorruptHeader},
      {"negative_chunk_length.png", PngFailure::TruncatedChunk},
      {"image_data_crc_wrong.png", PngFailure::BadImageDataCrc},
      {"huge_size_tiny_data.png", PngFailure::DataCannotFill},
      {"missing_iend.png", PngFailure::TruncatedChunk},
      {"zlib_stream_truncated.png", PngFailure::InflateFailed},
      {"too_much_image_data.png", PngFailure::InflateFailed},
      {"bad_filter_type.png", PngFailure::BadRowFilter},
      {"image_data_first.png", PngFailure::None},  // no chunk order is enforced
      {"unknown_critical_chunk.png", PngFailure::None},
      {"image_data_short_of_rows.png", PngFailure::None},
      {"palette_index_beyond_palette.png", PngFailure::None},
  };
  for (const Case& c : cases) {
    StdPNG png;
    EXPECT_EQ(png.LoadFile(Regression(c.file)), c.reason == PngFailure::None) << c.file;
    EXPECT_EQ(png.LastFailure(), c.reason) << c.file;
    if (c.reason != PngFailure::None) {
      EXPECT_EQ(png.Bitmap(), nullptr) << c.file;
    }
  }
}

// Image data that ends before the last rows leaves those rows zero (index 0).
TEST(StdPNGRegression, ImageDataShortOfRowsLeavesTheMissingRowsZero) {
  StdPNG png;
  ASSERT_TRUE(png.LoadFile(Regression("image_data_short_of_rows.png")));
  EXPECT_EQ(png.Bitmap()->Row(1)[3], 3);
  EXPECT_EQ(png.Bitmap()->Row(3)[3], 0);
}

// Indices beyond the palette read as black.
TEST(StdPNGRegression, PaletteIndexBeyondThePaletteIsBlack) {
  StdPNG png;
  ASSERT_TRUE(png.LoadFile(Regression("palette_index_beyond_palette.png"), true, true));
  const std::uint8_t* row = png.Bitmap()->Row(0);
  EXPECT_EQ(row[2], 255);  // red of index 0
  EXPECT_EQ(row[4 + 2], 0);
  EXPECT_EQ(row[4 + 3], 255);
}

}  // namespace
}  // namespace qorvexctl
