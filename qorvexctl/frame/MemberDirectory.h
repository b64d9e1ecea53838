#pragma once
// Which member table describes an object: the directory maps a type name (a window's TypeName,
// a component's ClassName) to the table its type declares, so a host, a script or a test can
// reach any control, inner part or creatable object by name.
//
//   MemberDirectory directory = MemberDirectory::Standard();   // the intrinsic controls
//   directory.Add<cNIF>(cNIF::Members());
//   ObjectRef nif = directory.Of(*form.FindControl("nif1"));
//   CallByName(nif, "Value", CallType::Get);
//
// The library's controls add their tables where they register with the Registry (see
// docs/play.md, "Adding a control"); the Registry keeps the directory. A window whose type has no
// table of its own is reached through the members every control has (or every window has).

#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "qorvexctl/frame/Component.h"
#include "qorvexctl/frame/Members.h"
#include "qorvexctl/platform/desktop/Window.h"

namespace qorvexctl {

struct MemberType {
  std::string name;
  const MemberTable* table = nullptr;
  // The object of this type behind a window or a component, or nullptr when it is not one.
  std::function<void*(platform::Window&)> fromWindow;
  std::function<void*(Component&)> fromComponent;
};

class MemberDirectory {
 public:
  // Form, TextBox, Label, CheckBox, CommandButton, Frame, PictureBox, Image, ListView, the
  // scroll bars, and the members of any other control and window.
  static MemberDirectory Standard();

  // Adds the table of T under the table's type name; false when that name is taken. Windows
  // and components of T are found through it.
  template <class T>
  bool Add(const MemberTable& table) {
    return Add<T>(table.typeName, table);
  }
  // The same under another type name (the two scroll bars share one table).
  template <class T>
  bool Add(std::string name, const MemberTable& table) {
    MemberType type{std::move(name), &table, {}, {}};
    if constexpr (std::is_base_of_v<platform::Window, T>) {
      type.fromWindow = [](platform::Window& w) -> void* { return dynamic_cast<T*>(&w); };
    }
    if constexpr (std::is_base_of_v<Component, T>) {
      type.fromComponent = [](Component& c) -> void* { return dynamic_cast<T*>(&c); };
    }
    return Add(std::move(type));
  }
  bool Add(MemberType type);

  // The type of that name (without regard to case), or nullptr.
  const MemberType* Find(std::string_view name) const;
  // The names known, in the order they were added.
  std::vector<std::string> Names() const;

  // The window with the table of its TypeName, else of the nearest base that has one (control,
  // window); never empty.
  ObjectRef Of(platform::Window& window) const;
  // The component with the table of its ClassName; empty when there is none.
  ObjectRef Of(Component& component) const;

 private:
  std::vector<MemberType> m_types;
};

}  // namespace qorvexctl
