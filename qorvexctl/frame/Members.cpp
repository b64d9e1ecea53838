#include "qorvexctl/frame/Members.h"

#include "qorvexctl/base/RuntimeError.h"
#include "qorvexctl/base/Text.h"

namespace qorvexctl {
namespace {

template <class Member>
const Member* FindByName(const std::vector<Member>& members, std::string_view name) {
  for (const auto& member : members) {
    if (EqualsNoCase(member.name, name)) return &member;
  }
  return nullptr;
}

[[noreturn]] void NoSuchMember(const MemberTable& table, std::string_view name,
                               std::string_view why) {
  throw RuntimeError(kErrNoSuchMember, table.typeName,
                     table.typeName + "." + std::string(name) + ": " + std::string(why));
}

}  // namespace

const PropertyMember* MemberTable::FindProperty(std::string_view name) const {
  return FindByName(properties, name);
}
const MethodMember* MemberTable::FindMethod(std::string_view name) const {
  return FindByName(methods, name);
}
const EventMember* MemberTable::FindEvent(std::string_view name) const {
  return FindByName(events, name);
}
const PartMember* MemberTable::FindPart(std::string_view name) const {
  return FindByName(parts, name);
}

Variant CallByName(ObjectRef target, std::string_view name, CallType type,
                   std::vector<Variant>& args) {
  const MemberTable& table = *target.table;
  if (type == CallType::Method) {
    const MethodMember* method = table.FindMethod(name);
    if (!method) NoSuchMember(table, name, "no such method");
    if (args.size() > method->parameters.size()) {
      throw RuntimeError(kErrWrongArguments, table.typeName,
                         table.typeName + "." + method->name + ": takes " +
                             std::to_string(method->parameters.size()) + " arguments");
    }
    return method->call(target.object, args);
  }
  const PropertyMember* property = table.FindProperty(name);
  if (!property && type == CallType::Get && table.FindMethod(name)) {
    return CallByName(target, name, CallType::Method, args);  // a function read as a value
  }
  if (!property) NoSuchMember(table, name, "no such property");
  if (type == CallType::Get) return property->get(target.object);
  if (!property->let) NoSuchMember(table, name, "the property is read-only");
  if (args.size() != 1) {
    throw RuntimeError(kErrWrongArguments, table.typeName,
                       table.typeName + "." + property->name + ": a let takes one value");
  }
  property->let(target.object, args.front());
  return {};
}

Variant CallByName(ObjectRef target, std::string_view name, CallType type,
                   std::vector<Variant>&& args) {
  return CallByName(target, name, type, args);
}

std::vector<Connection> ConnectAllEvents(ObjectRef target, const EventSink& sink) {
  std::vector<Connection> connections;
  for (const auto& event : target.table->events) {
    connections.push_back(event.connect(target.object, sink));
  }
  return connections;
}

}  // namespace qorvexctl
