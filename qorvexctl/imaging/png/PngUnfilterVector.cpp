#include "qorvexctl/imaging/png/PngUnfilterVector.h"

#include "qorvexctl/imaging/png/PngUnfilter.h"

#if defined(__SSE2__)
#include <emmintrin.h>

#include <cstring>
#include <utility>
#endif

namespace qorvexctl::png {

#if defined(__SSE2__)

namespace {

enum FilterType : std::uint8_t { kSub = 1, kUp = 2, kAverage = 3, kPaeth = 4 };

// Rows are worked on in blocks: 16-byte loads, of which the whole pixels are reconstructed
// one after the other in registers and stored together (12 or 16 bytes), so no load ever
// waits on a store of part of its bytes. Bytes after the last full block go byte by byte.
template <int Bpp>
struct Block {
  static constexpr int kPixels = Bpp <= 4 ? 4 : 2;
  static constexpr int kBytes = kPixels * Bpp;  // 12 or 16
};

inline __m128i Load16(const std::uint8_t* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

template <int Bpp>
inline __m128i LoadPixel(const std::uint8_t* p) {
  std::uint64_t bytes = 0;
  std::memcpy(&bytes, p, Bpp);
  return _mm_cvtsi64_si128(static_cast<long long>(bytes));
}

template <int Bytes>
inline void StoreBlock(std::uint8_t* p, __m128i v) {
  if constexpr (Bytes == 16) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
  } else {
    _mm_storel_epi64(reinterpret_cast<__m128i*>(p), v);
    const auto high = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(v, 8)));
    std::memcpy(p + 8, &high, 4);
  }
}

// The low Bpp bytes set.
template <int Bpp>
inline __m128i PixelMask() {
  constexpr std::uint64_t kMask =
      Bpp == 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (Bpp * 8)) - 1;
  return _mm_cvtsi64_si128(static_cast<long long>(kMask));
}

// Calls f.template operator()<K>() for K = 0 .. N-1, unrolled.
template <int N, typename F>
inline void ForEachPixel(F&& f) {
  [&]<int... K>(std::integer_sequence<int, K...>) { (f.template operator()<K>(), ...); }
  (std::make_integer_sequence<int, N>{});
}

// Runs `reconstruct(x, b, a) -> r` over the pixels of the row after the first, block by
// block: x the filtered pixel, b the pixel above, a the reconstructed pixel to the left (all
// in the low bytes of their register). `a` and `b` start at the first pixel.
template <int Bpp, typename Reconstruct>
std::size_t RunBlocks(std::uint8_t* row, const std::uint8_t* previous, std::size_t rowBytes,
                      Reconstruct reconstruct) {
  using B = Block<Bpp>;
  const __m128i mask = PixelMask<Bpp>();
  std::size_t i = Bpp;
  for (; i + 16 <= rowBytes; i += B::kBytes) {
    const __m128i raw = Load16(row + i);
    const __m128i up = previous != nullptr ? Load16(previous + i) : _mm_setzero_si128();
    __m128i out = _mm_setzero_si128();
    ForEachPixel<B::kPixels>([&]<int K>() {
      const __m128i r = reconstruct(_mm_srli_si128(raw, K * Bpp), _mm_srli_si128(up, K * Bpp));
      out = _mm_or_si128(out, _mm_slli_si128(_mm_and_si128(r, mask), K * Bpp));
    });
    StoreBlock<B::kBytes>(row + i, out);
  }
  return i;
}

template <int Bpp>
void UnfilterSub(std::uint8_t* row, std::size_t rowBytes) {
  __m128i a = LoadPixel<Bpp>(row);
  std::size_t i = RunBlocks<Bpp>(row, nullptr, rowBytes, [&](__m128i x, __m128i) {
    a = _mm_add_epi8(x, a);
    return a;
  });
  for (; i < rowBytes; ++i) row[i] = static_cast<std::uint8_t>(row[i] + row[i - Bpp]);
}

void UnfilterUp(std::uint8_t* row, const std::uint8_t* previous, std::size_t rowBytes) {
  std::size_t i = 0;
  for (; i + 16 <= rowBytes; i += 16) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i),
                     _mm_add_epi8(Load16(row + i), Load16(previous + i)));
  }
  for (; i < rowBytes; ++i) row[i] = static_cast<std::uint8_t>(row[i] + previous[i]);
}

// floor((a + b) / 2) per byte: the rounding-up average less the carry of the odd sums.
inline __m128i AverageDown(__m128i a, __m128i b) {
  const __m128i odd = _mm_and_si128(_mm_xor_si128(a, b), _mm_set1_epi8(1));
  return _mm_sub_epi8(_mm_avg_epu8(a, b), odd);
}

