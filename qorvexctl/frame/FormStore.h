#pragma once
// Saves a form's controls to a form file and re-creates them from one.
//
//   FormStore store(registry, IntrinsicControls::Standard());
//   store.Save(form, "anexo-h.json");            // every control, atomically
//   platform::Form copy(desktop);
//   auto report = store.Load("anexo-h.json", copy);  // nothing when the file is damaged
//
// Library controls are made by the registry ("QORVEXCTL.cNIF") and read their own property
// bag (ReadProperties); the container's extender properties (Visible, TabIndex, Tag, ...) are
// kept beside theirs. Intrinsic controls are made and read through IntrinsicControls. A control
// of a type neither knows is skipped and named in the report; the rest of the form loads. The
// inner parts of controls (a list view's scroll bar) are left to the controls that make them.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "qorvexctl/frame/FormFile.h"
#include "qorvexctl/frame/IntrinsicControls.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl {

struct FormLoadReport {
  int created = 0;
  // "name (type)" of each control whose type is unknown, in file order.
  std::vector<std::string> skipped;
};

class FormStore {
 public:
  FormStore(const Registry& components, IntrinsicControls intrinsics)
      : m_components(components), m_intrinsics(std::move(intrinsics)) {}

  // The form and its controls (depth first, containers before what they contain).
  FormFile Capture(platform::Form& form) const;
  // Re-creates the controls of `file` on `form`, which keeps them, and applies its properties.
  FormLoadReport Restore(const FormFile& file, platform::Form& form) const;

  // Replaces the file atomically: a crash leaves the old form or the new one.
  bool Save(platform::Form& form, const std::filesystem::path& path) const;
  // Nothing, and the form untouched, when the file cannot be read or is not a form file.
  std::optional<FormLoadReport> Load(const std::filesystem::path& path, platform::Form& form) const;

 private:
  // The form itself, or a control that other controls are placed on (a frame).
  bool HoldsControls(const platform::Window& window, const platform::Form& form) const;
  FormControl CaptureControl(platform::Form& form, platform::Window& control) const;
  bool RestoreControl(const FormControl& stored, platform::Form& form) const;
  platform::Window* MakeIntrinsic(const IntrinsicType& type, const FormControl& stored,
                                  platform::Window& container, platform::Form& form) const;
  platform::Window* MakeComponent(const FormControl& stored, platform::Window& container,
                                  platform::Form& form) const;

  const Registry& m_components;
  IntrinsicControls m_intrinsics;
};

}  // namespace qorvexctl
