#include "qorvexctl/controls/skins/SkinImages.h"

#include <algorithm>

#include "qorvexctl/base/RuntimeError.h"
#include "qorvexctl/frame/LibraryFunctions.h"
#include "qorvexctl/imaging/PictureFormats.h"

namespace qorvexctl {

using platform::Canvas;
using platform::Rect;
using platform::Surface;

namespace {

constexpr char kDesignFolderKey[] = "SkinDesignFolder";

// Blends (srcX, 0, width, srcHeight) of `image` onto (x, y, destWidth, destHeight).
void BlendPart(Canvas& canvas, const Surface& image, int srcX, int width, int srcHeight,
               const Rect& dest) {
  if (width <= 0 || srcHeight <= 0 || dest.IsEmpty()) return;
  canvas.AlphaBlend(dest.left, dest.top, dest.Width(), dest.Height(), image, srcX, 0, width,
                    srcHeight, platform::BlendFunction{});
}

}  // namespace

SkinSlots::SkinSlots(std::string owner, int count, LoadTime loadTime)
    : m_owner(std::move(owner)), m_slots(static_cast<std::size_t>(count)), m_loadTime(loadTime) {}

SkinSlots::Slot& SkinSlots::At(int index) {
  return const_cast<Slot&>(static_cast<const SkinSlots&>(*this).At(index));
}

const SkinSlots::Slot& SkinSlots::At(int index) const {
  if (index < 0 || index >= Count()) {
    throw RuntimeError(kErrSubscriptOutOfRange, m_owner, "Subscript out of range");
  }
  return m_slots[static_cast<std::size_t>(index)];
}

const std::string& SkinSlots::Path(int index) const { return At(index).path; }

bool SkinSlots::Assign(int index, std::string path) {
  Slot& slot = At(index);
  if (slot.path == path) return false;
  slot.path = std::move(path);
  slot.pixels.reset();
  if (m_loadTime == kLoadOnAssign && !slot.path.empty()) Load(slot);
  return true;
}

const Surface* SkinSlots::Pixels(int index) {
  Slot& slot = At(index);
  if (!slot.pixels) Load(slot);
  return slot.pixels->IsEmpty() ? nullptr : &*slot.pixels;
}

void SkinSlots::KeyColour(Colour key) {
  if (key == m_key) return;
  m_key = key;
  for (Slot& slot : m_slots) slot.pixels.reset();
}

bool SkinSlots::Empty() const {
  return std::all_of(m_slots.begin(), m_slots.end(), [](const Slot& s) { return s.path.empty(); });
}

void SkinSlots::Load(Slot& slot) const {
  Surface pixels;
  if (!slot.path.empty()) pixels = PictureFormats().LoadFile(slot.path).Pixels();
  if (!pixels.IsEmpty() && m_key != kNoKeyColour) pixels = WithoutKeyColour(pixels, m_key);
  slot.pixels = std::move(pixels);
}

std::string DesignSkinFolder(LibraryState& library) {
  std::string folder =
      ConfigValue(library, kDesignFolderKey, GetDataPath(library) + "skins/default/").ToString();
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

Surface WithoutKeyColour(const Surface& pixels, Colour key) {
  Surface out(pixels.Width(), pixels.Height(), 32);
  for (int y = 0; y < pixels.Height(); ++y) {
    for (int x = 0; x < pixels.Width(); ++x) {
      const Colour colour = pixels.PixelColour(x, y);
      const bool opaque = pixels.BitsPerPixel() != 32 || pixels.PixelAlpha(x, y) == 255;
      if (colour == key && opaque) continue;  // stays 0: transparent
      out.SetPixelValue(x, y, opaque ? out.ValueOf(colour) : pixels.PixelValue(x, y));
    }
  }
  return out;
}

void DrawStretched(Canvas& canvas, const Surface& image, const Rect& area) {
  BlendPart(canvas, image, 0, image.Width(), image.Height(), area);
}

void DrawTiled(Canvas& canvas, const Surface& image, const Rect& area) {
  if (image.IsEmpty()) return;
  for (int y = area.top; y < area.bottom; y += image.Height()) {
    const int h = std::min(image.Height(), area.bottom - y);
    for (int x = area.left; x < area.right; x += image.Width()) {
      const int w = std::min(image.Width(), area.right - x);
      canvas.AlphaBlend(x, y, w, h, image, 0, 0, w, h, platform::BlendFunction{});
    }
  }
}

void DrawBar(Canvas& canvas, const Surface& image, const Rect& area) {
  const int end = image.Width() / 2;
  const int rows = std::min(image.Height(), area.Height());
  if (area.Width() < 2 * end || end == 0) {
    BlendPart(canvas, image, 0, image.Width(), rows, area);
    return;
  }
  BlendPart(canvas, image, 0, end, rows, Rect{area.left, area.top, area.left + end, area.bottom});
  BlendPart(canvas, image, end, 1, rows,
            Rect{area.left + end, area.top, area.right - end, area.bottom});
  BlendPart(canvas, image, image.Width() - end, end, rows,
            Rect{area.right - end, area.top, area.right, area.bottom});
}

void DrawBarsDown(Canvas& canvas, const Surface& image, const Rect& area) {
  if (image.IsEmpty()) return;
  for (int y = area.top; y < area.bottom; y += image.Height()) {
    DrawBar(canvas, image,
            Rect{area.left, y, area.right, std::min(area.bottom, y + image.Height())});
  }
}

}  // namespace qorvexctl
