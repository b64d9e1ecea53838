#pragma once
// The intrinsic control types a form file can hold ("TextBox", "Label", "CheckBox", ...): how
// each is made on a container and which of its properties a form keeps, by key. It is the
// counterpart of the Registry for the platform's own controls, which are not library
// components: they are made on a container and read and write their properties through a
// table instead of a component's ReadProperties/WriteProperties.
//
// A property is stored only when it differs from the value a newly made control of the same
// type has, so defaults live in the controls' constructors and nowhere else.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "qorvexctl/base/Variant.h"
#include "qorvexctl/frame/PropertyBag.h"
#include "qorvexctl/platform/desktop/Window.h"

namespace qorvexctl {

// One kept property: its key, how a stored value is applied and how it is read.
struct IntrinsicProperty {
  std::string key;
  std::function<void(platform::Window&, const Variant&)> apply;
  std::function<Variant(const platform::Window&)> value;
};
using IntrinsicProperties = std::vector<IntrinsicProperty>;

struct IntrinsicType {
  std::string name;  // the TypeName of the controls it makes
  std::function<std::unique_ptr<platform::Window>(platform::Window& container)> create;
  IntrinsicProperties properties;  // in the order they are applied
  bool holdsControls = false;      // a container other controls are placed on (Frame, ...)
};

class IntrinsicControls {
 public:
  // TextBox, Label, Frame, CommandButton, CheckBox, PictureBox, Image, Shape, Line,
  // VScrollBar, HScrollBar and ListView (its column headers; items are the host's to fill).
  static IntrinsicControls Standard();

  // Registers a type; false when its name is taken.
  bool Register(IntrinsicType type);
  // The type of that name (without regard to case), or nullptr.
  const IntrinsicType* Find(std::string_view name) const;
  // Every type, in the order it was registered.
  const std::vector<IntrinsicType>& Types() const { return m_types; }

  // The properties every window has (Visible, Enabled, colours, font, TabIndex, Tag, ...).
  static IntrinsicProperties WindowProperties();
  // What a form keeps of itself: caption, colours, font, key preview, border and size.
  static IntrinsicProperties FormProperties();

 private:
  std::vector<IntrinsicType> m_types;
};

// Writes each property of `control` whose value differs from the one `prototype` has.
void WriteIntrinsicProperties(const IntrinsicProperties& properties,
                              const platform::Window& control, const platform::Window& prototype,
                              PropertyBag& bag);
// Applies each stored property; a value that cannot be applied is skipped.
void ReadIntrinsicProperties(const IntrinsicProperties& properties, platform::Window& control,
                             const PropertyBag& bag);

}  // namespace qorvexctl
