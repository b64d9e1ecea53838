// RGB, grey+alpha and RGBA files whose samples have 1, 2 or 4 bits, plain and Adam7: each
// decodes to the 32-bit premultiplied pixels written beside it by
// testdata/make_png_subbyte.py, reading nothing past its rows.

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "qorvexctl/imaging/StdPNG.h"
#include "testsupport/TestData.h"

namespace qorvexctl {
namespace {

std::filesystem::path SubByte(const std::string& name) {
  return testsupport::RepositoryRoot() / "qorvexctl" / "imaging" / "testdata" / "subbyte" / name;
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> DecodedPixels(const stdPNGdata& bitmap) {
  std::vector<std::uint8_t> pixels;
  for (std::int32_t y = 0; y < bitmap.Height(); ++y) {
    const std::uint8_t* row = bitmap.Row(y);
    pixels.insert(pixels.end(), row, row + bitmap.Width() * 4);
  }
  return pixels;
}

TEST(StdPNGSubByte, EveryDepthBelowEightOfEveryMultiSampleTypeGivesItsPixels) {
  std::vector<std::string> names;
  for (const char* type : {"rgb", "greyalpha", "rgba"}) {
    for (const char* depth : {"1", "2", "4"}) {
      names.push_back(std::string(type) + depth);
      names.push_back(std::string(type) + depth + "_adam7");
    }
  }
  names.push_back("rgb2_trns");
  names.push_back("rgb4_trns_adam7");
  for (const std::string& name : names) {
    StdPNG png;
    png.TransparentStyle(alphaTransparent);
    ASSERT_TRUE(png.LoadFile(SubByte(name + ".png").string(), true, true)) << name;
    ASSERT_EQ(png.Bitmap()->BitCount(), 32) << name;
    EXPECT_EQ(DecodedPixels(*png.Bitmap()), ReadBytes(SubByte(name + ".bgra"))) << name;
  }
}

// Without alpha the RGB pixels go to a 24-bit bitmap with the same colours.
TEST(StdPNGSubByte, RgbWithoutAlphaGoesTo24Bits) {
  StdPNG png;
  ASSERT_TRUE(png.LoadFile(SubByte("rgb4_adam7.png").string()));
  ASSERT_EQ(png.Bitmap()->BitCount(), 24);
  const std::vector<std::uint8_t> expected = ReadBytes(SubByte("rgb4_adam7.bgra"));
  for (std::int32_t y = 0; y < png.Height(); ++y) {
    for (std::int32_t x = 0; x < png.Width(); ++x) {
      const std::uint8_t* got = png.Bitmap()->Row(y) + x * 3;
      const std::uint8_t* want = &expected[static_cast<std::size_t>(y * png.Width() + x) * 4];
      EXPECT_EQ(std::memcmp(got, want, 3), 0) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace qorvexctl
