#include "qorvexctl/platform/drawing/StretchMap.h"

#include <algorithm>
#include <cstdint>

namespace qorvexctl::platform {

namespace {

// The pixels an origin and extent cover, as [lo, hi).
void Cover(std::int64_t origin, std::int64_t extent, std::int64_t& lo, std::int64_t& hi) {
  lo = extent >= 0 ? origin : origin + extent + 1;
  hi = extent >= 0 ? origin + extent : origin + 1;
}

}  // namespace

bool AxisMap::IsStraight() const {
  return source.size() < 2 || source.back() - source.front() == static_cast<int>(source.size()) - 1;
}

AxisMap MapAxis(int destOrigin, int destExtent, int visibleLo, int visibleHi, int srcOrigin,
                int srcExtent, int srcSize) {
  AxisMap map;
  if (destExtent == 0 || srcExtent == 0) return map;
  std::int64_t lo, hi;
  Cover(destOrigin, destExtent, lo, hi);
  lo = std::max<std::int64_t>(lo, visibleLo);
  hi = std::min<std::int64_t>(hi, visibleHi);
  const std::int64_t destSize = destExtent < 0 ? -std::int64_t{destExtent} : destExtent;
  const std::int64_t sourceSize = srcExtent < 0 ? -std::int64_t{srcExtent} : srcExtent;
  const int destStep = destExtent < 0 ? -1 : 1;
  const int srcStep = srcExtent < 0 ? -1 : 1;
  for (std::int64_t p = lo; p < hi; ++p) {
    const std::int64_t i = (p - destOrigin) * destStep;
    const std::int64_t s = srcOrigin + srcStep * (((2 * i + 1) * sourceSize) / (2 * destSize));
    const bool valid = s >= 0 && s < srcSize;
    if (valid) {
      if (map.source.empty()) map.first = static_cast<int>(p);
      map.source.push_back(static_cast<int>(s));
    } else if (!map.source.empty()) {
      break;
    }
  }
  return map;
}

}  // namespace qorvexctl::platform
