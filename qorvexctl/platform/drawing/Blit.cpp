#include "qorvexctl/platform/drawing/Blit.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "qorvexctl/platform/drawing/PixelRows.h"
#include "qorvexctl/platform/drawing/StretchMap.h"

namespace qorvexctl::platform {

namespace {

constexpr std::uint8_t TernaryOf(std::uint32_t rop) { return static_cast<std::uint8_t>(rop >> 16); }
constexpr bool ReadsSource(std::uint8_t r) { return (((r >> 2) ^ r) & 0x33) != 0; }
constexpr bool ReadsDestination(std::uint8_t r) { return (((r >> 1) ^ r) & 0x55) != 0; }

// Any ternary operation, bit by bit: the sum of the minterms the code selects.
std::uint32_t Ternary(std::uint8_t rop, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
  std::uint32_t out = 0;
  for (int i = 0; i < 8; ++i) {
    if (((rop >> i) & 1) == 0) continue;
    out |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
  }
  return out;
}

template <typename Op>
void CombineRow(Op op, std::uint32_t p, const std::uint32_t* s, std::uint32_t* d, int n) {
  for (int i = 0; i < n; ++i) d[i] = op(p, s[i], d[i]);
}

// d = rop(p, s, d) for a row; the usual operations get their own loops.
void ApplyRop(std::uint8_t rop, std::uint32_t p, const std::uint32_t* s, std::uint32_t* d, int n) {
  using U = std::uint32_t;
  switch (rop) {
    case 0xCC:
      return CombineRow([](U, U s, U) { return s; }, p, s, d, n);
    case 0x88:
      return CombineRow([](U, U s, U d) { return s & d; }, p, s, d, n);
    case 0xEE:
      return CombineRow([](U, U s, U d) { return s | d; }, p, s, d, n);
    case 0x66:
      return CombineRow([](U, U s, U d) { return s ^ d; }, p, s, d, n);
    case 0x33:
      return CombineRow([](U, U s, U) { return ~s; }, p, s, d, n);
    case 0x44:
      return CombineRow([](U, U s, U d) { return s & ~d; }, p, s, d, n);
    case 0x11:
      return CombineRow([](U, U s, U d) { return ~(s | d); }, p, s, d, n);
    case 0xC0:
      return CombineRow([](U p, U s, U) { return p & s; }, p, s, d, n);
    case 0xBB:
      return CombineRow([](U, U s, U d) { return ~s | d; }, p, s, d, n);
    case 0xF0:
      return CombineRow([](U p, U, U) { return p; }, p, s, d, n);
    case 0x5A:
      return CombineRow([](U p, U, U d) { return p ^ d; }, p, s, d, n);
    case 0x55:
      return CombineRow([](U, U, U d) { return ~d; }, p, s, d, n);
    case 0x00:
      return CombineRow([](U, U, U) { return U{0}; }, p, s, d, n);
    case 0xFF:
      return CombineRow([](U, U, U) { return ~U{0}; }, p, s, d, n);
    default:
      return CombineRow([rop](U p, U s, U d) { return Ternary(rop, p, s, d); }, p, s, d, n);
  }
}

bool IsMonochromeMask(const Surface& s) {
  const auto table = s.ColourTable();
  return s.BitsPerPixel() == 1 && table[0] == TableEntryOf(RGB(0, 0, 0)) &&
         table[1] == TableEntryOf(RGB(255, 255, 255));
}

// Turns raw source values into raw destination values by the depth conversion rules.
class SourceConverter {
 public:
  SourceConverter(const BlitTarget& target, const BlitSource& source)
      : m_dest(target.surface), m_backgroundWord(PixelWordOf(source.backgroundColour) & 0xFFFFFF) {
    const Surface& src = source.surface;
    if (src.IsIndexed()) {
      m_kind = Kind::Lookup;
      BuildLookup(target, source);
    } else if (m_dest.BitsPerPixel() == 1) {
      m_kind = Kind::ToMono;
    } else if (m_dest.IsIndexed()) {
      m_kind = Kind::ToNearest;
    }
  }

  void Convert(std::uint32_t* values, int n) {
    switch (m_kind) {
      case Kind::Identity:
        return;
      case Kind::Lookup:
        for (int i = 0; i < n; ++i) values[i] = m_lookup[values[i]];
        return;
      case Kind::ToMono:
        for (int i = 0; i < n; ++i) values[i] = (values[i] & 0xFFFFFF) == m_backgroundWord ? 1 : 0;
        return;
      case Kind::ToNearest:
        for (int i = 0; i < n; ++i) values[i] = Nearest(values[i] & 0xFFFFFF);
        return;
    }
  }

