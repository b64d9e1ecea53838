#include "qorvexctl/imaging/stdPNGdata.h"

#include <new>

namespace qorvexctl {

bool stdPNGdata::Create(std::int32_t width, std::int32_t height, int bitCount) {
  if (width < 1 || height < 1) return false;
  std::int64_t stride = ((std::int64_t{bitCount} * width + 31) & ~std::int64_t{31}) / 8;
  try {
    m_pixels.assign(static_cast<std::size_t>(stride * height), 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  m_width = width;
  m_height = height;
  m_bitCount = bitCount;
  m_stride = static_cast<std::int32_t>(stride);
  return true;
}

void stdPNGdata::SetColourTable(std::span<const TableEntry> entries) {
  m_table.assign(entries.begin(), entries.end());
}

}  // namespace qorvexctl
