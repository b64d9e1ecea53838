#include "qorvexctl/platform/widgets/PictureBox.h"

#include "qorvexctl/platform/drawing/Borders.h"

namespace qorvexctl::platform {

PictureBox::PictureBox(Window& parent) : Control(parent.GetDesktop(), &parent) {
  SetFrameInsets({2, 2, 2, 2});
}

void PictureBox::Picture(std::shared_ptr<platform::Picture> value) {
  m_picture = std::move(value);
  if (m_picture) m_layer.PaintPicture(*m_picture, 0, 0);
  Invalidate();
}

void PictureBox::BorderStyle(int value) {
  if (value != 0 && value != 1) return;
  m_borderStyle = value;
  SetFrameInsets(value ? Rect{2, 2, 2, 2} : Rect{});
}

void PictureBox::OnPaint(Canvas& canvas) {
  if (m_borderStyle) DrawSunkenEdge(canvas, {0, 0, Bounds().Width(), Bounds().Height()});
  m_layer.PaintOnto(canvas, ClientOffset(), [this] {
    if (m_picture) m_layer.PaintPicture(*m_picture, 0, 0);
    Paint();
  });
}

}  // namespace qorvexctl::platform
