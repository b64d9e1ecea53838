#pragma once
// Composes the frames of a decoded GIF one after another onto a canvas of the overall size:
// a colour value per pixel and a transparency mask, with the four disposal methods.

#include <cstdint>
#include <span>
#include <vector>

#include "qorvexctl/base/Colour.h"
#include "qorvexctl/imaging/gif/GifImage.h"

namespace qorvexctl::gif {

class GifComposer {
 public:
  // The image must outlive the composer and keep its frames while the composer is used.
  explicit GifComposer(const GifImage& image);

  // Disposes of the frame shown last, then draws frame `index` (from 0). Frame 0 starts
  // from a cleared canvas: black and fully transparent.
  void Show(int index);
  // The frame drawn last, -1 before the first.
  int Current() const { return m_current; }

  std::int32_t Width() const { return m_width; }
  std::int32_t Height() const { return m_height; }
  // Rows top to bottom, Width() values each: colour values (red in the low byte). Empty
  // before the first Show.
  std::span<const Colour> Canvas() const { return m_canvas; }
  // The same layout: 1 where the pixel is transparent, 0 where it is opaque.
  std::span<const std::uint8_t> Mask() const { return m_mask; }

  // The canvas as 8-bit R, G, B, A, rows top to bottom: transparent pixels 0, 0, 0, 0,
  // opaque ones with alpha 255.
  std::vector<std::uint8_t> ToRgba() const;

 private:
  void ClearCanvas();
  void SaveArea(const GifFrame& frame);
  void RestoreArea(const GifFrame& frame);
  void FillBackground(const GifFrame& frame);
  void Dispose(const GifFrame& frame);
  void Draw(const GifFrame& frame);

  const GifImage& m_image;
  std::int32_t m_width = 0;
  std::int32_t m_height = 0;
  int m_current = -1;
  std::vector<Colour> m_canvas;
  std::vector<std::uint8_t> m_mask;
  std::vector<Colour> m_savedCanvas;
  std::vector<std::uint8_t> m_savedMask;
};

}  // namespace qorvexctl::gif
