#include "qorvexctl/platform/desktop/Compositor.h"

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Window.h"
#include "qorvexctl/platform/drawing/Canvas.h"

namespace qorvexctl::platform {
namespace {

// Draws `w` with its top-left corner at `origin`, limited to `clip`.
void ComposeTree(Canvas& canvas, const Window& w, Point origin, const Region& clip) {
  const Surface& pixels = w.BackingSurface();
  if (!w.Visible() || pixels.IsEmpty()) return;
  const Rect area = Rect::FromSize(origin.x, origin.y, pixels.Width(), pixels.Height());
  Region visible = Region::Combine(clip, Region::FromRect(area), CombineMode::And);
  if (const Region* shape = w.WindowRegion()) {
    Region moved = *shape;
    visible = Region::Combine(visible, moved.Offset(origin.x, origin.y), CombineMode::And);
  }
  if (visible.IsEmpty()) return;
  canvas.SetClipRegion(visible);
  if (w.IsTransparent()) {
    canvas.AlphaBlend(area.left, area.top, area.Width(), area.Height(), pixels, 0, 0,
                      pixels.Width(), pixels.Height(), BlendFunction{});
  } else {
    canvas.BitBlt(area.left, area.top, area.Width(), area.Height(), pixels, 0, 0, SRCCOPY);
  }
  const Point client{origin.x + w.ClientOffset().x, origin.y + w.ClientOffset().y};
  const Rect clientArea = w.ClientRect().Offset(client.x, client.y);
  const Region childClip = Region::Combine(visible, Region::FromRect(clientArea), CombineMode::And);
  for (const Window* child : w.Children()) {
    const Rect b = child->Bounds();
    ComposeTree(canvas, *child, {client.x + b.left, client.y + b.top}, childClip);
  }
}

}  // namespace

Surface ComposeDesktop(Desktop& desktop) {
  desktop.PaintPending();
  const Size size = desktop.ScreenSize();
  Surface screen(size.width, size.height, 32);
  ComposeDesktopArea(desktop, screen, Region::FromRect(screen.Bounds()));
  return screen;
}

void ComposeDesktopArea(Desktop& desktop, Surface& screen, const Region& area) {
  Canvas canvas(screen, &desktop.Colours());
  canvas.SetClipRegion(area);
  canvas.FillRect(screen.Bounds(), SystemColour(COLOR_BACKGROUND));
  for (const Window* w : desktop.TopLevelWindows()) {
    ComposeTree(canvas, *w, {w->Bounds().left, w->Bounds().top}, area);
  }
}

Surface ComposeWindow(Window& window) {
  window.GetDesktop().PaintPending();
  Surface out(window.Bounds().Width(), window.Bounds().Height(), 32);
  if (out.IsEmpty()) return out;
  ComposeWindowArea(window, out, Region::FromRect(out.Bounds()));
  return out;
}

void ComposeWindowArea(Window& window, Surface& out, const Region& area) {
  Canvas canvas(out, &window.GetDesktop().Colours());
  ComposeTree(canvas, window, {0, 0}, area);
}

}  // namespace qorvexctl::platform
