#pragma once
// Nearest-neighbour mapping of destination pixels to source pixels along one axis of a
// stretched blit. A negative extent runs from origin + extent + 1 up to origin in reverse,
// so opposite signs of the destination and source extents mirror the image.

#include <vector>

namespace qorvexctl::platform {

struct AxisMap {
  // First destination pixel that is both visible and backed by a source pixel.
  int first = 0;
  // Source pixel of each destination pixel from `first` on (a contiguous run).
  std::vector<int> source;

  bool IsEmpty() const { return source.empty(); }
  int end() const { return first + static_cast<int>(source.size()); }
  // True when source pixels follow destination pixels one to one, left to right.
  bool IsStraight() const;
};

// Maps the destination pixels of (destOrigin, destExtent) that fall in [visibleLo, visibleHi)
// to the source pixels of (srcOrigin, srcExtent) inside [0, srcSize).
AxisMap MapAxis(int destOrigin, int destExtent, int visibleLo, int visibleHi, int srcOrigin,
                int srcExtent, int srcSize);

}  // namespace qorvexctl::platform
