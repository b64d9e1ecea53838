// cSlider as hosts and scripts reach it by name.

#include "qorvexctl/controls/helpers/cSlider.h"
#include "qorvexctl/frame/IntrinsicMembers.h"
#include "qorvexctl/frame/Members.h"

namespace qorvexctl {

const MemberTable& cSlider::Members() {
  static const MemberTable table =
      MembersOf<cSlider>("cSlider")
          .Inherit<platform::Control>(ControlMembers())
          .Property(
              "SlideOpen", [](const cSlider& s) { return s.SlideOpen(); },
              [](cSlider& s, bool v) { s.SlideOpen(v); })
          .Property("hwnd", [](const cSlider& s) { return static_cast<std::int32_t>(s.hwnd()); })
          .Event("Slided", {}, &cSlider::Slided)
          .Part("cc", [](cSlider& s, int) -> platform::Window* { return &s.cc(); })
          .Build();
  return table;
}

}  // namespace qorvexctl
