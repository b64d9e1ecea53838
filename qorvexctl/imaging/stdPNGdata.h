#pragma once
// The bitmap of a decoded PNG image: a top-down raster of 1, 4, 8, 24 or 32 bits per pixel
// with its colour table. Owned by StdPNG; created by each successful decode.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace qorvexctl {

class stdPNGdata {
 public:
  // One colour-table entry: blue, green, red, reserved.
  struct TableEntry {
    std::uint8_t blue = 0, green = 0, red = 0, reserved = 0;
    bool operator==(const TableEntry&) const = default;
  };

  // A bitmap cleared to zero (fully transparent for 32 bits). False when it cannot be made.
  [[nodiscard]] bool Create(std::int32_t width, std::int32_t height, int bitCount);
  void SetColourTable(std::span<const TableEntry> entries);

  std::int32_t Width() const { return m_width; }
  std::int32_t Height() const { return m_height; }
  int BitCount() const { return m_bitCount; }
  // Bytes per row: ((bit count x width + 31) with the low five bits cleared) / 8.
  std::int32_t Stride() const { return m_stride; }
  std::int32_t ImageSize() const { return m_stride * m_height; }
  std::span<const TableEntry> ColourTable() const { return m_table; }

  std::uint8_t* Row(std::int32_t y) { return m_pixels.data() + std::size_t(m_stride) * y; }
  const std::uint8_t* Row(std::int32_t y) const {
    return m_pixels.data() + std::size_t(m_stride) * y;
  }
  std::uint8_t* Pixels() { return m_pixels.data(); }

 private:
  std::int32_t m_width = 0;
  std::int32_t m_height = 0;
  int m_bitCount = 0;
  std::int32_t m_stride = 0;
  std::vector<std::uint8_t> m_pixels;
  std::vector<TableEntry> m_table;
};

}  // namespace qorvexctl
