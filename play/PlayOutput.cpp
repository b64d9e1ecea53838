#include "play/PlayOutput.h"

namespace qorvexctl::play {

Json PlainJson(const Variant& value) {
  switch (value.Type()) {
    case VarType::Empty:
    case VarType::Null:
      return nullptr;
    case VarType::Boolean:
      return value.ToBoolean();
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long:
      return value.ToLong();
    case VarType::Double:
    case VarType::Currency:
      return value.ToDouble();
    case VarType::String:
      return value.ToString();
    case VarType::ByteArray:
      return value.ToBytes();
  }
  return nullptr;
}

void PlayOutput::Write(const Json& line) {
  // Replace keeps the output valid JSON when a control hands over bytes that are not UTF-8.
  m_out << line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
  m_out.flush();
}

}  // namespace qorvexctl::play
