#include "bench/LibpngDecode.h"

#include <png.h>

#include <cstring>

namespace qorvexctl::bench {
namespace {

struct MemoryReader {
  const std::vector<std::uint8_t>* bytes;
  std::size_t position;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length) {
  auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
  if (reader->position + length > reader->bytes->size()) png_error(png, "read past end");
  std::memcpy(out, reader->bytes->data() + reader->position, length);
  reader->position += length;
}

void Premultiply(std::vector<std::uint8_t>& bgra) {
  for (std::size_t i = 0; i < bgra.size(); i += 4) {
    const int a = bgra[i + 3];
    if (a == 255) continue;
    for (int c = 0; c < 3; ++c) bgra[i + c] = static_cast<std::uint8_t>(bgra[i + c] * a / 255);
  }
}

}  // namespace

// libpng's fastest route to BGRA: expand palettes, low depths and tRNS, strip 16 bits, grey
// to RGB, BGR order, opaque filler; premultiplied afterwards.
bool DecodeLibpng(const std::vector<std::uint8_t>& file, std::vector<std::uint8_t>& out) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  std::vector<png_bytep> rows;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  MemoryReader reader{&file, 0};
  png_set_read_fn(png, &reader, ReadFromMemory);
  png_read_info(png, info);
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_bgr(png);
  png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  const png_uint_32 width = png_get_image_width(png, info),
                    height = png_get_image_height(png, info);
  out.resize(std::size_t{width} * height * 4);
  rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y) rows[y] = out.data() + std::size_t{width} * 4 * y;
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  const bool hasAlpha = png_get_valid(png, info, PNG_INFO_tRNS) ||
                        (png_get_color_type(png, info) & PNG_COLOR_MASK_ALPHA);
  png_destroy_read_struct(&png, &info, nullptr);
  if (hasAlpha) Premultiply(out);
  return true;
}

}  // namespace qorvexctl::bench
