#pragma once
// The tables the country rules read, kept as the texts they are stored as. Number lists are
// split at commas at compile time.

#include <array>
#include <cstddef>
#include <string_view>

namespace qorvexctl::rule_tables {

// The integers of a comma-separated list of N non-negative numbers.
template <std::size_t N>
constexpr std::array<int, N> SplitNumbers(std::string_view list) {
  std::array<int, N> numbers{};
  std::size_t k = 0;
  for (char c : list) {
    if (c == ',') {
      ++k;
    } else {
      numbers[k] = numbers[k] * 10 + (c - '0');
    }
  }
  return numbers;
}

inline constexpr auto kFinnishWeights = SplitNumbers<7>("7,9,10,5,8,4,2");
// Entry k is the value of the digit k in an odd position.
inline constexpr auto kCypriotOddPositionValues = SplitNumbers<10>("1,0,5,7,9,13,15,17,19,21");

inline constexpr std::string_view kFrenchKeyAlphabet = "0123456789ABCDEFGHJKLMNPQRSTUVWXYZ";
inline constexpr std::string_view kSpanishPersonalLetters = "TRWAGMYFPDXBNJZSQVHLCKE";
inline constexpr std::string_view kSpanishCompanyControlLetters = "ABCDEFGHIJ";
inline constexpr std::string_view kSpanishDigitControlFirstLetters = "ABCDEFGHJUV";
inline constexpr std::string_view kSpanishLetterControlFirstLetters = "ABCDEFGHNPQRSW";
inline constexpr std::string_view kSpanishForeignerFirstLetters = "KLMX";
// "W" stands for a remainder of 0.
inline constexpr std::string_view kIrishCheckLetters = "WABCDEFGHIJKLMNOPQRSTUV";
inline constexpr std::string_view kSlovakForbiddenThirdDigits = "156";

}  // namespace qorvexctl::rule_tables
