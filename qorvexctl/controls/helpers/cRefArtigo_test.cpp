// cRefArtigo and its viewer: labels, the lookup address, the viewer's place and pages.

#include "qorvexctl/controls/helpers/cRefArtigo.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "qorvexctl/controls/helpers/showcod2.h"
#include "qorvexctl/frame/LibraryFunctions.h"
#include "qorvexctl/frame/PropertyBag.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "testsupport/TestData.h"
#include "testsupport/TinyHttpServer.h"

namespace qorvexctl {
namespace {

struct RefArtigoTest : ::testing::Test {
  platform::Desktop desktop;
  LibraryState library{desktop.Settings(), desktop.MessageBoxes()};
  platform::Form form{desktop, "Anexo"};
  platform::RecordingShellOpener* shell = nullptr;
  cRefArtigo ref{library, desktop, &form};

  RefArtigoTest() {
    auto opener = std::make_unique<platform::RecordingShellOpener>();
    shell = opener.get();
    desktop.SetShellOpener(std::move(opener));
    form.SetBounds(platform::Rect::FromSize(0, 0, 400, 300));
    form.Show();
    ref.InitProperties();
    // No test reaches the network: the article service is a port nobody listens on.
    const std::string closed = std::to_string(testsupport::ClosedLoopbackPort());
    desktop.Settings().Set(kSettingsApplication, kConfigSection, kArticleServiceHostKey,
                           "127.0.0.1:" + closed);
  }
  // Runs the message loop until the browser's page has arrived (five seconds at most).
  void WaitUntilLoaded(const platform::WebView& browser) {
    for (int i = 0; i < 1000 && browser.Busy(); ++i) {
      desktop.DoEvents();
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
  void UseViewer() { desktop.Settings().Set(kSettingsApplication, kConfigSection, kUseLookupKey, "0"); }
};

TEST(RefArtigoLabels, ReferencePartsAndCodeNames) {
  const struct {
    const char* reference;
    const char* label;
  } cases[] = {
      {"78", "Art.78º"},
      {"78,2", "Art.78º nº2"},
      {"78,2,a)", "Art.78º nº2 al.a)"},
      {"78,2,a),x", "Art.78º nº2 al.a)"},
  };
  for (const auto& c : cases) EXPECT_EQ(ArticleLabel(c.reference), c.label) << c.reference;
  // A viewer or a lookup asked for before any reference was given.
  EXPECT_EQ(ArticleLabel(""), "Art.º");
  EXPECT_EQ(LookupQuery("IRS", "").substr(0, 9), "?q=+IRS&g");
  EXPECT_EQ(ArticlePagePath("", "", 0).substr(0, 40), "/consultcodigo.asp?tipo=2&artigo=&art=&a");
  EXPECT_EQ(CodeName(Artigo_IRS), "IRS");
  EXPECT_EQ(CodeName(Artigo_MECENATO), "Mecen.");
  EXPECT_EQ(CodeName(Artigo_CIMT), "CIMT");
  EXPECT_EQ(CodeName(static_cast<ArtigoType>(18)), "");
  EXPECT_EQ(CodeName(static_cast<ArtigoType>(0)), "");
}

TEST(RefArtigoServices, AHostNameIsReachedOverHttpAnAddressAsItStands) {
  const struct {
    const char* configured;
    const char* address;
  } cases[] = {
      {"codigos.balverde.pt", "http://codigos.balverde.pt"},
      {"127.0.0.1:8080", "http://127.0.0.1:8080"},
      {"https://codigos.example.pt", "https://codigos.example.pt"},
      {"file:///app/data/articles/irs-78.html?", "file:///app/data/articles/irs-78.html?"},
  };
  for (const auto& c : cases) EXPECT_EQ(ServiceAddress(c.configured), c.address) << c.configured;
}

TEST_F(RefArtigoTest, TheViewerReadsALocalPageStandingInForTheService) {
  const std::string page =
      "file://" + (testsupport::RepositoryDataFolder() / "articles" / "irs-78.html").string();
  desktop.Settings().Set(kSettingsApplication, kConfigSection, kArticleServiceHostKey, page + "?");
  UseViewer();
  ref.artigo("78,2,a)");
  ref.OpenArticle();
  ASSERT_NE(ref.Viewer(), nullptr);
  platform::WebView& browser = ref.Viewer()->WebBrowser1();
  EXPECT_EQ(browser.LocationURL().rfind(page + "?/consultcodigo.asp?tipo=2&artigo=78,2,a)", 0), 0u);
  WaitUntilLoaded(browser);
  const std::string& text = browser.BodyText();
  EXPECT_EQ(text.rfind("Código do IRS — Artigo 78.º\n", 0), 0u) << text;
  EXPECT_NE(text.find("Por dependente"), std::string::npos);
  EXPECT_EQ(text.find("document.title"), std::string::npos);
  ASSERT_EQ(browser.Links().size(), 1u);
  browser.FollowLink(browser.Links()[0]);
  WaitUntilLoaded(browser);
  EXPECT_EQ(browser.BodyText().rfind("Comentário\n", 0), 0u) << browser.BodyText();
}

TEST_F(RefArtigoTest, BuildsBothLabelsAndTheCodedArticle) {
  ref.TipoArtigo(Artigo_IVA);
  ref.artigo(" 78,2,a)");
  EXPECT_EQ(ref.CodeLabel().Caption(), "IVA");
  EXPECT_EQ(ref.LinkLabel().Caption(), "Art. 78º nº2 al.a)");
  EXPECT_EQ(ref.CodedArticle(), "ARTIGO 78.º");
  EXPECT_EQ(ref.LinkLabel().Left(), ref.CodeLabel().Left() + ref.CodeLabel().Width() + 15);
  ref.TipoArtigo(static_cast<ArtigoType>(40));  // outside the table: the code name stays
  EXPECT_EQ(ref.CodeLabel().Caption(), "IVA");
}

TEST_F(RefArtigoTest, TheSamePairIsNotRebuilt) {
  ref.artigo("78");
  ref.Text("manual");
  ref.artigo("78");
  ref.TipoArtigo(Artigo_IRS);
  EXPECT_EQ(ref.Text(), "manual");
  ref.TipoArtigo(Artigo_IRC);
  EXPECT_EQ(ref.Text(), "IRC");
}

TEST_F(RefArtigoTest, OldMethodStaysOff) {
  ref.OldMethod(true);
  ref.SetArtigo("{\\rtf texto}");
  EXPECT_FALSE(ref.OldMethod());
  EXPECT_TRUE(ref.GotRTF());
  EXPECT_EQ(ref.GetArtigo(), "");
  EXPECT_EQ(ref.LenRTF(), 0);
}

TEST_F(RefArtigoTest, PressingTheLinkOpensTheLookupAddress) {
  ref.artigo("78,2,a)");
  ref.LinkLabel().MouseDown(platform::vbLeftButton, 0, 0, 0);
  EXPECT_EQ(ref.LinkLabel().ForeColor(), kLinkPressedColour);
  EXPECT_TRUE(ref.LinkLabel().Font().Underline());
  ref.LinkLabel().MouseUp(platform::vbLeftButton, 0, 0, 0);
  EXPECT_EQ(ref.LinkLabel().ForeColor(), RGB(0, 0, 0));
  EXPECT_FALSE(ref.LinkLabel().Font().Underline());
  ASSERT_EQ(shell->Opened().size(), 1u);
  EXPECT_EQ(shell->Opened()[0],
            std::string("http://") + kLookupHostDefault +
                "/?q=78+IRS&go=pesquisa&utm_source=Qorvex&utm_medium=Artigo"
                "&utm_campaign=Qorvex-reflink&utm_term=IRS+78,2,a)");
  EXPECT_EQ(ConfigValue(library, std::string(kUseLookupKey)).ToString(), "1");
}

TEST_F(RefArtigoTest, TheLookupHostComesFromTheSettings) {
  desktop.Settings().Set(kSettingsApplication, kConfigSection, kLookupHostKey, "localhost:8080");
  ref.artigo("12 A");
  ref.OpenArticle();
  ASSERT_EQ(shell->Opened().size(), 1u);
  EXPECT_EQ(shell->Opened()[0], "http://localhost:8080/?q=12+A+IRS&go=pesquisa&utm_source=Qorvex"
                                "&utm_medium=Artigo&utm_campaign=Qorvex-reflink&utm_term=IRS+12+A");
}

TEST_F(RefArtigoTest, ADisabledControlIgnoresClicks) {
  ref.artigo("78");
  ref.Enabled(false);
  EXPECT_FALSE(ref.LinkLabel().Enabled());
  ref.LinkLabel().MouseDown(platform::vbLeftButton, 0, 0, 0);
  EXPECT_TRUE(shell->Opened().empty());
}

TEST_F(RefArtigoTest, PropertiesRoundTrip) {
  ref.TipoArtigo(Artigo_CIRE);
  ref.artigo("5,1");
  ref.EXERCICIO(2024);
  PropertyBag bag;
  ref.WriteProperties(bag);
  cRefArtigo copy(library, desktop, &form);
  copy.ReadProperties(bag);
  EXPECT_EQ(copy.TipoArtigo(), Artigo_CIRE);
  EXPECT_EQ(copy.artigo(), "5,1");
  EXPECT_EQ(copy.EXERCICIO(), 2024);
  EXPECT_EQ(copy.LinkLabel().Caption(), "Art.5º nº1");
  EXPECT_EQ(copy.Text(), "CIRE");
}

TEST_F(RefArtigoTest, TheViewerOpensAtLeastAtItsMinimumSizeOnTop) {
  testsupport::TinyHttpServer server(
      testsupport::HttpReply("200 OK", "<h1>Artigo 78.&ordm;</h1><p>Dedu&ccedil;&otilde;es"));
  const std::string host = "127.0.0.1:" + std::to_string(server.Port());
  desktop.Settings().Set(kSettingsApplication, kConfigSection, kArticleServiceHostKey, host);
  UseViewer();
  auto& settings = desktop.Settings();
  settings.Set(kViewerSettingsApplication, kViewerSettingsSection, "xlen", "3000");
  settings.Set(kViewerSettingsApplication, kViewerSettingsSection, "ylen", "2000");
  ref.EXERCICIO(2025);
  ref.artigo("78,2,a)");
  ref.OpenArticle();
  ASSERT_NE(ref.Viewer(), nullptr);
  showcod2& viewer = *ref.Viewer();
  EXPECT_TRUE(shell->Opened().empty());
  // Whole pixels of 15 twips: the smallest size that is not below the minimum.
  EXPECT_EQ(viewer.Width(), 8010);
  EXPECT_EQ(viewer.Height(), kViewerMinHeightTwips);
  EXPECT_EQ(viewer.Left(), 495);
  EXPECT_TRUE(viewer.TopMost());
  EXPECT_EQ(viewer.Caption(), "IRS (Art.78º nº2 al.a))");
  EXPECT_EQ(viewer.WebBrowser1().LocationURL(),
            "http://" + host +
                "/consultcodigo.asp?tipo=2&artigo=78,2,a)&art=78&nm=2&art2=78,2,a)&codigo=IRS"
                "&exercicio=2025&Balverde=1");
  EXPECT_TRUE(viewer.Label1().Visible());
  EXPECT_FALSE(viewer.Command2().Enabled());
  EXPECT_NE(viewer.WebBrowser1().BodyText().find("Por favor aguarde"), std::string::npos);
  WaitUntilLoaded(viewer.WebBrowser1());
  EXPECT_EQ(viewer.WebBrowser1().BodyText(), "Artigo 78.º\nDeduções");
  EXPECT_FALSE(viewer.Label1().Visible());
  EXPECT_TRUE(viewer.Command2().Enabled());
}

TEST_F(RefArtigoTest, TheViewerKeepsItsPlace) {
  UseViewer();
  ref.artigo("10");
  ref.OpenArticle();
  showcod2& viewer = *ref.Viewer();
  viewer.Move(1200, 900, 9000, 7005);
  ASSERT_TRUE(viewer.UnloadForm());
  auto& settings = desktop.Settings();
  EXPECT_EQ(settings.Get(kViewerSettingsApplication, kViewerSettingsSection, "x", ""), "1200");
  EXPECT_EQ(settings.Get(kViewerSettingsApplication, kViewerSettingsSection, "xlen", ""), "9000");
  showcod2 again(library, desktop);
  EXPECT_EQ(again.Top(), 900);
  EXPECT_EQ(again.Height(), 7005);
}

TEST_F(RefArtigoTest, CopyPutsTheBodyTextOnTheClipboard) {
  showcod2 viewer(library, desktop);
  viewer.WebBrowser1().BodyHTML("<p>Artigo 78.º</p>");
  viewer.Command2().Click();
  EXPECT_EQ(desktop.GetClipboard().GetText(), "Artigo 78.º");
  EXPECT_FALSE(viewer.Command2().Enabled());
  viewer.prnt().Click();
  ASSERT_EQ(viewer.WebBrowser1().ExecutedCommands().size(), 1u);
  EXPECT_EQ(viewer.WebBrowser1().ExecutedCommands()[0].id, platform::OLECMDID_PRINT);
}

}  // namespace
}  // namespace qorvexctl
