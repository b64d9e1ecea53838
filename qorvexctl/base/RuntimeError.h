#pragma once
// The error the library raises where the classic runtime raises one to the caller (an index
// out of range, a missing field, an overflow). It carries the classic error number, the name of
// the component that raised it and a description.

#include <stdexcept>
#include <string>
#include <utility>

namespace qorvexctl {

class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(int number, std::string source, const std::string& description)
      : std::runtime_error(description), m_number(number), m_source(std::move(source)) {}

  int Number() const { return m_number; }
  const std::string& Source() const { return m_source; }
  std::string Description() const { return what(); }

 private:
  int m_number;
  std::string m_source;
};

// Classic error numbers used by the library.
inline constexpr int kErrInvalidProcedureCall = 5;
inline constexpr int kErrOverflow = 6;
inline constexpr int kErrSubscriptOutOfRange = 9;
inline constexpr int kErrTypeMismatch = 13;
inline constexpr int kErrInvalidUseOfNull = 94;

}  // namespace qorvexctl
