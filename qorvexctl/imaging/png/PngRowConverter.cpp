#include "qorvexctl/imaging/png/PngRowConverter.h"

#include <cstring>

#include "qorvexctl/imaging/png/PngColours.h"
#include "qorvexctl/imaging/png/PngPixelRows.h"

namespace qorvexctl::png {

namespace {

inline std::uint32_t Pack(int blue, int green, int red, int alpha) {
  return static_cast<std::uint32_t>(blue | (green << 8) | (red << 16)) |
         (static_cast<std::uint32_t>(alpha) << 24);
}

// Blue, green, red and alpha, premultiplied when alpha is kept, else opaque.
inline std::uint32_t Colour(int red, int green, int blue, int alpha, bool keepAlpha) {
  if (!keepAlpha || alpha == 255) return Pack(blue, green, red, 255);
  return Pack(blue * alpha / 255, green * alpha / 255, red * alpha / 255, alpha);
}

template <int OutBytes>
inline void Store(std::uint8_t* out, std::uint32_t bgra) {
  if constexpr (OutBytes == 4) {
    std::memcpy(out, &bgra, 4);
  } else {
    out[0] = static_cast<std::uint8_t>(bgra);
    out[1] = static_cast<std::uint8_t>(bgra >> 8);
    out[2] = static_cast<std::uint8_t>(bgra >> 16);
  }
}

// Sample i of a scanline of 1-, 2-, 4- or 8-bit samples (most significant bits first); the
// high byte of 16-bit samples.
inline int SampleAt(const std::uint8_t* source, std::int64_t i, int depth) {
  switch (depth) {
    case 8:
      return source[i];
    case 16:
      return source[2 * i];
    default: {
      std::int64_t bit = i * depth;
      int shift = 8 - depth - (bit & 7);
      return (source[bit >> 3] >> shift) & ((1 << depth) - 1);
    }
  }
}

// Writes index `value` at column x of a 1-, 4- or 8-bit row.
inline void PutIndex(std::uint8_t* row, std::int32_t x, int bits, int value) {
  if (bits == 8) {
    row[x] = static_cast<std::uint8_t>(value);
    return;
  }
  std::int32_t bit = x * bits;
  int shift = 8 - bits - (bit & 7);
  int mask = ((1 << bits) - 1) << shift;
  std::uint8_t& byte = row[bit >> 3];
  byte = static_cast<std::uint8_t>((byte & ~mask) | ((value << shift) & mask));
}

}  // namespace

PngRowConverter::PngRowConverter(const ConversionSettings& settings) : m_settings(settings) {
  BuildTable();
}

// Grey values and palette indices: their colour from the lookup, their alpha from the
// palette's tRNS table or 0 for the grey tRNS sample (compared by its low byte).
void PngRowConverter::BuildTable() {
  const PngHeader& header = m_settings.header;
  if (header.colourType != kGrey && header.colourType != kPaletted) return;
  const auto& trns = m_settings.transparency;
  for (int v = 0; v < 256; ++v) {
    Rgb rgb = LookupColour(header, m_settings.palette, v).value_or(Rgb{});
    int alpha = 255;
    if (m_settings.hasTransparency && header.colourType == kPaletted) {
      alpha = static_cast<std::size_t>(v) < trns.size() ? trns[v] : 255;
    } else if (m_settings.hasTransparency && header.bitDepth <= 8) {
      alpha = trns.size() >= 2 && trns[1] == v ? 0 : 255;
    }
    m_table[v] = Colour(rgb.red, rgb.green, rgb.blue, alpha, m_settings.keepAlpha);
  }
}

void PngRowConverter::Convert(const std::uint8_t* source, std::int32_t count, std::uint8_t* out,
                              std::int32_t first, std::int32_t step) const {
  switch (m_settings.outputBits) {
    case 32:
      ConvertToColours<4>(source, count, out + first * 4, step * 4);
      break;
    case 24:
      ConvertToColours<3>(source, count, out + first * 3, step * 3);
      break;
    default:
      ConvertToIndices(source, count, out, first, step);
      break;
  }
}

void PngRowConverter::ConvertToIndices(const std::uint8_t* source, std::int32_t count,
                                       std::uint8_t* out, std::int32_t first,
                                       std::int32_t step) const {
  const int depth = m_settings.header.bitDepth;
  const int bits = m_settings.outputBits;
  if (depth == bits && first == 0 && step == 1) {
    std::memcpy(out, source, static_cast<std::size_t>(RowBytes(count, depth)));
    return;
  }
  for (std::int32_t i = 0; i < count; ++i) {
    PutIndex(out, first + i * step, bits, SampleAt(source, i, depth));
  }
}

template <int OutBytes>
void PngRowConverter::ConvertToColours(const std::uint8_t* source, std::int32_t count,
                                       std::uint8_t* out, std::int32_t outStep) const {
  const PngHeader& header = m_settings.header;
  const bool wide = header.bitDepth == 16;
  if (header.bitDepth < 8 && header.Channels() > 1) {
    ConvertPackedSamples<OutBytes>(source, count, out, outStep);
    return;
  }
  switch (header.colourType) {
    case kRGB:
      if (wide)
        ConvertRGB<OutBytes, 2>(source, count, out, outStep);
      else
        ConvertRGB<OutBytes, 1>(source, count, out, outStep);
      break;
    case kGreyAlpha:
    case kRGBA:
      if (wide)
        ConvertWithAlpha<OutBytes, 2>(source, count, out, outStep);
      else
        ConvertWithAlpha<OutBytes, 1>(source, count, out, outStep);
      break;
    default:
      if (wide && m_settings.hasTransparency)
        ConvertKeyedGrey16<OutBytes>(source, count, out, outStep);
      else
        ConvertThroughTable<OutBytes>(source, count, out, outStep);
      break;
  }
}

template <int OutBytes>
void PngRowConverter::ConvertThroughTable(const std::uint8_t* source, std::int32_t count,
                                          std::uint8_t* out, std::int32_t outStep) const {
  const int depth = m_settings.header.bitDepth;
  if (depth == 8) {
    for (std::int32_t i = 0; i < count; ++i, out += outStep)
      Store<OutBytes>(out, m_table[source[i]]);
    return;
  }
  for (std::int32_t i = 0; i < count; ++i, out += outStep) {
    Store<OutBytes>(out, m_table[SampleAt(source, i, depth)]);
  }
}

// A 16-bit grey pixel is transparent when its whole sample equals the tRNS sample.
template <int OutBytes>
void PngRowConverter::ConvertKeyedGrey16(const std::uint8_t* source, std::int32_t count,
                                         std::uint8_t* out, std::int32_t outStep) const {
  const auto& key = m_settings.transparency;
  const bool keepAlpha = m_settings.keepAlpha;
  for (std::int32_t i = 0; i < count; ++i, source += 2, out += outStep) {
    bool transparent = source[0] == key[0] && source[1] == key[1];
    int grey = source[0];
    Store<OutBytes>(out, Colour(grey, grey, grey, transparent ? 0 : 255, keepAlpha));
  }
}

// An RGB pixel is transparent when its samples equal the tRNS samples: the low bytes for
// 8-bit images, all six bytes for 16-bit ones.
template <int OutBytes, int SampleBytes>
void PngRowConverter::ConvertRGB(const std::uint8_t* source, std::int32_t count, std::uint8_t* out,
                                 std::int32_t outStep) const {
  const auto& key = m_settings.transparency;
  const bool keyed = m_settings.hasTransparency && m_settings.keepAlpha && key.size() >= 6;
  if constexpr (OutBytes == 4 && SampleBytes == 1) {
    if (!keyed && outStep == 4) return RgbToBgra(source, count, out);
  }
  constexpr int kPixel = 3 * SampleBytes;
  for (std::int32_t i = 0; i < count; ++i, source += kPixel, out += outStep) {
    std::uint32_t colour = Pack(source[2 * SampleBytes], source[SampleBytes], source[0], 255);
    if (keyed) {
      bool transparent = SampleBytes == 2
                             ? std::memcmp(source, key.data(), 6) == 0
                             : source[0] == key[1] && source[1] == key[3] && source[2] == key[5];
      if (transparent) colour = 0;
    }
    Store<OutBytes>(out, colour);
  }
}

template <int OutBytes, int SampleBytes>
void PngRowConverter::ConvertWithAlpha(const std::uint8_t* source, std::int32_t count,
                                       std::uint8_t* out, std::int32_t outStep) const {
  const bool keepAlpha = m_settings.keepAlpha;
  const bool grey = m_settings.header.colourType == kGreyAlpha;
  const int pixel = (grey ? 2 : 4) * SampleBytes;
  const int alphaAt = (grey ? 1 : 3) * SampleBytes;
  if constexpr (OutBytes == 4 && SampleBytes == 1) {
    if (!grey && keepAlpha && outStep == 4) return RgbaToPremultipliedBgra(source, count, out);
  }
  for (std::int32_t i = 0; i < count; ++i, source += pixel, out += outStep) {
    int red = source[0];
    int green = grey ? red : source[SampleBytes];
    int blue = grey ? red : source[2 * SampleBytes];
    Store<OutBytes>(out, Colour(red, green, blue, source[alphaAt], keepAlpha));
  }
}

// RGB, grey+alpha and RGBA pixels of 1-, 2- or 4-bit samples: each sample is read from its
// bits and widened to 8 bits as a grey sample of that depth is; an RGB pixel is transparent
// when its samples equal the low bytes of the tRNS samples.
template <int OutBytes>
void PngRowConverter::ConvertPackedSamples(const std::uint8_t* source, std::int32_t count,
                                           std::uint8_t* out, std::int32_t outStep) const {
  const PngHeader& header = m_settings.header;
  const int depth = header.bitDepth;
  const int channels = header.Channels();
  const bool grey = header.colourType == kGreyAlpha;
  const auto& key = m_settings.transparency;
  const bool keyed = header.colourType == kRGB && m_settings.hasTransparency &&
                     m_settings.keepAlpha && key.size() >= 6;
  std::int64_t sample = 0;
  for (std::int32_t i = 0; i < count; ++i, out += outStep) {
    std::array<int, 4> s{};
    for (int c = 0; c < channels; ++c) s[c] = SampleAt(source, sample++, depth);
    if (keyed && s[0] == key[1] && s[1] == key[3] && s[2] == key[5]) {
      Store<OutBytes>(out, 0);
      continue;
    }
    const int red = ScaledGrey(s[0], depth);
    const int green = grey ? red : ScaledGrey(s[1], depth);
    const int blue = grey ? red : ScaledGrey(s[2], depth);
    const int alpha = header.HasAlphaChannel() ? ScaledGrey(s[channels - 1], depth) : 255;
    Store<OutBytes>(out, Colour(red, green, blue, alpha, m_settings.keepAlpha));
  }
}

}  // namespace qorvexctl::png
