#pragma once
// A form saved to a form file and read back, as a host does between two sessions.

#include <optional>

#include "qorvexctl/frame/FormStore.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl::testsupport {

// Saves `form` (its library controls made by `registry`, the rest intrinsic) to a form file in
// a fresh temporary folder, loads that file into `copy` and removes the folder. The load's
// report; nothing when the file could not be written or read back.
std::optional<FormLoadReport> SaveAndLoad(const Registry& registry, platform::Form& form,
                                          platform::Form& copy);

}  // namespace qorvexctl::testsupport
