#pragma once
// The row order of interlaced GIF images (GIF89a, appendix E).

#include <cstdint>
#include <vector>

namespace qorvexctl::gif {

// For each row as stored in an interlaced image, the row it belongs to on display: every 8th
// row from 0, every 8th from 4, every 4th from 2, then every 2nd from 1.
std::vector<std::int32_t> InterlacedDisplayRows(std::int32_t height);

}  // namespace qorvexctl::gif
