#pragma once
// A column of euro amount fields for the demo's IRS form: field codes, a maximum, a minimum, a
// multiplier and descriptions, in tab order, Enter moving from one to the next.

#include <filesystem>
#include <memory>
#include <span>
#include <vector>

#include "qorvexctl/controls/amount/eurbox.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl::demo {

// One amount field of a column: its code, caption, kind, bounds and multiplier, the description
// its details box shows and the article it rests on.
struct AmountLine {
  const char* code;
  const char* caption;
  fields type;
  double max;
  double min;
  double mult;
  const char* description;
  const char* reference;
};

// Which fields a column shows, in a frame of that name and caption; each field is named the
// prefix and its code ("valor403").
struct AmountColumnLayout {
  const char* frameName;
  const char* caption;
  const char* fieldPrefix;
  std::span<const AmountLine> lines;
};

// The income and deductions column the demo shows on its own.
AmountColumnLayout DeductionColumn();

class AmountColumn {
 public:
  // Places the column in a frame on `container` (the form itself by default) at `bounds`
  // (pixels), tab indexes from `firstTab`.
  AmountColumn(platform::Form& form, LibraryState& library, platform::Rect bounds, int firstTab,
               const AmountColumnLayout& layout = DeductionColumn(),
               platform::Window* container = nullptr);

  eurbox& Field(std::size_t index) { return *m_fields.at(index); }
  std::size_t Count() const { return m_fields.size(); }

 private:
  std::vector<std::unique_ptr<eurbox>> m_fields;
};

// Writes amount_field_focus.png, amount_field_maximum.png and amount_details.png into `folder`.
bool WriteAmountScreenshots(const std::filesystem::path& folder);

}  // namespace qorvexctl::demo
