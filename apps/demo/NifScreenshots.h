#pragma once
// Screenshots of the NIF fields at work: a foreign number typed with its country prefix, the
// context menu open, and the country list open (each taken while the popup or the window is
// up, from the script that answers it).

#include <filesystem>

#include "IrsForm.h"

namespace qorvexctl::demo {

// Writes irs_form_foreign.png, nif_context_menu.png and nif_country_list.png into `folder`;
// false when a file could not be written.
bool WriteNifScreenshots(platform::Desktop& desktop, IrsForm& form,
                         const std::filesystem::path& folder);

}  // namespace qorvexctl::demo
