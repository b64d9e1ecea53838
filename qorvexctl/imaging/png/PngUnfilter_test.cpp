#include "qorvexctl/imaging/png/PngUnfilter.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "qorvexctl/imaging/png/PngPixelRows.h"

namespace qorvexctl::png {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes RandomBytes(std::mt19937& random, std::size_t count) {
  std::uniform_int_distribution<int> byte(0, 255);
  Bytes bytes(count);
  for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(byte(random));
  return bytes;
}

// Every filter type (and an unknown one), every pixel size, rows from one pixel to well past
// a few vector blocks, as the first row and below another: the row UnfilterRow gives is the
// scalar reconstruction, byte for byte.
TEST(PngUnfilter, VectorRowsMatchTheScalarReconstructionOnRandomRows) {
  std::mt19937 random(20261205);
  for (std::uint8_t filter = 0; filter <= 5; ++filter) {
    for (std::size_t stride : {1, 2, 3, 4, 6, 8}) {
      for (std::size_t pixels : {1, 2, 5, 6, 7, 8, 9, 13, 17, 31, 64, 333}) {
        for (bool firstRow : {true, false}) {
          SCOPED_TRACE(testing::Message()
                       << "filter " << int{filter} << ", " << stride << " bytes per pixel, "
                       << pixels << " pixels" << (firstRow ? ", first row" : ""));
          const std::size_t rowBytes = pixels * stride;
          const Bytes previous = RandomBytes(random, rowBytes);
          Bytes vector = RandomBytes(random, rowBytes);
          Bytes scalar = vector;
          const std::uint8_t* above = firstRow ? nullptr : previous.data();
          const bool known = UnfilterRow(filter, vector.data(), above, rowBytes, stride);
          EXPECT_EQ(known, UnfilterRowScalar(filter, scalar.data(), above, rowBytes, stride));
          EXPECT_EQ(vector, scalar);
        }
      }
    }
  }
}

// Rows of every length up to a few blocks past the vector width, so each tail is covered.
TEST(PngPixelRows, VectorConversionsMatchTheScalarOnesOnRandomRows) {
  std::mt19937 random(7);
  for (std::int32_t count = 0; count <= 40; ++count) {
    SCOPED_TRACE(testing::Message() << count << " pixels");
    const Bytes rgba = RandomBytes(random, static_cast<std::size_t>(count) * 4);
    Bytes vector(rgba.size()), scalar(rgba.size());
    RgbaToPremultipliedBgra(rgba.data(), count, vector.data());
    RgbaToPremultipliedBgraScalar(rgba.data(), count, scalar.data());
    EXPECT_EQ(vector, scalar);
    const Bytes rgb = RandomBytes(random, static_cast<std::size_t>(count) * 3);
    Bytes vectorOpaque(static_cast<std::size_t>(count) * 4), scalarOpaque(vectorOpaque.size());
    RgbToBgra(rgb.data(), count, vectorOpaque.data());
    RgbToBgraScalar(rgb.data(), count, scalarOpaque.data());
    EXPECT_EQ(vectorOpaque, scalarOpaque);
  }
}

// Every colour value under every alpha: the vector division by 255 rounds down like the
// scalar one.
TEST(PngPixelRows, PremultiplyAgreesForEveryColourAndAlpha) {
  Bytes rgba;
  for (int alpha = 0; alpha < 256; ++alpha) {
    for (int colour = 0; colour < 256; ++colour) {
      const auto c = static_cast<std::uint8_t>(colour);
      rgba.insert(rgba.end(),
                  {c, static_cast<std::uint8_t>(255 - c), c, static_cast<std::uint8_t>(alpha)});
    }
  }
  const auto count = static_cast<std::int32_t>(rgba.size() / 4);
  Bytes vector(rgba.size()), scalar(rgba.size());
  RgbaToPremultipliedBgra(rgba.data(), count, vector.data());
  RgbaToPremultipliedBgraScalar(rgba.data(), count, scalar.data());
  EXPECT_EQ(vector, scalar);
  EXPECT_EQ(scalar[4 * (200 * 256 + 100)], 100 * 200 / 255);  // blue of colour 100, alpha 200
}

}  // namespace
}  // namespace qorvexctl::png
