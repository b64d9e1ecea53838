// AlphaBlend and BitBlt on 1920 x 1080 32-bit surfaces against pixman's composite of the same
// pixels (OVER for AlphaBlend, OVER with a solid mask for constant alpha, SRC for a copy), in
// one run; and the canvas's ellipse, crisp and smooth, the smooth one against cairo drawing
// the same fill and stroke straight onto the pixels. Each *_vs_* benchmark times both sides
// alternately on the same buffers, in processor time: its time is ours, the counter
// reference_ms is the reference library's and ratio is ours divided by the reference's
// (below 1 is faster).

#include <benchmark/benchmark.h>
#include <cairo.h>
#include <pixman.h>

#include <ctime>
#include <functional>

#include "qorvexctl/platform/drawing/AlphaBlend.h"
#include "qorvexctl/platform/drawing/Blit.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/drawing/PixelRows.h"

namespace qorvexctl::platform {
namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// Every alpha from 0 to 255 across the picture: no block of pixels may take a shortcut.
Surface MixedAlphaSource() {
  Surface s(kWidth, kHeight, 32);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      s.Words(y)[x] =
          PremultipliedWord(RGB(x & 255, y & 255, (x + y) & 255), (x * 7 + y * 3) & 255);
  return s;
}

Surface OpaqueSurface(Colour c) {
  Surface s(kWidth, kHeight, 32);
  s.Fill(PixelWordOf(c));
  return s;
}

pixman_image_t* PixmanView(Surface& s) {
  return pixman_image_create_bits(PIXMAN_a8r8g8b8, s.Width(), s.Height(),
                                  reinterpret_cast<uint32_t*>(s.Data()),
                                  static_cast<int>(s.Stride()));
}

double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Processor time of the work, so a busy machine does not skew the ratio.
double Seconds(const std::function<void()>& work) {
  const double start = ThreadSeconds();
  work();
  return ThreadSeconds() - start;
}

// Runs ours and the reference alternately; reports both times and the ratio.
void Compare(benchmark::State& state, const std::function<void()>& ours,
             const std::function<void()>& pixman, std::int64_t pixels = kWidth * kHeight) {
  double oursTotal = 0, pixmanTotal = 0;
  bool oursFirst = true;
  for (auto _ : state) {
    // Alternate which side runs first, so neither always finds the other's data in cache.
    const double p = oursFirst ? 0 : Seconds(pixman);
    const double o = Seconds(ours);
    pixmanTotal += oursFirst ? Seconds(pixman) : p;
    oursTotal += o;
    oursFirst = !oursFirst;
    state.SetIterationTime(o);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["reference_ms"] = 1000 * pixmanTotal / n;
  state.counters["ratio"] = oursTotal / pixmanTotal;
  state.SetItemsProcessed(state.iterations() * pixels);
}

void BM_AlphaBlend_vs_pixman_OVER(benchmark::State& state) {
  Surface source = MixedAlphaSource();
  Surface dest = OpaqueSurface(RGB(30, 60, 90));
  pixman_image_t* src = PixmanView(source);
  pixman_image_t* dst = PixmanView(dest);
  Compare(
      state,
      [&] {
        AlphaBlend(BlitTarget{dest}, 0, 0, kWidth, kHeight, source, 0, 0, kWidth, kHeight,
                   {255, true});
      },
      [&] {
        pixman_image_composite32(PIXMAN_OP_OVER, src, nullptr, dst, 0, 0, 0, 0, 0, 0, kWidth,
                                 kHeight);
      });
  pixman_image_unref(src);
  pixman_image_unref(dst);
}

// The cross-fade of a slideshow: an opaque picture at constant alpha 128; pixman gets the
// same as a solid mask of alpha 128.
void BM_AlphaBlendConstant128_vs_pixman_OVER_mask(benchmark::State& state) {
  Surface source = OpaqueSurface(RGB(200, 100, 50));
  Surface dest = OpaqueSurface(RGB(30, 60, 90));
  pixman_image_t* src = PixmanView(source);
  pixman_image_t* dst = PixmanView(dest);
  const pixman_color_t half = {0, 0, 0, 0x8080};
  pixman_image_t* mask = pixman_image_create_solid_fill(&half);
  Compare(
      state,
      [&] {
        AlphaBlend(BlitTarget{dest}, 0, 0, kWidth, kHeight, source, 0, 0, kWidth, kHeight,
                   {128, false});
      },
      [&] {
        pixman_image_composite32(PIXMAN_OP_OVER, src, mask, dst, 0, 0, 0, 0, 0, 0, kWidth, kHeight);
      });
  pixman_image_unref(mask);
  pixman_image_unref(src);
  pixman_image_unref(dst);
}

void BM_BitBltSrcCopy_vs_pixman_SRC(benchmark::State& state) {
  Surface source = MixedAlphaSource();
  Surface dest = OpaqueSurface(RGB(30, 60, 90));
  pixman_image_t* src = PixmanView(source);
  pixman_image_t* dst = PixmanView(dest);
  const BlitSource from{source};
  Compare(
      state, [&] { BitBlt(BlitTarget{dest}, 0, 0, kWidth, kHeight, &from, 0, 0, SRCCOPY); },
      [&] {
        pixman_image_composite32(PIXMAN_OP_SRC, src, nullptr, dst, 0, 0, 0, 0, 0, 0, kWidth,
                                 kHeight);
      });
  pixman_image_unref(src);
  pixman_image_unref(dst);
}

// Raster operations pixman has no equivalent for, on their own.
void BM_BitBltSrcInvert(benchmark::State& state) {
  Surface source = MixedAlphaSource();
  Surface dest = OpaqueSurface(RGB(30, 60, 90));
  const BlitSource from{source};
  for (auto _ : state) BitBlt(BlitTarget{dest}, 0, 0, kWidth, kHeight, &from, 0, 0, SRCINVERT);
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

void BM_StretchBltMirrored(benchmark::State& state) {
  Surface source = MixedAlphaSource();
  Surface dest = OpaqueSurface(RGB(30, 60, 90));
  const BlitSource from{source};
  for (auto _ : state)
    StretchBlt(BlitTarget{dest}, kWidth - 1, 0, -kWidth, kHeight, &from, 0, 0, kWidth / 2,
               kHeight / 2, SRCCOPY);
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

// A 200 x 120 ellipse with a 2-pixel outline on a 256 x 256 surface.
constexpr int kCanvasSide = 256;
constexpr Rect kEllipse{28, 68, 228, 188};

void PrepareEllipse(Canvas& canvas, bool smooth) {
  canvas.SetSmoothing(smooth);
  canvas.SelectPen({RGB(20, 40, 90), 2});
  canvas.SelectBrush({RGB(240, 190, 40)});
}

void BM_EllipseCrisp(benchmark::State& state) {
  Surface surface(kCanvasSide, kCanvasSide, 32);
  Canvas canvas(surface);
  PrepareEllipse(canvas, false);
  for (auto _ : state) canvas.Ellipse(kEllipse);
  state.SetItemsProcessed(state.iterations() * kEllipse.Width() * kEllipse.Height());
}

// cairo's side: the path the canvas traces (an ellipse inset by half the pen), filled, then
// stroked, with a fresh context each time as the canvas makes one per shape.
void CairoEllipse(cairo_surface_t* target) {
  cairo_t* cr = cairo_create(target);
  cairo_save(cr);
  cairo_translate(cr, (kEllipse.left + kEllipse.right) / 2.0,
                  (kEllipse.top + kEllipse.bottom) / 2.0);
  cairo_scale(cr, kEllipse.Width() / 2.0 - 1, kEllipse.Height() / 2.0 - 1);
  cairo_arc(cr, 0, 0, 1, 0, 6.283185307179586);
  cairo_restore(cr);
  cairo_set_source_rgb(cr, 240 / 255.0, 190 / 255.0, 40 / 255.0);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, 20 / 255.0, 40 / 255.0, 90 / 255.0);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_destroy(cr);
}

void BM_EllipseSmooth_vs_cairo(benchmark::State& state) {
  Surface ours(kCanvasSide, kCanvasSide, 32), reference(kCanvasSide, kCanvasSide, 32);
  Canvas canvas(ours);
  PrepareEllipse(canvas, true);
  cairo_surface_t* target =
      cairo_image_surface_create_for_data(reference.Data(), CAIRO_FORMAT_ARGB32, kCanvasSide,
                                          kCanvasSide, static_cast<int>(reference.Stride()));
  Compare(
      state, [&] { canvas.Ellipse(kEllipse); }, [&] { CairoEllipse(target); },
      kEllipse.Width() * kEllipse.Height());
  cairo_surface_destroy(target);
}

BENCHMARK(BM_AlphaBlend_vs_pixman_OVER)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlphaBlendConstant128_vs_pixman_OVER_mask)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BitBltSrcCopy_vs_pixman_SRC)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BitBltSrcInvert)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StretchBltMirrored)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EllipseCrisp)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EllipseSmooth_vs_cairo)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qorvexctl::platform
