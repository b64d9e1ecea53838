#pragma once
// Raises a busy flag for the life of a scope, so it is lowered on every way out:
//
//   FlagGuard busy(m_updating);  // m_updating is true until the end of the block

namespace qorvexctl {

class FlagGuard {
 public:
  explicit FlagGuard(bool& flag) : m_flag(flag), m_before(flag) { m_flag = true; }
  ~FlagGuard() { m_flag = m_before; }
  FlagGuard(const FlagGuard&) = delete;
  FlagGuard& operator=(const FlagGuard&) = delete;

 private:
  bool& m_flag;
  bool m_before;
};

}  // namespace qorvexctl
