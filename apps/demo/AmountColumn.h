#pragma once
// A column of euro amount fields for the demo's IRS form: field codes, a maximum, a minimum, a
// multiplier and descriptions, in tab order, Enter moving from one to the next.

#include <filesystem>
#include <memory>
#include <vector>

#include "qorvexctl/controls/amount/eurbox.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl::demo {

class AmountColumn {
 public:
  // Places the column in a frame of `form` at `bounds` (pixels), tab indexes from `firstTab`.
  AmountColumn(platform::Form& form, LibraryState& library, platform::Rect bounds, int firstTab);

  eurbox& Field(std::size_t index) { return *m_fields.at(index); }
  std::size_t Count() const { return m_fields.size(); }

 private:
  std::vector<std::unique_ptr<eurbox>> m_fields;
};

// Writes amount_field_focus.png, amount_field_maximum.png and amount_details.png into `folder`.
bool WriteAmountScreenshots(const std::filesystem::path& folder);

}  // namespace qorvexctl::demo
