// docs/validation.md: the tax-number rules without any window.

#include <cstdio>

#include "qorvexctl/validation/RuleSet.h"
#include "qorvexctl/validation/TaxNumber.h"

int main() {
  int pt = qorvexctl::CountryIndex("PT");  // 22; -1 for any non-EU code
  bool ok = qorvexctl::ValidateTaxNumber("123456789", pt, qorvexctl::Locale::Portuguese());
  bool any = qorvexctl::ValidateTaxNumber("whatever", -1);  // no rule: always true
  bool today = qorvexctl::ValidateTaxNumber("0024.55.799.B11", qorvexctl::CountryIndex("NL"),
                                            qorvexctl::Locale::Portuguese(),
                                            qorvexctl::RuleSet::Current);  // true (classic: false)
  std::printf("%d %d %d %d\n", pt, ok, any, today);
  return ok && any && today ? 0 : 1;
}
