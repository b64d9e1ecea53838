// docs/validation.md: the tax-number rules without any window.

#include <cstdio>

#include "qorvexctl/validation/TaxNumber.h"

int main() {
  int pt = qorvexctl::CountryIndex("PT");  // 22; -1 for any non-EU code
  bool ok = qorvexctl::ValidateTaxNumber("123456789", pt, qorvexctl::Locale::Portuguese());
  bool any = qorvexctl::ValidateTaxNumber("whatever", -1);  // no rule: always true
  std::printf("%d %d %d\n", pt, ok, any);
  return ok && any ? 0 : 1;
}
