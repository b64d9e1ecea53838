#include "qorvexctl/platform/widgets/WebView.h"

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/drawing/Borders.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/drawing/TextLayout.h"
#include "qorvexctl/platform/widgets/HtmlText.h"

namespace qorvexctl::platform {
namespace {

// Posted to the view itself: the navigation numbered wParam has arrived.
constexpr std::uint32_t kNavigationArrived = WM_USER + 0x57;
constexpr int kTextMargin = 4;

}  // namespace

WebView::WebView(Window& parent) : Control(parent.GetDesktop(), &parent) {
  BackColor(RGB(255, 255, 255));
  ForeColor(RGB(0, 0, 0));
}

void WebView::Navigate(std::string url) {
  m_location = std::move(url);
  const bool wasBusy = Busy();
  m_pendingNavigation = ++m_navigationCount;
  GetDesktop().PostMessage(hWnd(), kNavigationArrived, static_cast<WPARAM>(m_pendingNavigation));
  if (!wasBusy) DownloadBegin();
  StatusTextChange(m_location);
}

void WebView::Stop() {
  if (!Busy()) return;
  m_pendingNavigation = 0;
  StatusTextChange("");
  DownloadComplete();
}

void WebView::BodyHTML(std::string html) {
  m_bodyHtml = std::move(html);
  m_bodyText = HtmlToText(m_bodyHtml);
  m_allSelected = false;
  Invalidate();
}

void WebView::ExecWB(int command, int option) {
  m_commands.push_back(Command{command, option});
  switch (command) {
    case OLECMDID_SELECTALL:
      m_allSelected = true;
      break;
    case OLECMDID_CLEARSELECTION:
      m_allSelected = false;
      break;
    case OLECMDID_COPY:
      if (m_allSelected) GetDesktop().GetClipboard().SetText(m_bodyText);
      break;
    default:
      break;
  }
}

LRESULT WebView::WindowProc(const Message& message) {
  if (message.msg == kNavigationArrived) {
    CompleteNavigation(static_cast<std::uint64_t>(message.wParam));
    return 0;
  }
  return Control::WindowProc(message);
}

void WebView::CompleteNavigation(std::uint64_t navigation) {
  if (navigation != m_pendingNavigation) return;  // stopped, or overtaken by a newer one
  const std::string url = m_location;
  std::optional<std::string> page = m_pageSource ? m_pageSource(url) : std::nullopt;
  if (navigation != m_pendingNavigation) return;  // the page source navigated or stopped
  m_pendingNavigation = 0;
  BodyHTML(page.value_or(""));
  StatusTextChange("");
  DownloadComplete();
  NavigateComplete2(url);
  DocumentComplete(url);
}

void WebView::OnPaint(Canvas& canvas) {
  Rect inside = DrawSunkenEdge(canvas, Rect{0, 0, Bounds().Width(), Bounds().Height()});
  canvas.FillRect(inside, BackColor());
  Rect textBox{inside.left + kTextMargin, inside.top + kTextMargin, inside.right - kTextMargin,
               inside.bottom - kTextMargin};
  canvas.DrawText(m_bodyText, textBox, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

}  // namespace qorvexctl::platform
