// The public surface of the framed box, by name.

#include "qorvexctl/controls/skins/SkinProperties.h"
#include "qorvexctl/controls/skins/skQuadro.h"
#include "qorvexctl/frame/IntrinsicMembers.h"
#include "qorvexctl/frame/Members.h"

namespace qorvexctl {

const MemberTable& skQuadro::Members() {
  using M = skQuadro;
  static const MemberTable table =
      MembersOf<M>("skQuadro")
          .Inherit<platform::Control>(ControlMembers())
          .Property("TransparencyColor", [](const M& c) { return c.TransparencyColor(); },
                    [](M& c, Colour v) { c.TransparencyColor(v); })
          .Property("DebugDesign", [](const M& c) { return c.DebugDesign(); },
                    [](M& c, int v) { c.DebugDesign(v); })
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
