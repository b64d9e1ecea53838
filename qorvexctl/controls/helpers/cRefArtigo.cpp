// cRefArtigo: the labels built from the reference, the link look, opening the article in the
// lookup service or in the viewer, persistence.

#include "qorvexctl/controls/helpers/cRefArtigo.h"

#include <array>
#include <chrono>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/helpers/showcod2.h"
#include "qorvexctl/frame/LibraryFunctions.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl {

namespace {

constexpr std::array<std::string_view, 17> kCodeNames = {
    "IRS", "IRC", "IVA",  "IS",  "EBF", "Mecen.", "CE",  "CIEC", "CIMI",
    "CIRE", "CPPT", "CT", "IMV", "LGT", "RCT",    "RGIT", "CIMT"};

// The gap between the code name and the link text.
constexpr int kLinkGapTwips = 15;

std::int32_t CurrentYear() {
  const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  return static_cast<int>(std::chrono::year_month_day{today}.year());
}

std::string Plussed(std::string_view text) { return Replace(text, " ", "+"); }

}  // namespace

std::string_view CodeName(ArtigoType type) {
  if (type < Artigo_IRS || type > Artigo_CIMT) return {};
  return kCodeNames[static_cast<std::size_t>(type - 1)];
}

std::vector<std::string> ReferenceParts(std::string_view reference) {
  std::vector<std::string> parts = Split(reference, ",");
  if (parts.empty()) parts.emplace_back();
  return parts;
}

std::string ArticleLabel(std::string_view reference) {
  const std::vector<std::string> parts = ReferenceParts(reference);
  std::string label = "Art." + parts[0] + "º";
  if (parts.size() > 1) label += " nº" + parts[1];
  if (parts.size() > 2) label += " al." + parts[2];
  return label;
}

std::string ServiceAddress(std::string_view configured) {
  if (configured.find("://") != std::string_view::npos) return std::string(configured);
  return "http://" + std::string(configured);
}

std::string LookupQuery(std::string_view codeName, std::string_view reference) {
  const std::string number = ReferenceParts(reference)[0];
  return "?q=" + Plussed(number) + "+" + std::string(codeName) +
         "&go=pesquisa&utm_source=Qorvex&utm_medium=Artigo&utm_campaign=Qorvex-reflink"
         "&utm_term=" +
         Plussed(std::string(codeName) + " " + std::string(reference));
}

struct cRefArtigoProperties {
  static const std::vector<PersistedProperty>& Table() {
    using C = cRefArtigo;
    static const std::vector<PersistedProperty> table = {
        Persisted<C>(
            "referencia", "", [](C& c, const Variant& v) { c.m_reference = v.ToString(); },
            [](const C& c) { return c.m_reference; }),
        Persisted<C>(
            "arttype", std::int32_t{Artigo_IRS},
            [](C& c, const Variant& v) { c.m_type = static_cast<ArtigoType>(v.ToLong()); },
            [](const C& c) { return std::int32_t{c.m_type}; }),
        Persisted<C>(
            "enabled", true, [](C& c, const Variant& v) { c.Enabled(v.ToBoolean()); },
            [](const C& c) { return c.Enabled(); }),
        Persisted<C>(
            "oldmethod", false, [](C& c, const Variant& v) { c.OldMethod(v.ToBoolean()); },
            [](const C& c) { return c.OldMethod(); }),
        Persisted<C>(
            "exercicio", CurrentYear(),
            [](C& c, const Variant& v) { c.m_year = static_cast<std::int32_t>(v.ToLong()); },
            [](const C& c) { return c.m_year; }),
        Persisted<C>(
            "textrtf", "", [](C&, const Variant&) {}, [](const C& c) { return c.GetArtigo(); }),
    };
    return table;
  }
};

cRefArtigo::cRefArtigo(LibraryState& library, platform::Desktop& desktop,
                       platform::Window* container)
    : UserControl(library, desktop, container) {
  m_codeLabel.AutoSize(true);
  m_linkLabel.AutoSize(true);
  m_codeLabel.BackStyle(0);
  m_linkLabel.BackStyle(0);
  m_icon.Visible(false);
  m_linkLabel.MouseDown.connect([this](int button, int, float, float) {
    if (button == platform::vbLeftButton) PressLink();
  });
  m_linkLabel.MouseUp.connect([this](int, int, float, float) { LinkLook(false); });
  m_icon.Click.connect([this] { PressLink(); });
  SetBounds(platform::Rect::FromSize(0, 0, 120, 16));
}

