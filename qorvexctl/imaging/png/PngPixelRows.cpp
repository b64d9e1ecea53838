#include "qorvexctl/imaging/png/PngPixelRows.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#include <tmmintrin.h>
#endif

namespace qorvexctl::png {

void RgbaToPremultipliedBgraScalar(const std::uint8_t* rgba, std::int32_t count,
                                   std::uint8_t* bgra) {
  for (std::int32_t i = 0; i < count; ++i, rgba += 4, bgra += 4) {
    const int alpha = rgba[3];
    bgra[0] = static_cast<std::uint8_t>(rgba[2] * alpha / 255);
    bgra[1] = static_cast<std::uint8_t>(rgba[1] * alpha / 255);
    bgra[2] = static_cast<std::uint8_t>(rgba[0] * alpha / 255);
    bgra[3] = static_cast<std::uint8_t>(alpha);
  }
}

void RgbToBgraScalar(const std::uint8_t* rgb, std::int32_t count, std::uint8_t* bgra) {
  for (std::int32_t i = 0; i < count; ++i, rgb += 3, bgra += 4) {
    bgra[0] = rgb[2];
    bgra[1] = rgb[1];
    bgra[2] = rgb[0];
    bgra[3] = 255;
  }
}

#if defined(__SSE2__)

namespace {

// Two pixels as 16-bit lanes R G B A R G B A to B G R A premultiplied. x / 255 rounded down
// is (x x 0x8081) >> 23 for every product x of two bytes; alpha is multiplied by 255.
inline __m128i PremultiplyTwo(__m128i rgba) {
  constexpr int kBlueGreenRedAlpha = _MM_SHUFFLE(3, 0, 1, 2);
  constexpr int kAlphaEverywhere = _MM_SHUFFLE(3, 3, 3, 3);
  const __m128i bgra =
      _mm_shufflehi_epi16(_mm_shufflelo_epi16(rgba, kBlueGreenRedAlpha), kBlueGreenRedAlpha);
  const __m128i alpha =
      _mm_shufflehi_epi16(_mm_shufflelo_epi16(rgba, kAlphaEverywhere), kAlphaEverywhere);
  const __m128i colourLanes = _mm_setr_epi16(-1, -1, -1, 0, -1, -1, -1, 0);
  const __m128i alphaLanes255 = _mm_setr_epi16(0, 0, 0, 255, 0, 0, 0, 255);
  const __m128i factor = _mm_or_si128(_mm_and_si128(alpha, colourLanes), alphaLanes255);
  const __m128i product = _mm_mullo_epi16(bgra, factor);
  return _mm_srli_epi16(_mm_mulhi_epu16(product, _mm_set1_epi16(static_cast<short>(0x8081))), 7);
}

__attribute__((target("ssse3"))) std::int32_t RgbToBgraSsse3(const std::uint8_t* rgb,
                                                             std::int32_t count,
                                                             std::uint8_t* bgra) {
  const __m128i order = _mm_setr_epi8(2, 1, 0, -1, 5, 4, 3, -1, 8, 7, 6, -1, 11, 10, 9, -1);
  const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  std::int32_t i = 0;
  // Four pixels per step from a 16-byte load; the last pixels leave room for the load.
  for (; i + 6 <= count; i += 4) {
    const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rgb + 3 * i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(bgra + 4 * i),
                     _mm_or_si128(_mm_shuffle_epi8(pixels, order), opaque));
  }
  return i;
}

bool HasSsse3() {
  static const bool has = __builtin_cpu_supports("ssse3");
  return has;
}

}  // namespace

void RgbaToPremultipliedBgra(const std::uint8_t* rgba, std::int32_t count, std::uint8_t* bgra) {
  const __m128i zero = _mm_setzero_si128();
  std::int32_t i = 0;
  for (; i + 4 <= count; i += 4) {
    const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rgba + 4 * i));
    const __m128i low = PremultiplyTwo(_mm_unpacklo_epi8(pixels, zero));
    const __m128i high = PremultiplyTwo(_mm_unpackhi_epi8(pixels, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(bgra + 4 * i), _mm_packus_epi16(low, high));
  }
  RgbaToPremultipliedBgraScalar(rgba + 4 * i, count - i, bgra + 4 * i);
}

void RgbToBgra(const std::uint8_t* rgb, std::int32_t count, std::uint8_t* bgra) {
  const std::int32_t done = HasSsse3() ? RgbToBgraSsse3(rgb, count, bgra) : 0;
  RgbToBgraScalar(rgb + 3 * done, count - done, bgra + 4 * done);
}

#else

void RgbaToPremultipliedBgra(const std::uint8_t* rgba, std::int32_t count, std::uint8_t* bgra) {
  RgbaToPremultipliedBgraScalar(rgba, count, bgra);
}

void RgbToBgra(const std::uint8_t* rgb, std::int32_t count, std::uint8_t* bgra) {
  RgbToBgraScalar(rgb, count, bgra);
}

#endif

}  // namespace qorvexctl::png
