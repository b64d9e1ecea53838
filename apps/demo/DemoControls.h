#pragma once
// Placing a library control on a demo form: made on its container, kept by the form under its
// name, placed and initialised as a new control.

#include <memory>
#include <string>

#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl::demo {

// A control of type T on `container` (the form itself by default) at `bounds` (pixels).
template <class T>
T& AddControl(platform::Form& form, LibraryState& library, const std::string& name,
              platform::Rect bounds, platform::Window* container = nullptr) {
  auto control = std::make_shared<T>(library, form.GetDesktop(), container ? container : &form);
  form.Adopt(control, name);
  control->SetBounds(bounds);
  control->InitProperties();
  return *control;
}

}  // namespace qorvexctl::demo
