#pragma once
// The design-time properties of one control, as the host stores them with its form: a key is
// read with a default and written with a value and a default; a value equal to its default is
// not stored. Keys match without regard to case. Values are Variants and keep their type
// through the JSON form (byte arrays in Base64).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "qorvexctl/base/Variant.h"

namespace qorvexctl {

class PropertyBag {
 public:
  // The stored value of `key`, or `defaultValue`.
  Variant ReadProperty(std::string_view key, const Variant& defaultValue = {}) const;
  // Stores `value`, or forgets the key when the value equals `defaultValue`.
  void WriteProperty(std::string_view key, const Variant& value, const Variant& defaultValue);
  // Stores `value` (there is no default to compare with).
  void WriteProperty(std::string_view key, const Variant& value) { Put(key, value); }

  bool Contains(std::string_view key) const;
  std::size_t Count() const { return m_entries.size(); }
  // The stored keys, in the order they were first written.
  std::vector<std::string> Keys() const;

  nlohmann::ordered_json ToJson() const;
  // The bag of a JSON object, or nothing when a value cannot be read back.
  static std::optional<PropertyBag> FromJson(const nlohmann::ordered_json& json);

 private:
  struct Entry {
    std::string key;
    Variant value;
  };
  std::vector<Entry>::iterator Find(std::string_view key);
  std::vector<Entry>::const_iterator Find(std::string_view key) const;
  void Put(std::string_view key, Variant value);  // replaces or appends

  std::vector<Entry> m_entries;
};

// A Variant as JSON: texts, Booleans, Longs and Doubles as plain JSON values, Null as null,
// the other types as {"type": ..., "value": ...}.
nlohmann::ordered_json VariantToJson(const Variant& value);
std::optional<Variant> VariantFromJson(const nlohmann::ordered_json& json);

}  // namespace qorvexctl
