// Typed amount text: any bytes read as an amount give a value, and the readings agree with the
// writings: an amount's euro text reads back as the amount it shows, and a number's shortest
// text reads back as the same number. The euro text is written from a double with 15
// significant digits, so the round trip holds for amounts below 10^13 (with their cents);
// larger ones show rounded.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "qorvexctl/base/Locale.h"
#include "qorvexctl/controls/amount/AmountFunctions.h"

namespace {

using namespace qorvexctl;

void Require(bool condition) {
  if (!condition) std::abort();
}

constexpr double kLargestExactAmount = 1e13;

void CheckEuroText(Currency amount, const Locale& locale) {
  if (!(std::abs(amount.ToDouble()) < kLargestExactAmount)) return;
  const std::string shown = FormatEuroAmount(Variant(amount), locale);
  Require(!shown.empty());
  Require(FormatEuroAmount(Variant(ParseEuroAmount(shown)), locale) == shown);
}

void CheckLeadingNumber(std::string_view text) {
  const auto number = ReadLeadingNumber(text);
  if (!number) return;
  const auto again = ReadLeadingNumber(ShortestNumberText(*number));
  Require(again && *again == *number);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const Currency amount = ParseEuroAmount(text);
  CheckEuroText(amount, Locale::Portuguese());
  CheckEuroText(amount, Locale::UnitedStates());
  CheckLeadingNumber(text);
  (void)PlainAmountText(amount);
  return 0;
}
