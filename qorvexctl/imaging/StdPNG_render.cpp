// StdPNG's drawing: the bitmap's device context, Paint, and the progressive display of a
// load (the ProgessiveDisplay event, the strategies, the background capture, the final paint).

#include "qorvexctl/imaging/StdPNG.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Window.h"

namespace qorvexctl {

namespace {

constexpr std::int32_t kDefaultScreenWidth = 1024;
constexpr std::int32_t kDefaultScreenHeight = 768;

platform::Rect ImageRect(const stdPNGdata& bitmap) {
  return platform::Rect::FromSize(0, 0, bitmap.Width(), bitmap.Height());
}

}  // namespace

const platform::Surface* StdPNG::Handle() const {
  return Answering() && m_bitmap ? &m_bitmap->Bitmap() : nullptr;
}

platform::Canvas* StdPNG::hDC() const {
  return Answering() && m_bitmap ? m_bitmap->MemoryDC() : nullptr;
}

bool StdPNG::HasOwnDC() const { return Answering() && m_hasOwnDC; }

void StdPNG::HasOwnDC(bool value) {
  if (!Answering()) return;
  m_hasOwnDC = value;
  if (!m_bitmap) return;
  if (value)
    m_bitmap->CreateMemoryDC();
  else
    m_bitmap->ReleaseMemoryDC();
}

void StdPNG::Paint(platform::Canvas* hDC, std::int32_t destX, std::int32_t destY) {
  PngPaintArea area;
  Paint(hDC, destX, destY, area);
}

void StdPNG::Paint(platform::Canvas* hDC, std::int32_t destX, std::int32_t destY,
                   PngPaintArea& area) {
  if (!m_bitmap || hDC == nullptr || area.destCx < 0 || area.destCy < 0) return;
  if (m_loadState >= kStateDecoding) return;
  if (area.PngDC == nullptr && m_bitmap->MemoryDC() == nullptr) return;
  if (area.destCx == 0) area.destCx = m_bitmap->Width();
  if (area.destCy == 0) area.destCy = m_bitmap->Height();
  if (area.pngCx < 1) area.pngCx = m_bitmap->Width();
  if (area.pngCy < 1) area.pngCy = m_bitmap->Height();
  m_bitmap->Draw(*hDC, platform::Rect::FromSize(destX, destY, area.destCx, area.destCy),
                 platform::Rect::FromSize(area.pngX, area.pngY, area.pngCx, area.pngCy),
                 area.AlphaBlend);
}

// Raised only when ProgressiveDisplay is below 4; the host fills in where to draw.
StdPNG::Destination StdPNG::AskForDestination() {
  Destination destination;
  if (m_progressiveDisplay >= pngNeverProgressive) return destination;
  ProgessiveDisplay(m_info.header.width, m_info.header.height, destination.canvas, destination.hwnd,
                    m_info.background, m_info.HasAlpha(), destination.x, destination.y,
                    m_info.header.IsInterlaced(), SuggestProgression());
  return destination;
}

// Interlaced images, and images covering more than a third of the screen (counted in blocks
// of 100 x 100 pixels).
bool StdPNG::SuggestProgression() const {
  if (m_info.header.IsInterlaced()) return true;
  platform::Size screen{kDefaultScreenWidth, kDefaultScreenHeight};
  if (m_desktop != nullptr) screen = m_desktop->ScreenSize();
  const std::int64_t blocks =
      std::int64_t{m_info.header.height / 100} * (m_info.header.width / 100);
  return blocks > (std::int64_t{screen.width / 100} * (screen.height / 100)) / 3;
}

std::uint16_t StdPNG::ChooseStrategy(const Destination& destination) const {
  if (!destination.IsSet()) return kStrategyNone;
  const bool interlaced = m_info.header.IsInterlaced();
  if (m_info.HasAlpha()) return interlaced ? kStrategyFadeIn : kStrategyScanner;
  if (interlaced) return (m_progressiveDisplay & pngFadeIn) ? kStrategyFadeIn : kStrategyPixelated;
  return kStrategyScanner;
}

// Images drawn with alpha, interlaced images and images put on a background colour are shown
// over a capture of what lies under them; when it cannot be made the image is painted once
// at the end instead.
void StdPNG::PrepareBackground(const Destination& destination, int bitCount) {
  const std::uint16_t strategy = m_loadState & kStrategyMask;
  const bool background = m_resolvedBackground != -1;
  if (strategy == kStrategyNone && !background) return;
  if (bitCount != 32 && !m_info.header.IsInterlaced() && !background) return;
  if (!destination.IsSet()) return;
  if (!m_bitmap->CaptureBackground(*destination.canvas, {destination.x, destination.y},
                                   m_resolvedBackground)) {
    m_loadState |= kStrategyNone;
  }
}

png::ScanlineHooks StdPNG::MakeHooks(const Destination& destination, int alphaBlendValue) {
  png::ScanlineHooks hooks;
  hooks.progress = [this](int percentage) { Progress(percentage); };
  const std::uint16_t strategy = m_loadState & kStrategyMask;
  if (strategy == kStrategyScanner) {
    hooks.bandReady = [this, destination, alphaBlendValue](std::int32_t first, std::int32_t rows) {
      ShowProgress(destination, platform::Rect::FromSize(0, first, m_bitmap->Width(), rows),
                   alphaBlendValue);
    };
  } else if (strategy == kStrategyFadeIn || strategy == kStrategyPixelated) {
    hooks.passReady = [this, destination, alphaBlendValue](int) {
      ShowProgress(destination, ImageRect(*m_bitmap), alphaBlendValue);
    };
    hooks.fillBlocks = strategy == kStrategyPixelated;
  }
  return hooks;
}

void StdPNG::ShowProgress(const Destination& destination, const platform::Rect& area,
                          int alphaBlendValue) {
  m_bitmap->ShowProgress(*destination.canvas, {destination.x, destination.y}, area,
                         alphaBlendValue);
  RedrawDestination(destination, area.Offset(destination.x, destination.y));
}

// RedrawWindow with RDW_INVALIDATE | RDW_UPDATENOW: the window repaints at once.
void StdPNG::RedrawDestination(const Destination& destination, const platform::Rect&) const {
  if (m_desktop == nullptr) return;
  if (platform::Window* window = m_desktop->FromHandle(destination.hwnd)) {
    window->Invalidate();
    window->Paint();
  }
}

bool StdPNG::FinishLoad(const Destination& destination, int alphaBlendValue) {
  if (m_resolvedBackground != -1 &&
      !m_bitmap->CompositeOnto(static_cast<Colour>(m_resolvedBackground), alphaBlendValue)) {
    return Fail(png::Failure::BitmapCreationFailed);
  }
  const std::uint16_t strategy = m_loadState & kStrategyMask;
  if (destination.IsSet() && (strategy == 0 || (strategy & kStrategyNone))) {
    const platform::Rect whole = ImageRect(*m_bitmap);
    m_bitmap->Draw(*destination.canvas, whole.Offset(destination.x, destination.y), whole,
                   alphaBlendValue);
    RedrawDestination(destination, whole.Offset(destination.x, destination.y));
  }
  if (!m_hasOwnDC) m_bitmap->ReleaseMemoryDC();
  return true;
}

}  // namespace qorvexctl
