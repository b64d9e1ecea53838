#include "qorvexctl/platform/drawing/AlphaBlend.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "qorvexctl/platform/drawing/PixelRows.h"
#include "qorvexctl/platform/drawing/StretchMap.h"

namespace qorvexctl::platform {

namespace {

// All four channels of a word times a / 255, rounded.
std::uint32_t ScaleWord(std::uint32_t w, std::uint32_t a) {
  std::uint32_t rb = (w & 0x00FF00FFu) * a + 0x00800080u;
  rb = ((rb + ((rb >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
  std::uint32_t ag = ((w >> 8) & 0x00FF00FFu) * a + 0x00800080u;
  ag = (ag + ((ag >> 8) & 0x00FF00FFu)) & 0xFF00FF00u;
  return rb | ag;
}

// Channel-wise saturating sum of two words.
std::uint32_t AddSaturated(std::uint32_t a, std::uint32_t b) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const std::uint32_t sum = ((a >> shift) & 0xFF) + ((b >> shift) & 0xFF);
    out |= std::min<std::uint32_t>(sum, 255) << shift;
  }
  return out;
}

void BlendScalar(std::uint32_t* d, const std::uint32_t* s, int n, std::uint32_t constantAlpha) {
  for (int i = 0; i < n; ++i) {
    std::uint32_t src = s[i];
    if (constantAlpha != 255) src = ScaleWord(src, constantAlpha);
    const std::uint32_t alpha = src >> 24;
    if (alpha == 255) {
      d[i] = src;
    } else if (src != 0) {
      d[i] = AddSaturated(src, ScaleWord(d[i], 255 - alpha));
    }
  }
}

// (s * a + d * (255 - a)) / 255 on every channel: an opaque source faded in by a.
void CrossFadeScalar(std::uint32_t* d, const std::uint32_t* s, int n, std::uint32_t a) {
  for (int i = 0; i < n; ++i) {
    std::uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
      const std::uint32_t src = shift == 24 ? 255 : (s[i] >> shift) & 0xFF;
      out |= Div255(src * a + ((d[i] >> shift) & 0xFF) * (255 - a)) << shift;
    }
    d[i] = out;
  }
}

#ifdef __SSE2__
// Rounded x / 255 in each 16-bit lane: (x + 128) * 257 >> 16.
__m128i Div255Lanes(__m128i x) {
  return _mm_mulhi_epu16(_mm_add_epi16(x, _mm_set1_epi16(128)), _mm_set1_epi16(0x0101));
}

__m128i AlphaLanes(__m128i pixels16) {
  pixels16 = _mm_shufflelo_epi16(pixels16, _MM_SHUFFLE(3, 3, 3, 3));
  return _mm_shufflehi_epi16(pixels16, _MM_SHUFFLE(3, 3, 3, 3));
}

// s + d * (255 - alpha(s)) / 255 for two pixels in 16-bit lanes.
__m128i OverLanes(__m128i src16, __m128i dst16) {
  const __m128i inverse = _mm_sub_epi16(_mm_set1_epi16(255), AlphaLanes(src16));
  return _mm_add_epi16(src16, Div255Lanes(_mm_mullo_epi16(dst16, inverse)));
}

// Four pixels of source over destination, the source already scaled by the constant alpha
// when that is not 255.
template <bool Scale>
[[gnu::always_inline]] inline __m128i OverFour(__m128i src, __m128i dst, __m128i constant) {
  const __m128i zero = _mm_setzero_si128();
  __m128i srcLo = _mm_unpacklo_epi8(src, zero), srcHi = _mm_unpackhi_epi8(src, zero);
  if constexpr (Scale) {
    srcLo = Div255Lanes(_mm_mullo_epi16(srcLo, constant));
    srcHi = Div255Lanes(_mm_mullo_epi16(srcHi, constant));
  }
  return _mm_packus_epi16(OverLanes(srcLo, _mm_unpacklo_epi8(dst, zero)),
                          OverLanes(srcHi, _mm_unpackhi_epi8(dst, zero)));
}

// Eight pixels at a time; blocks that are wholly opaque or wholly empty skip the arithmetic.
template <bool Scale>
int BlendSse2(std::uint32_t* d, const std::uint32_t* s, int n, std::uint32_t constantAlpha) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i ones = _mm_set1_epi8(-1);
  const __m128i constant = _mm_set1_epi16(static_cast<short>(constantAlpha));
  int i = 0;
  for (; i + 8 <= n; i += 8) {
    const __m128i src0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
    const __m128i src1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i + 4));
    __m128i* out0 = reinterpret_cast<__m128i*>(d + i);
    __m128i* out1 = reinterpret_cast<__m128i*>(d + i + 4);
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_or_si128(src0, src1), zero)) == 0xFFFF) continue;
    if (!Scale &&
        (_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_and_si128(src0, src1), ones)) & 0x8888) == 0x8888) {
      _mm_storeu_si128(out0, src0);
      _mm_storeu_si128(out1, src1);
      continue;
    }
    _mm_storeu_si128(out0, OverFour<Scale>(src0, _mm_loadu_si128(out0), constant));
    _mm_storeu_si128(out1, OverFour<Scale>(src1, _mm_loadu_si128(out1), constant));
  }
  return i;
}

