// The public surface of the skinned go-button, by name.

#include "qorvexctl/controls/skins/SkinProperties.h"
#include "qorvexctl/controls/skins/skGoButton.h"
#include "qorvexctl/frame/IntrinsicMembers.h"

namespace qorvexctl {

const MemberTable& skGoButton::Members() {
  using M = skGoButton;
  static const MemberTable table = [] {
    MembersOf<M> members("skGoButton");
    members.Inherit<platform::Control>(ControlMembers());
    return SkinSourceMembers(HoverMembers(members))
        .Property(
            "Active", [](const M& c) { return c.Active(); }, [](M& c, bool v) { c.Active(v); })
        .Property(
            "Tooltip", [](const M& c) { return c.Tooltip(); },
            [](M& c, std::string v) { c.Tooltip(v); })
        .Property(
            "Enabled", [](const M& c) { return c.Enabled(); }, [](M& c, bool v) { c.Enabled(v); })
        .Property("Hovering", [](const M& c) { return c.Hovering(); })
        .Property("Clicking", [](const M& c) { return c.Clicking(); })
        .Event("DoubleClick", {}, &M::DoubleClick)
        .Build();
  }();
  return table;
}

}  // namespace qorvexctl
