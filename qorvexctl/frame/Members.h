#pragma once
// The public surface of a control or class, declared once as data: its properties (get and
// let by name, with the value type), its methods (called by name with arguments) and its events
// (name and argument names, in declaration order). Hosts, scripts (`qorvexctl play`) and tests
// reach any object through it by name, the way the classic component runtime dispatched calls.
//
//   const MemberTable& cNIF::Members() {
//     static const MemberTable table = MembersOf<cNIF>("cNIF")
//         .Property("Value", [](const cNIF& c) { return c.Value(); },
//                   [](cNIF& c, std::string v) { c.Value(v); })
//         .Method("AbrirFicha", {"xNIF"}, [](cNIF& c, std::string n) { c.AbrirFicha(n); })
//         .Event("Validated", {"IsOK"}, &cNIF::Validated)
//         .Part("nif", [](cNIF& c, int) -> platform::Window* { return &c.NumberBox(); })
//         .Build();
//     return table;
//   }
//
// Values cross the table as Variants. Getters may return anything a Variant is made of (texts,
// numbers, Booleans, Currency, byte arrays, enumerations); setters and method parameters take
// the C++ type they declare and the Variant is converted to it as the classic runtime converts
// (a mismatch raises RuntimeError 13). A method parameter declared as a non-const reference is
// handed back to the caller's argument list after the call. Event arguments declared as
// non-const references (`bool& Cancel`) are written back from what the event sink left in the
// argument list. Names match without regard to case.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "qorvexctl/base/Event.h"
#include "qorvexctl/base/Text.h"
#include "qorvexctl/base/Variant.h"

namespace qorvexctl {

namespace platform {
class Window;
}  // namespace platform

// How CallByName reaches a member (the classic VbMethod, VbGet and VbLet).
enum class CallType : int { Method = 1, Get = 2, Let = 4 };

// Classic "Object doesn't support this property or method".
inline constexpr int kErrNoSuchMember = 438;
// Classic "Argument not optional" (too many arguments are refused with it too).
inline constexpr int kErrWrongArguments = 449;

// Receives one raised event: its name and its arguments; by-reference arguments the sink
// changes in the list are handed back to the control.
using EventSink = std::function<void(std::string_view event, std::vector<Variant>& args)>;

struct PropertyMember {
  std::string name;
  VarType type;
  std::function<Variant(void*)> get;
  std::function<void(void*, const Variant&)> let;  // empty for a read-only property
};

struct MethodMember {
  std::string name;
  std::vector<std::string> parameters;
  std::function<Variant(void*, std::vector<Variant>&)> call;
};

struct EventMember {
  std::string name;
  std::vector<std::string> arguments;
  std::function<Connection(void*, EventSink)> connect;
};

// An inner window of a control reached by the name its description gives it ("nif",
// "text1", "nib" with an index).
struct PartMember {
  std::string name;
  std::function<platform::Window*(void*, int index)> find;
};

struct MemberTable {
  std::string typeName;
  std::vector<PropertyMember> properties;
  std::vector<MethodMember> methods;
  std::vector<EventMember> events;
  std::vector<PartMember> parts;

