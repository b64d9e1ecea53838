#pragma once
// cRefArtigo: a link citing the legal basis of a field, the code of the law ("IRS") and the
// article reference ("Art.78º nº2 al.a)"), drawn like a hyperlink.
//
//   cRefArtigo ref(library, desktop, &form);
//   ref.TipoArtigo(Artigo_IRS);
//   ref.artigo("78,2,a)");          // Label2 reads "Art.78º nº2 al.a)"
//
// Pressing the link (left button on the link text, a click on the icon or on the control)
// opens the article: with the configuration value "codigos.consultatarvim" at "1" (its default)
// the lookup service's search address goes to the shell opener, otherwise the article viewer
// (showcod2) opens on the maker's article service. Both hosts are settings of their own
// ("Config" values "codigos.pesquisa" and "codigos.servico") with working defaults: a host
// name is reached over http, and a value with a scheme ("https://...", "file:///...") is the
// start of the address as it stands. A local page stands in for a service when that start ends
// in "?", so that the service's path and query become the page's query:
// "file:///app/data/articles/irs-78.html?" reads that file whatever the article.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "qorvexctl/frame/Members.h"
#include "qorvexctl/frame/UserControl.h"
#include "qorvexctl/platform/widgets/Image.h"
#include "qorvexctl/platform/widgets/Label.h"

namespace qorvexctl {

class Registry;
class showcod2;

enum ArtigoType : std::int32_t {
  Artigo_IRS = 1,
  Artigo_IRC = 2,
  Artigo_IVA = 3,
  Artigo_IS = 4,
  Artigo_EBF = 5,
  Artigo_MECENATO = 6,
  Artigo_CE = 7,
  Artigo_CIEC = 8,
  Artigo_CIMI = 9,
  Artigo_CIRE = 10,
  Artigo_CPPT = 11,
  Artigo_CT = 12,
  Artigo_IMV = 13,
  Artigo_LGT = 14,
  Artigo_RCT = 15,
  Artigo_RGIT = 16,
  Artigo_CIMT = 17,
};

// The code name of a type ("IRS", "Mecen."), or "" outside 1..17.
std::string_view CodeName(ArtigoType type);

// A reference's parts, split at its commas; one empty part for the empty reference.
std::vector<std::string> ReferenceParts(std::string_view reference);

// The label text of a reference: "78,2,a)" gives "Art.78º nº2 al.a)"; parts after the third
// are ignored.
std::string ArticleLabel(std::string_view reference);

// The query of the lookup service's search address for a code name and reference, from "?q=".
std::string LookupQuery(std::string_view codeName, std::string_view reference);

// The start of a service's addresses for its configured value: "http://" and a host name, or
// a value with a scheme as it stands.
std::string ServiceAddress(std::string_view configured);

// Where the two services live unless the settings say otherwise.
inline constexpr char kLookupHostKey[] = "codigos.pesquisa";
inline constexpr char kLookupHostDefault[] = "www.pesquisa-codigos.pt";
inline constexpr char kArticleServiceHostKey[] = "codigos.servico";
inline constexpr char kArticleServiceHostDefault[] = "codigos.balverde.pt";
inline constexpr char kUseLookupKey[] = "codigos.consultatarvim";

// The link colour while the button is down.
inline constexpr Colour kLinkPressedColour = RGB(0, 0, 192);

class cRefArtigo : public UserControl {
 public:
  cRefArtigo(LibraryState& library, platform::Desktop& desktop,
             platform::Window* container = nullptr);
  ~cRefArtigo() override;
  std::string_view ClassName() const override { return "cRefArtigo"; }
  static const MemberTable& Members();

  ArtigoType TipoArtigo() const { return m_type; }
  void TipoArtigo(ArtigoType type);
  const std::string& artigo() const { return m_reference; }
  void artigo(std::string reference);
  std::int32_t EXERCICIO() const { return m_year; }
  void EXERCICIO(std::int32_t year) { m_year = year; }
  bool OldMethod() const { return false; }
  void OldMethod(bool) {}
  std::string Text() const { return m_codeLabel.Caption(); }
  void Text(std::string text) { m_codeLabel.Caption(std::move(text)); }
  using platform::Window::Enabled;
  void Enabled(bool value);
  std::int32_t LenRTF() const { return 0; }
  std::string GetArtigo() const { return {}; }
  void SetArtigo(const std::string&) {}
  bool GotRTF() const { return true; }
  // "ARTIGO 78.º" for the reference 78,2,a).
  const std::string& CodedArticle() const { return m_codedArticle; }

  // Topmost (or not) without moving or sizing the window of that handle.
  void SetWindowTop(std::int32_t hwnd);
  void SetWindowNormal(std::int32_t hwnd);

  // Opens the article as a click on the link does.
  void OpenArticle();
  // The search address of the lookup service for the current reference.
  std::string LookupAddress();
  // The viewer while one is open.
  showcod2* Viewer() const { return m_viewer.get(); }

  platform::Label& CodeLabel() { return m_codeLabel; }
  platform::Label& LinkLabel() { return m_linkLabel; }
  platform::Image& Icon() { return m_icon; }

 protected:
  std::span<const PersistedProperty> PersistedProperties() const override;
  void PropertiesLoaded() override { BuildLabels(); }
  void OnMouseDown(int button, int shift, platform::Point p) override;

 private:
  friend struct cRefArtigoProperties;
  void BuildLabels();
  void PlaceLinkLabel();
  void LinkLook(bool pressed);
  void PressLink();
  void OpenViewer();

  platform::Label m_codeLabel{*this};
  platform::Label m_linkLabel{*this};
  platform::Image m_icon{*this};
  ArtigoType m_type{Artigo_IRS};
  std::string m_reference;
  std::int32_t m_year{0};
  std::string m_codedArticle;
  std::string m_builtReference;
  ArtigoType m_builtType{Artigo_IRS};
  std::unique_ptr<showcod2> m_viewer;
};

void RegisterRefArtigo(Registry& registry, platform::Desktop& desktop);

}  // namespace qorvexctl
