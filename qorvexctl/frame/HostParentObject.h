#pragma once
// The parent object a host names in a selection (`GFXSelection.ParentObj`): the dialog takes
// its owner window and background colour from it. `hwnd` is read through HostCall;
// `BackColor` is read unguarded, so a failing host object reaches the caller there.

#include <cstdint>

#include "qorvexctl/base/Colour.h"

namespace qorvexctl {

class HostParentObject {
 public:
  virtual ~HostParentObject() = default;
  virtual std::uint32_t hwnd() = 0;
  virtual Colour BackColor() = 0;
};

}  // namespace qorvexctl
