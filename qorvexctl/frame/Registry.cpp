#include "qorvexctl/frame/Registry.h"

#include <algorithm>
#include <exception>

#include "qorvexctl/base/Text.h"

namespace qorvexctl {

namespace {

// The component name of "QORVEXCTL.<name>", or "" when the library prefix is missing.
std::string_view NameOfProgId(std::string_view progId) {
  const std::string_view prefix = kLibraryName;
  if (progId.size() <= prefix.size() + 1 || progId[prefix.size()] != '.' ||
      !EqualsNoCase(progId.substr(0, prefix.size()), prefix)) {
    return {};
  }
  return progId.substr(prefix.size() + 1);
}

}  // namespace

bool Registry::Register(std::string_view name, Factory factory) {
  if (name.empty() || !factory || Find(name)) return false;
  m_entries.push_back(Entry{std::string(name), std::move(factory)});
  return true;
}

const Registry::Entry* Registry::Find(std::string_view name) const {
  const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                  [&](const Entry& e) { return EqualsNoCase(e.name, name); });
  return found == m_entries.end() ? nullptr : &*found;
}

std::shared_ptr<Component> Registry::Create(std::string_view progId) const {
  const Entry* entry = Find(NameOfProgId(progId));
  if (!entry) return nullptr;
  try {
    std::unique_ptr<Component> made = entry->factory(m_library);
    if (!made) return nullptr;
    return std::shared_ptr<Component>(made.release(), [](Component* component) {
      component->Terminate();
      delete component;
    });
  } catch (const std::exception&) {
    return nullptr;
  }
}

std::vector<std::string> Registry::Names() const {
  std::vector<std::string> names;
  for (const Entry& entry : m_entries) names.push_back(entry.name);
  return names;
}

}  // namespace qorvexctl
