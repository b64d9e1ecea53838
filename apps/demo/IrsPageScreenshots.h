#pragma once
// Screenshots of the IRS form's pages for the documentation.

#include <filesystem>

#include "IrsForm.h"
#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl::demo {

// Fills in Anexo A and Anexo H and writes irs_form_anexo_a.png, irs_form_anexo_h.png and
// irs_form_entrega.png into `folder`; the form is back on its first page afterwards.
bool WriteIrsPageScreenshots(platform::Desktop& desktop, IrsForm& form,
                             const std::filesystem::path& folder);

}  // namespace qorvexctl::demo