  const PropertyMember* FindProperty(std::string_view name) const;
  const MethodMember* FindMethod(std::string_view name) const;
  const EventMember* FindEvent(std::string_view name) const;
  const PartMember* FindPart(std::string_view name) const;
};

// An object together with the table that describes it.
struct ObjectRef {
  void* object = nullptr;
  const MemberTable* table = nullptr;
  explicit operator bool() const { return object != nullptr && table != nullptr; }
};

// Gets or lets a property, or calls a method, by name. An unknown name raises RuntimeError 438
// naming the type and the member; a let of a read-only property raises 438 as well. `args` are
// the method's arguments (by-reference ones come back changed), or for Let the one value. A
// Get of a method's name calls it, as a function is read like a property.
Variant CallByName(ObjectRef target, std::string_view name, CallType type,
                   std::vector<Variant>& args);
Variant CallByName(ObjectRef target, std::string_view name, CallType type,
                   std::vector<Variant>&& args = {});

// Connects `sink` to every event of the object; the connections stay until disconnected.
std::vector<Connection> ConnectAllEvents(ObjectRef target, const EventSink& sink);

// --- Conversions between C++ values and Variants.
namespace members_detail {

template <class T>
Variant ToVariant(const T& value) {
  using V = std::remove_cvref_t<T>;
  if constexpr (std::is_same_v<V, Variant>) {
    return value;
  } else if constexpr (std::is_same_v<V, bool> || std::is_same_v<V, double> ||
                       std::is_same_v<V, Currency> || std::is_same_v<V, std::string> ||
                       std::is_same_v<V, ByteArray> || std::is_same_v<V, std::uint8_t> ||
                       std::is_same_v<V, std::int16_t> || std::is_same_v<V, std::int32_t>) {
    return Variant(value);
  } else if constexpr (std::is_same_v<V, std::uint32_t>) {
    return Variant(static_cast<std::int32_t>(value));  // colours: &H80000005 is a negative Long
  } else if constexpr (std::is_enum_v<V>) {
    return Variant(static_cast<std::int32_t>(value));
  } else if constexpr (std::is_integral_v<V>) {
    return Variant(static_cast<double>(value));
  } else if constexpr (std::is_floating_point_v<V>) {
    return Variant(static_cast<double>(value));
  } else if constexpr (std::is_convertible_v<const V&, std::string_view>) {
    return Variant(std::string_view(value));  // string_view, const char*
  } else if constexpr (requires { VariantOf(value); }) {
    return VariantOf(value);  // an object that names itself (found next to its type)
  } else {
    static_assert(std::is_pointer_v<V>, "no Variant for this type: declare a VariantOf");
    return value ? Variant(true) : Variant();  // a handle the script can only test for
  }
}

// Whether values of T cross the table both ways (by-reference arguments are written back only
// for those).
template <class T>
inline constexpr bool kConvertible =
    std::is_same_v<T, Variant> || std::is_arithmetic_v<T> || std::is_enum_v<T> ||
    std::is_same_v<T, std::string> || std::is_same_v<T, Currency> || std::is_same_v<T, ByteArray>;

template <class T>
std::remove_cvref_t<T> FromVariant(const Variant& value) {
  using V = std::remove_cvref_t<T>;
  if constexpr (std::is_same_v<V, Variant>) {
    return value;
  } else if constexpr (std::is_same_v<V, bool>) {
    return value.ToBoolean();
  } else if constexpr (std::is_same_v<V, std::string>) {
    return value.ToString();
  } else if constexpr (std::is_same_v<V, Currency>) {
    return value.ToCurrency();
  } else if constexpr (std::is_same_v<V, ByteArray>) {
    return value.ToBytes();
  } else if constexpr (std::is_same_v<V, std::uint32_t>) {
    return static_cast<std::uint32_t>(value.ToLong());
  } else if constexpr (std::is_enum_v<V> || std::is_integral_v<V>) {
    return static_cast<V>(value.ToLong());
  } else {
    static_assert(std::is_floating_point_v<V>, "no Variant conversion for this type");
    return static_cast<V>(value.ToDouble());
  }
}

template <class T>
VarType VarTypeOf() {
  return ToVariant(std::remove_cvref_t<T>{}).Type();
}

// The parameter types of a lambda's call operator.
template <class F>
struct Signature : Signature<decltype(&F::operator())> {};
template <class C, class R, class... A>
struct Signature<R (C::*)(A...) const> {
  using Result = R;
  using Args = std::tuple<A...>;
};

template <class A>
inline constexpr bool kByReference = std::is_lvalue_reference_v<A> &&
                                     !std::is_const_v<std::remove_reference_t<A>> &&
                                     kConvertible<std::remove_cvref_t<A>>;

// Calls `fn(object, args...)` with each argument converted from the list (missing ones are
// Empty), then writes by-reference arguments back into the list.
template <class Obj, class F, class... A, std::size_t... I>
Variant Invoke(Obj& object, const F& fn, std::vector<Variant>& args, std::tuple<Obj&, A...>*,
               std::index_sequence<I...>) {
  if (args.size() < sizeof...(A)) args.resize(sizeof...(A));
  std::tuple<std::remove_cvref_t<A>...> values{FromVariant<A>(args[I])...};
  using R = decltype(fn(object, std::get<I>(values)...));
  Variant result;
  if constexpr (std::is_void_v<R>) {
    fn(object, std::get<I>(values)...);
  } else {
    result = ToVariant(fn(object, std::get<I>(values)...));
  }
  ((kByReference<A> ? void(args[I] = ToVariant(std::get<I>(values))) : void()), ...);
  return result;
}

template <class... A>
struct EventArguments {
  // Packs the raised arguments, lets the sink see them, hands by-reference ones back.
  static void Forward(const EventSink& sink, std::string_view name, A... raised) {
    std::vector<Variant> list{ToVariant(raised)...};
    sink(name, list);
    WriteBack(list, std::index_sequence_for<A...>{}, std::forward<A>(raised)...);
  }
  template <std::size_t... I, class... R>
  static void WriteBack(const std::vector<Variant>& list, std::index_sequence<I...>,
                        R&&... raised) {
    ((kByReference<A> ? Assign<A>(raised, list[I]) : void()), ...);
  }
  template <class Declared, class R>
  static void Assign(R&& target, const Variant& value) {
    if constexpr (kByReference<Declared>) target = FromVariant<Declared>(value);
  }
};

}  // namespace members_detail

// Builds the member table of type T. A member declared with the name of an inherited one
// replaces it, whether Inherit comes before or after it.
template <class T>
class MembersOf {
 public:
  explicit MembersOf(std::string typeName) { m_table.typeName = std::move(typeName); }

