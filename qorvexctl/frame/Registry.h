#pragma once
// Creates components by name, the way a host creates them through the component runtime:
// "QORVEXCTL.cNIF" (the library prefix and the name match without regard to case). Components
// register a factory under their name; the registry hands out shared pointers that run
// Terminate when the last reference goes. Live objects are counted in the library state, also
// those a host constructs directly. The registry also keeps the member directory: each control
// adds its member table there when it registers (see docs/play.md, "Adding a control").

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "qorvexctl/frame/Component.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/frame/MemberDirectory.h"

namespace qorvexctl {

inline constexpr char kLibraryName[] = "QORVEXCTL";

class Registry {
 public:
  using Factory = std::function<std::unique_ptr<Component>(LibraryState&)>;

  explicit Registry(LibraryState& library) : m_library(library) {}

  // Registers `name` ("cNIF"); false when the name is taken.
  bool Register(std::string_view name, Factory factory);
  // Registers T, constructed from the library state.
  template <class T>
  bool Register(std::string_view name) {
    return Register(name, [](LibraryState& library) { return std::make_unique<T>(library); });
  }

  // A new component for "QORVEXCTL.<name>", or nullptr for an unknown name or a failing
  // factory.
  std::shared_ptr<Component> Create(std::string_view progId) const;
  // The registered names, in registration order.
  std::vector<std::string> Names() const;

  // The member tables of the intrinsic controls and of every registered type.
  MemberDirectory& Members() { return m_members; }
  const MemberDirectory& Members() const { return m_members; }

  // Components alive, and whether the library could be unloaded (none alive).
  int LiveObjects() const { return m_library.LiveObjectCount(); }
  bool CanUnloadNow() const { return LiveObjects() == 0; }

 private:
  struct Entry {
    std::string name;
    Factory factory;
  };
  const Entry* Find(std::string_view name) const;

  LibraryState& m_library;
  std::vector<Entry> m_entries;
  MemberDirectory m_members = MemberDirectory::Standard();
};

}  // namespace qorvexctl
