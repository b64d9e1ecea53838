// The public surface of the framed box, by name.

#include "qorvexctl/controls/skins/SkinProperties.h"
#include "qorvexctl/controls/skins/skQuadro.h"
#include "qorvexctl/frame/IntrinsicMembers.h"

namespace qorvexctl {

const MemberTable& skQuadro::Members() {
  using M = skQuadro;
  static const MemberTable table = [] {
    MembersOf<M> members("skQuadro");
    members.Inherit<platform::Control>(ControlMembers());
    return ImageFileMembers(members)
        .Property(
            "DebugDesign", [](const M& c) { return c.DebugDesign(); },
            [](M& c, int v) { c.DebugDesign(v); })
        .Build();
  }();
  return table;
}

}  // namespace qorvexctl
