// Form: the frame, the caption bar with its close box, and the client background.

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/drawing/Borders.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl::platform {
namespace {

void DrawCloseBox(Canvas& canvas, const Rect& caption) {
  const Rect box{caption.right - 18, caption.top + 2, caption.right - 2, caption.bottom - 2};
  canvas.FillRect(box, SystemColour(COLOR_BTNFACE));
  DrawRaisedEdge(canvas, box);
  canvas.SelectPen(Pen{SystemColour(COLOR_BTNTEXT), 1});
  const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
  for (int d = 0; d < 2; ++d) {
    canvas.MoveTo(cx - 4 + d, cy - 3);
    canvas.LineTo(cx + 3 + d, cy + 4);
    canvas.MoveTo(cx + 2 + d, cy - 3);
    canvas.LineTo(cx - 5 + d, cy + 4);
  }
}

}  // namespace

void Form::OnPaint(Canvas& canvas) {
  const Rect outer{0, 0, Bounds().Width(), Bounds().Height()};
  canvas.FillRect(outer, SystemColour(COLOR_BTNFACE));
  if (m_borderStyle != 0) {
    DrawRaisedEdge(canvas, outer);
    const int belowCaption = BarItems().empty() ? ClientOffset().y : BarRect().top;
    const Rect caption{4, 4, outer.right - 4, belowCaption - 1};
    const bool active = GetDesktop().ActiveWindow() == this;
    canvas.GradientFill(
        caption, SystemColour(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION),
        SystemColour(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION),
        GradientDirection::Horizontal);
    platform::Font bold = Font();
    bold.Bold(true);
    canvas.SelectFont(bold);
    canvas.SetTextColour(SystemColour(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    Rect text{caption.left + 3, caption.top, caption.right - 20, caption.bottom};
    canvas.DrawText(m_caption, text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    DrawCloseBox(canvas, caption);
  }
  if (!BarItems().empty()) {
    const Rect bar = BarRect();
    const std::vector<MenuItemLook> looks = BarLooks();
    PaintMenuBar(canvas, bar, LayOutMenuBar(looks, Font(), bar), looks, Font());
  }
  const Point origin = ClientOffset();
  canvas.FillRect(ClientRect().Offset(origin.x, origin.y), BackColor());
}

}  // namespace qorvexctl::platform
