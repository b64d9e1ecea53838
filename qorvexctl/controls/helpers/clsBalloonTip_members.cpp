// The public surface of the balloon tip class, by name.

#include <string>

#include "qorvexctl/controls/helpers/clsBalloonTip.h"
#include "qorvexctl/frame/Members.h"
#include "qorvexctl/platform/desktop/Window.h"

namespace qorvexctl {

const MemberTable& clsBalloonTip::Members() {
  using Tip = clsBalloonTip;
  static const MemberTable table =
      MembersOf<Tip>("clsBalloonTip")
          .Property(
              "mvarParentControlhwnd", [](const Tip& t) { return t.mvarParentControlhwnd(); },
              [](Tip& t, platform::HWND v) { t.mvarParentControlhwnd(v); })
          .Property(
              "lHwnd", [](const Tip& t) { return t.lHwnd(); },
              [](Tip& t, platform::HWND v) { t.lHwnd(v); })
          .Property(
              "Style", [](const Tip& t) { return t.Style(); },
              [](Tip& t, ttStyleEnum v) { t.Style(v); })
          .Property(
              "PopupOnDemand", [](const Tip& t) { return t.PopupOnDemand(); },
              [](Tip& t, bool v) { t.PopupOnDemand(v); })
          .Property(
              "Centered", [](const Tip& t) { return t.Centered(); },
              [](Tip& t, bool v) { t.Centered(v); })
          .Property(
              "Icon", [](const Tip& t) { return t.Icon(); },
              [](Tip& t, ttIconType v) { t.Icon(v); })
          .Property(
              "ForeColor", [](const Tip& t) { return t.ForeColor(); },
              [](Tip& t, Colour v) { t.ForeColor(v); })
          .Property(
              "BackColor", [](const Tip& t) { return t.BackColor(); },
              [](Tip& t, Colour v) { t.BackColor(v); })
          .Property(
              "Title", [](const Tip& t) { return t.Title(); },
              [](Tip& t, std::string v) { t.Title(std::move(v)); })
          .Property(
              "TipText", [](const Tip& t) { return t.TipText(); },
              [](Tip& t, std::string v) { t.TipText(std::move(v)); })
          .Property("ParentControl",
                    [](const Tip& t) -> platform::HWND {
                      return t.ParentControl() ? t.ParentControl()->hWnd() : 0;
                    })
          .Property("TooltipCount", [](const Tip& t) { return t.TooltipCount(); })
          .Method("Create", {}, [](Tip& t) { return t.Create(); })
          .Method("ShowNow", {}, [](Tip& t) { t.ShowNow(); })
          .Method("DestroyTip", {}, [](Tip& t) { t.DestroyTip(); })
          .Method("SetTimeout", {"msDelay", "msDisplay"},
                  [](Tip& t, std::int32_t delay, std::int32_t display) {
                    t.SetTimeout(delay, display);
                  })
          .Build();
  return table;
}

}  // namespace qorvexctl
