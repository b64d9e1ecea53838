#pragma once
// The GIF files the decoder benchmark runs on: animations and stills from the shared corpus,
// and animations made here with giflib's encoder (a small spinner, and 800 x 600 animations
// whose frames use disposal 2, or 2 and 3, with transparency).

#include <cstdint>
#include <string>
#include <vector>

namespace qorvexctl::bench {

struct BenchFile {
  std::string name;
  std::vector<std::uint8_t> bytes;
  // stb_image (Debian's 2022 build) reads out of bounds on some files that restore the
  // previous frame (disposal 3), so it is not run on them.
  bool crashesStb = false;
};

std::vector<BenchFile> GifBenchFiles();

}  // namespace qorvexctl::bench
