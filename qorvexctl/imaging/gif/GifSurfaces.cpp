#include "qorvexctl/imaging/gif/GifSurfaces.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "qorvexctl/platform/drawing/PixelRows.h"

namespace qorvexctl::gif {
namespace {

std::size_t CanvasAt(const GifComposer& composer, int x, int y) {
  return static_cast<std::size_t>(y) * static_cast<std::size_t>(composer.Width()) +
         static_cast<std::size_t>(x);
}

// A surface of the canvas size, or an empty one before the first frame is shown.
platform::Surface CanvasSized(const GifComposer& composer, int bitsPerPixel) {
  if (composer.Canvas().empty()) return {};
  return platform::Surface(composer.Width(), composer.Height(), bitsPerPixel);
}

}  // namespace

platform::Surface GifFrameSurface(const GifImage& image, int index) {
  if (index < 0 || index >= image.FrameCount()) return {};
  const GifFrame& frame = image.Frames()[static_cast<std::size_t>(index)];
  platform::Surface surface(frame.width, frame.height, 8);
  if (surface.IsEmpty()) return surface;
  std::array<platform::ColourTableEntry, 256> table;
  const GifColourTable& colours = image.TableOf(frame);
  std::transform(colours.entries.begin(), colours.entries.end(), table.begin(),
                 platform::TableEntryOf);
  surface.SetColourTable(0, table);
  for (int y = 0; y < frame.height; ++y) {
    std::memcpy(surface.Row(y), image.Strip().Row(y) + frame.offset,
                static_cast<std::size_t>(frame.width));
  }
  return surface;
}

platform::Surface GifCanvasSurface(const GifComposer& composer) {
  platform::Surface surface = CanvasSized(composer, 24);
  for (int y = 0; y < surface.Height(); ++y) {
    std::uint8_t* row = surface.Row(y);
    for (int x = 0; x < surface.Width(); ++x) {
      const Colour c = composer.Canvas()[CanvasAt(composer, x, y)];
      row[x * 3] = static_cast<std::uint8_t>(BlueOf(c));
      row[x * 3 + 1] = static_cast<std::uint8_t>(GreenOf(c));
      row[x * 3 + 2] = static_cast<std::uint8_t>(RedOf(c));
    }
  }
  return surface;
}

platform::Surface GifMaskSurface(const GifComposer& composer) {
  platform::Surface surface = CanvasSized(composer, 1);
  std::vector<std::uint32_t> values(static_cast<std::size_t>(surface.Width()));
  for (int y = 0; y < surface.Height(); ++y) {
    const std::uint8_t* mask = composer.Mask().data() + CanvasAt(composer, 0, y);
    std::copy_n(mask, values.size(), values.begin());
    platform::WriteRowValues(surface, y, 0, surface.Width(), values.data());
  }
  return surface;
}

platform::Surface GifPictureSurface(const GifComposer& composer) {
  platform::Surface surface = CanvasSized(composer, 32);
  for (int y = 0; y < surface.Height(); ++y) {
    std::uint32_t* words = surface.Words(y);
    for (int x = 0; x < surface.Width(); ++x) {
      const std::size_t at = CanvasAt(composer, x, y);
      words[x] = composer.Mask()[at] != 0 ? 0 : platform::PixelWordOf(composer.Canvas()[at]);
    }
  }
  return surface;
}

}  // namespace qorvexctl::gif
