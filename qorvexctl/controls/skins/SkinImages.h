#pragma once
// The skin model the skinned widgets share: a fixed number of image slots, each a file path and
// the picture loaded from it, and the drawing helpers that lay skin images out on a control.
//
//   SkinSlots slots("skGoButton", 6, SkinSlots::kLoadOnAssign);
//   slots.Assign(0, folder + "btn_go_normal.gif");   // loaded at once
//   if (const platform::Surface* look = slots.Pixels(0)) DrawStretched(canvas, *look, area);
//
// An index outside the slots raises RuntimeError 9 to the caller. A file that is missing or
// is no picture leaves its slot without pixels, and drawing skips it.

#include <optional>
#include <string>
#include <vector>

#include "qorvexctl/base/Colour.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/drawing/Surface.h"

namespace qorvexctl {

class LibraryState;

class SkinSlots {
 public:
  // When a slot's picture is read from its file.
  enum LoadTime { kLoadOnAssign, kLoadWhenDrawn };

  // `owner` names the control in the errors raised for a wrong index.
  SkinSlots(std::string owner, int count, LoadTime loadTime);

  int Count() const { return static_cast<int>(m_slots.size()); }
  // The stored path of slot `index`.
  const std::string& Path(int index) const;
  // Stores a path different from the stored one and drops the old picture; with kLoadOnAssign
  // a non-empty path is loaded at once. Returns whether the path changed.
  bool Assign(int index, std::string path);
  // The pixels of slot `index`, loading its path on first use; nullptr while there are none.
  const platform::Surface* Pixels(int index);
  // Where the colour `key` is drawn transparent instead (0xFFFFFFFF: no key colour).
  void KeyColour(Colour key);
  bool Empty() const;

 private:
  struct Slot {
    std::string path;
    std::optional<platform::Surface> pixels;  // nothing: not read yet
  };
  Slot& At(int index);
  const Slot& At(int index) const;
  void Load(Slot& slot) const;

  std::string m_owner;
  std::vector<Slot> m_slots;
  LoadTime m_loadTime;
  Colour m_key{kNoKeyColour};

 public:
  static constexpr Colour kNoKeyColour = 0xFFFFFFFFu;
};

// The folder of the development skin the widgets fall back to at design time, ending in "/":
// the "Config" value "SkinDesignFolder", initialised with the data folder's "skins/default/".
std::string DesignSkinFolder(LibraryState& library);

// A copy of `pixels` as 32-bit premultiplied pixels in which `key` is fully transparent.
platform::Surface WithoutKeyColour(const platform::Surface& pixels, Colour key);

// Skin images on a canvas; transparent pixels of 32-bit images let what is below show.
// The image scaled to `area`.
void DrawStretched(platform::Canvas& canvas, const platform::Surface& image,
                   const platform::Rect& area);
// The image repeated at its own size from the top-left corner of `area`, cut off at its edges.
void DrawTiled(platform::Canvas& canvas, const platform::Surface& image,
               const platform::Rect& area);
// A horizontal bar: the image's two ends (each half of it) at their own size at the ends of
// `area`, its middle column stretched between them. The image's top rows fill the area's
// height (all of them for an area as tall as the image).
void DrawBar(platform::Canvas& canvas, const platform::Surface& image, const platform::Rect& area);
// Bars of the image stacked from the top of `area` down to its bottom, the last one cut off.
void DrawBarsDown(platform::Canvas& canvas, const platform::Surface& image,
                  const platform::Rect& area);

}  // namespace qorvexctl