 private:
  enum class Kind { Identity, Lookup, ToMono, ToNearest };

  void BuildLookup(const BlitTarget& target, const BlitSource& source) {
    const Surface& src = source.surface;
    const auto table = src.ColourTable();
    const bool sameIndices = src.BitsPerPixel() == m_dest.BitsPerPixel() &&
                             std::equal(table.begin(), table.end(), m_dest.ColourTable().begin(),
                                        m_dest.ColourTable().end());
    const bool mask = IsMonochromeMask(src);
    for (std::size_t i = 0; i < table.size(); ++i) {
      Colour c = ColourOfTableEntry(table[i]);
      if (mask && m_dest.BitsPerPixel() != 1)
        c = i == 0 ? target.textColour : target.backgroundColour;
      std::uint32_t value = m_dest.ValueOf(c);
      if (sameIndices || (mask && m_dest.BitsPerPixel() == 1)) {
        value = static_cast<std::uint32_t>(i);
      } else if (m_dest.BitsPerPixel() == 1) {
        value = (PixelWordOf(c) & 0xFFFFFF) == m_backgroundWord ? 1 : 0;
      }
      m_lookup.push_back(value);
    }
  }

  std::uint32_t Nearest(std::uint32_t word) {
    if (word != m_cachedWord) {
      m_cachedWord = word;
      m_cachedIndex = static_cast<std::uint32_t>(m_dest.NearestIndex(ColourOfPixelWord(word)));
    }
    return m_cachedIndex;
  }

  const Surface& m_dest;
  std::uint32_t m_backgroundWord;
  Kind m_kind = Kind::Identity;
  std::vector<std::uint32_t> m_lookup;
  std::uint32_t m_cachedWord = 0xFFFFFFFF;
  std::uint32_t m_cachedIndex = 0;
};

// Runs one blit row by row: gathers the stretched source, converts it, combines it with the
// pattern and the destination, and writes the result.
class RowBlitter {
 public:
  RowBlitter(const BlitTarget& target, const Surface* source, SourceConverter* converter,
             const AxisMap& xs, std::uint8_t rop)
      : m_target(target),
        m_source(source),
        m_converter(converter),
        m_xs(xs),
        m_rop(rop),
        m_pattern(target.surface.ValueOf(target.brushColour)) {}

  void Row(int y, int srcY, int left, int right) {
    const int n = right - left;
    m_src.assign(static_cast<std::size_t>(n), 0);
    if (m_source != nullptr) GatherSource(srcY, left, n);
    m_dst.assign(static_cast<std::size_t>(n), 0);
    if (ReadsDestination(m_rop)) ReadRowValues(m_target.surface, y, left, n, m_dst.data());
    m_out = m_dst;
    ApplyRop(m_rop, m_pattern, m_src.data(), m_out.data(), n);
    if (m_target.surface.BitsPerPixel() == 32) FixAlpha(n);
    WriteRowValues(m_target.surface, y, left, n, m_out.data());
  }

 private:
  void GatherSource(int srcY, int left, int n) {
    const int* map = m_xs.source.data() + (left - m_xs.first);
    const auto [lo, hi] = std::minmax(map[0], map[n - 1]);
    m_row.resize(static_cast<std::size_t>(hi - lo + 1));
    ReadRowValues(*m_source, srcY, lo, hi - lo + 1, m_row.data());
    m_converter->Convert(m_row.data(), hi - lo + 1);
    for (int i = 0; i < n; ++i)
      m_src[static_cast<std::size_t>(i)] = m_row[static_cast<std::size_t>(map[i] - lo)];
  }

  void FixAlpha(int n) {
    const bool fromDest = ReadsDestination(m_rop);
    const bool fromSource = !fromDest && ReadsSource(m_rop);
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
      const std::uint32_t alpha = fromDest ? m_dst[i] : fromSource ? m_src[i] : 0xFF000000u;
      m_out[i] = (m_out[i] & 0xFFFFFF) | (alpha & 0xFF000000u);
    }
  }

