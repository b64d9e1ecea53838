#include "qorvexctl/imaging/stdPNGdata.h"

namespace qorvexctl {

namespace {

platform::Rect WholeOf(const platform::Surface& surface) { return surface.Bounds(); }

}  // namespace

bool stdPNGdata::Adopt(platform::Surface surface) {
  if (surface.IsEmpty()) return false;
  m_surface = std::move(surface);
  CreateMemoryDC();
  return true;
}

void stdPNGdata::CreateMemoryDC() {
  if (!m_memoryDC && !m_surface.IsEmpty()) {
    m_memoryDC = std::make_unique<platform::Canvas>(m_surface);
  }
}

bool stdPNGdata::CompositeOnto(Colour background, int alphaBlendValue) {
  platform::Surface opaque(Width(), Height(), 24);
  if (opaque.IsEmpty()) return false;
  platform::Canvas canvas(opaque);
  canvas.FillRect(WholeOf(opaque), background);
  canvas.AlphaBlend(0, 0, Width(), Height(), m_surface, 0, 0, Width(), Height(),
                    {alphaBlendValue, true});
  const bool hadDC = m_memoryDC != nullptr;
  m_memoryDC.reset();
  m_surface = std::move(opaque);
  if (hadDC) CreateMemoryDC();
  return true;
}

void stdPNGdata::Draw(platform::Canvas& target, const platform::Rect& dest,
                      const platform::Rect& source, int alphaBlendValue) const {
  if (BitCount() == 32) {
    target.AlphaBlend(dest.left, dest.top, dest.Width(), dest.Height(), m_surface, source.left,
                      source.top, source.Width(), source.Height(), {alphaBlendValue, true});
  } else {
    target.StretchBlt(dest.left, dest.top, dest.Width(), dest.Height(), m_surface, source.left,
                      source.top, source.Width(), source.Height(), platform::SRCCOPY);
  }
}

bool stdPNGdata::CaptureBackground(platform::Canvas& destination, platform::Point at,
                                   std::int32_t background) {
  const int bits = destination.Target().BitsPerPixel();
  auto capture = std::make_unique<platform::Surface>(Width(), Height(), bits);
  auto workspace = std::make_unique<platform::Surface>(Width(), Height(), bits);
  if (capture->IsEmpty() || workspace->IsEmpty()) return false;
  platform::Canvas canvas(*capture);
  if (background == -1) {
    canvas.BitBlt(0, 0, Width(), Height(), destination, at.x, at.y, platform::SRCCOPY);
  } else {
    canvas.FillRect(WholeOf(*capture), static_cast<Colour>(background));
  }
  m_background = std::move(capture);
  m_workspace = std::move(workspace);
  return true;
}

void stdPNGdata::ShowProgress(platform::Canvas& destination, platform::Point at,
                              const platform::Rect& area, int alphaBlendValue) {
  const platform::Rect onScreen = area.Offset(at.x, at.y);
  if (!m_background) {
    Draw(destination, onScreen, area, alphaBlendValue);
    return;
  }
  platform::Canvas work(*m_workspace);
  work.BitBlt(area.left, area.top, area.Width(), area.Height(), *m_background, area.left, area.top,
              platform::SRCCOPY);
  Draw(work, area, area, alphaBlendValue);
  destination.BitBlt(onScreen.left, onScreen.top, area.Width(), area.Height(), *m_workspace,
                     area.left, area.top, platform::SRCCOPY);
}

}  // namespace qorvexctl
