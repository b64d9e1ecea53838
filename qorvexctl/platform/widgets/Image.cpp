#include "qorvexctl/platform/widgets/Image.h"

#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/widgets/DrawingLayer.h"

namespace qorvexctl::platform {

Image::Image(Window& parent) : Control(parent.GetDesktop(), &parent) { TabStop(false); }

void Image::Picture(std::shared_ptr<platform::Picture> value) {
  m_picture = std::move(value);
  FitToPicture();
  Invalidate();
}

void Image::Stretch(bool value) {
  m_stretch = value;
  FitToPicture();
  Invalidate();
}

void Image::FitToPicture() {
  if (m_stretch || !m_picture) return;
  const Rect b = Bounds();
  SetBounds(Rect::FromSize(b.left, b.top, m_picture->Width(), m_picture->Height()));
}

void Image::OnPaint(Canvas& canvas) {
  if (!m_picture || m_picture->IsEmpty()) return;
  const Surface& pixels = m_picture->Pixels();
  const int w = m_stretch ? Bounds().Width() : pixels.Width();
  const int h = m_stretch ? Bounds().Height() : pixels.Height();
  DrawPictureStretched(canvas, pixels, {0, 0, w, h});
}

}  // namespace qorvexctl::platform
