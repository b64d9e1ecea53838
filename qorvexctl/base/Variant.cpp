#include "qorvexctl/base/Variant.h"

#include <cmath>
#include <limits>

#include "qorvexctl/base/RuntimeError.h"
#include "qorvexctl/base/Text.h"

namespace qorvexctl {

namespace {

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

[[noreturn]] void ThrowTypeMismatch() {
  throw RuntimeError(kErrTypeMismatch, "Variant", "Type mismatch");
}

[[noreturn]] void ThrowInvalidUseOfNull() {
  throw RuntimeError(kErrInvalidUseOfNull, "Variant", "Invalid use of Null");
}

double ParseNumber(std::string_view text, const Locale& locale) {
  const auto value = locale.ToNumber(text);
  if (!value) ThrowTypeMismatch();
  return *value;
}

// Byte pairs read as little-endian UTF-16 code units; an odd last byte is a unit of its own.
std::string Utf16LeToUtf8(const ByteArray& bytes) {
  std::u16string units;
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    const unsigned high = i + 1 < bytes.size() ? bytes[i + 1] : 0;
    units.push_back(static_cast<char16_t>(bytes[i] | (high << 8)));
  }
  std::string out;
  for (std::size_t i = 0; i < units.size(); ++i) {
    char32_t c = units[i];
    const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < units.size() &&
                      units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF;
    if (pair) c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
    AppendUtf8(out, c);  // a lone surrogate becomes U+FFFD
  }
  return out;
}

ByteArray Utf8ToUtf16Le(std::string_view text) {
  ByteArray bytes;
  const auto push = [&](char32_t unit) {
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  };
  for (char32_t c : DecodeUtf8(text)) {
    if (c < 0x10000) {
      push(c);
    } else {
      push(0xD800 + ((c - 0x10000) >> 10));
      push(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
  }
  return bytes;
}

}  // namespace

Variant Variant::Null() { return Variant(NullTag{}); }

VarType Variant::Type() const {
  static constexpr VarType kTypes[] = {
      VarType::Empty, VarType::Null,   VarType::Boolean,  VarType::Byte,   VarType::Integer,
      VarType::Long,  VarType::Double, VarType::Currency, VarType::String, VarType::ByteArray};
  return kTypes[m_value.index()];
}

bool Variant::IsNumber() const {
  switch (Type()) {
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Double:
    case VarType::Currency:
      return true;
    default:
      return false;
  }
}

std::string Variant::ToString(const Locale& locale) const {
  return std::visit(
      Overloaded{
          [](std::monostate) { return std::string(); },
          [](NullTag) -> std::string { ThrowInvalidUseOfNull(); },
          [](bool b) { return std::string(b ? "True" : "False"); },
          [&](double d) { return locale.FormatGeneral(d); },
          [&](Currency c) { return c.ToString(std::string(1, locale.DecimalSeparator())); },
          [](const std::string& s) { return s; },
          [](const ByteArray& bytes) { return Utf16LeToUtf8(bytes); },
          [](auto integer) { return std::to_string(integer); },
      },
      m_value);
}

double Variant::ToDouble(const Locale& locale) const {
  return std::visit(Overloaded{
                        [](std::monostate) { return 0.0; },
                        [](NullTag) -> double { ThrowInvalidUseOfNull(); },
                        [](bool b) { return b ? -1.0 : 0.0; },
                        [](Currency c) { return c.ToDouble(); },
                        [&](const std::string& s) { return ParseNumber(s, locale); },
                        [](const ByteArray&) -> double { ThrowTypeMismatch(); },
                        [](auto number) { return static_cast<double>(number); },
                    },
                    m_value);
}

std::int32_t Variant::ToLong(const Locale& locale) const {
  const double rounded = std::nearbyint(ToDouble(locale));
  if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
        rounded <= std::numeric_limits<std::int32_t>::max())) {
    throw RuntimeError(kErrOverflow, "Variant", "Overflow");
  }
  return static_cast<std::int32_t>(rounded);
}

Currency Variant::ToCurrency(const Locale& locale) const {
  if (const auto* c = std::get_if<Currency>(&m_value)) return *c;
  const auto value = Currency::FromDouble(ToDouble(locale));
  if (!value) throw RuntimeError(kErrOverflow, "Variant", "Overflow");
  return *value;
}

bool Variant::ToBoolean(const Locale& locale) const {
  if (const auto* s = std::get_if<std::string>(&m_value)) {
    if (EqualsNoCase(Trim(*s), "True")) return true;
    if (EqualsNoCase(Trim(*s), "False")) return false;
  }
  if (const auto* b = std::get_if<bool>(&m_value)) return *b;
  return ToDouble(locale) != 0;
}

ByteArray Variant::ToBytes() const {
  if (const auto* bytes = std::get_if<ByteArray>(&m_value)) return *bytes;
  if (const auto* s = std::get_if<std::string>(&m_value)) return Utf8ToUtf16Le(*s);
  if (IsEmpty()) return {};
  ThrowTypeMismatch();
}

bool operator==(const Variant& a, const Variant& b) {
  const auto numeric = [](const Variant& v) {
    return v.IsNumber() || v.Type() == VarType::Boolean || v.IsEmpty();
  };
  if (a.Type() == VarType::Currency && b.Type() == VarType::Currency) {
    return std::get<Currency>(a.m_value) == std::get<Currency>(b.m_value);
  }
  if (numeric(a) && numeric(b)) return a.ToDouble() == b.ToDouble();
  const auto emptyText = [](const Variant& v, const Variant& other) {
    return v.IsEmpty() && other.Type() == VarType::String &&
           std::get<std::string>(other.m_value).empty();
  };
  if (emptyText(a, b) || emptyText(b, a)) return true;
  return a.m_value == b.m_value;
}

}  // namespace qorvexctl
