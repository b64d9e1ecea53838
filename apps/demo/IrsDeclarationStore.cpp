#include "IrsDeclarationStore.h"

#include <array>
#include <string_view>

#include "IrsForm.h"
#include "hostkit/SqliteConnection.h"
#include "qorvexctl/base/RuntimeError.h"
#include "qorvexctl/base/Locale.h"
#include "qorvexctl/controls/button/cButton.h"
#include "qorvexctl/frame/FormStore.h"

namespace qorvexctl::demo {

namespace {

// The properties that hold what a user entered, by control type, in the order they are put
// back.
struct ValueProperties {
  std::string_view type;
  std::array<std::string_view, 2> properties;
};
constexpr ValueProperties kValueProperties[] = {
    {"TextBox", {"Text", ""}},
    {"CheckBox", {"Value", ""}},
    {"cNIF", {"CountryID", "Value"}},
    {"cNIB", {"Text", ""}},
    {"eurbox", {"Value", ""}},
    {"cSujeitoSelector", {"SujeitoValueType", ""}},
    {"cTipDefCTLNew", {"Tipo", "GrauDef"}},
    {"cButton", {"Value", ""}},
};

const ValueProperties* PropertiesOf(const platform::Window& control) {
  for (const ValueProperties& entry : kValueProperties) {
    if (entry.type == control.TypeName()) return &entry;
  }
  return nullptr;
}

// A plain button holds no value; check and option buttons do.
bool HoldsValue(const platform::Window& control) {
  const auto* button = dynamic_cast<const cButton*>(&control);
  return !button || button->Mode() != efbxp_CommandButton;
}

std::string KeyOf(const platform::Window& control, std::string_view property) {
  std::string key = control.Name();
  if (control.Index() >= 0) key += "(" + std::to_string(control.Index()) + ")";
  return key + "." + std::string(property);
}

// The stored text as a value of the kind the property holds now.
Variant ValueLike(const Variant& current, const std::string& stored) {
  const Locale plain = Locale::UnitedStates();
  if (current.Type() == VarType::Boolean) return Variant(stored).ToBoolean(plain);
  if (current.IsNumber()) return Variant(stored).ToDouble(plain);
  return Variant(stored);
}

}  // namespace

std::vector<IrsDeclarationStore::StoredValue> IrsDeclarationStore::Values(platform::Form& form) {
  std::vector<StoredValue> values;
  for (platform::Window* control : form.Controls()) {
    const ValueProperties* entry = PropertiesOf(*control);
    if (!entry || !HoldsValue(*control)) continue;
    for (std::string_view property : entry->properties) {
      if (property.empty()) continue;
      values.push_back({KeyOf(*control, property), control, std::string(property)});
    }
  }
  return values;
}

std::string IrsDeclarationStore::Read(platform::Form& form, const StoredValue& value) {
  auto& irs = dynamic_cast<IrsForm&>(form);
  const ObjectRef object = irs.Components().Members().Of(*value.control);
  return CallByName(object, value.property, CallType::Get).ToString(Locale::UnitedStates());
}

bool IrsDeclarationStore::Save(IrsForm& form, hostkit::SqliteDeclaration& declaration,
                               const std::filesystem::path& formFile) {
  try {
    hostkit::SqliteTransaction transaction(form.Database()->Connection());
    for (const StoredValue& value : Values(form)) {
      declaration.Set(value.key, Read(form, value));
    }
    transaction.Commit();
  } catch (const std::exception&) {
    return false;
  }
  if (formFile.empty()) return true;
  const FormStore store(form.Components(), IntrinsicControls::Standard());
  return store.Save(form, formFile);
}

void IrsDeclarationStore::Restore(IrsForm& form, hostkit::SqliteDeclaration& declaration) {
  for (const StoredValue& value : Values(form)) {
    const std::optional<std::string> stored = declaration.Find(value.key);
    if (!stored) continue;
    const ObjectRef object = form.Components().Members().Of(*value.control);
    try {
      const Variant current = CallByName(object, value.property, CallType::Get);
      CallByName(object, value.property, CallType::Let, {ValueLike(current, *stored)});
    } catch (const RuntimeError&) {
      // A value this control does not take (a hand-edited database): the control keeps its own.
    }
  }
}

}  // namespace qorvexctl::demo
