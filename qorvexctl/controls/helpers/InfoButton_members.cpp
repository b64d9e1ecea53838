// The public surface of the information button, by name.

#include <string>

#include "qorvexctl/controls/helpers/InfoButton.h"
#include "qorvexctl/frame/IntrinsicMembers.h"
#include "qorvexctl/frame/Members.h"

namespace qorvexctl {

const MemberTable& InfoButton::Members() {
  static const MemberTable table =
      MembersOf<InfoButton>("InfoButton")
          .Inherit<platform::Control>(ControlMembers())
          .Property(
              "Action", [](const InfoButton& b) { return b.Action(); },
              [](InfoButton& b, std::string v) { b.Action(std::move(v)); })
          .Property(
              "ToolTipTitle", [](const InfoButton& b) { return b.ToolTipTitle(); },
              [](InfoButton& b, std::string v) { b.ToolTipTitle(std::move(v)); })
          .Property(
              "ToolTipStyle", [](const InfoButton& b) { return b.ToolTipStyle(); },
              [](InfoButton& b, TT_STYLE_ENUM v) { b.ToolTipStyle(v); })
          .Property(
              "Style", [](const InfoButton& b) { return b.Style(); },
              [](InfoButton& b, IB_STYLE_ENUM v) { b.Style(v); })
          .Property(
              "TargethWnd", [](const InfoButton& b) { return b.TargethWnd(); },
              [](InfoButton& b, platform::HWND v) { b.TargethWnd(v); })
          .Property(
              "TipText", [](const InfoButton& b) { return b.TipText(); },
              [](InfoButton& b, std::string v) { b.TipText(std::move(v)); })
          .Property(
              "Transparent", [](const InfoButton& b) { return b.Transparent(); },
              [](InfoButton& b, bool v) { b.Transparent(v); })
          .Property("hwnd", [](const InfoButton& b) { return b.hwnd(); })
          .Property("PictureName", [](const InfoButton& b) { return b.PictureName(); })
          .Method("PopupTip", {}, [](InfoButton& b) { b.PopupTip(); })
          .Build();
  return table;
}

}  // namespace qorvexctl
