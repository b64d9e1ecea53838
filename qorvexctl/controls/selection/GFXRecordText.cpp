#include "qorvexctl/controls/selection/GFXRecordText.h"

#include <cstdint>
#include <initializer_list>
#include <type_traits>
#include <utility>

#include <nlohmann/json.hpp>

#include "qorvexctl/base/RuntimeError.h"

namespace qorvexctl {

namespace {

using Json = nlohmann::ordered_json;

[[noreturn]] void NotARecord(std::string_view what) {
  throw RuntimeError(kErrTypeMismatch, "clsGFXSelection",
                     std::string(what) + " is not JSON text of the right shape");
}

Json Parse(std::string_view text, bool array, std::string_view what) {
  if (text.empty()) return array ? Json::array() : Json::object();
  Json json = Json::parse(text, nullptr, false);
  if (json.is_discarded() || (array ? !json.is_array() : !json.is_object())) NotARecord(what);
  return json;
}

Variant VariantOfJson(const Json& value) {
  if (value.is_boolean()) return value.get<bool>();
  if (value.is_number_integer()) {
    const auto whole = value.get<std::int64_t>();
    if (whole >= INT32_MIN && whole <= INT32_MAX) return static_cast<std::int32_t>(whole);
    return static_cast<double>(whole);
  }
  if (value.is_number()) return value.get<double>();
  if (value.is_string()) return value.get<std::string>();
  if (value.is_null()) return Variant::Null();
  return value.dump();
}

Json JsonOfVariant(const Variant& value) {
  switch (value.Type()) {
    case VarType::Empty:
      return "";
    case VarType::Null:
      return nullptr;
    case VarType::Boolean:
      return value.ToBoolean();
    case VarType::String:
      return value.ToString();
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long:
      return value.ToLong();
    default:
      return value.IsNumber() ? Json(value.ToDouble()) : Json(value.ToString());
  }
}

// The fields of each record by name, one table per field type.
template <class Record, class Field>
using Fields = std::initializer_list<std::pair<const char*, Field Record::*>>;

const Fields<GFXItem, std::string> kItemTexts = {{"Title", &GFXItem::Title},
                                                 {"Tooltip", &GFXItem::Tooltip},
                                                 {"TAGs", &GFXItem::TAGs},
                                                 {"Settings", &GFXItem::Settings}};
const Fields<GFXItem, bool> kItemFlags = {{"Disabled", &GFXItem::Disabled},
                                          {"Selected", &GFXItem::Selected},
                                          {"Default", &GFXItem::Default},
                                          {"Bold", &GFXItem::Bold}};
const Fields<GFXItem, Variant> kItemValues = {{"Image", &GFXItem::Image},
                                              {"Value", &GFXItem::Value}};
const Fields<GFXSelection, std::string> kSelectionTexts = {
    {"ID", &GFXSelection::ID},           {"Title", &GFXSelection::Title},
    {"Subtitle", &GFXSelection::Subtitle}, {"Tooltip", &GFXSelection::Tooltip},
    {"HelpURL", &GFXSelection::HelpURL}, {"Settings", &GFXSelection::Settings}};
const Fields<GFXSelection, bool> kSelectionFlags = {
    {"DisableCancel", &GFXSelection::DisableCancel},
    {"MultipleSelect", &GFXSelection::MultipleSelect},
    {"NoSingleClick", &GFXSelection::NoSingleClick},
    {"Pageable", &GFXSelection::Pageable},
    {"DiscardUserProperties", &GFXSelection::DiscardUserProperties}};
const Fields<GFXSelection, Variant> kSelectionValues = {{"Image", &GFXSelection::Image}};

// Reads each key of the table that the object has (and of the field's type) into its field.
template <class Record, class Field>
void ReadFields(const Json& json, Record& record, Fields<Record, Field> fields) {
  for (const auto& [key, field] : fields) {
    if (!json.contains(key)) continue;
    const Json& value = json[key];
    if constexpr (std::is_same_v<Field, Variant>) {
      record.*field = VariantOfJson(value);
    } else if (std::is_same_v<Field, bool> ? value.is_boolean() : value.is_string()) {
      record.*field = value.get<Field>();
    }
  }
}

template <class Record, class Field>
void WriteFields(Json& json, const Record& record, Fields<Record, Field> fields) {
  for (const auto& [key, field] : fields) {
    if constexpr (std::is_same_v<Field, Variant>) {
      json[key] = JsonOfVariant(record.*field);
    } else {
      json[key] = record.*field;
    }
  }
}

GFXItem ItemOfJson(const Json& json) {
  if (!json.is_object()) NotARecord("A GFXItem");
  GFXItem item;
  ReadFields(json, item, kItemTexts);
  ReadFields(json, item, kItemFlags);
  ReadFields(json, item, kItemValues);
  return item;
}

Json JsonOfItem(const GFXItem& item) {
  Json json = Json::object();
  WriteFields(json, item, kItemTexts);
  WriteFields(json, item, kItemFlags);
  WriteFields(json, item, kItemValues);
  return json;
}

}  // namespace

GFXSelection SelectionFromText(std::string_view text) {
  const Json json = Parse(text, false, "A GFXSelection");
  GFXSelection s;
  ReadFields(json, s, kSelectionTexts);
  ReadFields(json, s, kSelectionFlags);
  ReadFields(json, s, kSelectionValues);
  if (json.contains("WindowPositionRelation") && json["WindowPositionRelation"].is_number()) {
    s.WindowPositionRelation =
        static_cast<GFXPositioning>(json["WindowPositionRelation"].get<std::int32_t>());
  }
  return s;
}

std::vector<GFXItem> ItemsFromText(std::string_view text) {
  std::vector<GFXItem> items;
  for (const Json& item : Parse(text, true, "The GFXItem array")) items.push_back(ItemOfJson(item));
  return items;
}

std::string ResultText(const GFXResult& result) {
  Json selected = Json::array();
  for (const GFXItem& item : result.SelectedItems) selected.push_back(JsonOfItem(item));
  const Json json{{"Canceled", result.Canceled},
                  {"Accepted", result.Accepted},
                  {"NumberOfSelectedItems", result.NumberOfSelectedItems},
                  {"SelectedItems", selected},
                  {"SelectedItem", JsonOfItem(result.SelectedItem)},
                  {"Settings", result.Settings},
                  {"ViewType", result.ViewType}};
  return json.dump();
}

Variant VariantOf(const GFXItem& item) { return item.Title; }

Variant VariantOf(const std::vector<GFXItem>& items) {
  Json titles = Json::array();
  for (const GFXItem& item : items) titles.push_back(item.Title);
  return titles.dump();
}

}  // namespace qorvexctl
