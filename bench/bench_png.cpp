// PNG decoding speed, in one run, for each benchmark image: this library (png::Decode, what
// every picture load uses, and the StdPNG component, both to a premultiplied 32-bit bitmap),
// libpng (to the same premultiplied BGRA), libspng and stb_image (to their own RGBA), and the
// two inflate floors: one zlib uncompress and one libdeflate decompression of the image data
// alone. After the run a table gives each decoder's time as a
// multiple of the floor and of this library's time (CPU time, so other load on the machine
// counts less). Each decoder makes a new output image per iteration, as a caller would.

#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <png.h>
#include <spng.h>
#include <stb_image.h>
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "bench/LibpngDecode.h"
#include "bench/PngBenchImages.h"
#include "qorvexctl/imaging/StdPNG.h"
#include "qorvexctl/imaging/png/PngDecode.h"

namespace qorvexctl::bench {
namespace {

using Bytes = std::vector<std::uint8_t>;

void DecodeWithQorvexctl(benchmark::State& state, const PngBenchImage& image) {
  for (auto _ : state) {
    png::Decoded decoded = png::Decode(image.bytes);
    if (decoded.failure != png::Failure::None) return state.SkipWithError("decode failed");
    benchmark::DoNotOptimize(decoded.surface.Row(0));
  }
}

void DecodeWithStdPNG(benchmark::State& state, const PngBenchImage& image) {
  StdPNG png;
  png.TransparentStyle(alphaTransparent);
  png.ProgressiveDisplay(pngNeverProgressive);
  for (auto _ : state) {
    if (!png.LoadBytes(image.bytes, true, true)) return state.SkipWithError("load failed");
    benchmark::DoNotOptimize(png.Bitmap()->Row(0));
  }
}

void DecodeWithLibpng(benchmark::State& state, const PngBenchImage& image) {
  for (auto _ : state) {
    Bytes out;
    if (!DecodeLibpng(image.bytes, out)) return state.SkipWithError("libpng failed");
    benchmark::DoNotOptimize(out.data());
  }
}

void DecodeWithSpng(benchmark::State& state, const PngBenchImage& image) {
  for (auto _ : state) {
    Bytes out;
    spng_ctx* ctx = spng_ctx_new(0);
    spng_set_png_buffer(ctx, image.bytes.data(), image.bytes.size());
    std::size_t size = 0;
    spng_decoded_image_size(ctx, SPNG_FMT_RGBA8, &size);
    out.resize(size);
    int result = spng_decode_image(ctx, out.data(), size, SPNG_FMT_RGBA8, SPNG_DECODE_TRNS);
    spng_ctx_free(ctx);
    if (result != 0) return state.SkipWithError("libspng failed");
    benchmark::DoNotOptimize(out.data());
  }
}

void DecodeWithStb(benchmark::State& state, const PngBenchImage& image) {
  for (auto _ : state) {
    int w, h, n;
    stbi_uc* pixels = stbi_load_from_memory(image.bytes.data(),
                                            static_cast<int>(image.bytes.size()), &w, &h, &n, 4);
    if (pixels == nullptr) return state.SkipWithError("stb_image failed");
    benchmark::DoNotOptimize(pixels);
    stbi_image_free(pixels);
  }
}

void InflateOnly(benchmark::State& state, const PngBenchImage& image) {
  Bytes out(image.inflatedSize);
  for (auto _ : state) {
    uLongf size = out.size();
    if (uncompress(out.data(), &size, image.imageData.data(), image.imageData.size()) != Z_OK) {
      return state.SkipWithError("uncompress failed");
    }
    benchmark::DoNotOptimize(out.data());
  }
}

void LibdeflateOnly(benchmark::State& state, const PngBenchImage& image) {
  Bytes out(image.inflatedSize);
  libdeflate_decompressor* decompressor = libdeflate_alloc_decompressor();
  for (auto _ : state) {
    std::size_t size = 0;
    if (libdeflate_zlib_decompress(decompressor, image.imageData.data(), image.imageData.size(),
                                   out.data(), out.size(), &size) != LIBDEFLATE_SUCCESS) {
      libdeflate_free_decompressor(decompressor);
      return state.SkipWithError("libdeflate failed");
    }
    benchmark::DoNotOptimize(out.data());
  }
  libdeflate_free_decompressor(decompressor);
}

// The chunk checksum over blocks of each size: zlib's crc32 against libdeflate's.
void Crc32WithZlib(benchmark::State& state, std::size_t blockSize) {
  const Bytes block(blockSize, 0x5a);
  for (auto _ : state) {
    benchmark::DoNotOptimize(crc32(0, block.data(), static_cast<uInt>(block.size())));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * blockSize));
}

void Crc32WithLibdeflate(benchmark::State& state, std::size_t blockSize) {
  const Bytes block(blockSize, 0x5a);
  for (auto _ : state) {
    benchmark::DoNotOptimize(libdeflate_crc32(0, block.data(), block.size()));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * blockSize));
}

const std::pair<const char*, void (*)(benchmark::State&, const PngBenchImage&)> kDecoders[] = {
    {"zlib_floor", InflateOnly},        {"deflate_floor", LibdeflateOnly},
    {"qorvexctl", DecodeWithQorvexctl}, {"StdPNG", DecodeWithStdPNG},
    {"libpng", DecodeWithLibpng},       {"libspng", DecodeWithSpng},
    {"stb_image", DecodeWithStb},
};

// Keeps every run's time per iteration, by image and decoder, for the table at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      std::string name = run.benchmark_name();
      auto slash = name.find('/');
      m_times[name.substr(slash + 1)][name.substr(0, slash)] = run.GetAdjustedCPUTime();
    }
  }

  void PrintRatios() const {
    std::printf("\n%-28s %9s", "image (time / zlib floor)", "ms ours");
    for (const auto& [decoder, _] : kDecoders) std::printf(" %10s", decoder);
    std::printf("  libpng/ours\n");
    for (const auto& [image, byDecoder] : m_times) {
      if (byDecoder.size() != std::size(kDecoders)) continue;  // filtered out
      const double floor = byDecoder.at("zlib_floor"), ours = byDecoder.at("qorvexctl");
      std::printf("%-28s %9.3f", image.c_str(), ours);
      for (const auto& [decoder, _] : kDecoders)
        std::printf(" %10.2f", byDecoder.at(decoder) / floor);
      std::printf("  %10.2f\n", byDecoder.at("libpng") / ours);
    }
  }

 private:
  std::map<std::string, std::map<std::string, double>> m_times;
};

}  // namespace
}  // namespace qorvexctl::bench

int main(int argc, char** argv) {
  using namespace qorvexctl::bench;
  for (const PngBenchImage& image : PngBenchImages()) {
    for (const auto& [decoder, run] : kDecoders) {
      benchmark::RegisterBenchmark((std::string(decoder) + "/" + image.name).c_str(), run, image)
          ->Unit(benchmark::kMillisecond);
    }
  }
  for (const std::size_t blockSize : {std::size_t{64}, std::size_t{8192}, std::size_t{1} << 20}) {
    const std::string size = std::to_string(blockSize);
    benchmark::RegisterBenchmark(("crc32_zlib/" + size).c_str(), Crc32WithZlib, blockSize);
    benchmark::RegisterBenchmark(("crc32_libdeflate/" + size).c_str(), Crc32WithLibdeflate,
                                 blockSize);
  }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  return 0;
}
