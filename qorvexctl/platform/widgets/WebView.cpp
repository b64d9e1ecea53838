#include "qorvexctl/platform/widgets/WebView.h"

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/drawing/Borders.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/drawing/TextLayout.h"
#include "qorvexctl/base/Text.h"

namespace qorvexctl::platform {
namespace {

// Posted to the view itself: the navigation numbered wParam has arrived.
constexpr std::uint32_t kNavigationArrived = WM_USER + 0x57;
constexpr int kTextMargin = 4;
constexpr Colour kLinkColour = RGB(0, 0, 238);

std::string Escaped(std::string_view text) {
  return Replace(Replace(Replace(text, "&", "&amp;"), "<", "&lt;"), ">", "&gt;");
}

std::string ErrorPage(const AsyncReadResult& result) {
  return "<h1>Não foi possível mostrar a página</h1><p>" + Escaped(result.address) + "</p><p>" +
         Escaped(result.error) + "</p>";
}

// `href` read against the address of the page it is on (whose query and fragment take no
// part: a "/" in them is not a folder).
std::string Resolved(const std::string& address, const std::string& href) {
  if (href.find("://") != std::string::npos) return href;
  const std::string base = address.substr(0, address.find_first_of("?#"));
  const std::size_t scheme = base.find("://");
  const std::size_t hostEnd = scheme == std::string::npos ? 0 : base.find('/', scheme + 3);
  if (!href.empty() && href[0] == '/') return base.substr(0, hostEnd) + href;
  const std::size_t folderEnd = base.find_last_of('/');
  if (folderEnd == std::string::npos || (hostEnd == std::string::npos && scheme != std::string::npos)) {
    return base + "/" + href;
  }
  return base.substr(0, folderEnd + 1) + href;
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string_view::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

}  // namespace

WebView::WebView(Window& parent) : Control(parent.GetDesktop(), &parent) {
  BackColor(RGB(255, 255, 255));
  ForeColor(RGB(0, 0, 0));
}

void WebView::Navigate(std::string url) {
  m_location = std::move(url);
  const bool wasBusy = Busy();
  m_pendingNavigation = ++m_navigationCount;
  if (m_reader && !m_pageSource) {
    m_reader->Cancel();
    m_reader->Start(m_location);
  } else {
    GetDesktop().PostMessage(hWnd(), kNavigationArrived, static_cast<WPARAM>(m_pendingNavigation));
  }
  if (!wasBusy) DownloadBegin();
  StatusTextChange(m_location);
}

void WebView::Stop() {
  if (!Busy()) return;
  if (m_reader) m_reader->Cancel();
  m_pendingNavigation = 0;
  StatusTextChange("");
  DownloadComplete();
}

void WebView::BodyHTML(std::string html) {
  m_bodyHtml = std::move(html);
  m_page = RenderHtml(m_bodyHtml);
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
      if (m_allSelected) GetDesktop().GetClipboard().SetText(m_page.text);
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
  ShowPage(page.value_or(""));
}

void WebView::LoadThrough(AsyncReader::UiThreadPoster post) {
  m_reader = std::make_unique<AsyncReader>(std::move(post));
  m_reader->Completed.connect([this](const AsyncReadResult& result) { ReadCompleted(result); });
}

void WebView::ReadCompleted(const AsyncReadResult& result) {
  if (!Busy()) return;
  ShowPage(result.Succeeded() ? std::string(result.bytes.begin(), result.bytes.end())
                              : ErrorPage(result));
}

void WebView::ShowPage(const std::string& html) {
  const std::string url = m_location;
  m_pendingNavigation = 0;
  BodyHTML(html);
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
  canvas.DrawText(m_page.text, textBox, DT_LEFT | DT_NOPREFIX);
  PaintLinks(canvas, textBox);
}

// Each link drawn again over its text, in the link colour and underlined.
void WebView::PaintLinks(Canvas& canvas, const Rect& textBox) const {
  const std::vector<std::string_view> lines = Lines(m_page.text);
  platform::Font linkFont = Font();
  linkFont.Underline(true);
  canvas.SelectFont(linkFont);
  canvas.SetTextColour(kLinkColour);
  canvas.SetBackgroundMode(BackgroundMode::Transparent);
  for (const HtmlLink& link : m_page.links) {
    const std::string_view line = lines[link.line];
    const std::string_view text = line.substr(link.begin, link.end - link.begin);
    const int x = textBox.left + Font().TextWidth(line.substr(0, link.begin));
    const int y = textBox.top + static_cast<int>(link.line) * Font().Height();
    canvas.FillRect(Rect::FromSize(x, y, linkFont.TextWidth(text), Font().Height()), BackColor());
    canvas.TextOut(x, y, text);
  }
}

const HtmlLink* WebView::LinkAt(Point p) const {
  const int lineHeight = std::max(1, Font().Height());
  const int x = p.x - kTextMargin - 2;
  const int line = (p.y - kTextMargin - 2) / lineHeight;
  const std::vector<std::string_view> lines = Lines(m_page.text);
  for (const HtmlLink& link : m_page.links) {
    if (static_cast<int>(link.line) != line) continue;
    const std::string_view text = lines[link.line];
    const int left = Font().TextWidth(text.substr(0, link.begin));
    const int right = Font().TextWidth(text.substr(0, link.end));
    if (x >= left && x < right) return &link;
  }
  return nullptr;
}

void WebView::OnMouseDown(int button, int shift, Point p) {
  Control::OnMouseDown(button, shift, p);
  if (button != vbLeftButton) return;
  if (const HtmlLink* link = LinkAt(p)) FollowLink(*link);
}

void WebView::FollowLink(const HtmlLink& link) {
  const std::string href = link.href;  // Navigate may replace the page the link is on
  Navigate(Resolved(m_location, href));
}

}  // namespace qorvexctl::platform