template <int Bpp>
void UnfilterAverage(std::uint8_t* row, const std::uint8_t* previous, std::size_t rowBytes) {
  for (int k = 0; k < Bpp; ++k) row[k] = static_cast<std::uint8_t>(row[k] + (previous[k] >> 1));
  __m128i a = LoadPixel<Bpp>(row);
  std::size_t i = RunBlocks<Bpp>(row, previous, rowBytes, [&](__m128i x, __m128i b) {
    a = _mm_add_epi8(x, AverageDown(a, b));
    return a;
  });
  for (; i < rowBytes; ++i)
    row[i] = static_cast<std::uint8_t>(row[i] + ((row[i - Bpp] + previous[i]) >> 1));
}

inline __m128i Abs16(__m128i v) { return _mm_max_epi16(v, _mm_sub_epi16(_mm_setzero_si128(), v)); }

inline __m128i Select(__m128i mask, __m128i whenSet, __m128i otherwise) {
  return _mm_or_si128(_mm_and_si128(mask, whenSet), _mm_andnot_si128(mask, otherwise));
}

// The Paeth predictor of PNG 9.4 on 16-bit lanes: left when its distance is the smallest,
// then above, then upper-left.
inline __m128i PaethPredictorLanes(__m128i left, __m128i above, __m128i upperLeft) {
  const __m128i towardsAbove = _mm_sub_epi16(above, upperLeft);
  const __m128i towardsLeft = _mm_sub_epi16(left, upperLeft);
  const __m128i pa = Abs16(towardsAbove), pb = Abs16(towardsLeft);
  const __m128i pc = Abs16(_mm_add_epi16(towardsAbove, towardsLeft));
  const __m128i smallest = _mm_min_epi16(pa, _mm_min_epi16(pb, pc));
  const __m128i aboveOrUpperLeft = Select(_mm_cmpeq_epi16(pb, smallest), above, upperLeft);
  return Select(_mm_cmpeq_epi16(pa, smallest), left, aboveOrUpperLeft);
}

template <int Bpp>
void UnfilterPaeth(std::uint8_t* row, const std::uint8_t* previous, std::size_t rowBytes) {
  for (int k = 0; k < Bpp; ++k) row[k] = static_cast<std::uint8_t>(row[k] + previous[k]);
  const __m128i zero = _mm_setzero_si128();
  __m128i a = _mm_unpacklo_epi8(LoadPixel<Bpp>(row), zero);
  __m128i c = _mm_unpacklo_epi8(LoadPixel<Bpp>(previous), zero);
  std::size_t i = RunBlocks<Bpp>(row, previous, rowBytes, [&](__m128i x, __m128i above) {
    const __m128i b = _mm_unpacklo_epi8(above, zero);
    const __m128i sum = _mm_add_epi16(_mm_unpacklo_epi8(x, zero), PaethPredictorLanes(a, b, c));
    a = _mm_and_si128(sum, _mm_set1_epi16(0xFF));
    c = b;
    return _mm_packus_epi16(a, zero);
  });
  for (; i < rowBytes; ++i) {
    row[i] = static_cast<std::uint8_t>(
        row[i] + PaethPredictor(row[i - Bpp], previous[i], previous[i - Bpp]));
  }
}

// Calls run.template operator()<Bpp>() for the pixel sizes the block routines take.
template <typename Run>
bool WithPixelSize(std::size_t stride, Run run) {
  switch (stride) {
    case 3:
      run.template operator()<3>();
      return true;
    case 4:
      run.template operator()<4>();
      return true;
    case 6:
      run.template operator()<6>();
      return true;
    case 8:
      run.template operator()<8>();
      return true;
    default:
      return false;
  }
}

}  // namespace

bool UnfilterRowVector(std::uint8_t filterType, std::uint8_t* row, const std::uint8_t* previous,
                       std::size_t rowBytes, std::size_t stride) {
  if (rowBytes < 16 + stride) return false;
  switch (filterType) {
    case kUp:
      if (previous == nullptr) return false;
      UnfilterUp(row, previous, rowBytes);
      return true;
    case kAverage:
      if (previous == nullptr) return false;
      if (stride == 3) UnfilterAverage<3>(row, previous, rowBytes);
      if (stride == 4) UnfilterAverage<4>(row, previous, rowBytes);
      return stride == 3 || stride == 4;
    case kPaeth:
      // On the first row Paeth is Sub.
      if (previous != nullptr) {
        return WithPixelSize(stride,
                             [&]<int Bpp>() { UnfilterPaeth<Bpp>(row, previous, rowBytes); });
      }
      [[fallthrough]];
    case kSub:
      return WithPixelSize(stride, [&]<int Bpp>() { UnfilterSub<Bpp>(row, rowBytes); });
    default:
      return false;
  }
}

#else

bool UnfilterRowVector(std::uint8_t, std::uint8_t*, const std::uint8_t*, std::size_t, std::size_t) {
  return false;
}

#endif

}  // namespace qorvexctl::png
