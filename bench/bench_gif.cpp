// Decoding and composing every frame of each file: this library against giflib (DGifSlurp
// plus the same composition onto a colour canvas and mask) and stb_image (which composes
// every frame into RGBA itself), in one run.

#include <benchmark/benchmark.h>
#include <gif_lib.h>
#include <stb_image.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "bench/GifBenchFiles.h"
#include "qorvexctl/base/Colour.h"
#include "qorvexctl/imaging/gif/GifComposer.h"
#include "qorvexctl/imaging/gif/GifImage.h"

namespace qorvexctl::bench {
namespace {

void DecodeWithQorvexctl(benchmark::State& state, const BenchFile& file) {
  for (auto _ : state) {
    gif::GifImage image;
    if (!image.Load(file.bytes)) return state.SkipWithError("load failed");
    gif::GifComposer composer(image);
    for (int k = 0; k < image.FrameCount(); ++k) {
      composer.Show(k);
      benchmark::DoNotOptimize(composer.Canvas().data());
    }
  }
}

struct MemoryInput {
  const std::vector<std::uint8_t>* bytes;
  std::size_t position;
};

int ReadMemory(GifFileType* gif, GifByteType* out, int length) {
  auto* input = static_cast<MemoryInput*>(gif->UserData);
  const std::size_t count =
      std::min(static_cast<std::size_t>(length), input->bytes->size() - input->position);
  std::memcpy(out, input->bytes->data() + input->position, count);
  input->position += count;
  return static_cast<int>(count);
}

// The same composition as GifComposer, on giflib's decoded images.
class GiflibComposer {
 public:
  explicit GiflibComposer(GifFileType* gif) : m_gif(gif) {
    for (int k = 0; k < gif->ImageCount; ++k) {
      const GifImageDesc& d = gif->SavedImages[k].ImageDesc;
      m_width = std::max(m_width, d.Left + d.Width);
      m_height = std::max(m_height, d.Top + d.Height);
    }
  }

  void Show(int k) {
    GraphicsControlBlock control{0, false, 0, NO_TRANSPARENT_COLOR};
    DGifSavedExtensionToGCB(m_gif, k, &control);
    const GifImageDesc& d = m_gif->SavedImages[k].ImageDesc;
    if (k == 0) {
      m_canvas.assign(static_cast<std::size_t>(m_width) * m_height, 0);
      m_mask.assign(m_canvas.size(), 1);
    } else {
      Dispose();
    }
    if (control.DisposalMode == DISPOSE_PREVIOUS) Save(d);
    Draw(m_gif->SavedImages[k], control.TransparentColor);
    m_previous = {d, control.DisposalMode};
  }

  const Colour* Canvas() const { return m_canvas.data(); }

 private:
  struct Shown {
    GifImageDesc desc;
    int disposal;
  };

  void Draw(const SavedImage& image, int transparent) {
    const GifImageDesc& d = image.ImageDesc;
    const ColorMapObject* map = d.ColorMap != nullptr ? d.ColorMap : m_gif->SColorMap;
    Colour table[256] = {};
    for (int i = 0; i < map->ColorCount && i < 256; ++i) {
      table[i] = RGB(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);
    }
    for (int y = 0; y < d.Height; ++y) {
      const GifByteType* source = image.RasterBits + static_cast<std::size_t>(y) * d.Width;
      const std::size_t at = static_cast<std::size_t>(d.Top + y) * m_width + d.Left;
      for (int x = 0; x < d.Width; ++x) {
        if (source[x] == transparent) continue;
        m_canvas[at + x] = table[source[x]];
        m_mask[at + x] = 0;
      }
    }
  }

  // Keeps the rows under the frame's rectangle, as GifComposer does.
  void Save(const GifImageDesc& d) {
    m_savedCanvas.clear();
    m_savedMask.clear();
    for (int y = 0; y < d.Height; ++y) {
      const std::size_t at = static_cast<std::size_t>(d.Top + y) * m_width + d.Left;
      m_savedCanvas.insert(m_savedCanvas.end(), &m_canvas[at], &m_canvas[at] + d.Width);
      m_savedMask.insert(m_savedMask.end(), &m_mask[at], &m_mask[at] + d.Width);
    }
  }

  void Dispose() {
    const GifImageDesc& d = m_previous.desc;
    if (m_previous.disposal != DISPOSE_BACKGROUND && m_previous.disposal != DISPOSE_PREVIOUS) return;
    for (int y = 0; y < d.Height; ++y) {
      const std::size_t at = static_cast<std::size_t>(d.Top + y) * m_width + d.Left;
      const std::size_t saved = static_cast<std::size_t>(y) * d.Width;
      if (m_previous.disposal == DISPOSE_BACKGROUND) {
        std::fill_n(&m_canvas[at], d.Width, 0);
        std::fill_n(&m_mask[at], d.Width, 1);
      } else {
        std::copy_n(&m_savedCanvas[saved], d.Width, &m_canvas[at]);
        std::copy_n(&m_savedMask[saved], d.Width, &m_mask[at]);
      }
    }
  }

  GifFileType* m_gif;
  int m_width = 0;
  int m_height = 0;
  Shown m_previous{};
  std::vector<Colour> m_canvas, m_savedCanvas;
  std::vector<std::uint8_t> m_mask, m_savedMask;
};

void DecodeWithGiflib(benchmark::State& state, const BenchFile& file) {
  for (auto _ : state) {
    MemoryInput input{&file.bytes, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&input, ReadMemory, &error);
    if (gif == nullptr || DGifSlurp(gif) != GIF_OK) {
      if (gif != nullptr) DGifCloseFile(gif, &error);
      return state.SkipWithError("giflib failed");
    }
    GiflibComposer composer(gif);
    for (int k = 0; k < gif->ImageCount; ++k) {
      composer.Show(k);
      benchmark::DoNotOptimize(composer.Canvas());
    }
    DGifCloseFile(gif, &error);
  }
}

void DecodeWithStb(benchmark::State& state, const BenchFile& file) {
  for (auto _ : state) {
    int* delays = nullptr;
    int width = 0, height = 0, frames = 0, channels = 0;
    stbi_uc* pixels =
        stbi_load_gif_from_memory(file.bytes.data(), static_cast<int>(file.bytes.size()), &delays,
                                  &width, &height, &frames, &channels, 4);
    if (pixels == nullptr) return state.SkipWithError("stb_image failed");
    benchmark::DoNotOptimize(pixels);
    stbi_image_free(pixels);
    stbi_image_free(delays);
  }
}

const bool kRegistered = [] {
  static const std::vector<BenchFile> files = GifBenchFiles();
  for (const BenchFile& file : files) {
    benchmark::RegisterBenchmark(("qorvexctl/" + file.name).c_str(), DecodeWithQorvexctl, file)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("giflib/" + file.name).c_str(), DecodeWithGiflib, file)
        ->Unit(benchmark::kMicrosecond);
    if (file.crashesStb) continue;
    benchmark::RegisterBenchmark(("stb_image/" + file.name).c_str(), DecodeWithStb, file)
        ->Unit(benchmark::kMicrosecond);
  }
  return true;
}();

}  // namespace
}  // namespace qorvexctl::bench
