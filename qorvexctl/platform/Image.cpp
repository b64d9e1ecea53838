#include "qorvexctl/platform/Image.h"

#include "qorvexctl/platform/Canvas.h"

namespace qorvexctl::platform {

Image::Image(Window& parent) : Control(parent.GetDesktop(), &parent) { TabStop(false); }

void Image::Picture(std::shared_ptr<const Surface> value) {
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
  const int w = m_stretch ? Bounds().Width() : m_picture->Width();
  const int h = m_stretch ? Bounds().Height() : m_picture->Height();
  if (m_picture->BitsPerPixel() == 32) {
    canvas.AlphaBlend(0, 0, w, h, *m_picture, 0, 0, m_picture->Width(), m_picture->Height(),
                      BlendFunction{});
  } else {
    canvas.StretchBlt(0, 0, w, h, *m_picture, 0, 0, m_picture->Width(), m_picture->Height(),
                      SRCCOPY);
  }
}

}  // namespace qorvexctl::platform
