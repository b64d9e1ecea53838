// Tax-number rules, the numeric test, number formatting and NIB check digits on arbitrary
// bytes: every call must return without crashing, whatever the text. The first byte picks the
// country index (-1 to 27) and the locale; the rest is the text.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "qorvexctl/base/Locale.h"
#include "qorvexctl/validation/NibCheckDigits.h"
#include "qorvexctl/validation/TaxNumber.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int index = data[0] % 29 - 1;
  const qorvexctl::Locale locale =
      data[0] & 0x80 ? qorvexctl::Locale::UnitedStates() : qorvexctl::Locale::Portuguese();
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  qorvexctl::ValidateTaxNumber(text, index, locale);
  if (const auto number = locale.ToNumber(text)) {
    if (!locale.IsNumeric(text)) __builtin_trap();  // the two must agree
    locale.Format(*number, "###,##0.00");
    locale.FormatGeneral(*number);
  }
  qorvexctl::CalculateCheckDigits(text);
  qorvexctl::IsValidNib(text);
  return 0;
}
