#include "qorvexctl/frame/Component.h"

#include <exception>

namespace qorvexctl {

Component::Component(LibraryState& library) : m_library(library) { m_library.AddLiveObject(); }

Component::~Component() { m_library.RemoveLiveObject(); }

void Component::InitProperties() {
  ApplyInitialProperties();
  PropertiesLoaded();
}

void Component::ApplyInitialProperties() {
  for (const PersistedProperty& property : PersistedProperties()) {
    ApplyGuarded(property, property.defaultValue);
  }
}

void Component::ReadProperties(const PropertyBag& bag) {
  for (const PersistedProperty& property : PersistedProperties()) {
    ApplyGuarded(property, bag.ReadProperty(property.key, property.defaultValue));
  }
  PropertiesLoaded();
}

void Component::WriteProperties(PropertyBag& bag) const {
  for (const PersistedProperty& property : PersistedProperties()) {
    try {
      if (property.alwaysWritten) {
        bag.WriteProperty(property.key, property.value(*this));
      } else {
        bag.WriteProperty(property.key, property.value(*this), property.defaultValue);
      }
    } catch (const std::exception&) {
      // A value that cannot be taken is not written; the others still are.
    }
  }
}

void Component::Terminate() {
  if (m_terminated) return;
  m_terminated = true;
  OnTerminate();
}

void Component::ApplyGuarded(const PersistedProperty& property, const Variant& value) {
  try {
    property.apply(*this, value);
  } catch (const std::exception&) {
    // A stored value of the wrong type is skipped, as the classic runtime's error mode does.
  }
}

}  // namespace qorvexctl
