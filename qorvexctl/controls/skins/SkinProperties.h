#pragma once
// What the skinned widgets share in their persisted and by-name members.

#include <cstdint>
#include <string>
#include <utility>

#include "qorvexctl/base/Colour.h"
#include "qorvexctl/frame/Component.h"

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
// `get(const T&, int)` reads a slot, `let(T&, int, std::string)` stores one.
template <class T, class Get, class Let>
auto IndexedPathMethod(Get get, Let let) {
  return [get, let](T& c, int index, const Variant& value) -> Variant {
    if (value.IsEmpty()) return Variant(get(c, index));
    let(c, index, value.ToString());
    return Variant();
  };
}

}  // namespace qorvexctl
