#pragma once
// Screenshots of the refund account (NIB) field: a number completed with its check digits, and
// a number whose check digits are wrong.

#include <filesystem>

#include "IrsForm.h"

namespace qorvexctl::demo {

// Writes nib_correct.png and nib_incorrect.png into `folder`; false when a file could not be
// written.
bool WriteNibScreenshots(platform::Desktop& desktop, IrsForm& form,
                         const std::filesystem::path& folder);

}  // namespace qorvexctl::demo
