#include "qorvexctl/validation/Iban.h"

#include <algorithm>
#include <optional>

#include "qorvexctl/validation/NibCheckDigits.h"

namespace qorvexctl {
namespace {

constexpr std::string_view kPortugal = "PT";
constexpr std::size_t kNibLength = 21;
constexpr std::size_t kPortugueseIbanLength = 4 + kNibLength;

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The remainder modulo 97 of the number the characters spell, each digit as itself and each
// letter as the two digits 10 (A) to 35 (Z); nothing for any other character.
std::optional<int> Mod97(std::string_view chars, int remainder = 0) {
  for (const char c : chars) {
    if (IsAsciiDigit(c)) {
      remainder = (remainder * 10 + (c - '0')) % 97;
    } else if (IsAsciiLetter(c)) {
      remainder = (remainder * 100 + (AsciiUpper(c) - 'A' + 10)) % 97;
    } else {
      return std::nullopt;
    }
  }
  return remainder;
}

}  // namespace

std::string ElectronicIban(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c != ' ') out += AsciiUpper(c);
  }
  return out;
}

std::string IbanCheckDigits(std::string_view country, std::string_view bban) {
  std::optional<int> remainder = Mod97(bban);
  if (remainder) remainder = Mod97(country, *remainder);
  if (remainder) remainder = Mod97("00", *remainder);
  if (!remainder) return {};
  const int check = 98 - *remainder;
  return {static_cast<char>('0' + check / 10), static_cast<char>('0' + check % 10)};
}

bool HasValidIbanCheck(std::string_view iban) {
  const std::string text = ElectronicIban(iban);
  if (text.size() < 5 || !LooksLikeIban(text)) return false;
  if (!IsAsciiDigit(text[2]) || !IsAsciiDigit(text[3])) return false;
  std::optional<int> remainder = Mod97(std::string_view(text).substr(4));
  if (remainder) remainder = Mod97(std::string_view(text).substr(0, 4), *remainder);
  return remainder == 1;
}

std::string PortugueseIban(std::string_view nib) {
  if (nib.size() != kNibLength || !std::ranges::all_of(nib, IsAsciiDigit)) return {};
  if (!IsValidNib(nib)) return {};
  return std::string(kPortugal) + IbanCheckDigits(kPortugal, nib) + std::string(nib);
}

bool IsValidPortugueseIban(std::string_view iban) {
  const std::string text = ElectronicIban(iban);
  if (text.size() != kPortugueseIbanLength || !text.starts_with(kPortugal)) return false;
  const std::string_view nib = std::string_view(text).substr(4);
  return std::ranges::all_of(nib, IsAsciiDigit) && HasValidIbanCheck(text) && IsValidNib(nib);
}

bool LooksLikeIban(std::string_view text) {
  return text.size() >= 2 && IsAsciiLetter(text[0]) && IsAsciiLetter(text[1]);
}

}  // namespace qorvexctl
