// The public surface of the menu entry, by name.

#include "qorvexctl/controls/skins/SkinProperties.h"
#include "qorvexctl/controls/skins/skSubMenu.h"
#include "qorvexctl/frame/IntrinsicMembers.h"
#include "qorvexctl/frame/Members.h"

namespace qorvexctl {

const MemberTable& skSubMenu::Members() {
  using M = skSubMenu;
  static const MemberTable table =
      MembersOf<M>("skSubMenu")
          .Inherit<platform::Control>(ControlMembers())
          .Property("Margin", [](const M& c) { return c.Margin(); }, [](M& c, int v) { c.Margin(v); })
          .Property("TransparencyColor", [](const M& c) { return c.TransparencyColor(); },
                    [](M& c, Colour v) { c.TransparencyColor(v); })
          .Property("HoverForeColor", [](const M& c) { return c.HoverForeColor(); },
                    [](M& c, Colour v) { c.HoverForeColor(v); })
          .Property("HoverBackColor", [](const M& c) { return c.HoverBackColor(); },
                    [](M& c, Colour v) { c.HoverBackColor(v); })
          .Property("ActiveForeColor", [](const M& c) { return c.ActiveForeColor(); },
                    [](M& c, Colour v) { c.ActiveForeColor(v); })
          .Property("ActiveBackColor", [](const M& c) { return c.ActiveBackColor(); },
                    [](M& c, Colour v) { c.ActiveBackColor(v); })
          .Property("Active", [](const M& c) { return c.Active(); }, [](M& c, bool v) { c.Active(v); })
          .Property("Caption", [](const M& c) { return c.Caption(); },
                    [](M& c, std::string v) { c.Caption(v); })
          .Property("hwnd", [](const M& c) { return static_cast<std::int32_t>(c.hwnd()); })
          .Method("ImageFile", {"nIndex", "Value"},
                  IndexedPathMethod<M>([](const M& c, int i) { return c.ImageFile(i); },
                                       [](M& c, int i, std::string p) { c.ImageFile(i, p); }))
          .Method("reDraw", {}, [](M& c) { c.reDraw(); })
          .Event("Clicked", {}, &M::Clicked)
          .Event("MouseIn", {}, &M::MouseIn)
          .Event("MouseOut", {}, &M::MouseOut)
          .Event("Resize", {}, &M::Resize)
          .Build();
  return table;
}

}  // namespace qorvexctl
