// The public surface of the slideshow, by name. A script names the picture box to add; it is
// looked up on the slideshow's form.

#include "qorvexctl/controls/skins/skAlphaPic.h"
#include "qorvexctl/frame/IntrinsicMembers.h"
#include "qorvexctl/frame/Members.h"

namespace qorvexctl {

namespace {

// The control named `name` on the form `control` is on, or nullptr.
platform::Window* FindOnForm(skAlphaPic& control, const std::string& name) {
  return control.TopLevel()->FindWindow(
      [&name](const platform::Window& w) { return !name.empty() && w.Name() == name; });
}

}  // namespace

const MemberTable& skAlphaPic::Members() {
  using M = skAlphaPic;
  static const MemberTable table =
      MembersOf<M>("skAlphaPic")
          .Inherit<platform::Control>(ControlMembers())
          .Method("AddPicture", {"xPictureBox", "Description", "link"},
                  [](M& c, std::string box, std::string description, std::string link) {
                    c.AddPicture(FindOnForm(c, box), description, link);
                    return c.PictureCount() - 1;
                  })
          .Method("Clear", {}, [](M& c) { c.Clear(); })
          .Property(
              "PictureCount", [](const M& c) { return c.PictureCount(); },
              [](M& c, int v) { c.PictureCount(v); })
          .Property(
              "Enabled", [](const M& c) { return c.Enabled(); }, [](M& c, bool v) { c.Enabled(v); })
          .Property(
              "FadeTime", [](const M& c) { return c.FadeTime(); },
              [](M& c, int v) { c.FadeTime(v); })
          .Property(
              "PictureTime", [](const M& c) { return c.PictureTime(); },
              [](M& c, int v) { c.PictureTime(v); })
          .Property(
              "CurrentIndex", [](const M& c) { return c.CurrentIndex(); },
              [](M& c, int v) { c.CurrentIndex(v); })
          .Property("NextIndex", [](const M& c) { return c.NextIndex(); })
          .Property("PreviousIndex", [](const M& c) { return c.PreviousIndex(); })
          .Property("Fading", [](const M& c) { return c.Fading(); })
          .Property("hwnd", [](const M& c) { return static_cast<std::int32_t>(c.hwnd()); })
          .Method("StartFade", {}, [](M& c) { c.StartFade(); })
          .Method("NextFrame", {}, [](M& c) { c.NextFrame(); })
          .Method("PreviousFrame", {}, [](M& c) { c.PreviousFrame(); })
          .Method("RefreshFade", {}, [](M& c) { c.RefreshFade(); })
          .Method("DisplayFocusImage", {}, [](M& c) { c.DisplayFocusImage(); })
          .Event("href", {"xHRef"}, &M::href)
          .Event("Clicked", {"xindex"}, &M::Clicked)
          .Event("MouseUp", {"xindex", "xButton", "Shift", "x", "y"}, &M::MouseUp)
          .Event("MouseDown", {"xindex", "xButton", "Shift", "x", "y"}, &M::MouseDown)
          .Event("MouseMove", {"xindex", "xButton", "Shift", "x", "y"}, &M::MouseMove)
          .Event("Resize", {}, &M::Resize)
          .Event("FadingIn", {"iPercentage"}, &M::FadingIn)
          .Event("FadingOut", {"iPercentage"}, &M::FadingOut)
          .Build();
  return table;
}

}  // namespace qorvexctl
