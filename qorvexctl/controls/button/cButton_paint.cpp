// cButton drawing: the state handed to the look's painter, the off-screen surface copied to
// the window in one blit, and the window region of the shape.

#include "qorvexctl/controls/button/ButtonContent.h"
#include "qorvexctl/controls/button/ButtonShapes.h"
#include "qorvexctl/controls/button/cButton.h"
#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl {

ButtonColours cButton::PaintColours() const {
  const platform::SystemColours& system = GetDesktop().Colours();
  const bool hot = IsHot();
  ButtonColours colours;
  colours.face = system.Resolve(hot ? EffectiveHoverBack() : BackColor());
  colours.gradient = system.Resolve(m_gradientColour);
  colours.caption = system.Resolve(hot ? EffectiveHoverFore() : ForeColor());
  colours.container = system.Resolve(Ambient().BackColor);
  return colours;
}

ButtonState cButton::PaintState() const {
  ButtonState state;
  state.mode = m_mode;
  state.pressed = IsPressed();
  state.hot = IsHot();
  state.checked = m_mode != efbxp_CommandButton && m_value;
  state.disabled = !IsEnabledInTree();
  state.focused = (m_state & kFocus) != 0;
  state.showFocusRect = m_showFocusRect;
  state.isDefault = Ambient().DisplayAsDefault;
  state.shape = m_shape;
  state.region = CurrentRegion();
  state.customOffset = CustomClickOffset(m_customClick);
  state.gradient = m_gradientMode;
  state.screen = GetDesktop().ScreenSize();
  state.caption = m_caption;
  state.captionAlign = m_captionAlign;
  state.captionStyle = m_captionStyle;
  state.font = Font();
  state.picture = m_picture.get();
  state.pictureSize = m_imageSizePixels;
  state.pictureAlign = m_pictureAlign;
  return state;
}

platform::Rect cButton::PictureRect() const {
  const platform::Rect bounds = ClientRect();
  if (!m_picture) return bounds;
  return FillPictureRect(bounds, m_imageSizePixels, {m_picture->Width(), m_picture->Height()});
}

// The shape's region; a pressed custom shape moves towards its CustomClick direction.
platform::Region cButton::CurrentRegion() const {
  const platform::Size size{ClientRect().Width(), ClientRect().Height()};
  if (!IsCustomShape(m_shape) || !m_picture) return ShapeRegion(m_shape, m_look, size);
  platform::Region region = PictureShapeRegion(m_picture->Pixels(), PictureRect());
  if (IsPressed()) {
    const platform::Point offset = CustomClickOffset(m_customClick);
    region.Offset(offset.x, offset.y);
  }
  return region;
}

void cButton::UpdateShape() {
  platform::Region region = CurrentRegion();
  const platform::Region* current = WindowRegion();
  if (current && *current == region) return;
  SetWindowRgn(std::move(region));
}

void cButton::OnResize() {
  UpdateShape();
  Redraw();
}

platform::Canvas& cButton::hDC() {
  if (!m_offscreenCanvas) {
    m_offscreenCanvas = std::make_unique<platform::Canvas>(m_offscreen, &GetDesktop().Colours());
  }
  return *m_offscreenCanvas;
}

bool cButton::RenderOffscreen() {
  if (m_delayDrawing || Terminated()) return false;
  const platform::Rect bounds = ClientRect();
  if (bounds.IsEmpty()) return false;
  if (m_offscreen.Width() != bounds.Width() || m_offscreen.Height() != bounds.Height()) {
    m_offscreenCanvas.reset();
    m_offscreen = platform::Surface(bounds.Width(), bounds.Height(), 32);
  }
  PainterFor(m_look).Paint(m_offscreen, bounds, PaintColours(), PaintState());
  return true;
}

void cButton::Redraw() {
  if (RenderOffscreen()) platform::Window::Refresh();
}

void cButton::OnPaint(platform::Canvas& canvas) {
  const platform::Rect bounds = ClientRect();
  if (m_offscreen.Width() != bounds.Width() || m_offscreen.Height() != bounds.Height()) {
    RenderOffscreen();
  }
  if (m_offscreen.IsEmpty()) return;
  canvas.BitBlt(0, 0, m_offscreen.Width(), m_offscreen.Height(), m_offscreen, 0, 0,
                platform::SRCCOPY);
}

}  // namespace qorvexctl
