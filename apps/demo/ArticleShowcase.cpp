#include "ArticleShowcase.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "DemoControls.h"
#include "qorvexctl/controls/helpers/showcod2.h"
#include "qorvexctl/frame/LibraryFunctions.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/HeadlessPresenter.h"
#include "qorvexctl/platform/widgets/Label.h"
#include "qorvexctl/platform/widgets/TextBox.h"

namespace qorvexctl::demo {

using platform::Rect;

void UseLocalArticlePage(platform::Desktop& desktop, LibraryState& library) {
  // The article service is the local page: the service's path and query become its query.
  const std::string page =
      std::filesystem::absolute(GetDataPath(library) + "articles/irs-78.html").string();
  auto& settings = desktop.Settings();
  settings.Set(kSettingsApplication, kConfigSection, kUseLookupKey, "0");
  settings.Set(kSettingsApplication, kConfigSection, kArticleServiceHostKey,
               "file://" + page + "?");
}

cRefArtigo& AddArticleReference(platform::Form& form, LibraryState& library,
                                const std::string& name, Rect bounds, const std::string& article,
                                platform::Window* container) {
  auto& reference = AddControl<cRefArtigo>(form, library, name, bounds, container);
  reference.TipoArtigo(Artigo_IRS);
  reference.artigo(article);
  return reference;
}

void FitSlidePanel(cSlider& panel) {
  panel.SlideOpen(false);
  panel.SlideOpen(true);
}

ArticleShowcase::ArticleShowcase(platform::Desktop& desktop, LibraryState& library)
    : m_library(library), m_form(desktop, "Deduções à coleta") {
  m_form.SetBounds(Rect::FromSize(80, 420, 430, 170));
  UseLocalArticlePage(desktop, library);
  AddDeduction();
  AddNotes();
}

// A deduction field with the article it rests on beside it.
void ArticleShowcase::AddDeduction() {
  auto& caption = m_form.Add<platform::Label>("lblDependentes");
  caption.Caption("Dedução por &dependentes (€):");
  caption.SetBounds(Rect::FromSize(12, 15, 190, 18));
  auto& amount = m_form.Add<platform::TextBox>("txtDependentes");
  amount.SetBounds(Rect::FromSize(204, 12, 80, 22));
  amount.Text("1.200,00");
  m_reference = &AddArticleReference(m_form, m_library, "refDependentes",
                                     Rect::FromSize(292, 15, 130, 17), "78,2,a)");
}

// A slide panel with two notes, unfolded.
void ArticleShowcase::AddNotes() {
  m_panel = &AddControl<cSlider>(m_form, m_library, "sldNotas", Rect::FromSize(12, 48, 400, 80));
  auto& first = m_form.Add<platform::Label>("lblNota1", m_panel);
  first.Caption("Dependentes com menos de 3 anos: dedução maior.");
  first.SetBounds(Rect::FromSize(6, 10, 330, 18));
  auto& second = m_form.Add<platform::TextBox>("txtNota2", m_panel);
  second.Text("Guarde os comprovativos.");
  second.SetBounds(Rect::FromSize(6, 40, 250, 22));
  FitSlidePanel(*m_panel);
}

namespace {

bool Save(platform::Window& window, const std::filesystem::path& file) {
  const bool ok = platform::HeadlessPresenter::Screenshot(window, file);
  std::printf("%s %s\n", ok ? "wrote" : "could not write", file.string().c_str());
  return ok;
}

// Runs the message loop until the viewer's page has arrived (five seconds at most).
void WaitForPage(platform::Desktop& desktop, const platform::WebView& browser) {
  for (int i = 0; i < 500 && browser.Busy(); ++i) {
    desktop.DoEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  desktop.DoEvents();
}

}  // namespace

bool WriteArticleScreenshots(const std::filesystem::path& folder) {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  ArticleShowcase showcase(desktop, library);
  showcase.Window().Show();
  desktop.DoEvents();
  bool ok = Save(showcase.Window(), folder / "slide_panel_open.png");
  showcase.Panel().cc().Click();
  desktop.DoEvents();
  ok = Save(showcase.Window(), folder / "slide_panel_folded.png") && ok;
  showcase.Reference().OpenArticle();
  showcod2* viewer = showcase.Reference().Viewer();
  if (viewer == nullptr) return false;
  WaitForPage(desktop, viewer->WebBrowser1());
  return Save(*viewer, folder / "article_viewer.png") && ok;
}

}  // namespace qorvexctl::demo
