#include "qorvexctl/platform/widgets/WebView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

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

}  // namespace
}  // namespace qorvexctl::platform
