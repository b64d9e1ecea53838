#include "qorvexctl/controls/amount/AmountTyping.h"

#include <algorithm>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/amount/AmountFunctions.h"

namespace qorvexctl {
namespace {

std::string_view DecimalSeparator(bool american) { return american ? "." : ","; }

int Position(std::string_view text, std::string_view find) {
  return static_cast<int>(InStr(text, find));
}

}  // namespace

TypedReading ReadTyped(std::string_view text, int caret, bool american) {
  TypedReading typed;
  typed.caret = caret;
  typed.negative = InStr(text, "-") > 0 && InStr(text, "+") == 0;
  const int separator = Position(text, DecimalSeparator(american));
  typed.distance = separator - caret;
  if (InStr(text, ".,") > 0 || InStr(text, ",,") > 0 || InStr(text, "..") > 0) ++typed.caret;
  if (separator < typed.caret) typed.caret = separator + 1;
  typed.number = ParseEuroAmount(text).ToDouble();
  return typed;
}

std::optional<Currency> StoredAmount(double number, bool wholeEuros) {
  return Currency::FromDouble(RoundTiesEven(number, wholeEuros ? 0 : 2));
}

std::string DisplayText(Currency amount, bool negative, const AmountForm& form,
                        const Locale& locale) {
  const std::string number = form.wholeEuros ? "###,##0" : "###,##0.00";
  const std::string pattern = form.euroLeft ? "€ " + number : number + " €";
  std::string shown = locale.Format(amount.ToDouble(), pattern);
  if (negative && !shown.starts_with('-')) shown = "-" + shown;
  return shown;
}

CaretPlacement PlaceCaret(const TypedReading& typed, std::string_view shown, const AmountForm& form,
                          bool reportEveryChange) {
  using Rule = CaretPlacement::Rule;
  const int separator = form.wholeEuros ? 0 : Position(shown, DecimalSeparator(form.american));
  const int caret = typed.caret;
  CaretPlacement placement;
  int lowest = 0;  // N
  if (separator + 1 == caret && form.wholeEuros) {
    placement.rule = Rule::WholeEuroSeparator;
    const int beforeBlank = Position(shown, " ") - 1;
    if (beforeBlank >= 0) placement.caret = beforeBlank;
  } else if (separator + 1 == caret) {
    placement.rule = Rule::DecimalDigit;
    const int dist = typed.distance;
    if (dist == 0 || dist == 1) placement.caret = separator;
    if (dist == -1) placement.caret = separator + 1;
    if (dist == -2 || dist == -3) placement.caret = separator + 2;
    placement.selection = 1;
    placement.clearsTag = false;
    placement.raisesValueChanged = true;
    return placement;
  } else if (caret > separator + 1) {
    placement.rule = Rule::PastDecimals;
    placement.caret = separator + 1;
    placement.selection = 1;
    placement.raisesValueChanged = true;
    return placement;
  } else {
    lowest = separator;
  }
  lowest = std::max(lowest, caret);
  if (lowest > 1) placement.caret = lowest - 1;
  placement.raisesValueChanged = placement.rule == Rule::WholeEuroSeparator || reportEveryChange;
  return placement;
}

Colour AmountColour(bool negative, bool maximumApplies, double considered, Currency stored) {
  if (negative) return RGB(128, 0, 0);
  if (!maximumApplies) return RGB(0, 64, 0);
  return considered < stored.ToDouble() ? RGB(0, 92, 0) : RGB(0, 0, 92);
}

}  // namespace qorvexctl
