// `qorvexctl gif`: what a GIF file holds, and its frames composed as raw RGBA files.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "apps/cli/Commands.h"
#include "qorvexctl/imaging/gif/GifComposer.h"
#include "qorvexctl/imaging/gif/GifImage.h"
#include "qorvexctl/platform/services/AtomicFile.h"

namespace qorvexctl::cli {
namespace {

bool LoadGif(const std::string& path, gif::GifImage& image) {
  const auto file = platform::ReadFileBytes(path);
  if (!file) {
    std::fprintf(stderr, "qorvexctl gif: cannot read %s\n", path.c_str());
    return false;
  }
  const std::vector<std::uint8_t> bytes(file->begin(), file->end());
  if (image.Load(bytes)) return true;
  std::fprintf(stderr, "qorvexctl gif: %s: %s\n", path.c_str(),
               std::string(gif::FailureText(image.Error())).c_str());
  return false;
}

int PrintInfo(const std::string& path) {
  gif::GifImage image;
  if (!LoadGif(path, image)) return 1;
  std::printf("frames: %d\nsize: %dx%d\nloops: %d\n", image.FrameCount(), image.Width(),
              image.Height(), image.Loops());
  int k = 1;
  for (const gif::GifFrame& f : image.Frames()) {
    std::printf("frame %d: rect %d,%d,%d,%d delay %d ms disposal %d transparency ", k++, f.left,
                f.top, f.width, f.height, f.delay, f.disposal);
    if (f.transparent) {
      std::printf("index %d\n", f.transparentIndex);
    } else {
      std::printf("none\n");
    }
  }
  return 0;
}

int WriteFrames(const std::string& path, const std::filesystem::path& folder) {
  gif::GifImage image;
  if (!LoadGif(path, image)) return 1;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  gif::GifComposer composer(image);
  for (int k = 0; k < image.FrameCount(); ++k) {
    composer.Show(k);
    char name[32];
    std::snprintf(name, sizeof name, "frame-%03d.rgba", k + 1);
    const std::vector<std::uint8_t> rgba = composer.ToRgba();
    std::ofstream out(folder / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(rgba.data()),
              static_cast<std::streamsize>(rgba.size()));
    if (!out) {
      std::fprintf(stderr, "qorvexctl gif: cannot write %s\n", (folder / name).c_str());
      return 1;
    }
  }
  std::printf("%d frames of %dx%d written to %s\n", image.FrameCount(), image.Width(),
              image.Height(), folder.c_str());
  return 0;
}

constexpr const char* kGifUsage =
    "qorvexctl gif info FILE\n"
    "    Frame count, overall size, loop count, and per frame its rectangle, delay (ms),\n"
    "    disposal and transparent index.\n"
    "qorvexctl gif frames FILE OUTDIR\n"
    "    Writes every composed frame k as OUTDIR/frame-NNN.rgba: overall width x height,\n"
    "    rows top-down, 8-bit R,G,B,A; transparent pixels 0,0,0,0, opaque ones alpha 255.\n"
    "    Both exit 1 when the file cannot be loaded, with the reason on standard error.";

int RunGif(const Arguments& args) {
  if (args.size() == 2 && args[0] == "info") return PrintInfo(args[1]);
  if (args.size() == 3 && args[0] == "frames") return WriteFrames(args[1], args[2]);
  std::fprintf(stderr, "%s\n", kGifUsage);
  return 2;
}

}  // namespace

const Command kGifCommand = {"gif", "GIF files: frame information and composed frames", kGifUsage,
                             RunGif};

}  // namespace qorvexctl::cli
