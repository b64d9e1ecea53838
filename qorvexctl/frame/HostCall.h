#pragma once
// The one door through which the library calls into objects of the host application (the
// declaration object, the taxpayer record, a selection's parent object). Host code may throw
// anything or hand back no object at all; the library carries on with the caller's previous
// state, so HostCall swallows every exception and returns a fallback instead.
//
//   std::string name = HostCall([&] { return HostObject(record).Name(); });
//   HostCall([&] { HostObject(record).Open(); });

#include <exception>
#include <memory>
#include <type_traits>
#include <utility>

namespace qorvexctl {

// Thrown by HostObject when the host gave no object; HostCall turns it into the fallback.
struct HostObjectMissing : std::exception {
  const char* what() const noexcept override { return "host object missing"; }
};

// The object behind a host reference, or HostObjectMissing when there is none.
template <typename T>
T& HostObject(const std::shared_ptr<T>& object) {
  if (!object) throw HostObjectMissing{};
  return *object;
}

// Runs a call into host objects for its effect; anything it throws is ignored.
template <typename Call>
requires std::is_void_v<std::invoke_result_t<Call>>
void HostCall(Call&& call) noexcept {
  try {
    std::forward<Call>(call)();
  } catch (...) {
  }
}

// Runs a call into host objects and returns its result, or `fallback` when it throws.
template <typename Call, typename Result = std::invoke_result_t<Call>>
requires(!std::is_void_v<Result>) Result HostCall(Call&& call, Result fallback = Result{})
noexcept {
  try {
    return std::forward<Call>(call)();
  } catch (...) {
    return fallback;
  }
}

}  // namespace qorvexctl
