// The public surface of the skinned go-button, by name.

#include "qorvexctl/controls/skins/SkinProperties.h"
#include "qorvexctl/controls/skins/skGoButton.h"
#include "qorvexctl/frame/IntrinsicMembers.h"
#include "qorvexctl/frame/Members.h"

namespace qorvexctl {

const MemberTable& skGoButton::Members() {
  using M = skGoButton;
  static const MemberTable table =
      MembersOf<M>("skGoButton")
          .Inherit<platform::Control>(ControlMembers())
          .Method("ImageSource", {"imgID", "Value"},
                  IndexedPathMethod<M>([](const M& c, int i) { return c.ImageSource(i); },
                                       [](M& c, int i, std::string p) { c.ImageSource(i, p); }))
          .Property("SkinID", [](const M& c) { return c.SkinID(); },
                    [](M& c, std::string v) { c.SkinID(v); })
          .Property("Active", [](const M& c) { return c.Active(); }, [](M& c, bool v) { c.Active(v); })
          .Property("Tooltip", [](const M& c) { return c.Tooltip(); },
                    [](M& c, std::string v) { c.Tooltip(v); })
          .Property("Enabled", [](const M& c) { return c.Enabled(); },
                    [](M& c, bool v) { c.Enabled(v); })
          .Property("Hovering", [](const M& c) { return c.Hovering(); })
          .Property("Clicking", [](const M& c) { return c.Clicking(); })
          .Property("hwnd", [](const M& c) { return static_cast<std::int32_t>(c.hwnd()); })
          .Method("Repaint", {}, [](M& c) { c.Repaint(); })
          .Event("MouseIn", {}, &M::MouseIn)
          .Event("MouseOut", {}, &M::MouseOut)
          .Event("Resize", {}, &M::Resize)
          .Event("DoubleClick", {}, &M::DoubleClick)
          .Event("RequestSkinRepait", {}, &M::RequestSkinRepait)
          .Build();
  return table;
}

}  // namespace qorvexctl