cRefArtigo::~cRefArtigo() { Terminate(); }

std::span<const PersistedProperty> cRefArtigo::PersistedProperties() const {
  return cRefArtigoProperties::Table();
}

void cRefArtigo::TipoArtigo(ArtigoType type) {
  m_type = type;
  BuildLabels();
  PropertyChanged("arttype");
}

void cRefArtigo::artigo(std::string reference) {
  m_reference = std::move(reference);
  PropertyChanged("referencia");
  BuildLabels();
}

void cRefArtigo::Enabled(bool value) {
  platform::Window::Enabled(value);
  m_codeLabel.Enabled(value);
  m_linkLabel.Enabled(value);
}

void cRefArtigo::BuildLabels() {
  if (m_reference.empty()) return;
  if (m_reference == m_builtReference && m_type == m_builtType) return;
  const std::string_view code = CodeName(m_type);
  if (!code.empty()) {
    m_codeLabel.Caption(std::string(code));
    PlaceLinkLabel();
  }
  m_linkLabel.Caption(ArticleLabel(m_reference));
  m_codedArticle = "ARTIGO " + Trim(ReferenceParts(m_reference)[0]) + ".º";
  m_builtReference = m_reference;
  m_builtType = m_type;
}

void cRefArtigo::PlaceLinkLabel() {
  m_linkLabel.Left(m_codeLabel.Left() + m_codeLabel.Width() + kLinkGapTwips);
}

void cRefArtigo::LinkLook(bool pressed) {
  m_linkLabel.ForeColor(pressed ? kLinkPressedColour : RGB(0, 0, 0));
  platform::Font font = m_linkLabel.Font();
  font.Underline(pressed);
  m_linkLabel.Font(font);
}

void cRefArtigo::PressLink() {
  if (!Enabled()) return;
  LinkLook(true);
  OpenArticle();
}

void cRefArtigo::OnMouseDown(int button, int shift, platform::Point p) {
  UserControl::OnMouseDown(button, shift, p);
  if (button == platform::vbLeftButton) PressLink();
}

std::string cRefArtigo::LookupAddress() {
  const std::string host =
      ConfigValue(Library(), std::string(kLookupHostKey), std::string(kLookupHostDefault))
          .ToString();
  return ServiceAddress(host) + "/" + LookupQuery(CodeName(m_type), m_reference);
}

void cRefArtigo::OpenArticle() {
  if (ConfigValue(Library(), std::string(kUseLookupKey), std::string("1")).ToString() == "1") {
    GetDesktop().Shell().Open(LookupAddress());
  } else {
    OpenViewer();
  }
}

void cRefArtigo::OpenViewer() {
  if (m_viewer && m_viewer->Loaded()) {
    m_viewer->Show();
    m_viewer->SetFocus();
    return;
  }
  m_viewer = std::make_unique<showcod2>(Library(), GetDesktop());
  m_viewer->Caption(std::string(CodeName(m_type)) + " (" + m_linkLabel.Caption() + ")");
  m_viewer->Article(m_year, m_reference, std::string(CodeName(m_type)));
  m_viewer->Show();
  m_viewer->UserWait();
  m_viewer->RefreshCod();
  SetWindowTop(static_cast<std::int32_t>(m_viewer->hWnd()));
}

void cRefArtigo::SetWindowTop(std::int32_t hwnd) {
  if (auto* window = GetDesktop().FromHandle(static_cast<platform::HWND>(hwnd))) {
    window->TopMost(true);
  }
}

void cRefArtigo::SetWindowNormal(std::int32_t hwnd) {
  if (auto* window = GetDesktop().FromHandle(static_cast<platform::HWND>(hwnd))) {
    window->TopMost(false);
  }
}

void RegisterRefArtigo(Registry& registry, platform::Desktop& desktop) {
  registry.Register("cRefArtigo", [&desktop](LibraryState& library) {
    return std::make_unique<cRefArtigo>(library, desktop);
  });
  registry.Members().Add<cRefArtigo>(cRefArtigo::Members());
  registry.Members().Add<showcod2>(showcod2::Members());
}

}  // namespace qorvexctl
