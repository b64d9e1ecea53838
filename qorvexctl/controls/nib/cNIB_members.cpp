// The public surface of the NIB field, by name.

#include <cstdint>
#include <string>

#include "qorvexctl/controls/nib/cNIB.h"
#include "qorvexctl/frame/IntrinsicMembers.h"
#include "qorvexctl/frame/Members.h"

namespace qorvexctl {

const MemberTable& cNIB::Members() {
  static const MemberTable table =
      MembersOf<cNIB>("cNIB")
          .Inherit<platform::Control>(ControlMembers())
          .Property(
              "Text", [](const cNIB& c) { return c.Text(); },
              [](cNIB& c, std::string value) { c.Text(value); })
          .Method("Valid", {}, [](cNIB& c) { return c.Valid(); })
          .Method("CalculateCheckDigits", {"mynib"},
                  [](cNIB&, std::string mynib) { return CalculateCheckDigits(mynib); })
          .Property(
              "BackColor", [](const cNIB& c) { return c.BackColor(); },
              [](cNIB& c, Colour colour) { c.BackColor(colour); })
          .Property("hwnd", [](const cNIB& c) { return static_cast<std::int32_t>(c.hwnd()); })
          .Event("Changed", {}, &cNIB::Changed)
          .Part("nib",
                [](cNIB& c, int index) -> platform::Window* {
                  return index >= 0 && index < kBoxCount ? &c.nib(index) : nullptr;
                })
          .Part("validpic", [](cNIB& c, int) -> platform::Window* { return &c.validpic(); })
          .Part("Image1", [](cNIB& c, int) -> platform::Window* { return &c.Image1(); })
          .Build();
  return table;
}

}  // namespace qorvexctl
