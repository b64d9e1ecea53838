#include "PngShowcase.h"

#include <cstddef>
#include <cstdint>
#include <span>

#include "qorvexctl/imaging/StdPNG.h"
#include "qorvexctl/platform/widgets/Frame.h"
#include "qorvexctl/platform/widgets/Label.h"
#include "qorvexctl/platform/widgets/PictureBox.h"

// data/images/demo/*.png, compiled in by qorvexctl_embed_resource.
extern const unsigned char qorvexctl_demo_emblem_png[];
extern const std::size_t qorvexctl_demo_emblem_png_size;
extern const unsigned char qorvexctl_demo_landscape_png[];
extern const std::size_t qorvexctl_demo_landscape_png_size;

namespace qorvexctl::demo {

using platform::PictureBox;
using platform::Rect;

namespace {

constexpr int kFrameHeight = 182;  // what the form grows by

PictureBox& AddPictureBox(platform::Form& form, platform::Window& frame, const char* name,
                          const Rect& bounds, Colour background) {
  auto& box = form.Add<PictureBox>(name, &frame);
  box.SetBounds(bounds);
  box.BackColor(background);
  box.AutoRedraw(true);
  return box;
}

void AddCaption(platform::Form& form, platform::Window& frame, const char* name, const char* text,
                int left) {
  auto& label = form.Add<platform::Label>(name, &frame);
  label.Caption(text);
  label.SetBounds(Rect::FromSize(left, 18, 200, 18));
}

// Loads the emblem keeping its alpha channel and blends it twice over the box's colour.
void ShowEmblem(PictureBox& box) {
  StdPNG png;
  png.TransparentStyle(alphaTransparent);
  if (!png.LoadBytes(std::span<const std::uint8_t>(qorvexctl_demo_emblem_png,
                                                   qorvexctl_demo_emblem_png_size))) {
    return;
  }
  png.Paint(&box.hDC(), 8, 8);
  png.Paint(&box.hDC(), 80, 8);
  box.Refresh();
}

// Loads the landscape with the box as the destination of the progressive display.
void ShowProgressively(platform::Desktop& desktop, PictureBox& box) {
  StdPNG png(&desktop);
  png.ProgressiveDisplay(pngPixelated);
  png.ProgessiveDisplay.connect([&box](std::int32_t, std::int32_t, platform::Canvas*& dc,
                                       platform::HWND& hwnd, std::int32_t, bool, std::int32_t& x,
                                       std::int32_t& y, bool, bool) {
    dc = &box.hDC();
    hwnd = box.hWnd();
    x = 0;
    y = 0;
  });
  png.LoadBytes(std::span<const std::uint8_t>(qorvexctl_demo_landscape_png,
                                              qorvexctl_demo_landscape_png_size));
}

}  // namespace

void AddPngShowcase(platform::Form& form) {
  const Rect bounds = form.Bounds();
  form.SetBounds(
      Rect::FromSize(bounds.left, bounds.top, bounds.Width(), bounds.Height() + kFrameHeight));
  const int top = bounds.Height() - 24;  // under the status line
  auto& frame = form.Add<platform::Frame>("fraImagens");
  frame.Caption("Imagens PNG");
  frame.SetBounds(Rect::FromSize(12, top, 488, kFrameHeight - 10));
  AddCaption(form, frame, "lblEmblema", "Transparência sobre cor:", 12);
  AddCaption(form, frame, "lblPaisagem", "Carregamento progressivo:", 250);
  auto& emblem =
      AddPictureBox(form, frame, "picEmblema", Rect::FromSize(12, 38, 156, 84), RGB(250, 200, 60));
  auto& landscape = AddPictureBox(form, frame, "picPaisagem", Rect::FromSize(250, 38, 164, 124),
                                  RGB(255, 255, 255));
  ShowEmblem(emblem);
  ShowProgressively(form.GetDesktop(), landscape);
}

}  // namespace qorvexctl::demo
