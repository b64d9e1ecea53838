// The public surface of the skinned panel, by name.

#include "qorvexctl/controls/skins/SkinProperties.h"
#include "qorvexctl/controls/skins/skGrowth.h"
#include "qorvexctl/frame/IntrinsicMembers.h"
#include "qorvexctl/frame/Members.h"

namespace qorvexctl {

const MemberTable& skGrowth::Members() {
  using M = skGrowth;
  static const MemberTable table =
      MembersOf<M>("skGrowth")
          .Inherit<platform::Control>(ControlMembers())
          .Method("ImageSource", {"imgID", "Value"},
                  IndexedPathMethod<M>([](const M& c, int i) { return c.ImageSource(i); },
                                       [](M& c, int i, std::string p) { c.ImageSource(i, p); }))
          .Property("SkinID", [](const M& c) { return c.SkinID(); },
                    [](M& c, std::string v) { c.SkinID(v); })
          .Property("Caption", [](const M& c) { return c.Caption(); },
                    [](M& c, std::string v) { c.Caption(v); })
          .Property("CaptionColor", [](const M& c) { return c.CaptionColor(); },
                    [](M& c, Colour v) { c.CaptionColor(v); })
          .Property("hwnd", [](const M& c) { return static_cast<std::int32_t>(c.hwnd()); })
          .Method("Repaint", {}, [](M& c) { c.Repaint(); })
          .Event("RequestSkinRepait", {}, &M::RequestSkinRepait)
          .Event("Resize", {}, &M::Resize)
          .Build();
  return table;
}

}  // namespace qorvexctl
