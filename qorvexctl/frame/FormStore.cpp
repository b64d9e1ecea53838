#include "qorvexctl/frame/FormStore.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace qorvexctl {
namespace {

using platform::Window;

// What the container keeps for a library control besides the control's own properties.
IntrinsicProperties ExtenderProperties() {
  constexpr std::array<std::string_view, 5> keys = {"Visible", "TabIndex", "TabStop", "Tag",
                                                    "ToolTipText"};
  IntrinsicProperties all = IntrinsicControls::WindowProperties();
  std::erase_if(all, [&](const IntrinsicProperty& p) {
    return std::find(keys.begin(), keys.end(), p.key) == keys.end();
  });
  return all;
}

// The extender properties a control did not already write itself.
void WriteExtenderProperties(const Window& control, PropertyBag& bag) {
  Window hidden(control.GetDesktop());
  hidden.Visible(false);
  const Window plain(control.GetDesktop(), &hidden);
  IntrinsicProperties missing = ExtenderProperties();
  std::erase_if(missing, [&](const IntrinsicProperty& p) { return bag.Contains(p.key); });
  WriteIntrinsicProperties(missing, control, plain, bag);
}

// Index and place as stored, before the properties are applied (AutoSize and line ends see the
// stored size).
void Place(Window& control, const FormControl& stored) {
  control.Index(stored.index.value_or(-1));
  control.Move(stored.left, stored.top, stored.width, stored.height);
}

}  // namespace

FormFile FormStore::Capture(platform::Form& form) const {
  FormFile file;
  file.name = form.Name();
  const platform::Form prototype(form.GetDesktop());
  WriteIntrinsicProperties(IntrinsicControls::FormProperties(), form, prototype, file.properties);
  for (Window* control : form.Controls()) {
    // The inner parts of other controls (a list's scroll bar) are theirs to make.
    if (HoldsControls(*control->Parent(), form)) {
      file.controls.push_back(CaptureControl(form, *control));
    }
  }
  return file;
}

bool FormStore::HoldsControls(const Window& window, const platform::Form& form) const {
  if (&window == &form) return true;
  const IntrinsicType* type = m_intrinsics.Find(window.TypeName());
  return type && type->holdsControls;
}

FormControl FormStore::CaptureControl(platform::Form& form, Window& control) const {
  FormControl stored{control.TypeName(),
                     control.Name(),
                     std::nullopt,
                     control.Left(),
                     control.Top(),
                     control.Width(),
                     control.Height(),
                     {},
                     {}};
  if (control.Index() >= 0) stored.index = control.Index();
  if (control.Parent() != &form) stored.container = control.Parent()->Name();
  if (const auto* component = dynamic_cast<const Component*>(&control)) {
    component->WriteProperties(stored.properties);
    WriteExtenderProperties(control, stored.properties);
  } else if (const IntrinsicType* type = m_intrinsics.Find(stored.typeName)) {
    Window hidden(form.GetDesktop());
    hidden.Visible(false);
    const auto prototype = type->create(hidden);
    WriteIntrinsicProperties(type->properties, control, *prototype, stored.properties);
  }
  return stored;
}

FormLoadReport FormStore::Restore(const FormFile& file, platform::Form& form) const {
  if (!file.name.empty()) form.Name(file.name);
  ReadIntrinsicProperties(IntrinsicControls::FormProperties(), form, file.properties);
  FormLoadReport report;
  for (const FormControl& stored : file.controls) {
    if (RestoreControl(stored, form)) {
      ++report.created;
    } else {
      report.skipped.push_back(stored.name + " (" + stored.typeName + ")");
    }
  }
  return report;
}

bool FormStore::RestoreControl(const FormControl& stored, platform::Form& form) const {
  Window* container = stored.container.empty() ? nullptr : form.FindControl(stored.container);
  Window& parent = container ? *container : form;
  if (const IntrinsicType* type = m_intrinsics.Find(stored.typeName)) {
    return MakeIntrinsic(*type, stored, parent, form) != nullptr;
  }
  return MakeComponent(stored, parent, form) != nullptr;
}

Window* FormStore::MakeIntrinsic(const IntrinsicType& type, const FormControl& stored,
                                 Window& container, platform::Form& form) const {
  Window& control = form.Adopt(type.create(container), stored.name);
  Place(control, stored);
  ReadIntrinsicProperties(type.properties, control, stored.properties);
  return &control;
}

Window* FormStore::MakeComponent(const FormControl& stored, Window& container,
                                 platform::Form& form) const {
  const std::shared_ptr<Component> component =
      m_components.Create(std::string(kLibraryName) + "." + stored.typeName);
  auto* control = dynamic_cast<Window*>(component.get());
  if (!control) return nullptr;
  control->SetParent(&container);
  form.Adopt(std::shared_ptr<Window>(component, control), stored.name);
  Place(*control, stored);
  component->ReadProperties(stored.properties);
  ReadIntrinsicProperties(ExtenderProperties(), *control, stored.properties);
  return control;
}

bool FormStore::Save(platform::Form& form, const std::filesystem::path& path) const {
  return Capture(form).Save(path);
}

std::optional<FormLoadReport> FormStore::Load(const std::filesystem::path& path,
                                              platform::Form& form) const {
  const std::optional<FormFile> file = FormFile::Load(path);
  if (!file) return std::nullopt;
  return Restore(*file, form);
}

}  // namespace qorvexctl
