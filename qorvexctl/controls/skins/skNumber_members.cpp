// The public surface of the number badge, by name.

#include "qorvexctl/controls/skins/SkinProperties.h"
#include "qorvexctl/controls/skins/skNumber.h"
#include "qorvexctl/frame/IntrinsicMembers.h"

namespace qorvexctl {

const MemberTable& skNumber::Members() {
  using M = skNumber;
  static const MemberTable table = [] {
    MembersOf<M> members("skNumber");
    members.Inherit<platform::Control>(ControlMembers());
    return HoverMembers(members)
        .Property(
            "Caption", [](const M& c) { return c.Caption(); },
            [](M& c, std::string v) { c.Caption(v); })
        .Property(
            "Background", [](const M& c) { return c.Background(); },
            [](M& c, Colour v) { c.Background(v); })
        .Property(
            "BackgroundActive", [](const M& c) { return c.BackgroundActive(); },
            [](M& c, Colour v) { c.BackgroundActive(v); })
        .Property(
            "Foreground", [](const M& c) { return c.Foreground(); },
            [](M& c, Colour v) { c.Foreground(v); })
        .Property(
            "ForegroundActive", [](const M& c) { return c.ForegroundActive(); },
            [](M& c, Colour v) { c.ForegroundActive(v); })
        .Property(
            "Active", [](const M& c) { return c.Active(); }, [](M& c, bool v) { c.Active(v); })
        .Property(
            "SkinID", [](const M& c) { return c.SkinID(); },
            [](M& c, std::string v) { c.SkinID(v); })
        .Event("Clicked", {}, &M::Clicked)
        .Event("DoubleClicked", {}, &M::DoubleClicked)
        .Event("RequestSkinRepait", {}, &M::RequestSkinRepait)
        .Build();
  }();
  return table;
}

}  // namespace qorvexctl
