#include "qorvexctl/controls/anigif/GifDisplaySurfaces.h"

#include <algorithm>
#include <vector>

#include "qorvexctl/platform/drawing/PixelRows.h"

namespace qorvexctl {
namespace {

platform::Rect RectOf(const gif::GifFrame& frame) {
  return platform::Rect::FromSize(frame.left, frame.top, frame.width, frame.height);
}

}  // namespace

platform::Rect UnionOf(const platform::Rect& a, const platform::Rect& b) {
  if (a.IsEmpty()) return b;
  if (b.IsEmpty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

void GifDisplaySurfaces::Changed(const platform::Rect& area) { m_changed = UnionOf(m_changed, area); }

void GifDisplaySurfaces::Update(const gif::GifComposer& composer) {
  if (composer.Canvas().empty()) return;
  platform::Rect area = m_changed;
  m_changed = {};
  if (m_colours.Width() != composer.Width() || m_colours.Height() != composer.Height()) {
    m_colours = platform::Surface(composer.Width(), composer.Height(), 24);
    m_mask = platform::Surface(composer.Width(), composer.Height(), 1);
    area = m_colours.Bounds();
  }
  area = area.Intersect(m_colours.Bounds());
  if (area.IsEmpty()) return;
  std::vector<std::uint32_t> maskValues(static_cast<std::size_t>(area.Width()));
  for (int y = area.top; y < area.bottom; ++y) {
    const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(composer.Width()) +
                           static_cast<std::size_t>(area.left);
    const Colour* colours = composer.Canvas().data() + at;
    std::uint8_t* row = m_colours.Row(y) + static_cast<std::ptrdiff_t>(area.left) * 3;
    for (int x = 0; x < area.Width(); ++x) {
      row[x * 3] = static_cast<std::uint8_t>(BlueOf(colours[x]));
      row[x * 3 + 1] = static_cast<std::uint8_t>(GreenOf(colours[x]));
      row[x * 3 + 2] = static_cast<std::uint8_t>(RedOf(colours[x]));
    }
    std::copy_n(composer.Mask().data() + at, maskValues.size(), maskValues.begin());
    platform::WriteRowValues(m_mask, y, area.left, area.Width(), maskValues.data());
  }
}

void GifDisplaySurfaces::Clear() {
  m_colours = {};
  m_mask = {};
  m_changed = {};
}

platform::Rect ChangedArea(const gif::GifImage& image, int from, int to) {
  const platform::Rect whole = platform::Rect::FromSize(0, 0, image.Width(), image.Height());
  const auto& frames = image.Frames();
  if (to <= 0 || to != from + 1 || to >= image.FrameCount()) return whole;
  const gif::GifFrame& previous = frames[static_cast<std::size_t>(from)];
  const platform::Rect disposed = previous.disposal >= 2 ? RectOf(previous) : platform::Rect{};
  return UnionOf(disposed, RectOf(frames[static_cast<std::size_t>(to)]));
}

}  // namespace qorvexctl
