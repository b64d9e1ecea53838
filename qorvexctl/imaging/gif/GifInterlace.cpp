#include "qorvexctl/imaging/gif/GifInterlace.h"

namespace qorvexctl::gif {

std::vector<std::int32_t> InterlacedDisplayRows(std::int32_t height) {
  struct Pass {
    std::int32_t first;
    std::int32_t step;
  };
  constexpr Pass kPasses[] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};
  std::vector<std::int32_t> rows;
  rows.reserve(height > 0 ? static_cast<std::size_t>(height) : 0);
  for (const Pass& pass : kPasses) {
    for (std::int32_t row = pass.first; row < height; row += pass.step) rows.push_back(row);
  }
  return rows;
}

}  // namespace qorvexctl::gif
