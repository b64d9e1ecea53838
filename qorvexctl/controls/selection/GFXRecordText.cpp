#include "qorvexctl/controls/selection/GFXRecordText.h"

#include <cstdint>

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

// Reads each key present into its field: text, Boolean or Variant.
void Read(const Json& json, const char* key, std::string& field) {
  if (json.contains(key) && json[key].is_string()) field = json[key].get<std::string>();
}
void Read(const Json& json, const char* key, bool& field) {
  if (json.contains(key) && json[key].is_boolean()) field = json[key].get<bool>();
}
void Read(const Json& json, const char* key, Variant& field) {
  if (json.contains(key)) field = VariantOfJson(json[key]);
}

GFXItem ItemOfJson(const Json& json) {
  if (!json.is_object()) NotARecord("A GFXItem");
  GFXItem item;
  Read(json, "Title", item.Title);
  Read(json, "Tooltip", item.Tooltip);
  Read(json, "Image", item.Image);
  Read(json, "Disabled", item.Disabled);
  Read(json, "Selected", item.Selected);
  Read(json, "Default", item.Default);
  Read(json, "Bold", item.Bold);
  Read(json, "TAGs", item.TAGs);
  Read(json, "Settings", item.Settings);
  Read(json, "Value", item.Value);
  return item;
}

Json JsonOfItem(const GFXItem& item) {
  return Json{{"Title", item.Title},       {"Tooltip", item.Tooltip},
              {"Image", JsonOfVariant(item.Image)}, {"Disabled", item.Disabled},
              {"Selected", item.Selected}, {"Default", item.Default},
              {"Bold", item.Bold},         {"TAGs", item.TAGs},
              {"Settings", item.Settings}, {"Value", JsonOfVariant(item.Value)}};
}

}  // namespace

GFXSelection SelectionFromText(std::string_view text) {
  const Json json = Parse(text, false, "A GFXSelection");
  GFXSelection s;
  Read(json, "ID", s.ID);
  Read(json, "Title", s.Title);
  Read(json, "Subtitle", s.Subtitle);
  Read(json, "Tooltip", s.Tooltip);
  Read(json, "HelpURL", s.HelpURL);
  Read(json, "Image", s.Image);
  Read(json, "DisableCancel", s.DisableCancel);
  Read(json, "MultipleSelect", s.MultipleSelect);
  Read(json, "NoSingleClick", s.NoSingleClick);
  Read(json, "Pageable", s.Pageable);
  Read(json, "Settings", s.Settings);
  Read(json, "DiscardUserProperties", s.DiscardUserProperties);
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
