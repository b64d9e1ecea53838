#include "qorvexctl/validation/TaxText.h"

#include <algorithm>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/validation/CurrentRules.h"

namespace qorvexctl {

TaxText::TaxText(std::string_view utf8, const Locale& locale) : m_locale(&locale) {
  const bool ascii = std::all_of(utf8.begin(), utf8.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii && utf8.size() <= kInlineCapacity) {
    std::copy(utf8.begin(), utf8.end(), m_inline);
    m_chars = std::u32string_view(m_inline, utf8.size());
  } else {
    m_heap = DecodeUtf8(utf8);
    m_chars = m_heap;
  }
}

TaxText::TaxText(std::string_view utf8, const Locale& locale, AsWritten) : m_locale(&locale) {
  std::size_t length = 0;
  for (char c : utf8) {
    if (static_cast<unsigned char>(c) >= 0x80 || length == kInlineCapacity) {
      m_heap = DecodeUtf8(NormaliseWrittenNumber(utf8));
      m_chars = m_heap;
      return;
    }
    if (IsWrittenSeparator(c)) continue;
    m_inline[length++] = c >= 'a' && c <= 'z' ? static_cast<char32_t>(c - 'a' + 'A') : c;
  }
  m_chars = std::u32string_view(m_inline, length);
}

TaxText::TaxText(std::u32string_view chars, const Locale& locale) : m_locale(&locale) {
  if (chars.size() <= kInlineCapacity) {
    std::copy(chars.begin(), chars.end(), m_inline);
    m_chars = std::u32string_view(m_inline, chars.size());
  } else {
    m_heap = chars;
    m_chars = m_heap;
  }
}

bool TaxText::IsNumeric(std::size_t first, std::size_t last) const {
  if (first < 1 || first > Length()) return false;
  last = std::min(last, Length());
  if (last < first) return false;
  return m_locale->IsNumeric(m_chars.substr(first - 1, last - first + 1));
}

std::int64_t TaxText::Value(std::size_t first, std::size_t last) const {
  std::int64_t value = 0;
  for (std::size_t p = first; p <= last; ++p) value = value * 10 + Digit(p);
  return value;
}

bool TaxText::AllZeros(std::size_t first, std::size_t last) const {
  for (std::size_t p = first; p <= last; ++p) {
    if (At(p) != '0') return false;
  }
  return true;
}

int TaxText::WeightedSum(std::span<const int> weights, std::size_t first) const {
  int sum = 0;
  for (std::size_t k = 0; k < weights.size(); ++k) sum += weights[k] * Digit(first + k);
  return sum;
}

int TaxText::DoubledDigitSum(std::size_t first, std::size_t last) const {
  int sum = 0;
  for (std::size_t p = first; p <= last; p += 2) sum += DoubledDigit(Digit(p));
  return sum;
}

int TaxText::AlternateDigitSum(std::size_t first, std::size_t last) const {
  int sum = 0;
  for (std::size_t p = first; p <= last; p += 2) sum += Digit(p);
  return sum;
}

}  // namespace qorvexctl
