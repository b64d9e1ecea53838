#include "bench/GifBenchFiles.h"

#include <gif_lib.h>

#include <fstream>
#include <iterator>

#include "testsupport/TestData.h"

namespace qorvexctl::bench {
namespace {

// One frame to encode: its rectangle, graphic control and pixel pattern seed.
struct FrameSpec {
  int left, top, width, height;
  int disposal;
  int transparent;  // index, or -1
  int seed;
};

int AppendBytes(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

// Bands of colour with a little deterministic noise: compresses like a real animation frame.
std::vector<GifPixelType> FrameRow(const FrameSpec& frame, int y) {
  std::vector<GifPixelType> row(static_cast<std::size_t>(frame.width));
  std::uint32_t noise = static_cast<std::uint32_t>(y * 7919 + frame.seed * 104729);
  for (int x = 0; x < frame.width; ++x) {
    noise = noise * 1664525u + 1013904223u;
    const int band = ((x + frame.seed * 13) / 24 + (y / 16)) & 0xFF;
    row[static_cast<std::size_t>(x)] =
        static_cast<GifPixelType>((noise >> 28) == 0 ? (noise >> 8) & 0xFF : band);
  }
  return row;
}

void PutFrame(GifFileType* gif, const FrameSpec& frame) {
  GraphicsControlBlock control{frame.disposal, false, 4, frame.transparent};
  GifByteType extension[4];
  EGifGCBToExtension(&control, extension);
  EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension);
  EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, false, nullptr);
  for (int y = 0; y < frame.height; ++y) {
    auto row = FrameRow(frame, y);
    EGifPutLine(gif, row.data(), frame.width);
  }
}

std::vector<std::uint8_t> EncodeAnimation(int width, int height,
                                          const std::vector<FrameSpec>& frames) {
  std::vector<std::uint8_t> bytes;
  int error = 0;
  GifFileType* gif = EGifOpen(&bytes, AppendBytes, &error);
  ColorMapObject* colours = GifMakeMapObject(256, nullptr);
  for (int i = 0; i < 256; ++i) {
    colours->Colors[i] = {static_cast<GifByteType>(i), static_cast<GifByteType>(255 - i),
                          static_cast<GifByteType>((i * 7) & 0xFF)};
  }
  EGifSetGifVersion(gif, true);
  EGifPutScreenDesc(gif, width, height, 8, 0, colours);
  for (const FrameSpec& frame : frames) PutFrame(gif, frame);
  EGifCloseFile(gif, &error);
  GifFreeMapObject(colours);
  return bytes;
}

std::vector<FrameSpec> Spinner() {
  std::vector<FrameSpec> frames;
  for (int k = 0; k < 12; ++k) frames.push_back({0, 0, 32, 32, 2, 0, k});
  return frames;
}

// A full first frame, then moving 400 x 300 frames with disposal 2, or alternating 2 and 3,
// every third one with a transparent index.
std::vector<FrameSpec> LargeAnimation(bool withRestore) {
  std::vector<FrameSpec> frames = {{0, 0, 800, 600, 1, -1, 0}};
  for (int k = 1; k < 10; ++k) {
    const int disposal = withRestore && k % 2 == 0 ? 3 : 2;
    frames.push_back({k * 40, k * 30, 400, 300, disposal, k % 3 == 0 ? 0 : -1, k});
  }
  return frames;
}

std::vector<std::uint8_t> ReadCorpusFile(const std::string& name) {
  std::ifstream in(testsupport::SharedTestData() / "gif" / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

std::vector<BenchFile> GifBenchFiles() {
  std::vector<BenchFile> files = {
      {"spinner-32x32", EncodeAnimation(32, 32, Spinner())},
      {"anim-800x600-disposal2", EncodeAnimation(800, 600, LargeAnimation(false))},
      {"anim-800x600-disposal23", EncodeAnimation(800, 600, LargeAnimation(true)), true},
  };
  for (const char* name :
       {"muybridge.gif", "star.gif", "dispose_bgnd.gif", "iss634.gif", "hibiscus.regular.gif",
        "interlaced.gif", "test.colors.gif", "test.gif"}) {
    files.push_back({name, ReadCorpusFile(name)});
  }
  return files;
}

}  // namespace qorvexctl::bench
