// The public surface of the skinned panel, by name.

#include "qorvexctl/controls/skins/SkinProperties.h"
#include "qorvexctl/controls/skins/skGrowth.h"
#include "qorvexctl/frame/IntrinsicMembers.h"

namespace qorvexctl {

const MemberTable& skGrowth::Members() {
  using M = skGrowth;
  static const MemberTable table = [] {
    MembersOf<M> members("skGrowth");
    members.Inherit<platform::Control>(ControlMembers());
    return SkinSourceMembers(members)
        .Property(
            "Caption", [](const M& c) { return c.Caption(); },
            [](M& c, std::string v) { c.Caption(v); })
        .Property(
            "CaptionColor", [](const M& c) { return c.CaptionColor(); },
            [](M& c, Colour v) { c.CaptionColor(v); })
        .Build();
  }();
  return table;
}

}  // namespace qorvexctl
