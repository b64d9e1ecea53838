#include "qorvexctl/imaging/png/PngUnfilter.h"

#include <cstdlib>

#include "qorvexctl/imaging/png/PngUnfilterVector.h"

namespace qorvexctl::png {

namespace {

enum FilterType : std::uint8_t { kNone = 0, kSub = 1, kUp = 2, kAverage = 3, kPaeth = 4 };

void UnfilterSub(std::uint8_t* row, std::size_t rowBytes, std::size_t stride) {
  for (std::size_t i = stride; i < rowBytes; ++i)
    row[i] = static_cast<std::uint8_t>(row[i] + row[i - stride]);
}

void UnfilterUp(std::uint8_t* row, const std::uint8_t* previous, std::size_t rowBytes) {
  for (std::size_t i = 0; i < rowBytes; ++i)
    row[i] = static_cast<std::uint8_t>(row[i] + previous[i]);
}

void UnfilterAverage(std::uint8_t* row, const std::uint8_t* previous, std::size_t rowBytes,
                     std::size_t stride) {
  std::size_t i = 0;
  for (; i < stride && i < rowBytes; ++i)
    row[i] = static_cast<std::uint8_t>(row[i] + (previous[i] >> 1));
  for (; i < rowBytes; ++i) {
    row[i] = static_cast<std::uint8_t>(row[i] + ((row[i - stride] + previous[i]) >> 1));
  }
}

// Paeth with the pixel size known at compile time, so the channels of a pixel are worked
// on together.
template <std::size_t Stride>
void UnfilterPaethFixed(std::uint8_t* row, const std::uint8_t* previous, std::size_t rowBytes) {
  for (std::size_t i = 0; i < Stride && i < rowBytes; ++i)
    row[i] = static_cast<std::uint8_t>(row[i] + previous[i]);
  for (std::size_t i = Stride; i + Stride <= rowBytes; i += Stride) {
    for (std::size_t k = 0; k < Stride; ++k) {
      row[i + k] = static_cast<std::uint8_t>(row[i + k] + PaethPredictor(row[i + k - Stride],
                                                                         previous[i + k],
                                                                         previous[i + k - Stride]));
    }
  }
}

void UnfilterPaeth(std::uint8_t* row, const std::uint8_t* previous, std::size_t rowBytes,
                   std::size_t stride) {
  switch (stride) {
    case 3:
      return UnfilterPaethFixed<3>(row, previous, rowBytes);
    case 4:
      return UnfilterPaethFixed<4>(row, previous, rowBytes);
    case 6:
      return UnfilterPaethFixed<6>(row, previous, rowBytes);
    case 8:
      return UnfilterPaethFixed<8>(row, previous, rowBytes);
    default:
      break;
  }
  std::size_t i = 0;
  for (; i < stride && i < rowBytes; ++i) row[i] = static_cast<std::uint8_t>(row[i] + previous[i]);
  for (; i < rowBytes; ++i) {
    row[i] = static_cast<std::uint8_t>(
        row[i] + PaethPredictor(row[i - stride], previous[i], previous[i - stride]));
  }
}

// On the first row, "above" is zero: Up becomes None, Average halves the left neighbour and
// Paeth becomes Sub.
void UnfilterFirstAverage(std::uint8_t* row, std::size_t rowBytes, std::size_t stride) {
  for (std::size_t i = stride; i < rowBytes; ++i) {
    row[i] = static_cast<std::uint8_t>(row[i] + (row[i - stride] >> 1));
  }
}

}  // namespace

bool UnfilterRow(std::uint8_t filterType, std::uint8_t* row, const std::uint8_t* previous,
                 std::size_t rowBytes, std::size_t stride) {
  if (UnfilterRowVector(filterType, row, previous, rowBytes, stride)) return true;
  return UnfilterRowScalar(filterType, row, previous, rowBytes, stride);
}

bool UnfilterRowScalar(std::uint8_t filterType, std::uint8_t* row, const std::uint8_t* previous,
                       std::size_t rowBytes, std::size_t stride) {
  switch (filterType) {
    case kNone:
      return true;
    case kSub:
      UnfilterSub(row, rowBytes, stride);
      return true;
    case kUp:
      if (previous != nullptr) UnfilterUp(row, previous, rowBytes);
      return true;
    case kAverage:
      if (previous != nullptr)
        UnfilterAverage(row, previous, rowBytes, stride);
      else
        UnfilterFirstAverage(row, rowBytes, stride);
      return true;
    case kPaeth:
      if (previous != nullptr)
        UnfilterPaeth(row, previous, rowBytes, stride);
      else
        UnfilterSub(row, rowBytes, stride);
      return true;
    default:
      return false;
  }
}

}  // namespace qorvexctl::png
