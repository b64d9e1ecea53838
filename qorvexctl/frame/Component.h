#pragma once
// The lifecycle every component follows, and its persisted properties.
//
//   construction        Initialize: fields take their built-in values, counters go up
//   InitProperties      a new instance placed by the host: each property takes its default
//                       (or what the component's ApplyInitialProperties sets)
//   or ReadProperties   an instance re-created from the host's stored form
//   WriteProperties     the host saves the form: each property written with its default
//   Terminate           owned objects released, counters go down (runs once)
//
// A component lists its persisted properties once, as a table of {key, default, apply, value}
// in read order (PersistedProperties); the three property passes all walk that table, so they
// never drift apart. A property whose stored value cannot be applied is skipped and the rest
// are still read. Components created by the Registry are terminated when the last reference
// goes; a component that is constructed directly calls Terminate() from its own destructor.

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "qorvexctl/base/Variant.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/frame/PropertyBag.h"

namespace qorvexctl {

class Component;

// One persisted property: its key in the property bag, its default, how a read value is
// applied (through the public setter where setting has side effects) and its current value.
struct PersistedProperty {
  std::string key;
  Variant defaultValue;
  std::function<void(Component&, const Variant&)> apply;
  std::function<Variant(const Component&)> value;
  // Written whatever its value; otherwise a value equal to the default is left out.
  bool alwaysWritten = false;
};

// A table entry for component type T: `apply(T&, const Variant&)` sets the property,
// `value(const T&)` answers it (anything a Variant can be made of).
template <class T, class Apply, class Value>
PersistedProperty Persisted(std::string key, Variant defaultValue, Apply apply, Value value) {
  return PersistedProperty{
      std::move(key), std::move(defaultValue),
      [apply](Component& c, const Variant& v) { apply(static_cast<T&>(c), v); },
      [value](const Component& c) { return Variant(value(static_cast<const T&>(c))); }};
}

// The same for a property that WriteProperties stores even at its default.
template <class T, class Apply, class Value>
PersistedProperty PersistedAlways(std::string key, Variant defaultValue, Apply apply, Value value) {
  PersistedProperty property = Persisted<T>(std::move(key), std::move(defaultValue), apply, value);
  property.alwaysWritten = true;
  return property;
}

class Component {
 public:
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  // The component's name as the registry knows it ("cNIF").
  virtual std::string_view ClassName() const = 0;

  void InitProperties();
  void ReadProperties(const PropertyBag& bag);
  void WriteProperties(PropertyBag& bag) const;
  // Releases what the component owns; later calls do nothing.
  void Terminate();
  bool Terminated() const { return m_terminated; }

  LibraryState& Library() const { return m_library; }

 protected:
  explicit Component(LibraryState& library);

  // The persisted properties in read order; none by default.
  virtual std::span<const PersistedProperty> PersistedProperties() const { return {}; }
  // What InitProperties sets on a new instance; by default every property of the table
  // takes its default.
  virtual void ApplyInitialProperties();
  // Runs after InitProperties or ReadProperties applied the table.
  virtual void PropertiesLoaded() {}
  // The component's own part of Terminate.
  virtual void OnTerminate() {}

 private:
  void ApplyGuarded(const PersistedProperty& property, const Variant& value);

  LibraryState& m_library;
  bool m_terminated = false;
};

}  // namespace qorvexctl