  const BlitTarget& m_target;
  const Surface* m_source;
  SourceConverter* m_converter;
  const AxisMap& m_xs;
  std::uint8_t m_rop;
  std::uint32_t m_pattern;
  std::vector<std::uint32_t> m_row, m_src, m_dst, m_out;
};

Rect VisibleArea(const BlitTarget& target) {
  Rect visible = target.surface.Bounds();
  if (target.clip != nullptr) visible = visible.Intersect(target.clip->Bounds());
  return visible;
}

// Straight copies between surfaces of one depth need no conversion: rows are moved as bytes.
bool CopiesBytes(const Surface& dest, const Surface& src, const AxisMap& xs, std::uint8_t rop) {
  if (rop != 0xCC || dest.BitsPerPixel() != src.BitsPerPixel() || dest.BitsPerPixel() < 8)
    return false;
  if (xs.source.size() > 1 && xs.source[1] < xs.source[0]) return false;
  if (!xs.IsStraight()) return false;
  const auto a = dest.ColourTable(), b = src.ColourTable();
  return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

void CopyBytes(const BlitTarget& target, const Surface& src, const AxisMap& xs, const AxisMap& ys,
               const Rect& area) {
  const std::size_t bytesPerPixel = static_cast<std::size_t>(src.BitsPerPixel() / 8);
  ForEachClippedSpan(target.clip, area, [&](int y, int left, int right) {
    const int srcX = xs.source[static_cast<std::size_t>(left - xs.first)];
    const int srcY = ys.source[static_cast<std::size_t>(y - ys.first)];
    std::memcpy(target.surface.Row(y) + static_cast<std::size_t>(left) * bytesPerPixel,
                src.Row(srcY) + static_cast<std::size_t>(srcX) * bytesPerPixel,
                static_cast<std::size_t>(right - left) * bytesPerPixel);
  });
}

bool SourceBlit(const BlitTarget& target, int x, int y, int width, int height,
                const BlitSource& source, int srcX, int srcY, int srcWidth, int srcHeight,
                std::uint8_t rop) {
  Surface copy;
  const Surface* src = &source.surface;
  if (src == &target.surface) src = &(copy = source.surface);
  const Rect visible = VisibleArea(target);
  const AxisMap xs = MapAxis(x, width, visible.left, visible.right, srcX, srcWidth, src->Width());
  const AxisMap ys =
      MapAxis(y, height, visible.top, visible.bottom, srcY, srcHeight, src->Height());
  if (xs.IsEmpty() || ys.IsEmpty()) return true;
  const Rect area{xs.first, ys.first, xs.end(), ys.end()};
  if (CopiesBytes(target.surface, *src, xs, rop)) {
    CopyBytes(target, *src, xs, ys, area);
    return true;
  }
  SourceConverter converter(target, BlitSource{*src, source.backgroundColour});
  RowBlitter blitter(target, src, &converter, xs, rop);
  ForEachClippedSpan(target.clip, area, [&](int row, int left, int right) {
    blitter.Row(row, ys.source[static_cast<std::size_t>(row - ys.first)], left, right);
  });
  return true;
}

// Operations without a source (pattern and destination only) cover the destination extents.
void PatternBlit(const BlitTarget& target, int x, int y, int width, int height, std::uint8_t rop) {
  const Rect visible = VisibleArea(target);
  const AxisMap xs = MapAxis(x, width, visible.left, visible.right, 0, 1, 1);
  const AxisMap ys = MapAxis(y, height, visible.top, visible.bottom, 0, 1, 1);
  if (xs.IsEmpty() || ys.IsEmpty()) return;
  RowBlitter blitter(target, nullptr, nullptr, xs, rop);
  ForEachClippedSpan(target.clip, Rect{xs.first, ys.first, xs.end(), ys.end()},
                     [&](int row, int left, int right) { blitter.Row(row, 0, left, right); });
}

}  // namespace

bool StretchBlt(const BlitTarget& target, int x, int y, int width, int height,
                const BlitSource* source, int srcX, int srcY, int srcWidth, int srcHeight,
                std::uint32_t rop) {
  const std::uint8_t ternary = TernaryOf(rop);
  if (target.surface.IsEmpty() || width == 0 || height == 0) return false;
  if (!ReadsSource(ternary)) {
    PatternBlit(target, x, y, width, height, ternary);
    return true;
  }
  if (source == nullptr || source->surface.IsEmpty() || srcWidth == 0 || srcHeight == 0)
    return false;
  return SourceBlit(target, x, y, width, height, *source, srcX, srcY, srcWidth, srcHeight, ternary);
}

bool BitBlt(const BlitTarget& target, int x, int y, int width, int height, const BlitSource* source,
            int srcX, int srcY, std::uint32_t rop) {
  return StretchBlt(target, x, y, width, height, source, srcX, srcY, width, height, rop);
}

}  // namespace qorvexctl::platform
