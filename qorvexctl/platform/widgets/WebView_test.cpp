#include "qorvexctl/platform/widgets/WebView.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "testsupport/TinyHttpServer.h"

namespace qorvexctl::platform {
namespace {

class WebViewTest : public ::testing::Test {
 protected:
  WebViewTest() {
    web.SetBounds(Rect::FromSize(10, 10, 300, 200));
    web.DownloadBegin.connect([this] { log.push_back("begin busy=" + Busy()); });
    web.DownloadComplete.connect([this] { log.push_back("complete busy=" + Busy()); });
    web.NavigateComplete2.connect([this](const std::string& url) { log.push_back("nav " + url); });
    web.DocumentComplete.connect([this](const std::string& url) { log.push_back("doc " + url); });
    form.Show();
  }
  std::string Busy() const { return web.Busy() ? "1" : "0"; }
  // Runs the message loop until the view has its page (a read takes real time).
  void WaitForPage() {
    for (int i = 0; i < 1000 && web.Busy(); ++i) {
      desktop.DoEvents();
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_FALSE(web.Busy());
  }

  Desktop desktop;
  Form form{desktop, "Artigo"};
  WebView& web = form.Add<WebView>("WebBrowser1");
  std::vector<std::string> log;
};

TEST_F(WebViewTest, NavigationCompletesFromTheMessageLoopWithThePageOfTheSource) {
  web.SetPageSource([](const std::string& url) -> std::optional<std::string> {
    if (url == "http://codigos/art78") return "<p>Artigo 78.&ordm;</p>";
    return std::nullopt;
  });
  web.Navigate("http://codigos/art78");
  EXPECT_TRUE(web.Busy());
  EXPECT_EQ(web.LocationURL(), "http://codigos/art78");
  EXPECT_EQ(log, (std::vector<std::string>{"begin busy=1"}));
  desktop.DoEvents();
  EXPECT_FALSE(web.Busy());
  EXPECT_EQ(web.BodyText(), "Artigo 78.º");
  EXPECT_EQ(log,
            (std::vector<std::string>{"begin busy=1", "complete busy=0", "nav http://codigos/art78",
                                      "doc http://codigos/art78"}));
}

TEST_F(WebViewTest, AnAddressWithoutAPageGivesAnEmptyDocument) {
  web.BodyHTML("<b>antes</b>");
  web.Navigate("http://sem-rede/");
  desktop.DoEvents();
  EXPECT_EQ(web.BodyText(), "");
  EXPECT_EQ(web.LocationURL(), "http://sem-rede/");
}

TEST_F(WebViewTest, StopEndsThePendingNavigationWithoutADocument) {
  web.Navigate("http://a/");
  web.Stop();
  EXPECT_FALSE(web.Busy());
  desktop.DoEvents();
  EXPECT_EQ(log, (std::vector<std::string>{"begin busy=1", "complete busy=0"}));
  web.Stop();  // idle: nothing to report
  EXPECT_EQ(log.size(), 2u);
}

TEST_F(WebViewTest, ANewerNavigationOvertakesTheOlderOne) {
  web.Navigate("http://a/");
  web.Navigate("http://b/");
  desktop.DoEvents();
  EXPECT_EQ(log, (std::vector<std::string>{"begin busy=1", "complete busy=0", "nav http://b/",
                                           "doc http://b/"}));
}

TEST_F(WebViewTest, ExecWBRecordsPrintAndCopiesTheSelectedBody) {
  web.BodyHTML("Por favor<br>aguarde");
  web.ExecWB(OLECMDID_COPY);
  EXPECT_EQ(desktop.GetClipboard().GetText(), "");  // nothing selected yet
  web.ExecWB(OLECMDID_SELECTALL);
  web.ExecWB(OLECMDID_COPY);
  EXPECT_EQ(desktop.GetClipboard().GetText(), "Por favor\naguarde");
  web.ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_PROMPTUSER);
  ASSERT_EQ(web.ExecutedCommands().size(), 4u);
  EXPECT_EQ(web.ExecutedCommands().back().id, OLECMDID_PRINT);
  EXPECT_EQ(web.ExecutedCommands().back().option, OLECMDEXECOPT_PROMPTUSER);
  web.BodyHTML("outro");
  EXPECT_FALSE(web.AllSelected());
}

TEST_F(WebViewTest, PaintsTheTextOfTheBody) {
  web.BackColor(RGB(255, 255, 255));
  web.ForeColor(RGB(0, 0, 0));
  web.BodyHTML("<b>XXXXXXXX</b>");
  web.Refresh();
  const Surface& pixels = web.BackingSurface();
  int dark = 0;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 120; ++x) dark += pixels.PixelColour(x, y) == RGB(0, 0, 0) ? 1 : 0;
  }
  EXPECT_GT(dark, 20);
  EXPECT_EQ(pixels.PixelColour(150, 150), RGB(255, 255, 255));
}

TEST_F(WebViewTest, ADestroyedViewIgnoresItsLateNavigation) {
  auto view = std::make_unique<WebView>(form);
  bool completed = false;
  view->DocumentComplete.connect([&](const std::string&) { completed = true; });
  view->Navigate("http://a/");
  view.reset();
  desktop.DoEvents();
  EXPECT_FALSE(completed);
}

TEST_F(WebViewTest, ReadsAPageFromAWebAddressAndFollowsItsLinks) {
  testsupport::TinyHttpServer server(testsupport::HttpReply(
      "200 OK", "<html><head><script>x()</script></head><body><h2>Artigo 78.&ordm;</h2>"
                "<p>Ver <a href='art79'>artigo 79</a><p>fim"));
  web.LoadThrough(desktop.UiThreadPoster());
  web.Navigate(server.Url("/codigos/art78"));
  EXPECT_EQ(log, (std::vector<std::string>{"begin busy=1"}));
  WaitForPage();
  EXPECT_EQ(web.BodyText(), "Artigo 78.º\nVer artigo 79\nfim");
  EXPECT_NE(server.Request().find("GET /codigos/art78 "), std::string::npos);
  ASSERT_EQ(web.Links().size(), 1u);
  EXPECT_EQ(log.back(), "doc " + server.Url("/codigos/art78"));

  // A click on the link's text goes to its address, relative to the page's.
  const Font& font = web.Font();
  const Point onLink{4 + 2 + font.TextWidth("Ver a"), 4 + 2 + font.Height() + font.Height() / 2};
  desktop.Input().Click(web, onLink);
  EXPECT_EQ(web.LocationURL(), server.Url("/codigos/art79"));
}

TEST_F(WebViewTest, AnAddressThatCannotBeReadShowsAnErrorPage) {
  web.LoadThrough(desktop.UiThreadPoster());
  const std::string url =
      "http://127.0.0.1:" + std::to_string(testsupport::ClosedLoopbackPort()) + "/art78";
  web.Navigate(url);
  WaitForPage();
  EXPECT_EQ(web.BodyText().substr(0, web.BodyText().find('\n')),
            "Não foi possível mostrar a página");
  EXPECT_NE(web.BodyText().find(url), std::string::npos);
  EXPECT_EQ(log.back(), "doc " + url);
}

}  // namespace
}  // namespace qorvexctl::platform
