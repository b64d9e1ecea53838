// The public surface of the menu entry, by name.

#include "qorvexctl/controls/skins/SkinProperties.h"
#include "qorvexctl/controls/skins/skSubMenu.h"
#include "qorvexctl/frame/IntrinsicMembers.h"

namespace qorvexctl {

const MemberTable& skSubMenu::Members() {
  using M = skSubMenu;
  static const MemberTable table = [] {
    MembersOf<M> members("skSubMenu");
    members.Inherit<platform::Control>(ControlMembers());
    return ImageFileMembers(members)
        .Property(
            "Margin", [](const M& c) { return c.Margin(); }, [](M& c, int v) { c.Margin(v); })
        .Property(
            "HoverForeColor", [](const M& c) { return c.HoverForeColor(); },
            [](M& c, Colour v) { c.HoverForeColor(v); })
        .Property(
            "HoverBackColor", [](const M& c) { return c.HoverBackColor(); },
            [](M& c, Colour v) { c.HoverBackColor(v); })
        .Property(
            "ActiveForeColor", [](const M& c) { return c.ActiveForeColor(); },
            [](M& c, Colour v) { c.ActiveForeColor(v); })
        .Property(
            "ActiveBackColor", [](const M& c) { return c.ActiveBackColor(); },
            [](M& c, Colour v) { c.ActiveBackColor(v); })
        .Property(
            "Active", [](const M& c) { return c.Active(); }, [](M& c, bool v) { c.Active(v); })
        .Property(
            "Caption", [](const M& c) { return c.Caption(); },
            [](M& c, std::string v) { c.Caption(v); })
        .Build();
  }();
  return table;
}

}  // namespace qorvexctl
