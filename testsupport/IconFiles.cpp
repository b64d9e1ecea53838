#include "testsupport/IconFiles.h"

namespace qorvexctl::testsupport {

namespace {

void Put(IconBytes& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PadRow(IconBytes& out, std::size_t rowStart) {
  while ((out.size() - rowStart) % 4 != 0) out.push_back(0);
}

void PutColourRow(IconBytes& out, int width, int bits, int y,
                  const std::function<std::uint32_t(int, int)>& pixel) {
  const std::size_t start = out.size();
  if (bits >= 24) {
    for (int x = 0; x < width; ++x) Put(out, pixel(x, y), bits / 8);
  } else {
    std::uint8_t byte = 0;
    int used = 0;
    for (int x = 0; x < width; ++x) {
      byte =
          static_cast<std::uint8_t>(byte | (pixel(x, y) & ((1u << bits) - 1)) << (8 - bits - used));
      used += bits;
      if (used == 8) out.push_back(byte), byte = 0, used = 0;
    }
    if (used > 0) out.push_back(byte);
  }
  PadRow(out, start);
}

}  // namespace

IconImage BitmapIconImage(int width, int height, int bits,
                          const std::function<std::uint32_t(int x, int y)>& pixel,
                          const std::function<bool(int x, int y)>& transparent,
                          const std::vector<std::uint32_t>& palette) {
  IconImage image{{}, width, height, bits};
  IconBytes& out = image.data;
  const std::uint32_t entries = bits <= 8 ? 1u << bits : 0;
  Put(out, 40, 4);
  Put(out, static_cast<std::uint32_t>(width), 4);
  Put(out, static_cast<std::uint32_t>(2 * height), 4);
  Put(out, 1, 2);
  Put(out, static_cast<std::uint32_t>(bits), 2);
  for (int i = 0; i < 6; ++i) Put(out, 0, 4);  // compression, size, resolution, colours
  for (std::uint32_t i = 0; i < entries; ++i) Put(out, i < palette.size() ? palette[i] : 0, 4);
  for (int y = height - 1; y >= 0; --y) PutColourRow(out, width, bits, y, pixel);
  for (int y = height - 1; y >= 0; --y)
    PutColourRow(out, width, 1, y, [&](int x, int row) { return transparent(x, row) ? 1u : 0u; });
  return image;
}

IconImage PngIconImage(IconBytes png, int width, int height) {
  return {std::move(png), width, height, 32};
}

IconBytes IconFile(const std::vector<IconImage>& images) {
  IconBytes out;
  Put(out, 0, 2);
  Put(out, 1, 2);
  Put(out, static_cast<std::uint32_t>(images.size()), 2);
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (const IconImage& image : images) {
    out.push_back(static_cast<std::uint8_t>(image.width & 0xFF));
    out.push_back(static_cast<std::uint8_t>(image.height & 0xFF));
    out.push_back(image.bitCount <= 8 ? static_cast<std::uint8_t>((1 << image.bitCount) & 0xFF)
                                      : 0);
    out.push_back(0);
    Put(out, 1, 2);
    Put(out, static_cast<std::uint32_t>(image.bitCount), 2);
    Put(out, static_cast<std::uint32_t>(image.data.size()), 4);
    Put(out, offset, 4);
    offset += static_cast<std::uint32_t>(image.data.size());
  }
  for (const IconImage& image : images) out.insert(out.end(), image.data.begin(), image.data.end());
  return out;
}

}  // namespace qorvexctl::testsupport
