// showcod2: the waiting page, the article page, the status line, the buttons and the kept
// position.

#include "qorvexctl/controls/helpers/showcod2.h"

#include <algorithm>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/helpers/cRefArtigo.h"
#include "qorvexctl/frame/LibraryFunctions.h"
#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl {

namespace {

constexpr int kButtonWidthTwips = 1800;
constexpr int kButtonHeightTwips = 375;
constexpr int kMarginTwips = 90;

int StoredTwips(LibraryState& library, const char* key, int defaultTwips) {
  const std::string value = library.Settings().Get(kViewerSettingsApplication,
                                                   kViewerSettingsSection, key,
                                                   std::to_string(defaultTwips));
  try {
    return std::stoi(value);
  } catch (...) {
    return defaultTwips;
  }
}

// At least `minimum` twips, rounded up to whole pixels so that the window is never smaller.
int AtLeast(int twips, int minimum) {
  const int minimumPixels = (minimum + platform::kTwipsPerPixel - 1) / platform::kTwipsPerPixel;
  return std::max(twips, platform::PixelsToTwips(minimumPixels));
}

}  // namespace

std::string WaitingPageHtml() {
  return "<table align=center valign=center><tr height=100%><td valign=center><p "
         "align=center><b><font face=Tahoma size=3>Por favor aguarde</b>"
         "<br><br><font size=1>Este artigo está a ser consultado através da Internet, na "
         "página oficial<br>"
         "de Meridel. Caso o artigo não consiga ser acedido, por favor verifique a sua ligação "
         "à Internet.<br>"
         "</p></td></tr></table>";
}

std::string ArticlePagePath(const std::string& reference, const std::string& codeName,
                            std::int32_t year) {
  const std::vector<std::string> parts = ReferenceParts(reference);
  std::string path = "/consultcodigo.asp?tipo=2&artigo=" + reference + "&art=" + parts[0];
  if (parts.size() >= 2) path += "&nm=" + parts[1];
  return path + "&art2=" + reference + "&codigo=" + codeName +
         "&exercicio=" + std::to_string(year) + "&Balverde=1";
}

showcod2::showcod2(LibraryState& library, platform::Desktop& desktop)
    : Form(desktop),
      m_library(library),
      m_browser(Add<platform::WebView>("WebBrowser1")),
      m_status(Add<platform::Label>("Label1", nullptr, kBusyStatus)),
      m_close(Add<platform::CommandButton>("Command1", nullptr, "Fechar")),
      m_print(Add<platform::CommandButton>("prnt", nullptr, "Imprimir")),
      m_copy(Add<platform::CommandButton>("Command2", nullptr, "Copiar p/clipboard")) {
  RestorePlace();
  m_browser.LoadThrough(desktop.UiThreadPoster());
  m_status.Visible(false);
  m_close.Click.connect([this] { UnloadForm(); });
  m_print.Click.connect(
      [this] { m_browser.ExecWB(platform::OLECMDID_PRINT, platform::OLECMDEXECOPT_PROMPTUSER); });
  m_copy.Click.connect([this] { CopyPage(); });
  m_browser.DownloadBegin.connect([this] { StateChanged(); });
  m_browser.DownloadComplete.connect([this] { StateChanged(); });
  Resize.connect([this] { LayOut(); });
  Unload.connect([this](bool&) { SavePlace(); });
  LayOut();
}

showcod2::~showcod2() = default;

void showcod2::Article(std::int32_t year, std::string reference, std::string codeName) {
  m_year = year;
  m_reference = std::move(reference);
  m_codeName = std::move(codeName);
}

void showcod2::UserWait() {
  m_browser.Stop();
  m_browser.BodyHTML(WaitingPageHtml());
}

std::string showcod2::ArticleAddress() const {
  const std::string host = ConfigValue(m_library, std::string(kArticleServiceHostKey),
                                       std::string(kArticleServiceHostDefault))
                               .ToString();
  return ServiceAddress(host) + ArticlePagePath(m_reference, m_codeName, m_year);
}

void showcod2::RefreshCod() {
  m_browser.Stop();
  m_browser.Navigate(ArticleAddress());
}

void showcod2::RestorePlace() {
  const int x = StoredTwips(m_library, "x", 500);
  const int y = StoredTwips(m_library, "y", 500);
  const int width = AtLeast(StoredTwips(m_library, "xlen", 7000), kViewerMinWidthTwips);
  const int height = AtLeast(StoredTwips(m_library, "ylen", 4000), kViewerMinHeightTwips);
  Move(x, y, width, height);
}

void showcod2::SavePlace() {
  auto& settings = m_library.Settings();
  settings.Set(kViewerSettingsApplication, kViewerSettingsSection, "x", std::to_string(Left()));
  settings.Set(kViewerSettingsApplication, kViewerSettingsSection, "y", std::to_string(Top()));
  settings.Set(kViewerSettingsApplication, kViewerSettingsSection, "xlen",
               std::to_string(Width()));
  settings.Set(kViewerSettingsApplication, kViewerSettingsSection, "ylen",
               std::to_string(Height()));
}

// Buttons along the bottom right, the status line at the bottom left, the browser above.
void showcod2::LayOut() {
  const platform::Rect client = ClientRect();
  const int width = platform::PixelsToTwips(client.Width());
  const int height = platform::PixelsToTwips(client.Height());
  const int buttonTop = std::max(0, height - kButtonHeightTwips - kMarginTwips);
  int left = width - kMarginTwips;
  for (platform::CommandButton* button : {&m_close, &m_print, &m_copy}) {
    left -= kButtonWidthTwips;
    button->Move(left, buttonTop, kButtonWidthTwips, kButtonHeightTwips);
    left -= kMarginTwips;
  }
  m_status.Move(kMarginTwips, buttonTop, std::max(0, left - kMarginTwips), kButtonHeightTwips);
  m_browser.Move(0, 0, width, std::max(0, buttonTop - kMarginTwips));
}

void showcod2::StateChanged() {
  const bool busy = m_browser.Busy();
  m_status.Visible(busy);
  m_copy.Enabled(!busy);
  m_print.Enabled(!busy);
}

void showcod2::CopyPage() {
  auto& clipboard = GetDesktop().GetClipboard();
  clipboard.Clear();
  clipboard.SetText(m_browser.BodyText());
  m_copy.Enabled(false);
}

}  // namespace qorvexctl