  // A read-only property: `get(const T&)` returns its value.
  template <class Get>
  MembersOf& Property(std::string name, Get get) {
    Put(m_table.properties, Readable(std::move(name), get));
    return *this;
  }
  // A property with a let: `let(T&, V)` takes the value as the type V it declares.
  template <class Get, class Let>
  MembersOf& Property(std::string name, Get get, Let let) {
    PropertyMember property = Readable(std::move(name), get);
    using V = std::tuple_element_t<1, typename members_detail::Signature<Let>::Args>;
    property.let = [let](void* o, const Variant& value) {
      let(*static_cast<T*>(o), members_detail::FromVariant<V>(value));
    };
    Put(m_table.properties, std::move(property));
    return *this;
  }
  // A method: `fn(T&, A...)`, each parameter converted from the argument list.
  template <class Fn>
  MembersOf& Method(std::string name, std::vector<std::string> parameters, Fn fn) {
    using Args = typename members_detail::Signature<Fn>::Args;
    Put(m_table.methods,
        MethodMember{std::move(name), std::move(parameters),
                     [fn](void* o, std::vector<Variant>& args) {
                       return members_detail::Invoke(
                           *static_cast<T*>(o), fn, args, static_cast<Args*>(nullptr),
                           std::make_index_sequence<std::tuple_size_v<Args> - 1>{});
                     }});
    return *this;
  }
  // An event member of T (or of a base of T); `arguments` name its arguments in order.
  template <class B, class... A>
  MembersOf& Event(std::string name, std::vector<std::string> arguments,
                   qorvexctl::Event<A...> B::*event) {
    static_assert(std::is_base_of_v<B, T>);
    Put(m_table.events,
        EventMember{name, std::move(arguments), [event, name](void* o, EventSink sink) {
                      T& object = *static_cast<T*>(o);
                      return (object.*event).connect([sink, name](A... raised) {
                        members_detail::EventArguments<A...>::Forward(sink, name,
                                                                      std::forward<A>(raised)...);
                      });
                    }});
    return *this;
  }
  // An inner window: `find(T&, int index)` returns it, or nullptr for an index it lacks.
  template <class Find>
  MembersOf& Part(std::string name, Find find) {
    Put(m_table.parts, PartMember{std::move(name), [find](void* o, int index) -> platform::Window* {
                                    return find(*static_cast<T*>(o), index);
                                  }});
    return *this;
  }
  // Adds every member of base class B's table (a control's inherited window members); the
  // object pointer is adjusted to the base before each call.
  template <class B>
  MembersOf& Inherit(const MemberTable& base) {
    static_assert(std::is_base_of_v<B, T>);
    auto up = [](void* o) -> void* { return static_cast<B*>(static_cast<T*>(o)); };
    for (auto p : base.properties) {
      p.get = [up, get = p.get](void* o) { return get(up(o)); };
      if (p.let) p.let = [up, let = p.let](void* o, const Variant& v) { let(up(o), v); };
      PutIfAbsent(m_table.properties, std::move(p));
    }
    for (auto m : base.methods) {
      m.call = [up, call = m.call](void* o, std::vector<Variant>& a) { return call(up(o), a); };
      PutIfAbsent(m_table.methods, std::move(m));
    }
    for (auto e : base.events) {
      e.connect = [up, connect = e.connect](void* o, EventSink s) { return connect(up(o), s); };
      PutIfAbsent(m_table.events, std::move(e));
    }
    for (auto p : base.parts) {
      p.find = [up, find = p.find](void* o, int index) { return find(up(o), index); };
      PutIfAbsent(m_table.parts, std::move(p));
    }
    return *this;
  }

  MemberTable Build() { return std::move(m_table); }

 private:
  template <class Get>
  static PropertyMember Readable(std::string name, Get get) {
    using R = decltype(get(std::declval<const T&>()));
    return PropertyMember{
        std::move(name),
        members_detail::VarTypeOf<R>(),
        [get](void* o) { return members_detail::ToVariant(get(*static_cast<const T*>(o))); },
        {}};
  }
  template <class Member>
  static void Put(std::vector<Member>& members, Member member) {
    for (Member& existing : members) {
      if (EqualsNoCase(existing.name, member.name)) {
        existing = std::move(member);
        return;
      }
    }
    members.push_back(std::move(member));
  }
  template <class Member>
  static void PutIfAbsent(std::vector<Member>& members, Member member) {
    for (const Member& existing : members) {
      if (EqualsNoCase(existing.name, member.name)) return;
    }
    members.push_back(std::move(member));
  }

  MemberTable m_table;
};

}  // namespace qorvexctl
