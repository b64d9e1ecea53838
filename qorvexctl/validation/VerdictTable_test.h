#pragma once
// Table checks for the country rule tests: every text of a group must get the same verdict from
// ValidateTaxNumber under the country's index; failures name the country and the text.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>

#include "qorvexctl/validation/TaxNumber.h"

namespace qorvexctl::testing {

inline void ExpectVerdict(std::string_view country, bool expected,
                          std::initializer_list<std::string_view> texts,
                          const Locale& locale = Locale::Portuguese()) {
  const int index = CountryIndex(country);
  ASSERT_GE(index, 0) << country;
  for (std::string_view text : texts) {
    EXPECT_EQ(ValidateTaxNumber(text, index, locale), expected)
        << country << " \"" << text << "\" in " << locale.Name();
  }
}

inline void ExpectValid(std::string_view country, std::initializer_list<std::string_view> texts) {
  ExpectVerdict(country, true, texts);
}

inline void ExpectInvalid(std::string_view country, std::initializer_list<std::string_view> texts) {
  ExpectVerdict(country, false, texts);
}

}  // namespace qorvexctl::testing
