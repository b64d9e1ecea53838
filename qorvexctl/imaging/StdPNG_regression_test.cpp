// Regression inputs in testdata/, each named for what is wrong with it: the load result and
// the reason, and what a tolerated flaw gives.

#include <gtest/gtest.h>

#include <filesystem>

#include "qorvexctl/imaging/StdPNG.h"
#include "testsupport/TestData.h"

namespace qorvexctl {
namespace {

using png::Failure;

std::string Regression(const char* name) {
  return (testsupport::RepositoryRoot() / "qorvexctl" / "imaging" / "testdata" / name).string();
}

struct Case {
  const char* file;
  Failure reason;  // None: the file loads
};

TEST(StdPNGRegression, EachFlawGivesItsResult) {
  const Case cases[] = {
      {"zero_width.png", Failure::CorruptHeader},
      {"negative_chunk_length.png", Failure::TruncatedChunk},
      {"image_data_crc_wrong.png", Failure::BadImageDataCrc},
      {"huge_size_tiny_data.png", Failure::DataCannotFill},
      {"missing_iend.png", Failure::TruncatedChunk},
      {"zlib_stream_truncated.png", Failure::InflateFailed},
      {"too_much_image_data.png", Failure::InflateFailed},
      {"bad_filter_type.png", Failure::BadRowFilter},
      {"image_data_first.png", Failure::None},  // no chunk order is enforced
      {"unknown_critical_chunk.png", Failure::None},
      {"image_data_short_of_rows.png", Failure::None},
      {"palette_index_beyond_palette.png", Failure::None},
  };
  for (const Case& c : cases) {
    StdPNG png;
    EXPECT_EQ(png.LoadFile(Regression(c.file)), c.reason == Failure::None) << c.file;
    EXPECT_EQ(png.LastFailure(), c.reason) << c.file;
    if (c.reason != Failure::None) {
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