int CrossFadeSse2(std::uint32_t* d, const std::uint32_t* s, int n, std::uint32_t a) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  const __m128i weight = _mm_set1_epi16(static_cast<short>(a));
  const __m128i inverse = _mm_set1_epi16(static_cast<short>(255 - a));
  const auto mix = [&](__m128i src16, __m128i dst16) {
    return Div255Lanes(
        _mm_add_epi16(_mm_mullo_epi16(src16, weight), _mm_mullo_epi16(dst16, inverse)));
  };
  int i = 0;
  for (; i + 4 <= n; i += 4) {
    const __m128i src =
        _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i)), opaque);
    __m128i* out = reinterpret_cast<__m128i*>(d + i);
    const __m128i dst = _mm_loadu_si128(out);
    _mm_storeu_si128(
        out, _mm_packus_epi16(mix(_mm_unpacklo_epi8(src, zero), _mm_unpacklo_epi8(dst, zero)),
                              mix(_mm_unpackhi_epi8(src, zero), _mm_unpackhi_epi8(dst, zero))));
  }
  return i;
}
#endif

void WriteWords(Surface& s, int y, int x, int n, std::uint32_t* words) {
  if (s.IsIndexed()) {
    for (int i = 0; i < n; ++i) words[i] = s.ValueOf(ColourOfPixelWord(words[i]));
  }
  WriteRowValues(s, y, x, n, words);
}

bool SourceRectInside(const Surface& s, int x, int y, int width, int height) {
  return x >= 0 && y >= 0 && std::int64_t{x} + width <= s.Width() &&
         std::int64_t{y} + height <= s.Height();
}

}  // namespace

void BlendRow(std::uint32_t* dest, const std::uint32_t* source, int n, BlendFunction blend) {
  const auto constantAlpha = static_cast<std::uint32_t>(std::clamp(blend.constantAlpha, 0, 255));
  if (constantAlpha == 0) return;
  int done = 0;
  if (!blend.perPixelAlpha) {
#ifdef __SSE2__
    done = CrossFadeSse2(dest, source, n, constantAlpha);
#endif
    return CrossFadeScalar(dest + done, source + done, n - done, constantAlpha);
  }
#ifdef __SSE2__
  done = constantAlpha == 255 ? BlendSse2<false>(dest, source, n, constantAlpha)
                              : BlendSse2<true>(dest, source, n, constantAlpha);
#endif
  BlendScalar(dest + done, source + done, n - done, constantAlpha);
}

bool AlphaBlend(const BlitTarget& target, int x, int y, int width, int height,
                const Surface& source, int srcX, int srcY, int srcWidth, int srcHeight,
                BlendFunction blend) {
  if (width < 0 || height < 0 || srcWidth < 0 || srcHeight < 0) return false;
  if (source.IsEmpty() || target.surface.IsEmpty()) return false;
  if (!SourceRectInside(source, srcX, srcY, srcWidth, srcHeight)) return false;
  Surface copy;
  const Surface* src = &source == &target.surface ? &(copy = source) : &source;
  Rect visible = target.surface.Bounds();
  if (target.clip != nullptr) visible = visible.Intersect(target.clip->Bounds());
  const AxisMap xs = MapAxis(x, width, visible.left, visible.right, srcX, srcWidth, src->Width());
  const AxisMap ys =
      MapAxis(y, height, visible.top, visible.bottom, srcY, srcHeight, src->Height());
  if (xs.IsEmpty() || ys.IsEmpty()) return true;
  if (src->BitsPerPixel() != 32) blend.perPixelAlpha = false;
  const bool direct = src->BitsPerPixel() == 32 && target.surface.BitsPerPixel() == 32;
  std::vector<std::uint32_t> row, srcWords, dstWords;
  ForEachClippedSpan(
      target.clip, Rect{xs.first, ys.first, xs.end(), ys.end()}, [&](int yy, int left, int right) {
        const int n = right - left;
        const int* map = xs.source.data() + (left - xs.first);
        const int sy = ys.source[static_cast<std::size_t>(yy - ys.first)];
        const auto [lo, hi] = std::minmax(map[0], map[n - 1]);
        const std::uint32_t* gathered = nullptr;
        if (direct && xs.IsStraight()) {
          gathered = src->Words(sy) + lo;
        } else {
          row.resize(static_cast<std::size_t>(hi - lo + 1));
          ReadRowWords(*src, sy, lo, hi - lo + 1, row.data());
          srcWords.resize(static_cast<std::size_t>(n));
          for (int i = 0; i < n; ++i)
            srcWords[static_cast<std::size_t>(i)] = row[static_cast<std::size_t>(map[i] - lo)];
          gathered = srcWords.data();
        }
        if (target.surface.BitsPerPixel() == 32) {
          BlendRow(target.surface.Words(yy) + left, gathered, n, blend);
          return;
        }
        dstWords.resize(static_cast<std::size_t>(n));
        ReadRowWords(target.surface, yy, left, n, dstWords.data());
        BlendRow(dstWords.data(), gathered, n, blend);
        WriteWords(target.surface, yy, left, n, dstWords.data());
      });
  return true;
}

}  // namespace qorvexctl::platform
