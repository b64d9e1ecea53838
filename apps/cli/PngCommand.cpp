// `qorvexctl png`: what a PNG file says about itself, and its decoded bitmap as raw pixels.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "apps/cli/Commands.h"
#include "qorvexctl/imaging/StdPNG.h"

namespace qorvexctl::cli {
namespace {

bool Load(StdPNG& png, const std::string& path, bool force32, int alpha) {
  if (png.LoadFile(path, true, force32, alpha)) return true;
  std::fprintf(stderr, "qorvexctl png: %s: %s\n", path.c_str(),
               std::string(png::FailureText(png.LastFailure())).c_str());
  return false;
}

template <typename T>
void PrintList(const char* label, const std::vector<T>& values) {
  std::printf("%s:", label);
  if (values.empty()) std::printf(" none");
  for (T v : values) std::printf(" %g", static_cast<double>(v));
  std::printf("\n");
}

int PrintInfo(const std::string& path) {
  StdPNG png;
  png.TransparentStyle(alphaTransparent);
  png.ProgressiveDisplay(pngNeverProgressive);
  if (!Load(png, path, false, 255)) return 1;
  std::printf("size: %dx%d\nbits per pixel: %d\ncolour type: %d\ninterlaced: %s\n", png.Width(),
              png.Height(), png.BitCount_PNG(), png.ColorType(), png.IsInterlaced() ? "yes" : "no");
  std::printf("gamma: %g\nstandard RGB: %d\nlast modified: %.6f\n", png.GammaCorrection(),
              png.StdRGB(), png.LastModified());
  PrintList("chromaticity", png.Chromaticity());
  PrintList("aspect ratio", png.AspectRatio());
  PrintList("offsets", png.Offsets());
  std::printf("palette entries: %zu\nbitmap bits per pixel: %d\nscan line width: %d\n",
              png.Palette().size() / 3, png.BitCount_BMP(), png.ScanLineWidth());
  std::printf("comments:\n%s\n", png.Comments().c_str());
  return 0;
}

// Rows top-down without padding: 32-bit premultiplied B,G,R,A; 24-bit B,G,R; indexed
// bitmaps expanded through their colour table to B,G,R.
std::vector<std::uint8_t> Pixels(const platform::Surface& bitmap) {
  std::vector<std::uint8_t> out;
  const int bits = bitmap.BitsPerPixel();
  for (int y = 0; y < bitmap.Height(); ++y) {
    if (bits >= 24) {
      const std::uint8_t* row = bitmap.Row(y);
      out.insert(out.end(), row, row + static_cast<std::size_t>(bitmap.Width()) * bits / 8);
      continue;
    }
    for (int x = 0; x < bitmap.Width(); ++x) {
      Colour c = bitmap.PixelColour(x, y);
      out.insert(out.end(),
                 {static_cast<std::uint8_t>(BlueOf(c)), static_cast<std::uint8_t>(GreenOf(c)),
                  static_cast<std::uint8_t>(RedOf(c))});
    }
  }
  return out;
}

struct DecodeOptions {
  std::int32_t style = 0;
  int alpha = 255;
  bool force32 = false;
  std::vector<std::string> files;
};

bool ParseDecode(const Arguments& args, DecodeOptions& options) {
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--force32") {
      options.force32 = true;
    } else if ((args[i] == "--style" || args[i] == "--alpha") && i + 1 < args.size()) {
      int value = static_cast<int>(std::strtol(args[i + 1].c_str(), nullptr, 0));
      (args[i] == "--style" ? options.style : options.alpha) = value;
      ++i;
    } else {
      options.files.push_back(args[i]);
    }
  }
  return options.files.size() == 2;
}

int Decode(const DecodeOptions& options) {
  StdPNG png;
  png.TransparentStyle(options.style);
  png.ProgressiveDisplay(pngNeverProgressive);
  if (!Load(png, options.files[0], options.force32, options.alpha)) return 1;
  const std::vector<std::uint8_t> pixels = Pixels(*png.Handle());
  std::ofstream out(options.files[1], std::ios::binary);
  out.write(reinterpret_cast<const char*>(pixels.data()),
            static_cast<std::streamsize>(pixels.size()));
  if (!out) {
    std::fprintf(stderr, "qorvexctl png: cannot write %s\n", options.files[1].c_str());
    return 1;
  }
  std::printf("%d %d %d\n", png.Width(), png.Height(), png.BitCount_BMP());
  return 0;
}

constexpr const char* kPngUsage =
    "qorvexctl png info FILE\n"
    "    Size, bit depth, colour type, interlacing, gamma, chromaticity, aspect ratio,\n"
    "    offsets, standard RGB, modification date, palette size, bitmap format, comments.\n"
    "qorvexctl png decode [--style N] [--alpha A] [--force32] FILE OUT\n"
    "    Loads with TransparentStyle N (default 0: composited on black; -1 keeps alpha),\n"
    "    AlphaBlendValue A and Make32Bit, writes the bitmap top-down without padding\n"
    "    (32-bit premultiplied B,G,R,A; 24-bit B,G,R; 1/4/8-bit expanded to B,G,R) and\n"
    "    prints WIDTH HEIGHT BITCOUNT. Both exit 1 when the file cannot be loaded.";

int RunPng(const Arguments& args) {
  if (args.size() == 2 && args[0] == "info") return PrintInfo(args[1]);
  DecodeOptions options;
  if (!args.empty() && args[0] == "decode" && ParseDecode(args, options)) return Decode(options);
  std::fprintf(stderr, "%s\n", kPngUsage);
  return 2;
}

}  // namespace

const Command kPngCommand = {"png", "PNG files: properties and decoded pixels", kPngUsage, RunPng};

}  // namespace qorvexctl::cli
