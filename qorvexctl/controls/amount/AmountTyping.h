#pragma once
// The steps by which the euro field turns what was typed into the stored amount and the text it
// shows, and where the caret goes afterwards. eurbox::FormatText runs them in order around its
// text box:
//
//   TypedReading typed = ReadTyped(text, caret, american);       // caret, sign, typed number
//   amount = StoredAmount(typed.number, wholeEuros);             // cents (or euros), ties to even
//   shown = DisplayText(amount, typed.negative, form, locale);   // "1.234,50 €", "€ 12"
//   CaretPlacement caret = PlaceCaret(typed, shown, form);       // caret, selection, events
//
// Caret offsets are 0-based; "positions" of characters are 1-based, as the classic InStr gives
// them.

#include <optional>
#include <string>
#include <string_view>

#include "qorvexctl/base/Colour.h"
#include "qorvexctl/base/Currency.h"
#include "qorvexctl/base/Locale.h"

namespace qorvexctl {

// How a field shows its amount.
struct AmountForm {
  bool american = false;    // "." is the decimal separator the caret rules look for
  bool euroLeft = false;    // "€ 12,50" instead of "12,50 €"
  bool wholeEuros = false;  // rounded to whole euros, shown without decimals
};

struct TypedReading {
  int caret = 0;          // S: the caret offset after the corrections for a doubled separator
  int distance = 0;       // dist: the separator's position less the caret offset as typed
  bool negative = false;  // a "-" was typed (and no "+")
  double number = 0;      // v: the text read as an amount
};

// Reads the typed text and the caret offset the text box reports.
TypedReading ReadTyped(std::string_view text, int caret, bool american);

// The amount stored for the typed number: round(v, 2), or round(v, 0) for whole euros, ties to
// even; nothing when it does not fit the amount type (the field then keeps its amount).
std::optional<Currency> StoredAmount(double number, bool wholeEuros);

// The text shown for `amount`: "###,##0.00 €" ("€ ###,##0.00" with the sign on the left,
// without ".00" for whole euros) in the locale, with "-" in front when a minus was typed.
std::string DisplayText(Currency amount, bool negative, const AmountForm& form,
                        const Locale& locale);

// Where the caret goes once the text is shown.
struct CaretPlacement {
  enum class Rule { WholeEuroSeparator, DecimalDigit, PastDecimals, WholePart };
  Rule rule = Rule::WholePart;
  std::optional<int> caret;  // nothing: left where the text box put it
  int selection = 0;         // characters selected from the caret (overwrite one decimal)
  bool clearsTag = true;     // the procedure ends its "BUSY" mark itself
  bool raisesValueChanged = false;
};

// The caret rules for the typed reading once `shown` is in the box; `reportEveryChange` is
// the field's REWD turned around (REWD False raises ValueChanged for the whole part too).
CaretPlacement PlaceCaret(const TypedReading& typed, std::string_view shown, const AmountForm& form,
                          bool reportEveryChange);

// The text colour of an amount: RGB(128,0,0) for a negative one; with a maximum in force,
// RGB(0,0,92) when the amount counted (`considered`, RVal) is the stored one or above it and
// RGB(0,92,0) when it is below; otherwise RGB(0,64,0).
Colour AmountColour(bool negative, bool maximumApplies, double considered, Currency stored);

}  // namespace qorvexctl
