#pragma once
// The demo's references panel: a deduction field citing its legal basis with a law-article
// reference (IRS 78,2,a)) whose viewer reads the demo's local article page
// (data/articles/irs-78.html) in place of the article service, and a slide panel holding two
// notes that folds to its arrow button.

#include <filesystem>
#include <memory>

#include "qorvexctl/controls/helpers/cRefArtigo.h"
#include "qorvexctl/controls/helpers/cSlider.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl::demo {

// Points the library's article service at the local article page (data/articles/), through the
// settings of `desktop`, so that the article viewer works without a network.
void UseLocalArticlePage(platform::Desktop& desktop, LibraryState& library);
// A link to an article of the IRS code ("78,2,a)") on `container` (the form by default).
cRefArtigo& AddArticleReference(platform::Form& form, LibraryState& library,
                                const std::string& name, platform::Rect bounds,
                                const std::string& article, platform::Window* container = nullptr);
// Folds and unfolds the panel, so that it is as wide as the controls now on it.
void FitSlidePanel(cSlider& panel);

class ArticleShowcase {
 public:
  // Points the library's article service at the local page (settings of `library`).
  ArticleShowcase(platform::Desktop& desktop, LibraryState& library);

  platform::Form& Window() { return m_form; }
  cRefArtigo& Reference() { return *m_reference; }
  cSlider& Panel() { return *m_panel; }

 private:
  void AddDeduction();
  void AddNotes();

  LibraryState& m_library;
  platform::Form m_form;
  cRefArtigo* m_reference{nullptr};
  cSlider* m_panel{nullptr};
};

// Writes article_viewer.png (the viewer open on the local article page), slide_panel_open.png
// and slide_panel_folded.png into `folder`.
bool WriteArticleScreenshots(const std::filesystem::path& folder);

}  // namespace qorvexctl::demo
