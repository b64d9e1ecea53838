// cSujeitoSelector as hosts and scripts reach it by name.

#include "qorvexctl/controls/helpers/cSujeitoSelector.h"
#include "qorvexctl/frame/IntrinsicMembers.h"
#include "qorvexctl/platform/drawing/Screenshot.h"

namespace qorvexctl {

const MemberTable& cSujeitoSelector::Members() {
  using S = cSujeitoSelector;
  static const MemberTable table =
      MembersOf<S>("cSujeitoSelector")
          .Inherit<platform::Control>(ControlMembers())
          .Property(
              "Possible", [](const S& s) { return s.Possible(); },
              [](S& s, std::string v) { s.Possible(v); })
          .Property(
              "CanSelectNone", [](const S& s) { return s.CanSelectNone(); },
              [](S& s, bool v) { s.CanSelectNone(v); })
          .Property(
              "SelectedSujeito", [](const S& s) { return s.SelectedSujeito(); },
              [](S& s, std::string v) { s.SelectedSujeito(v); })
          .Property(
              "SelectedSujeitoIndex", [](const S& s) { return s.SelectedSujeitoIndex(); },
              [](S& s, std::int16_t v) { s.SelectedSujeitoIndex(v); })
          .Property(
              "SujeitoValueType", [](const S& s) { return s.SujeitoValueType(); },
              [](S& s, std::string v) { s.SujeitoValueType(v); })
          .Property("hwnd", [](const S& s) { return static_cast<std::int32_t>(s.hwnd()); })
          .Method("SelectedNIF", {"specificsujeito"},
                  [](S& s, std::string code) { return s.SelectedNIF(code); })
          // The button's picture as the bytes of a PNG file; Empty without one.
          .Method("ImageFile", {"SujeitoID"},
                  [](S& s, std::string id) {
                    const auto picture = s.ImageFile(id);
                    if (!picture || picture->IsEmpty()) return Variant();
                    return Variant(platform::EncodePng(picture->Pixels()));
                  })
          .Method("RefreshButtonCaption", {}, [](S& s) { s.RefreshButtonCaption(); })
          .Event("Clicked", {}, &S::Clicked)
          .Event("Changed", {}, &S::Changed)
          .Event("Initialize", {}, &S::Initialize)
          .Part("sujeito_selector",
                [](S& s, int index) -> platform::Window* {
                  return index >= 0 && index < kSujeitoKinds ? &s.KindButton(index) : nullptr;
                })
          .Build();
  return table;
}

}  // namespace qorvexctl
