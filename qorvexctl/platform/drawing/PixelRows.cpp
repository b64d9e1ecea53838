#include "qorvexctl/platform/drawing/PixelRows.h"

#include <algorithm>
#include <cstring>

namespace qorvexctl::platform {

namespace {

// Bits per pixel 1, 4 or 8: values packed from the most significant bits of each byte.
void ReadPacked(const std::uint8_t* row, int bits, int x, int count, std::uint32_t* out) {
  const int perByte = 8 / bits;
  const unsigned mask = (1u << bits) - 1u;
  for (int i = 0; i < count; ++i) {
    const int px = x + i;
    const int shift = 8 - bits * (px % perByte + 1);
    out[i] = (row[px / perByte] >> shift) & mask;
  }
}

void WritePacked(std::uint8_t* row, int bits, int x, int count, const std::uint32_t* values,
                 bool repeat) {
  const int perByte = 8 / bits;
  const unsigned mask = (1u << bits) - 1u;
  for (int i = 0; i < count; ++i) {
    const int px = x + i;
    const int shift = 8 - bits * (px % perByte + 1);
    const unsigned v = (repeat ? values[0] : values[i]) & mask;
    std::uint8_t& b = row[px / perByte];
    b = static_cast<std::uint8_t>((b & ~(mask << shift)) | (v << shift));
  }
}

void Write24(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
  p[2] = static_cast<std::uint8_t>(v >> 16);
}

}  // namespace

void ReadRowValues(const Surface& s, int y, int x, int count, std::uint32_t* out) {
  const std::uint8_t* row = s.Row(y);
  switch (s.BitsPerPixel()) {
    case 32:
      std::memcpy(out, row + static_cast<std::size_t>(x) * 4, static_cast<std::size_t>(count) * 4);
      return;
    case 24:
      for (int i = 0; i < count; ++i) {
        const std::uint8_t* p = row + static_cast<std::size_t>(x + i) * 3;
        out[i] = 0xFF000000u | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
      }
      return;
    case 8:
      for (int i = 0; i < count; ++i) out[i] = row[x + i];
      return;
    default:
      ReadPacked(row, s.BitsPerPixel(), x, count, out);
  }
}

void ReadRowWords(const Surface& s, int y, int x, int count, std::uint32_t* out) {
  ReadRowValues(s, y, x, count, out);
  if (!s.IsIndexed()) return;
  const auto table = s.ColourTable();
  for (int i = 0; i < count; ++i) out[i] = PixelWordOf(ColourOfTableEntry(table[out[i]]));
}

void WriteRowValues(Surface& s, int y, int x, int count, const std::uint32_t* values) {
  std::uint8_t* row = s.Row(y);
  switch (s.BitsPerPixel()) {
    case 32:
      std::memcpy(row + static_cast<std::size_t>(x) * 4, values,
                  static_cast<std::size_t>(count) * 4);
      return;
    case 24:
      for (int i = 0; i < count; ++i) Write24(row + static_cast<std::size_t>(x + i) * 3, values[i]);
      return;
    case 8:
      for (int i = 0; i < count; ++i) row[x + i] = static_cast<std::uint8_t>(values[i]);
      return;
    default:
      WritePacked(row, s.BitsPerPixel(), x, count, values, false);
  }
}

void FillRowValues(Surface& s, int y, int x, int count, std::uint32_t value) {
  std::uint8_t* row = s.Row(y);
  switch (s.BitsPerPixel()) {
    case 32:
      std::fill_n(reinterpret_cast<std::uint32_t*>(row) + x, count, value);
      return;
    case 24:
      for (int i = 0; i < count; ++i) Write24(row + static_cast<std::size_t>(x + i) * 3, value);
      return;
    case 8:
      std::memset(row + x, static_cast<int>(value & 0xFF), static_cast<std::size_t>(count));
      return;
    default:
      WritePacked(row, s.BitsPerPixel(), x, count, &value, true);
  }
}

std::uint32_t PremultipliedWord(Colour c, int alpha) {
  const auto a = static_cast<std::uint32_t>(std::clamp(alpha, 0, 255));
  const auto channel = [a](int v) { return Div255(static_cast<std::uint32_t>(v) * a); };
  return (a << 24) | (channel(RedOf(c)) << 16) | (channel(GreenOf(c)) << 8) | channel(BlueOf(c));
}

}  // namespace qorvexctl::platform
