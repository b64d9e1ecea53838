#pragma once
// Variant: the loosely typed value of property bags, settings helpers and members whose classic
// type is Variant. It holds nothing (Empty), Null, a Boolean, an integer (Byte, Integer, Long),
// a Double, a Currency, a String (UTF-8) or a byte array, and converts between them as the
// classic runtime does. Conversions that the classic runtime refuses throw RuntimeError with its
// number: 13 "Type mismatch", 94 "Invalid use of Null", 6 "Overflow".

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "qorvexctl/base/Currency.h"
#include "qorvexctl/base/Locale.h"

namespace qorvexctl {

// The classic type codes (VarType).
enum class VarType : int {
  Empty = 0,
  Null = 1,
  Integer = 2,
  Long = 3,
  Double = 5,
  Currency = 6,
  String = 8,
  Boolean = 11,
  Byte = 17,
  ByteArray = 8209,
};

using ByteArray = std::vector<std::uint8_t>;

class Variant {
 public:
  Variant() = default;  // Empty
  static Variant Null();
  Variant(bool value) : m_value(value) {}                           // NOLINT: implicit on purpose
  Variant(std::uint8_t value) : m_value(value) {}                   // NOLINT
  Variant(std::int16_t value) : m_value(value) {}                   // NOLINT
  Variant(std::int32_t value) : m_value(value) {}                   // NOLINT
  Variant(double value) : m_value(value) {}                         // NOLINT
  Variant(Currency value) : m_value(value) {}                       // NOLINT
  Variant(std::string value) : m_value(std::move(value)) {}         // NOLINT
  Variant(const char* value) : m_value(std::string(value)) {}       // NOLINT
  Variant(std::string_view value) : m_value(std::string(value)) {}  // NOLINT
  Variant(ByteArray value) : m_value(std::move(value)) {}           // NOLINT

  VarType Type() const;
  bool IsEmpty() const { return Type() == VarType::Empty; }
  bool IsNull() const { return Type() == VarType::Null; }
  // True for Byte, Integer, Long, Double and Currency.
  bool IsNumber() const;

  // The text of the value: Empty gives "", Booleans "True"/"False", numbers as CStr writes them
  // in the locale (Doubles in its general number format), byte arrays read as UTF-16LE. Null
  // throws 94.
  std::string ToString(const Locale& locale = DefaultLocale()) const;
  // Numeric value: Empty is 0, True is -1; a String must pass the locale's lenient numeric
  // test or 13 is thrown.
  double ToDouble(const Locale& locale = DefaultLocale()) const;
  // ToDouble rounded ties to even into 32 bits; 6 when out of range.
  std::int32_t ToLong(const Locale& locale = DefaultLocale()) const;
  Currency ToCurrency(const Locale& locale = DefaultLocale()) const;
  // Numbers are True when not 0; Strings "True"/"False" in any case, or numbers.
  bool ToBoolean(const Locale& locale = DefaultLocale()) const;
  // A byte array's bytes; a String's UTF-16LE bytes; Empty gives none.
  ByteArray ToBytes() const;

  // Classic-style equality used for "equal to its default": numbers (and Booleans) compare by
  // value across types, Empty equals "" and 0, texts and byte arrays compare by content, Null
  // equals only Null.
  friend bool operator==(const Variant& a, const Variant& b);

 private:
  struct NullTag {
    bool operator==(const NullTag&) const = default;
  };
  explicit Variant(NullTag tag) : m_value(tag) {}

  std::variant<std::monostate, NullTag, bool, std::uint8_t, std::int16_t, std::int32_t, double,
               Currency, std::string, ByteArray>
      m_value;
};

}  // namespace qorvexctl
