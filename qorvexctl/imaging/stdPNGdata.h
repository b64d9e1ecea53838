#pragma once
// The bitmap of a decoded PNG image and its memory device context: a top-down surface of 1, 4,
// 8, 24 or 32 bits per pixel (32-bit premultiplied) with its colour table, a canvas over it
// while the owner wants one, and the background capture used while a load paints the image
// progressively. Owned by StdPNG; created by each successful decode.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "qorvexctl/base/Colour.h"
#include "qorvexctl/platform/drawing/AlphaBlend.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/drawing/Surface.h"

namespace qorvexctl {

class stdPNGdata {
 public:
  // Takes `surface` (with its colour table) as the bitmap and makes its memory device
  // context. False for an empty surface.
  [[nodiscard]] bool Adopt(platform::Surface surface);

  std::int32_t Width() const { return m_surface.Width(); }
  std::int32_t Height() const { return m_surface.Height(); }
  int BitCount() const { return m_surface.BitsPerPixel(); }
  // Bytes per row: ((bit count x width + 31) with the low five bits cleared) / 8.
  std::int32_t Stride() const { return static_cast<std::int32_t>(m_surface.Stride()); }
  std::int32_t ImageSize() const { return Stride() * Height(); }
  std::span<const platform::ColourTableEntry> ColourTable() const {
    return m_surface.ColourTable();
  }
  std::uint8_t* Row(std::int32_t y) { return m_surface.Row(y); }
  const std::uint8_t* Row(std::int32_t y) const { return m_surface.Row(y); }

  // The bitmap (the DIB section) and its memory device context (nullptr without one).
  const platform::Surface& Bitmap() const { return m_surface; }
  platform::Canvas* MemoryDC() const { return m_memoryDC.get(); }
  void CreateMemoryDC();
  void ReleaseMemoryDC() { m_memoryDC.reset(); }

  // Replaces a 32-bit bitmap by a 24-bit one: the image blended onto `background` with the
  // constant alpha `alphaBlendValue`.
  [[nodiscard]] bool CompositeOnto(Colour background, int alphaBlendValue);

  // Draws (source) of the bitmap onto (dest) of `target`: 32-bit bitmaps blended with their
  // per-pixel alpha and `alphaBlendValue`, others copied.
  void Draw(platform::Canvas& target, const platform::Rect& dest, const platform::Rect& source,
            int alphaBlendValue) const;

  // Progressive display: keeps what lies under (x, y, width, height) of `destination`, or a
  // fill of `background` when it is not -1. False when the capture cannot be made.
  [[nodiscard]] bool CaptureBackground(platform::Canvas& destination, platform::Point at,
                                       std::int32_t background);
  bool HasBackgroundCapture() const { return m_background != nullptr; }
  // Shows `area` of the image (bitmap coordinates) on `destination` at `at`, over the captured
  // background when there is one.
  void ShowProgress(platform::Canvas& destination, platform::Point at, const platform::Rect& area,
                    int alphaBlendValue);

 private:
  platform::Surface m_surface;
  std::unique_ptr<platform::Canvas> m_memoryDC;
  std::unique_ptr<platform::Surface> m_background;  // what lay under the image
  std::unique_ptr<platform::Surface> m_workspace;   // background plus image, before showing
};

}  // namespace qorvexctl
