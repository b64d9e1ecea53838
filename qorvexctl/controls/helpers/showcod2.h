#pragma once
// showcod2: the article viewer cRefArtigo opens when the lookup service is switched off. A
// form with an embedded browser on the maker's article service, a status line while the page
// loads, and "Copiar p/clipboard", "Imprimir" and "Fechar" along the bottom. Its place and size
// are kept in the settings ("Balverde", "RefArtigo": x, y, xlen, ylen in twips) and it never
// opens smaller than 8000 x 6000 twips.

#include <cstdint>
#include <string>

#include "qorvexctl/platform/widgets/CommandButton.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Label.h"
#include "qorvexctl/platform/widgets/WebView.h"

namespace qorvexctl {

class LibraryState;
struct MemberTable;

inline constexpr char kViewerSettingsApplication[] = "Balverde";
inline constexpr char kViewerSettingsSection[] = "RefArtigo";
inline constexpr int kViewerMinWidthTwips = 8000;
inline constexpr int kViewerMinHeightTwips = 6000;
inline constexpr char kBusyStatus[] = "Em comunicação com o servidor. Por favor aguarde...";

// The page shown while the article loads.
std::string WaitingPageHtml();
// The path and query of the article page on the maker's service.
std::string ArticlePagePath(const std::string& reference, const std::string& codeName,
                            std::int32_t year);

class showcod2 final : public platform::Form {
 public:
  showcod2(LibraryState& library, platform::Desktop& desktop);
  ~showcod2() override;
  std::string TypeName() const override { return "showcod2"; }
  // Properties, methods and inner parts by name.
  static const MemberTable& Members();

  // What the article page is about.
  void Article(std::int32_t year, std::string reference, std::string codeName);
  // Shows the waiting page.
  void UserWait();
  // Loads the article page.
  void RefreshCod();
  // The article page's full address.
  std::string ArticleAddress() const;

  platform::WebView& WebBrowser1() { return m_browser; }
  const platform::WebView& WebBrowser1() const { return m_browser; }
  platform::Label& Label1() { return m_status; }
  platform::CommandButton& Command1() { return m_close; }
  platform::CommandButton& Command2() { return m_copy; }
  platform::CommandButton& prnt() { return m_print; }

 private:
  void RestorePlace();
  void SavePlace();
  void LayOut();
  void StateChanged();
  void CopyPage();

  LibraryState& m_library;
  platform::WebView& m_browser;
  platform::Label& m_status;
  platform::CommandButton& m_close;
  platform::CommandButton& m_print;
  platform::CommandButton& m_copy;
  std::int32_t m_year{0};
  std::string m_reference;
  std::string m_codeName;
};

}  // namespace qorvexctl
