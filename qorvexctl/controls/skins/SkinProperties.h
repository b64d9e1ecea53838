#pragma once
// What the skinned widgets share in their persisted properties and their members by name.

#include <cstdint>
#include <string>
#include <utility>

#include "qorvexctl/base/Colour.h"
#include "qorvexctl/frame/Component.h"
#include "qorvexctl/frame/Members.h"

namespace qorvexctl {

// The table entry of a colour of component type T: `get(const T&)` answers it and
// `set(T&, Colour)` applies a read value through the public setter.
template <class T, class Get, class Set>
PersistedProperty PersistedColour(std::string key, Colour defaultValue, Get get, Set set) {
  return Persisted<T>(
      std::move(key), static_cast<std::int32_t>(defaultValue),
      [set](T& c, const Variant& v) { set(c, static_cast<Colour>(v.ToLong())); },
      [get](const T& c) { return static_cast<std::int32_t>(get(c)); });
}

// An indexed image path (ImageSource(imgID), ImageFile(nIndex)) as one by-name method: with the
// value left out it answers the path of the slot, else it stores the value there.
template <class M>
MembersOf<M>& IndexedPathMethod(MembersOf<M>& members, std::string name, std::string index,
                                const std::string& (M::*get)(int) const,
                                void (M::*let)(int, std::string)) {
  return members.Method(std::move(name), {std::move(index), "Value"},
                        [get, let](M& c, int i, const Variant& value) -> Variant {
                          if (value.IsEmpty()) return Variant((c.*get)(i));
                          (c.*let)(i, value.ToString());
                          return Variant();
                        });
}

// ImageSource(imgID), SkinID, Repaint and RequestSkinRepait: the skin of skGrowth and
// skGoButton.
template <class M>
MembersOf<M>& SkinSourceMembers(MembersOf<M>& members) {
  return IndexedPathMethod<M>(members, "ImageSource", "imgID", &M::ImageSource, &M::ImageSource)
      .Property(
          "SkinID", [](const M& c) { return c.SkinID(); }, [](M& c, std::string v) { c.SkinID(v); })
      .Property("hwnd", [](const M& c) { return static_cast<std::int32_t>(c.hwnd()); })
      .Method("Repaint", {}, [](M& c) { c.Repaint(); })
      .Event("RequestSkinRepait", {}, &M::RequestSkinRepait)
      .Event("Resize", {}, &M::Resize);
}

// hwnd, MouseIn, MouseOut and Resize: every widget that follows the pointer.
template <class M>
MembersOf<M>& HoverMembers(MembersOf<M>& members) {
  return members.Property("hwnd", [](const M& c) { return static_cast<std::int32_t>(c.hwnd()); })
      .Event("MouseIn", {}, &M::MouseIn)
      .Event("MouseOut", {}, &M::MouseOut)
      .Event("Resize", {}, &M::Resize);
}

// ImageFile(nIndex), reDraw, TransparencyColor and Clicked: skSubMenu and skQuadro.
template <class M>
MembersOf<M>& ImageFileMembers(MembersOf<M>& members) {
  return IndexedPathMethod<M>(HoverMembers(members), "ImageFile", "nIndex", &M::ImageFile,
                              &M::ImageFile)
      .Property(
          "TransparencyColor", [](const M& c) { return c.TransparencyColor(); },
          [](M& c, Colour v) { c.TransparencyColor(v); })
      .Method("reDraw", {}, [](M& c) { c.reDraw(); })
      .Event("Clicked", {}, &M::Clicked);
}

}  // namespace qorvexctl
