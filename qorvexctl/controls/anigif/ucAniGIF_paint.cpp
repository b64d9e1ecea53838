// ucAniGIF looks: the size and scale for each Stretch mode, composing the frame on show, and
// drawing it mask first, then colours, at the offsets, scaled and mirrored.

#include <algorithm>
#include <cmath>

#include "qorvexctl/controls/anigif/ucAniGIF.h"
#include "qorvexctl/platform/drawing/Blit.h"
#include "qorvexctl/platform/drawing/Canvas.h"

namespace qorvexctl {
namespace {

// The control's size in pixels for a scale: the scaled GIF, truncated.
platform::Size Scaled(platform::Size gif, float scale) {
  return {static_cast<int>(static_cast<float>(gif.width) * scale),
          static_cast<int>(static_cast<float>(gif.height) * scale)};
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
// composed again from the first.
void ucAniGIF::ComposeCurrent() {
  if (!m_composer || m_current < 1) return;
  const int from = m_composer->Current();
  const int to = m_current - 1;
  if (from == to && !m_surfaces.IsEmpty()) return;
  if (to != from + 1) {
    for (int k = 0; k < to; ++k) m_composer->Show(k);
  }
  m_composer->Show(to);
  m_surfaces.Update(*m_composer, ChangedArea(m_image, from, to));
}

// After the colour tables changed: every frame up to the current one is composed again.
void ucAniGIF::Recompose() {
  if (!m_composer) return;
  m_composer = std::make_unique<GifComposer>(m_image);
  m_surfaces.Clear();
  Invalidate();
}

// Draws the current frame now and tells the host.
void ucAniGIF::Repaint() {
  Refresh();
  if (!m_startupPending && m_current > 0) FrameChanged(m_current);
}

void ucAniGIF::OnPaint(platform::Canvas& canvas) {
  const platform::Rect client = ClientRect();
  canvas.FillRect(client, BackColor());
  if (!m_startupPending) {
    ComposeCurrent();
    DrawFrame(canvas);
  }
  if (!RunMode()) canvas.FrameRect(client, RGB(0, 0, 0));
}

// The mask whitens nothing and blackens the opaque pixels (SRCAND); the colours, black where
// transparent, are then added (SRCPAINT). Negative extents mirror.
void ucAniGIF::DrawFrame(platform::Canvas& canvas) {
  if (m_surfaces.IsEmpty()) return;
  const platform::Point origin = ClientOffset();
  const int width = static_cast<int>(static_cast<float>(m_overall.width) * m_scaleX);
  const int height = static_cast<int>(static_cast<float>(m_overall.height) * m_scaleY);
  const bool acrossX = m_mirror == gfmHorizontal || m_mirror == gfmHorAndVer;
  const bool acrossY = m_mirror == gfmVertical || m_mirror == gfmHorAndVer;
  const int x = origin.x + m_offsetX + (acrossX ? width - 1 : 0);
  const int y = origin.y + m_offsetY + (acrossY ? height - 1 : 0);
  const int w = acrossX ? -width : width;
  const int h = acrossY ? -height : height;
  canvas.SetTextColour(RGB(0, 0, 0));
  canvas.SetBackgroundColour(RGB(255, 255, 255));
  if (w == m_overall.width && h == m_overall.height) {
    canvas.BitBlt(x, y, w, h, m_surfaces.Mask(), 0, 0, platform::SRCAND);
    canvas.BitBlt(x, y, w, h, m_surfaces.Colours(), 0, 0, platform::SRCPAINT);
    return;
  }
  canvas.StretchBlt(x, y, w, h, m_surfaces.Mask(), 0, 0, m_overall.width, m_overall.height,
                    platform::SRCAND);
  canvas.StretchBlt(x, y, w, h, m_surfaces.Colours(), 0, 0, m_overall.width, m_overall.height,
                    platform::SRCPAINT);
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
