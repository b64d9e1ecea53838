#pragma once
// The images the PNG benchmark decodes: a few PngSuite files and larger images of each kind
// (photo-like, screenshot-like, palette, 16-bit grey, RGBA, Adam7), written with libpng when
// the benchmark starts so every decoder reads the same bytes.

#include <cstdint>
#include <string>
#include <vector>

namespace qorvexctl::bench {

struct PngBenchImage {
  std::string name;
  std::vector<std::uint8_t> bytes;      // the whole PNG file
  std::vector<std::uint8_t> imageData;  // its IDAT chunks, concatenated
  std::size_t inflatedSize = 0;         // what the image data inflates to
  int width = 0, height = 0;
};

// Every benchmark image, made once.
const std::vector<PngBenchImage>& PngBenchImages();

}  // namespace qorvexctl::bench
