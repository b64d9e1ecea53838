#include "qorvexctl/frame/PropertyBag.h"

#include <algorithm>
#include <cmath>

#include "qorvexctl/base/Base64.h"
#include "qorvexctl/base/Text.h"

namespace qorvexctl {

namespace {

using Json = nlohmann::ordered_json;

Json Tagged(std::string_view type, Json value) {
  return Json{{"type", type}, {"value", std::move(value)}};
}

// A whole number in [low, high] from JSON, or nothing.
std::optional<std::int64_t> WholeNumber(const Json& json, std::int64_t low, std::int64_t high) {
  if (!json.is_number_integer()) return std::nullopt;
  if (json.is_number_unsigned() && json.get<std::uint64_t>() > INT64_MAX) return std::nullopt;
  const auto number = json.get<std::int64_t>();
  if (number < low || number > high) return std::nullopt;
  return number;
}

std::optional<Variant> TaggedFromJson(const Json& json) {
  const auto type = json.find("type");
  const auto value = json.find("value");
  if (type == json.end() || !type->is_string()) return std::nullopt;
  const std::string name = type->get<std::string>();
  if (name == "Empty") return Variant();
  if (value == json.end()) return std::nullopt;
  if (name == "Byte") {
    if (auto n = WholeNumber(*value, 0, 255)) return Variant(static_cast<std::uint8_t>(*n));
  } else if (name == "Integer") {
    if (auto n = WholeNumber(*value, INT16_MIN, INT16_MAX))
      return Variant(static_cast<std::int16_t>(*n));
  } else if (name == "Currency") {
    if (auto n = WholeNumber(*value, INT64_MIN, INT64_MAX)) return Variant(Currency::FromRaw(*n));
  } else if (name == "Bytes" && value->is_string()) {
    if (auto bytes = DecodeBase64(value->get<std::string>())) return Variant(std::move(*bytes));
  }
  return std::nullopt;
}

}  // namespace

Json VariantToJson(const Variant& value) {
  switch (value.Type()) {
    case VarType::Empty:
      return Json{{"type", "Empty"}};
    case VarType::Null:
      return nullptr;
    case VarType::Boolean:
      return value.ToBoolean();
    case VarType::Byte:
      return Tagged("Byte", value.ToLong());
    case VarType::Integer:
      return Tagged("Integer", value.ToLong());
    case VarType::Long:
      return value.ToLong();
    case VarType::Double:
      return value.ToDouble();
    case VarType::Currency:
      return Tagged("Currency", value.ToCurrency().Raw());
    case VarType::String:
      return value.ToString();
    case VarType::ByteArray:
      return Tagged("Bytes", EncodeBase64(value.ToBytes()));
  }
  return nullptr;
}

std::optional<Variant> VariantFromJson(const Json& json) {
  if (json.is_null()) return Variant::Null();
  if (json.is_boolean()) return Variant(json.get<bool>());
  if (json.is_string()) return Variant(json.get<std::string>());
  if (json.is_number_float()) {
    const double value = json.get<double>();
    if (!std::isfinite(value)) return std::nullopt;  // JSON has no infinities to write back
    return Variant(value);
  }
  if (json.is_number_integer()) {
    if (auto n = WholeNumber(json, INT32_MIN, INT32_MAX))
      return Variant(static_cast<std::int32_t>(*n));
    return std::nullopt;
  }
  if (json.is_object()) return TaggedFromJson(json);
  return std::nullopt;
}

std::vector<PropertyBag::Entry>::iterator PropertyBag::Find(std::string_view key) {
  return std::find_if(m_entries.begin(), m_entries.end(),
                      [&](const Entry& e) { return EqualsNoCase(e.key, key); });
}

std::vector<PropertyBag::Entry>::const_iterator PropertyBag::Find(std::string_view key) const {
  return const_cast<PropertyBag*>(this)->Find(key);
}

Variant PropertyBag::ReadProperty(std::string_view key, const Variant& defaultValue) const {
  const auto found = Find(key);
  return found == m_entries.end() ? defaultValue : found->value;
}

void PropertyBag::WriteProperty(std::string_view key, const Variant& value,
                                const Variant& defaultValue) {
  if (value == defaultValue) {
    if (const auto found = Find(key); found != m_entries.end()) m_entries.erase(found);
  } else {
    Put(key, value);
  }
}

void PropertyBag::Put(std::string_view key, Variant value) {
  if (const auto found = Find(key); found != m_entries.end()) {
    found->value = std::move(value);
  } else {
    m_entries.push_back(Entry{std::string(key), std::move(value)});
  }
}

bool PropertyBag::Contains(std::string_view key) const { return Find(key) != m_entries.end(); }

std::vector<std::string> PropertyBag::Keys() const {
  std::vector<std::string> keys;
  for (const Entry& entry : m_entries) keys.push_back(entry.key);
  return keys;
}

Json PropertyBag::ToJson() const {
  Json json = Json::object();
  for (const Entry& entry : m_entries) json[entry.key] = VariantToJson(entry.value);
  return json;
}

std::optional<PropertyBag> PropertyBag::FromJson(const Json& json) {
  if (!json.is_object()) return std::nullopt;
  PropertyBag bag;
  for (const auto& [key, value] : json.items()) {
    auto variant = VariantFromJson(value);
    if (!variant) return std::nullopt;
    bag.Put(key, std::move(*variant));
  }
  return bag;
}

}  // namespace qorvexctl
