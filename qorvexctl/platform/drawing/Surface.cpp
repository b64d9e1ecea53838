#include "qorvexctl/platform/drawing/Surface.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <new>

#include "qorvexctl/platform/drawing/PixelRows.h"

static_assert(std::endian::native == std::endian::little,
              "32-bit pixel words are stored as little-endian blue, green, red, alpha");

namespace qorvexctl::platform {

namespace {

// Largest pixel buffer a surface may hold (1 GiB).
constexpr std::size_t kMaxBytes = std::size_t{1} << 30;

bool IsSupportedDepth(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
}

std::vector<ColourTableEntry> DefaultTable(int bits) {
  static constexpr Colour kVga[16] = {
      RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
      RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
      RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
      RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255)};
  std::vector<ColourTableEntry> table;
  if (bits == 1) {
    table = {TableEntryOf(RGB(0, 0, 0)), TableEntryOf(RGB(255, 255, 255))};
  } else if (bits == 4) {
    for (Colour c : kVga) table.push_back(TableEntryOf(c));
  } else if (bits == 8) {
    for (int i = 0; i < 256; ++i) table.push_back(TableEntryOf(RGB(i, i, i)));
  }
  return table;
}

int Unpremultiply(std::uint32_t channel, std::uint32_t alpha) {
  if (alpha == 0) return 0;
  return static_cast<int>(std::min<std::uint32_t>(255, (channel * 255 + alpha / 2) / alpha));
}

}  // namespace

std::optional<std::size_t> Surface::StrideFor(int width, int bitsPerPixel) {
  if (!IsSupportedDepth(bitsPerPixel) || width < 0) return std::nullopt;
  const auto bits = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitsPerPixel);
  const std::uint64_t stride = ((bits + 31) / 32) * 4;
  if (stride > std::numeric_limits<std::size_t>::max()) return std::nullopt;
  return static_cast<std::size_t>(stride);
}

Surface::Surface(int width, int height, int bitsPerPixel) {
  const auto stride = StrideFor(width, bitsPerPixel);
  if (!stride || width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return;
  if (*stride > kMaxBytes / static_cast<std::size_t>(height)) return;
  try {
    m_pixels.assign(*stride * static_cast<std::size_t>(height), 0);
    m_table = DefaultTable(bitsPerPixel);
  } catch (const std::bad_alloc&) {
    m_pixels.clear();
    m_table.clear();
    return;
  }
  m_width = width;
  m_height = height;
  m_bits = bitsPerPixel;
  m_stride = *stride;
}

int Surface::SetColourTable(int start, std::span<const ColourTableEntry> entries) {
  if (start < 0 || static_cast<std::size_t>(start) >= m_table.size()) return 0;
  const std::size_t n = std::min(entries.size(), m_table.size() - static_cast<std::size_t>(start));
  std::copy_n(entries.begin(), n, m_table.begin() + start);
  return static_cast<int>(n);
}

int Surface::GetColourTable(int start, std::span<ColourTableEntry> out) const {
  if (start < 0 || static_cast<std::size_t>(start) >= m_table.size()) return 0;
  const std::size_t n = std::min(out.size(), m_table.size() - static_cast<std::size_t>(start));
  std::copy_n(m_table.begin() + start, n, out.begin());
  return static_cast<int>(n);
}

std::uint32_t Surface::PixelValue(int x, int y) const {
  if (!Bounds().Contains(x, y)) return 0;
  std::uint32_t v = 0;
  ReadRowValues(*this, y, x, 1, &v);
  return v;
}

void Surface::SetPixelValue(int x, int y, std::uint32_t value) {
  if (Bounds().Contains(x, y)) WriteRowValues(*this, y, x, 1, &value);
}

Colour Surface::PixelColour(int x, int y) const {
  if (!Bounds().Contains(x, y)) return 0;
  const std::uint32_t v = PixelValue(x, y);
  if (IsIndexed()) return ColourOfTableEntry(m_table[v]);
  if (m_bits == 24) return ColourOfPixelWord(v);
  const std::uint32_t a = v >> 24;
  return RGB(Unpremultiply((v >> 16) & 0xFF, a), Unpremultiply((v >> 8) & 0xFF, a),
             Unpremultiply(v & 0xFF, a));
}

int Surface::PixelAlpha(int x, int y) const {
  if (m_bits != 32) return 255;
  return static_cast<int>(PixelValue(x, y) >> 24);
}

void Surface::Fill(std::uint32_t value) {
  for (int y = 0; y < m_height; ++y) FillRowValues(*this, y, 0, m_width, value);
}

std::uint32_t Surface::ValueOf(Colour c) const {
  if (IsIndexed()) return static_cast<std::uint32_t>(NearestIndex(c));
  return PixelWordOf(c);
}

int Surface::NearestIndex(Colour c) const {
  int best = 0;
  int bestDistance = std::numeric_limits<int>::max();
  for (std::size_t i = 0; i < m_table.size() && bestDistance != 0; ++i) {
    const int dr = m_table[i].red - RedOf(c);
    const int dg = m_table[i].green - GreenOf(c);
    const int db = m_table[i].blue - BlueOf(c);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = static_cast<int>(i);
    }
  }
  return best;
}

}  // namespace qorvexctl::platform
