#pragma once
// libpng decoding to premultiplied BGRA, the same output this library's decoder gives: the
// reference the PNG benchmarks compare with.

#include <cstdint>
#include <vector>

namespace qorvexctl::bench {

// Decodes a whole PNG file held in memory into `out` (width x height x 4 bytes); false when
// libpng refuses the file.
bool DecodeLibpng(const std::vector<std::uint8_t>& file, std::vector<std::uint8_t>& out);

}  // namespace qorvexctl::bench
