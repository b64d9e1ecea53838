#include "guide/ControlFacts.h"

#include <algorithm>
#include <span>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/LibraryControls.h"
#include "qorvexctl/frame/Component.h"
#include "qorvexctl/frame/IntrinsicControls.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Window.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl::guide {
namespace {

// A component's persisted-property tables are protected, for the component and its lifecycle.
// A class derived from Component may name them, and the member pointer it forms reads them on
// any component: the guide lists their keys without widening Component's public surface.
struct PersistedTables : Component {
  static std::span<const PersistedProperty> Read(const Component& component) {
    return (component.*&PersistedTables::PersistedProperties)();
  }
  static std::span<const PersistedProperty> Written(const Component& component) {
    return (component.*&PersistedTables::WrittenProperties)();
  }
};

PersistedKey& KeyFor(std::vector<PersistedKey>& keys, const PersistedProperty& property) {
  const auto found = std::find_if(keys.begin(), keys.end(), [&](const PersistedKey& k) {
    return EqualsNoCase(k.key, property.key);
  });
  if (found != keys.end()) return *found;
  return keys.emplace_back(PersistedKey{property.key, property.defaultValue});
}

std::vector<PersistedKey> PersistedKeysOf(const Component& component) {
  std::vector<PersistedKey> keys;
  for (const PersistedProperty& property : PersistedTables::Read(component)) {
    KeyFor(keys, property).read = true;
  }
  for (const PersistedProperty& property : PersistedTables::Written(component)) {
    KeyFor(keys, property).written = true;
  }
  return keys;
}

// The keys a form file keeps of an intrinsic control, each with the value a new one has.
std::vector<PersistedKey> KeptKeysOf(const IntrinsicType& type, const platform::Window& prototype) {
  std::vector<PersistedKey> keys;
  for (const IntrinsicProperty& property : type.properties) {
    keys.push_back(PersistedKey{property.key, property.value(prototype), true, true});
  }
  return keys;
}

}  // namespace

ControlCatalog::ControlCatalog(const std::filesystem::path& root)
    : m_desktop(std::make_unique<platform::Desktop>()) {
  m_library = std::make_unique<LibraryState>(m_desktop->Settings(), m_desktop->MessageBoxes(),
                                             [folder = root.string()] { return folder; });
  m_registry = std::make_unique<Registry>(*m_library);
  RegisterLibraryControls(*m_registry, *m_desktop);
}

ControlCatalog::~ControlCatalog() = default;

std::vector<ControlFacts> ControlCatalog::Controls() const {
  std::vector<ControlFacts> controls;
  for (const std::string& name : m_registry->Names()) {
    ControlFacts facts{name, nullptr, {}, false, ControlKind::Library};
    if (const MemberType* type = m_registry->Members().Find(name)) facts.members = type->table;
    if (auto component = m_registry->Create(std::string(kLibraryName) + "." + name)) {
      facts.persisted = PersistedKeysOf(*component);
      facts.placed = dynamic_cast<const platform::Window*>(component.get()) != nullptr;
    }
    controls.push_back(std::move(facts));
  }
  return controls;
}

std::vector<ControlFacts> ControlCatalog::PlatformControls() const {
  std::vector<ControlFacts> controls;
  platform::Form container(*m_desktop);
  const IntrinsicControls intrinsics = IntrinsicControls::Standard();
  for (const IntrinsicType& type : intrinsics.Types()) {
    const std::unique_ptr<platform::Window> prototype = type.create(container);
    const ObjectRef members = m_registry->Members().Of(*prototype);
    controls.push_back(ControlFacts{type.name, members.table, KeptKeysOf(type, *prototype), true,
                                    ControlKind::Platform});
  }
  return controls;
}

std::vector<ControlFacts> ControlCatalog::ReachedTypes() const {
  const MemberDirectory& directory = m_registry->Members();
  const MemberDirectory platform = MemberDirectory::Standard();
  const std::vector<std::string> registered = m_registry->Names();
  std::vector<ControlFacts> types;
  for (const std::string& name : directory.Names()) {
    const bool byName = std::any_of(registered.begin(), registered.end(),
                                    [&](const std::string& r) { return EqualsNoCase(r, name); });
    if (byName || platform.Find(name)) continue;
    types.push_back(
        ControlFacts{name, directory.Find(name)->table, {}, false, ControlKind::Reached});
  }
  return types;
}

std::string ValueTypeName(VarType type) {
  switch (type) {
    case VarType::Empty:
      return "Variant";
    case VarType::Null:
      return "Null";
    case VarType::Integer:
      return "Integer";
    case VarType::Long:
      return "Long";
    case VarType::Double:
      return "Double";
    case VarType::Currency:
      return "Currency";
    case VarType::String:
      return "String";
    case VarType::Boolean:
      return "Boolean";
    case VarType::Byte:
      return "Byte";
    case VarType::ByteArray:
      return "Byte()";
  }
  return "Variant";
}

}  // namespace qorvexctl::guide
