#pragma once
// The JSON Lines the play command writes: one object a line, flushed as it is written, and the
// plain JSON form of a Variant (text, number, Boolean, null; a byte array as its numbers).

#include <ostream>

#include <nlohmann/json.hpp>

#include "qorvexctl/base/Variant.h"

namespace qorvexctl::play {

using Json = nlohmann::ordered_json;

Json PlainJson(const Variant& value);

class PlayOutput {
 public:
  explicit PlayOutput(std::ostream& out) : m_out(out) {}
  void Write(const Json& line);

 private:
  std::ostream& m_out;
};

}  // namespace qorvexctl::play
