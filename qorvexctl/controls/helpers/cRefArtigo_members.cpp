// cRefArtigo and its article viewer as hosts and scripts reach them by name.

#include <string>
#include <utility>

#include "qorvexctl/controls/helpers/cRefArtigo.h"
#include "qorvexctl/controls/helpers/showcod2.h"
#include "qorvexctl/frame/IntrinsicMembers.h"
#include "qorvexctl/frame/Members.h"

namespace qorvexctl {

const MemberTable& cRefArtigo::Members() {
  using C = cRefArtigo;
  static const MemberTable table =
      MembersOf<C>("cRefArtigo")
          .Inherit<platform::Control>(ControlMembers())
          .Property(
              "TipoArtigo", [](const C& c) { return c.TipoArtigo(); },
              [](C& c, std::int32_t v) { c.TipoArtigo(static_cast<ArtigoType>(v)); })
          .Property(
              "artigo", [](const C& c) { return c.artigo(); },
              [](C& c, std::string v) { c.artigo(std::move(v)); })
          .Property(
              "EXERCICIO", [](const C& c) { return c.EXERCICIO(); },
              [](C& c, std::int32_t v) { c.EXERCICIO(v); })
          .Property(
              "OldMethod", [](const C& c) { return c.OldMethod(); },
              [](C& c, bool v) { c.OldMethod(v); })
          .Property(
              "Text", [](const C& c) { return c.Text(); },
              [](C& c, std::string v) { c.Text(std::move(v)); })
          .Property(
              "Enabled", [](const C& c) { return c.Enabled(); },
              [](C& c, bool v) { c.Enabled(v); })
          .Property(
              "LenRTF", [](const C& c) { return c.LenRTF(); }, [](C&, std::int32_t) {})
          .Property(
              "GotRTF", [](const C& c) { return c.GotRTF(); }, [](C&, bool) {})
          .Property("Label2", [](const C& c) { return c.m_linkLabel.Caption(); })
          .Method("GetArtigo", {}, [](C& c) { return c.GetArtigo(); })
          .Method("SetArtigo", {"NewRTF"}, [](C& c, std::string t) { c.SetArtigo(t); })
          .Method("SetWindowTop", {"lngHwnd"}, [](C& c, std::int32_t h) { c.SetWindowTop(h); })
          .Method("SetWindowNormal", {"lngHwnd"},
                  [](C& c, std::int32_t h) { c.SetWindowNormal(h); })
          .Method("OpenArticle", {}, [](C& c) { c.OpenArticle(); })
          .Method("LookupAddress", {}, [](C& c) { return c.LookupAddress(); })
          .Part("Label1", [](C& c, int) -> platform::Window* { return &c.CodeLabel(); })
          .Part("Label2", [](C& c, int) -> platform::Window* { return &c.LinkLabel(); })
          .Part("Image1", [](C& c, int) -> platform::Window* { return &c.Icon(); })
          .Part("showcod2", [](C& c, int) -> platform::Window* { return c.Viewer(); })
          .Build();
  return table;
}

const MemberTable& showcod2::Members() {
  using V = showcod2;
  static const MemberTable table =
      MembersOf<V>("showcod2")
          .Inherit<platform::Form>(FormMembers())
          .Property("ArticleAddress", [](const V& v) { return v.ArticleAddress(); })
          .Property("LocationURL", [](const V& v) { return v.WebBrowser1().LocationURL(); })
          .Property("BodyText", [](const V& v) { return v.WebBrowser1().BodyText(); })
          .Method("UserWait", {}, [](V& v) { v.UserWait(); })
          .Method("RefreshCod", {}, [](V& v) { v.RefreshCod(); })
          .Part("Command1", [](V& v, int) -> platform::Window* { return &v.Command1(); })
          .Part("Command2", [](V& v, int) -> platform::Window* { return &v.Command2(); })
          .Part("prnt", [](V& v, int) -> platform::Window* { return &v.prnt(); })
          .Part("Label1", [](V& v, int) -> platform::Window* { return &v.Label1(); })
          .Part("WebBrowser1", [](V& v, int) -> platform::Window* { return &v.WebBrowser1(); })
          .Build();
  return table;
}

}  // namespace qorvexctl
