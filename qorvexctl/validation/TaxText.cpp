#include "qorvexctl/validation/TaxText.h"

#include <algorithm>
#include <array>
#include <utility>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/validation/CurrentRules.h"

namespace qorvexctl {

namespace {

bool IsAscii(unsigned char byte) { return byte < 0x80; }

// Digits and capital letters, one entry per byte value: a text of these alone is already as the
// current rules read it. A table, as this test runs on every byte the current set reads.
constexpr auto kDigitOrCapital = [] {
  std::array<bool, 256> table{};
  for (unsigned char c = '0'; c <= '9'; ++c) table[c] = true;
  for (unsigned char c = 'A'; c <= 'Z'; ++c) table[c] = true;
  return table;
}();

bool IsDigitOrCapital(unsigned char byte) { return kDigitOrCapital[byte]; }

// Widens the bytes into `out` (room for all of them) and tells whether every byte passes
// `test`. The test runs on every byte without an early exit, so the loop stays a plain copy.
template <typename ByteTest>
bool WidenAndTest(std::string_view bytes, char32_t* out, ByteTest test) {
  bool allPass = true;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    out[i] = byte;
    allPass &= test(byte);
  }
  return allPass;
}

}  // namespace

TaxText::TaxText(std::string_view utf8, const Locale& locale) : m_locale(&locale) {
  if (utf8.size() <= kInlineCapacity && WidenAndTest(utf8, m_inline, IsAscii)) {
    m_chars = std::u32string_view(m_inline, utf8.size());
  } else {
    KeepOnHeap(DecodeUtf8(utf8));
  }
}

TaxText::TaxText(std::string_view utf8, const Locale& locale, AsWritten) : m_locale(&locale) {
  if (utf8.size() <= kInlineCapacity && WidenAndTest(utf8, m_inline, IsDigitOrCapital)) {
    m_chars = std::u32string_view(m_inline, utf8.size());
  } else if (!NormaliseInline(utf8)) {
    KeepOnHeap(DecodeUtf8(NormaliseWrittenNumber(utf8)));
  }
}

bool TaxText::NormaliseInline(std::string_view utf8) {
  std::size_t length = 0;
  for (char c : utf8) {
    if (!IsAscii(static_cast<unsigned char>(c)) || length == kInlineCapacity) return false;
    if (IsWrittenSeparator(c)) continue;
    m_inline[length++] = c >= 'a' && c <= 'z' ? static_cast<char32_t>(c - 'a' + 'A') : c;
  }
  m_chars = std::u32string_view(m_inline, length);
  return true;
}

void TaxText::KeepOnHeap(std::u32string chars) {
  m_heap = std::move(chars);
  m_chars = m_heap;
}

TaxText::TaxText(std::u32string_view chars, const Locale& locale) : m_locale(&locale) {
  if (chars.size() <= kInlineCapacity) {
    std::copy(chars.begin(), chars.end(), m_inline);
    m_chars = std::u32string_view(m_inline, chars.size());
  } else {
    KeepOnHeap(std::u32string(chars));
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
