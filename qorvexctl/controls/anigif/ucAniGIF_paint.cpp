// ucAniGIF looks: the size and scale for each Stretch mode, composing the frame on show, and
// drawing it mask first, then colours, at the offsets, scaled and mirrored.

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

#include "qorvexctl/controls/anigif/ucAniGIF.h"
#include "qorvexctl/platform/drawing/Blit.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/drawing/PixelRows.h"
#include "qorvexctl/platform/drawing/Region.h"

namespace qorvexctl {
namespace {

// The control's size in pixels for a scale: the scaled GIF, truncated.
platform::Size Scaled(platform::Size gif, float scale) {
  return {static_cast<int>(static_cast<float>(gif.width) * scale),
          static_cast<int>(static_cast<float>(gif.height) * scale)};
}

// One row of the frame over the background: opaque pixels take their colour, transparent ones
// (mask set) the background. Branch-free over arrays that do not overlap, so that it vectorises.
void ShowRow(const Colour* __restrict colours, const std::uint8_t* __restrict mask,
             std::uint32_t* __restrict words, std::size_t count, std::uint32_t backWord) {
  for (std::size_t x = 0; x < count; ++x) {
    const std::uint32_t word = platform::PixelWordOf(colours[x]);
    words[x] = mask[x] != 0 ? backWord : word;
  }
}

}  // namespace

void ucAniGIF::ApplyScale(bool resize) {
  if (m_overall.width <= 0 || m_overall.height <= 0 || m_resizing) return;
  const platform::Rect bounds = Bounds();
  const platform::Size control{bounds.Width(), bounds.Height()};
  const float fitX = static_cast<float>(control.width) / static_cast<float>(m_overall.width);
  const float fitY = static_cast<float>(control.height) / static_cast<float>(m_overall.height);
  const bool larger = m_overall.width > control.width || m_overall.height > control.height;
  platform::Size size = control;
  m_scaleX = m_scaleY = 1.0f;
  switch (m_stretch) {
    case gfsClip:
      size = {std::min(control.width, m_overall.width), std::min(control.height, m_overall.height)};
      break;
    case gfsActualSize:
      size = m_overall;
      break;
    case gfsStretch:
      m_scaleX = fitX;
      m_scaleY = fitY;
      break;
    case gfsShrinkScaleToFit:
      if (larger) m_scaleX = m_scaleY = std::min(fitX, fitY);
      size = Scaled(m_overall, m_scaleX);
      break;
    default:  // gfsScaleAlways
      m_scaleX = m_scaleY = std::min(fitX, fitY);
      size = Scaled(m_overall, m_scaleX);
      break;
  }
  if (!resize || size == control) return;
  const FlagGuard resizing(m_resizing);
  SetBounds(platform::Rect::FromSize(bounds.left, bounds.top, size.width, size.height));
}

void ucAniGIF::OnResize() {
  ApplyScale(true);
  Invalidate();
}

// Brings the composition to the current frame: one step when it is the next frame, else
// composed again from the first. Returns the part of the canvas that changed.
platform::Rect ucAniGIF::ComposeCurrent() {
  if (!m_composer || m_current < 1) return {};
  const int from = m_composer->Current();
  const int to = m_current - 1;
  if (from == to) return {};
  if (to != from + 1) {
    for (int k = 0; k < to; ++k) m_composer->Show(k);
  }
  m_composer->Show(to);
  const platform::Rect changed = ChangedArea(m_image, from, to);
  m_surfaces.Changed(changed);
  return changed;
}

// After the colour tables changed: every frame up to the current one is composed again.
void ucAniGIF::Recompose() {
  if (!m_composer) return;
  m_composer = std::make_unique<gif::GifComposer>(m_image);
  m_surfaces.Clear();
  Invalidate();
}

// Where the frame is drawn in the control: at the offsets, scaled; `negativeX`/`negativeY`
// when mirrored (the blit then runs from the far edge back).
ucAniGIF::Placement ucAniGIF::FramePlacement() const {
  const platform::Point origin = ClientOffset();
  Placement p;
  p.width = static_cast<int>(static_cast<float>(m_overall.width) * m_scaleX);
  p.height = static_cast<int>(static_cast<float>(m_overall.height) * m_scaleY);
  p.left = origin.x + m_offsetX;
  p.top = origin.y + m_offsetY;
  p.acrossX = m_mirror == gfmHorizontal || m_mirror == gfmHorAndVer;
  p.acrossY = m_mirror == gfmVertical || m_mirror == gfmHorAndVer;
  return p;
}

// The control pixels that show `area` of the canvas (one pixel more all round, for the
// rounding of a stretch).
platform::Rect ucAniGIF::ControlArea(const platform::Rect& area) const {
  if (area.IsEmpty()) return {};
  const Placement p = FramePlacement();
  auto span = [](int low, int high, float scale, int size, bool across) {
    int first = static_cast<int>(std::floor(static_cast<float>(low) * scale)) - 1;
    int last = static_cast<int>(std::ceil(static_cast<float>(high) * scale)) + 1;
    if (across) std::tie(first, last) = std::pair(size - last, size - first);
    return std::pair(first, last);
  };
  const auto [left, right] = span(area.left, area.right, m_scaleX, p.width, p.acrossX);
  const auto [top, bottom] = span(area.top, area.bottom, m_scaleY, p.height, p.acrossY);
  return platform::Rect{left, top, right, bottom}.Offset(p.left, p.top);
}

// Draws the current frame now and tells the host. When the window's pixels still show the
// frame before, only the part of the control the step changed is painted again.
void ucAniGIF::Repaint() {
  if (!m_startupPending) {
    const platform::Rect changed = ComposeCurrent();
    const bool intact = !NeedsPaint() && BackingSurface().Width() == Bounds().Width() &&
                        BackingSurface().Height() == Bounds().Height();
    if (intact) m_paintArea = ControlArea(changed);
  }
  Refresh();
  m_paintArea.reset();
  if (!m_startupPending && m_current > 0) FrameChanged(m_current);
}

void ucAniGIF::OnPaint(platform::Canvas& canvas) {
  platform::Rect area = ClientRect();
  if (m_paintArea) {
    area = m_paintArea->Intersect(area);
    canvas.SetClipRegion(platform::Region::FromRect(area));
  }
  if (m_startupPending) {
    canvas.FillRect(area, BackColor());
  } else {
    ComposeCurrent();
    DrawFrame(canvas, area);
  }
  if (!RunMode()) canvas.FrameRect(ClientRect(), RGB(0, 0, 0));
}

// Fills `area` with the background, then draws the frame over it: the mask whitens nothing
// and blackens the opaque pixels (SRCAND); the colours, black where transparent, are then
// added (SRCPAINT). Negative extents mirror. At scale 1 without mirroring on a 32-bit surface
// the same pixels are written straight from the canvas.
void ucAniGIF::DrawFrame(platform::Canvas& canvas, const platform::Rect& area) {
  const bool composed = m_composer && !m_composer->Canvas().empty();
  const Placement p = FramePlacement();
  const bool actualSize = p.width == m_overall.width && p.height == m_overall.height;
  const bool plain = actualSize && !p.acrossX && !p.acrossY;
  if (composed && plain && canvas.Target().BitsPerPixel() == 32) {
    DrawOverBackground(canvas, p, area);
    return;
  }
  canvas.FillRect(area, BackColor());
  if (!composed) return;
  m_surfaces.Update(*m_composer);
  const int x = p.acrossX ? p.left + p.width - 1 : p.left;
  const int y = p.acrossY ? p.top + p.height - 1 : p.top;
  const int w = p.acrossX ? -p.width : p.width;
  const int h = p.acrossY ? -p.height : p.height;
  canvas.SetTextColour(RGB(0, 0, 0));
  canvas.SetBackgroundColour(RGB(255, 255, 255));
  if (plain) {
    canvas.BitBlt(x, y, w, h, m_surfaces.Mask(), 0, 0, platform::SRCAND);
    canvas.BitBlt(x, y, w, h, m_surfaces.Colours(), 0, 0, platform::SRCPAINT);
    return;
  }
  canvas.StretchBlt(x, y, w, h, m_surfaces.Mask(), 0, 0, m_overall.width, m_overall.height,
                    platform::SRCAND);
  canvas.StretchBlt(x, y, w, h, m_surfaces.Colours(), 0, 0, m_overall.width, m_overall.height,
                    platform::SRCPAINT);
}

// What the fill and the two blits give at scale 1, in one pass over the frame: opaque pixels
// take their colour, transparent ones the background; the background round the frame.
void ucAniGIF::DrawOverBackground(platform::Canvas& canvas, const Placement& p,
                                  const platform::Rect& area) {
  platform::Surface& target = canvas.Target();
  const platform::Rect frame = platform::Rect::FromSize(p.left, p.top, p.width, p.height);
  const platform::Rect drawn = frame.Intersect(area).Intersect(target.Bounds());
  const Colour back = canvas.Resolve(BackColor());
  if (drawn.IsEmpty()) {
    canvas.FillRect(area, back);
    return;
  }
  for (const platform::Rect& band : {platform::Rect{area.left, area.top, area.right, drawn.top},
                                     platform::Rect{area.left, drawn.bottom, area.right, area.bottom},
                                     platform::Rect{area.left, drawn.top, drawn.left, drawn.bottom},
                                     platform::Rect{drawn.right, drawn.top, area.right, drawn.bottom}}) {
    if (!band.IsEmpty()) canvas.FillRect(band, back);
  }
  const std::uint32_t backWord = platform::PixelWordOf(back);
  const auto canvasWidth = static_cast<std::size_t>(m_composer->Width());
  const auto count = static_cast<std::size_t>(drawn.Width());
  for (int y = drawn.top; y < drawn.bottom; ++y) {
    const std::size_t at = static_cast<std::size_t>(y - p.top) * canvasWidth +
                           static_cast<std::size_t>(drawn.left - p.left);
    ShowRow(m_composer->Canvas().data() + at, m_composer->Mask().data() + at,
            target.Words(y) + drawn.left, count, backWord);
  }
}

// Pixels in the container's scale units (twips unless it has a scale of its own).
float ucAniGIF::ToContainerX(int pixels) const {
  const auto* container = dynamic_cast<const platform::Control*>(Parent());
  return container ? container->ScaleXOfPixels(pixels)
                   : static_cast<float>(platform::PixelsToTwips(pixels));
}

float ucAniGIF::ToContainerY(int pixels) const {
  const auto* container = dynamic_cast<const platform::Control*>(Parent());
  return container ? container->ScaleYOfPixels(pixels)
                   : static_cast<float>(platform::PixelsToTwips(pixels));
}

}  // namespace qorvexctl
