// cSlider: folding, unfolding, the handle's hover look.

#include "qorvexctl/controls/helpers/cSlider.h"

#include <algorithm>

#include "qorvexctl/frame/Registry.h"

namespace qorvexctl {

cSlider::cSlider(LibraryState& library, platform::Desktop& desktop, platform::Window* container)
    : UserControl(library, desktop, container), m_handle(library, desktop, this) {
  m_handle.Name("cc");
  m_handle.InitProperties();
  m_handle.Font(platform::Font(kArrowFontFace, 12, true));
  m_handle.Move(0, 0, kSlideButtonWidthTwips, std::max(Height(), kSlideButtonWidthTwips));
  HoverLook(false);
  m_handle.Click.connect([this] { SlideOpen(!m_open); });
  m_handle.MouseOnButton.connect([this](bool& over) { HoverLook(over); });
  SlideOpen(true);
}

cSlider::~cSlider() { Terminate(); }

void cSlider::SlideOpen(bool open) {
  if (open == m_open) return;
  m_open = open;
  if (open) {
    Unfold();
  } else {
    Fold();
  }
  m_handle.ZOrder(0);
  Slided();
}

int cSlider::ContentRightEdge() const {
  int edge = 0;
  for (const platform::Window* child : Children()) {
    if (child == &m_handle) continue;
    edge = std::max(edge, child->Left() + child->Width());
  }
  return edge;
}

void cSlider::Unfold() {
  Width(ContentRightEdge() + m_handle.Width() + kSlideMarginTwips);
  m_handle.Left(Width() - m_handle.Width());
  m_handle.Caption(kFoldCaption);
}

void cSlider::Fold() {
  Width(m_handle.Width());
  m_handle.Move(0, 0);
  m_handle.Caption(kUnfoldCaption);
}

void cSlider::OnResize() {
  UserControl::OnResize();
  const int left = m_open ? Width() - m_handle.Width() : 0;
  m_handle.Move(left, 0, m_handle.Width(), Height());
}

void cSlider::HoverLook(bool over) {
  m_handle.DelayDrawing(true);
  m_handle.ButtonStyle(over ? efbxp_XP : efbxp_hover);
  m_handle.GradientMode(over ? efbxp_Top2Bottom : efbxp_NoGradient);
  m_handle.ForeColor(over ? RGB(0, 0, 0xC0) : RGB(0x40, 0x40, 0x40));
  m_handle.DelayDrawing(false);
}

void RegisterSlider(Registry& registry, platform::Desktop& desktop) {
  registry.Register("cSlider", [&desktop](LibraryState& library) {
    return std::make_unique<cSlider>(library, desktop);
  });
  registry.Members().Add<cSlider>(cSlider::Members());
}

}  // namespace qorvexctl
