#include "qorvexctl/frame/FormFile.h"

#include <algorithm>
#include <unordered_map>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/platform/services/AtomicFile.h"

namespace qorvexctl {

namespace {

using Json = nlohmann::ordered_json;

constexpr char kFormat[] = "qorvexctl-form";
constexpr int kVersion = 1;

Json ControlToJson(const FormControl& control) {
  Json json = {{"type", control.typeName}, {"name", control.name}};
  if (control.index) json["index"] = *control.index;
  json["left"] = control.left;
  json["top"] = control.top;
  json["width"] = control.width;
  json["height"] = control.height;
  json["properties"] = control.properties.ToJson();
  if (!control.container.empty()) json["container"] = control.container;
  return json;
}

// Reads an int member when it is present; false when it is present but not an int.
bool ReadInt(const Json& json, const char* member, int& out) {
  const auto found = json.find(member);
  if (found == json.end()) return true;
  if (!found->is_number_integer()) return false;
  const auto value = found->get<std::int64_t>();
  if (value < INT32_MIN || value > INT32_MAX) return false;
  out = static_cast<int>(value);
  return true;
}

// A string member, or nothing when it is absent or not a string.
std::optional<std::string> ReadString(const Json& json, const char* member) {
  const auto found = json.find(member);
  if (found == json.end() || !found->is_string()) return std::nullopt;
  return found->get<std::string>();
}

// The "properties" member of a control or form (absent: none), or nothing when it is damaged.
std::optional<PropertyBag> PropertiesFromJson(const Json& json) {
  const auto stored = json.find("properties");
  return PropertyBag::FromJson(stored == json.end() ? Json::object() : *stored);
}

std::optional<FormControl> ControlFromJson(const Json& json) {
  if (!json.is_object()) return std::nullopt;
  auto typeName = ReadString(json, "type");
  auto name = ReadString(json, "name");
  if (!typeName || !name) return std::nullopt;
  FormControl control;
  control.typeName = std::move(*typeName);
  control.name = std::move(*name);
  int index = 0;
  if (json.contains("index")) {
    if (!ReadInt(json, "index", index)) return std::nullopt;
    control.index = index;
  }
  if (!ReadInt(json, "left", control.left) || !ReadInt(json, "top", control.top) ||
      !ReadInt(json, "width", control.width) || !ReadInt(json, "height", control.height)) {
    return std::nullopt;
  }
  auto properties = PropertiesFromJson(json);
  if (!properties || (json.contains("container") && !json["container"].is_string())) {
    return std::nullopt;
  }
  control.properties = std::move(*properties);
  control.container = ReadString(json, "container").value_or("");
  return control;
}

// Whether each control's chain of containers (the frames it sits in, named by earlier
// controls) stays within the nesting limit. A container named by no earlier control is the form.
bool NestingWithinLimit(const std::vector<FormControl>& controls) {
  std::unordered_map<std::string, int> depthOf;
  for (const FormControl& control : controls) {
    const auto container = depthOf.find(UCase(control.container));
    const int depth = container == depthOf.end() ? 1 : container->second + 1;
    if (depth > FormFile::kMaxNesting) return false;
    depthOf.try_emplace(UCase(control.name), depth);
  }
  return true;
}

}  // namespace

FormControl* FormFile::Find(std::string_view controlName, std::optional<int> index) {
  const auto found = std::find_if(controls.begin(), controls.end(), [&](const FormControl& c) {
    return EqualsNoCase(c.name, controlName) && c.index == index;
  });
  return found == controls.end() ? nullptr : &*found;
}

std::string FormFile::ToText() const {
  Json json = {{"format", kFormat}, {"version", kVersion}, {"name", name}};
  json["controls"] = Json::array();
  for (const FormControl& control : controls) json["controls"].push_back(ControlToJson(control));
  if (properties.Count() > 0) json["properties"] = properties.ToJson();
  // Texts that are not UTF-8 are written with U+FFFD rather than refused.
  return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::optional<FormFile> FormFile::FromText(std::string_view text) {
  const Json json = Json::parse(text, nullptr, /*allow_exceptions=*/false);
  if (!json.is_object() || ReadString(json, "format") != kFormat) return std::nullopt;
  int version = 0;
  const auto controls = json.find("controls");
  if (!ReadInt(json, "version", version) || version != kVersion || controls == json.end() ||
      !controls->is_array() || controls->size() > kMaxControls) {
    return std::nullopt;
  }
  auto properties = PropertiesFromJson(json);
  if (!properties) return std::nullopt;
  FormFile form;
  form.name = ReadString(json, "name").value_or("");
  form.properties = std::move(*properties);
  for (const Json& item : *controls) {
    auto control = ControlFromJson(item);
    if (!control) return std::nullopt;
    form.controls.push_back(std::move(*control));
  }
  if (!NestingWithinLimit(form.controls)) return std::nullopt;
  return form;
}

bool FormFile::Save(const std::filesystem::path& path) const {
  return platform::WriteFileAtomically(path, ToText());
}

std::optional<FormFile> FormFile::Load(const std::filesystem::path& path) {
  const auto text = platform::ReadFileBytes(path);
  if (!text) return std::nullopt;
  return FromText(*text);
}

}  // namespace qorvexctl
