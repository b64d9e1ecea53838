// cTipDefCTLNew as hosts and scripts reach it by name.

#include <string>
#include <utility>

#include "qorvexctl/controls/helpers/cTipDefCTLNew.h"
#include "qorvexctl/frame/IntrinsicMembers.h"
#include "qorvexctl/frame/Members.h"

namespace qorvexctl {

const MemberTable& cTipDefCTLNew::Members() {
  using T = cTipDefCTLNew;
  auto tip = [](int number) {
    return std::pair{[number](const T& t) { return t.ToolTip(number); },
                     [number](T& t, std::string v) { t.ToolTip(number, std::move(v)); }};
  };
  const auto [tip1, setTip1] = tip(1);
  const auto [tip2, setTip2] = tip(2);
  const auto [tip3, setTip3] = tip(3);
  const auto [tip4, setTip4] = tip(4);
  static const MemberTable table =
      MembersOf<T>("cTipDefCTLNew")
          .Inherit<platform::Control>(ControlMembers())
          .Property("ToolTip_1", tip1, setTip1)
          .Property("ToolTip_2", tip2, setTip2)
          .Property("ToolTip_3", tip3, setTip3)
          .Property("ToolTip_4", tip4, setTip4)
          .Property(
              "Enabled", [](const T& t) { return t.Enabled(); }, [](T& t, bool v) { t.Enabled(v); })
          .Property(
              "ShowGrauDef", [](const T& t) { return t.ShowGrauDef(); },
              [](T& t, bool v) { t.ShowGrauDef(v); })
          .Property(
              "GrauDef", [](const T& t) { return t.GrauDef(); },
              [](T& t, std::int32_t v) { t.GrauDef(v); })
          .Property(
              "Tipo", [](const T& t) { return t.Tipo(); }, [](T& t, std::int32_t v) { t.Tipo(v); })
          .Event("Changed", {}, &T::Changed)
          .Event("GrauChanged", {}, &T::GrauChanged)
          .Part("itm",
                [](T& t, int index) -> platform::Window* {
                  return index >= 0 && index < kOptions ? &t.Option(index) : nullptr;
                })
          .Part("txtDef", [](T& t, int) -> platform::Window* { return &t.DegreeBox(); })
          .Part("gDef", [](T& t, int) -> platform::Window* { return &t.DegreeScroll(); })
          .Part("lblDef", [](T& t, int) -> platform::Window* { return &t.DegreeLabel(); })
          .Build();
  return table;
}

}  // namespace qorvexctl
