// Every PngSuite file decoded to a premultiplied 32-bit bitmap, compared byte for byte (by
// hash) with the reference decodes in testdata/png/expected.tsv.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "qorvexctl/imaging/StdPNG.h"
#include "testsupport/TestData.h"

namespace qorvexctl {
namespace {

struct Expected {
  std::string file;
  bool ok = false;
  int width = 0, height = 0;
  std::string premultipliedHash;
};

std::vector<Expected> ReadExpected() {
  std::ifstream in(testsupport::SharedTestData() / "png" / "expected.tsv");
  std::vector<Expected> rows;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    std::stringstream ss(line);
    for (std::string f; std::getline(ss, f, '\t');) fields.push_back(f);
    if (fields.size() < 7) continue;
    rows.push_back(
        {fields[0], fields[1] == "OK", std::stoi(fields[2]), std::stoi(fields[3]), fields[6]});
  }
  return rows;
}

// FNV-1a 64 of the bitmap's pixels, rows top to bottom without padding.
std::string PixelHash(const stdPNGdata& bitmap) {
  std::uint64_t hash = 0xcbf29ce484222325ull;
  const std::size_t rowBytes = std::size_t(bitmap.Width()) * bitmap.BitCount() / 8;
  for (std::int32_t y = 0; y < bitmap.Height(); ++y) {
    const std::uint8_t* row = bitmap.Row(y);
    for (std::size_t i = 0; i < rowBytes; ++i) hash = (hash ^ row[i]) * 0x100000001b3ull;
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

TEST(StdPNGCorpus, EveryPngSuiteFileMatchesTheReferenceDecode) {
  auto expected = ReadExpected();
  ASSERT_EQ(expected.size(), 140u);
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.file);
    StdPNG png;
    png.TransparentStyle(alphaTransparent);
    auto path = testsupport::SharedTestData() / "png" / "pngsuite" / e.file;
    bool loaded = png.LoadFile(path.string(), true, true);
    ASSERT_EQ(loaded, e.ok) << png::FailureText(png.LastFailure());
    if (!e.ok) {
      EXPECT_EQ(png.Width(), 0);
      EXPECT_EQ(png.Bitmap(), nullptr);
      continue;
    }
    EXPECT_EQ(png.Width(), e.width);
    EXPECT_EQ(png.Height(), e.height);
    ASSERT_EQ(png.BitCount_BMP(), 32);
    EXPECT_EQ(PixelHash(*png.Bitmap()), e.premultipliedHash);
  }
}

}  // namespace
}  // namespace qorvexctl
