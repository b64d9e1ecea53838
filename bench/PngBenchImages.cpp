#include "bench/PngBenchImages.h"

#include <png.h>
#include <zlib.h>

#include <cmath>
#include <fstream>
#include <iterator>

#include "testsupport/TestData.h"

namespace qorvexctl::bench {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct RawImage {
  int width, height, colourType, bitDepth;
  bool interlaced = false;
  Bytes pixels;  // rows without filter bytes
  Bytes palette;
};

// A small deterministic noise source.
struct Noise {
  std::uint32_t state = 12345;
  int Next(int range) {
    state = state * 1664525u + 1013904223u;
    return static_cast<int>((state >> 16) % static_cast<std::uint32_t>(range));
  }
};

std::size_t RowBytesOf(const RawImage& image) {
  int channels = image.colourType == PNG_COLOR_TYPE_RGB_ALPHA ? 4
                 : image.colourType == PNG_COLOR_TYPE_RGB     ? 3
                 : image.colourType == PNG_COLOR_TYPE_GA      ? 2
                                                              : 1;
  return (static_cast<std::size_t>(image.width) * channels * image.bitDepth + 7) / 8;
}

void AppendToBuffer(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

Bytes Encode(const RawImage& image) {
  Bytes out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return {};
  }
  png_set_write_fn(png, &out, AppendToBuffer, nullptr);
  png_set_IHDR(png, info, image.width, image.height, image.bitDepth, image.colourType,
               image.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!image.palette.empty()) {
    png_set_PLTE(png, info, reinterpret_cast<png_const_colorp>(image.palette.data()),
                 static_cast<int>(image.palette.size() / 3));
  }
  png_write_info(png, info);
  std::vector<png_bytep> rows(image.height);
  for (int y = 0; y < image.height; ++y) {
    rows[y] = const_cast<png_bytep>(image.pixels.data() + RowBytesOf(image) * y);
  }
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

// Smooth gradients with a little noise, like a photograph.
RawImage Photo(int width, int height, bool interlaced) {
  RawImage image{width, height, PNG_COLOR_TYPE_RGB, 8, interlaced, {}, {}};
  Noise noise;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      double fx = x / double(width), fy = y / double(height);
      image.pixels.push_back(
          static_cast<std::uint8_t>(120 + 100 * std::sin(fx * 5 + fy * 2) + noise.Next(9)));
      image.pixels.push_back(
          static_cast<std::uint8_t>(110 + 90 * std::cos(fy * 4) + noise.Next(9)));
      image.pixels.push_back(
          static_cast<std::uint8_t>(100 + 80 * std::sin(fx * fy * 9) + noise.Next(9)));
    }
  }
  return image;
}

// Flat panels, frames and short runs of dark "text" pixels, like a screenshot.
RawImage Screenshot(int width, int height) {
  RawImage image{width, height, PNG_COLOR_TYPE_RGB, 8, false, {}, {}};
  Noise noise;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      bool frame = x % 320 < 2 || y % 200 < 2;
      bool text = (y % 20) > 6 && (y % 20) < 16 && (x % 320) > 20 && noise.Next(7) == 0;
      std::uint8_t grey = frame ? 160 : text ? 30 : (y / 200) % 2 ? 240 : 212;
      image.pixels.insert(image.pixels.end(),
                          {grey, grey, static_cast<std::uint8_t>(frame ? 200 : grey)});
    }
  }
  return image;
}

RawImage Paletted(int width, int height) {
  RawImage photo = Photo(width, height, false);
  RawImage image{width, height, PNG_COLOR_TYPE_PALETTE, 8, false, {}, {}};
  for (int i = 0; i < 256; ++i) {
    image.palette.insert(image.palette.end(), {static_cast<std::uint8_t>((i >> 5) * 36),
                                               static_cast<std::uint8_t>(((i >> 2) & 7) * 36),
                                               static_cast<std::uint8_t>((i & 3) * 85)});
  }
  for (std::size_t p = 0; p < photo.pixels.size(); p += 3) {
    image.pixels.push_back(static_cast<std::uint8_t>(
        (photo.pixels[p] / 32) << 5 | (photo.pixels[p + 1] / 32) << 2 | photo.pixels[p + 2] / 64));
  }
  return image;
}

RawImage Grey16(int width, int height) {
  RawImage image{width, height, PNG_COLOR_TYPE_GRAY, 16, false, {}, {}};
  Noise noise;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      int v = (x * 40 + y * 23) % 65536 + noise.Next(64);
      image.pixels.insert(image.pixels.end(),
                          {static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)});
    }
  }
  return image;
}

// A soft round shape on a transparent field, like an icon.
RawImage Rgba(int width, int height) {
  RawImage image{width, height, PNG_COLOR_TYPE_RGB_ALPHA, 8, false, {}, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      double dx = x - width / 2.0, dy = y - height / 2.0;
      double d = std::sqrt(dx * dx + dy * dy) / (width / 2.0);
      auto alpha = static_cast<std::uint8_t>(d >= 1 ? 0 : 255 * (1 - d * d));
      image.pixels.insert(image.pixels.end(),
                          {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 180, alpha});
    }
  }
  return image;
}

Bytes ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The IDAT data of a file and the size it inflates to.
void FindImageData(PngBenchImage& image) {
  std::size_t at = 8;
  while (at + 12 <= image.bytes.size()) {
    const std::uint8_t* p = image.bytes.data() + at;
    std::size_t length = (std::size_t{p[0]} << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
    if (std::equal(p + 4, p + 8, "IHDR")) {
      image.width = (p[8] << 24) | (p[9] << 16) | (p[10] << 8) | p[11];
      image.height = (p[12] << 24) | (p[13] << 16) | (p[14] << 8) | p[15];
    }
    if (std::equal(p + 4, p + 8, "IDAT"))
      image.imageData.insert(image.imageData.end(), p + 8, p + 8 + length);
    at += length + 12;
  }
  Bytes out(std::size_t{64} << 20);
  uLongf size = out.size();
  uncompress(out.data(), &size, image.imageData.data(), image.imageData.size());
  image.inflatedSize = size;
}

PngBenchImage Make(std::string name, Bytes bytes) {
  PngBenchImage image{std::move(name), std::move(bytes), {}, 0, 0, 0};
  FindImageData(image);
  return image;
}

std::vector<PngBenchImage> MakeAll() {
  std::vector<PngBenchImage> images;
  for (const char* file : {"basn6a08.png", "basn3p08.png", "PngSuite.png"}) {
    images.push_back(Make(std::string("suite/") + file,
                          ReadFile(testsupport::SharedTestData() / "png" / "pngsuite" / file)));
  }
  images.push_back(Make("icon_rgba_256", Encode(Rgba(256, 256))));
  images.push_back(Make("photo_rgb_1920x1080", Encode(Photo(1920, 1080, false))));
  images.push_back(Make("screenshot_rgb_1920x1080", Encode(Screenshot(1920, 1080))));
  images.push_back(Make("palette_1024x768", Encode(Paletted(1024, 768))));
  images.push_back(Make("grey16_1024x1024", Encode(Grey16(1024, 1024))));
  images.push_back(Make("rgba_1024x1024", Encode(Rgba(1024, 1024))));
  images.push_back(Make("adam7_photo_1024x768", Encode(Photo(1024, 768, true))));
  return images;
}

}  // namespace

const std::vector<PngBenchImage>& PngBenchImages() {
  static const std::vector<PngBenchImage> images = MakeAll();
  return images;
}

}  // namespace qorvexctl::bench
