#include "qorvexctl/platform/drawing/ShapePath.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>

namespace qorvexctl::platform {

namespace {

// Replays the path on a cairo context whose origin is the top-left corner of the mask.
void Trace(cairo_t* cr, const ShapePath& path) {
  for (const ShapePath::Step& step : path.Steps()) {
    switch (step.kind) {
      case ShapePath::Kind::Move:
        cairo_move_to(cr, step.point.x, step.point.y);
        break;
      case ShapePath::Kind::Line:
        cairo_line_to(cr, step.point.x, step.point.y);
        break;
      case ShapePath::Kind::Close:
        cairo_close_path(cr);
        break;
      case ShapePath::Kind::Arc:
        if (step.rx <= 0 || step.ry <= 0) break;
        cairo_save(cr);
        cairo_translate(cr, step.point.x, step.point.y);
        cairo_scale(cr, step.rx, step.ry);
        cairo_arc_negative(cr, 0, 0, 1, step.from, step.from - step.sweep);
        cairo_restore(cr);
        break;
    }
  }
}

// Draws with `paint` on an A8 surface the size of `area` and copies out its bytes.
std::vector<std::uint8_t> RenderCoverage(const ShapePath& path, const Rect& area,
                                         const std::function<void(cairo_t*)>& paint) {
  std::vector<std::uint8_t> coverage;
  if (area.IsEmpty()) return coverage;
  const int width = area.Width(), height = area.Height();
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, width, height);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return coverage;
  }
  cairo_t* cr = cairo_create(surface);
  cairo_translate(cr, -area.left, -area.top);
  Trace(cr, path);
  paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  coverage.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; data != nullptr && y < height; ++y) {
    std::memcpy(coverage.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width),
                data + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride),
                static_cast<std::size_t>(width));
  }
  cairo_surface_destroy(surface);
  return coverage;
}

}  // namespace

RectF ShapePath::Bounds() const {
  RectF box{INFINITY, INFINITY, -INFINITY, -INFINITY};
  const auto include = [&box](double left, double top, double right, double bottom) {
    box = {std::min(box.left, left), std::min(box.top, top), std::max(box.right, right),
           std::max(box.bottom, bottom)};
  };
  for (const Step& step : m_steps) {
    if (step.kind == Kind::Close) continue;
    include(step.point.x - step.rx, step.point.y - step.ry, step.point.x + step.rx,
            step.point.y + step.ry);
  }
  return box.left <= box.right ? box : RectF{};
}

std::vector<std::uint8_t> FillCoverage(const ShapePath& path, FillMode mode, const Rect& area) {
  return RenderCoverage(path, area, [mode](cairo_t* cr) {
    cairo_set_fill_rule(
        cr, mode == FillMode::Winding ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(cr);
  });
}

std::vector<std::uint8_t> StrokeCoverage(const ShapePath& path, const StrokeStyle& style,
                                         const Rect& area) {
  return RenderCoverage(path, area, [&style](cairo_t* cr) {
    cairo_set_line_width(cr, style.width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (!style.dashes.empty()) {
      cairo_set_dash(cr, style.dashes.data(), static_cast<int>(style.dashes.size()),
                     style.dashOffset);
    }
    cairo_stroke(cr);
  });
}

}  // namespace qorvexctl::platform
