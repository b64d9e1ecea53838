#pragma once
// The stand-in for an embedded web browser. Navigate records the address and completes from the
// message loop: with the page the host's PageSource gives for it when the host set one, else,
// once LoadThrough was called, with the page read by an AsyncReader (http(s) and file addresses
// and paths; a read that fails shows an error page naming the address and the reason), else
// with an empty page. A click on a link's text navigates to its address. The document body can be set as HTML and read back as
// text, ExecWB commands are recorded (print) or carried out on the body (select all, copy),
// and the control paints the text of its body.
//
// Events follow the browser's order: Navigate raises DownloadBegin at once; completion raises
// DownloadComplete, NavigateComplete2 and DocumentComplete. Stop ends a navigation that has not
// completed with DownloadComplete only. Busy is true between the two.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "qorvexctl/platform/services/AsyncReader.h"
#include "qorvexctl/platform/widgets/Control.h"
#include "qorvexctl/platform/widgets/HtmlText.h"

namespace qorvexctl::platform {

// Command identifiers and options of ExecWB (the classic OLECMDID values).
enum OleCommand : int {
  OLECMDID_PRINT = 6,
  OLECMDID_PRINTPREVIEW = 7,
  OLECMDID_COPY = 12,
  OLECMDID_SELECTALL = 17,
  OLECMDID_CLEARSELECTION = 18,
};
enum OleCommandOption : int {
  OLECMDEXECOPT_DODEFAULT = 0,
  OLECMDEXECOPT_PROMPTUSER = 1,
  OLECMDEXECOPT_DONTPROMPTUSER = 2,
};

class WebView : public Control {
 public:
  // The HTML of the page at an address, or nothing when the host has none.
  using PageSource = std::function<std::optional<std::string>(const std::string& url)>;
  struct Command {
    int id;
    int option;
  };

  explicit WebView(Window& parent);
  std::string TypeName() const override { return "WebBrowser"; }

  void Navigate(std::string url);
  void Stop();
  bool Busy() const { return m_pendingNavigation != 0; }
  // The address of the current (or loading) page; "" before the first navigation.
  const std::string& LocationURL() const { return m_location; }
  void SetPageSource(PageSource source) { m_pageSource = std::move(source); }
  // Reads the pages it navigates to, delivering them through `post` (Desktop::UiThreadPoster).
  void LoadThrough(AsyncReader::UiThreadPoster post);

  // The document body as HTML, and as the text a reader sees.
  const std::string& BodyHTML() const { return m_bodyHtml; }
  void BodyHTML(std::string html);
  const std::string& BodyText() const { return m_page.text; }
  const std::vector<HtmlLink>& Links() const { return m_page.links; }
  // Navigates to the link's address, resolved against the current page's address.
  void FollowLink(const HtmlLink& link);

  void ExecWB(int command, int option = OLECMDEXECOPT_DODEFAULT);
  // Every command run so far, oldest first.
  const std::vector<Command>& ExecutedCommands() const { return m_commands; }
  bool AllSelected() const { return m_allSelected; }

  Event<> DownloadBegin;
  Event<> DownloadComplete;
  Event<const std::string&> NavigateComplete2;  // URL
  Event<const std::string&> DocumentComplete;   // URL
  Event<const std::string&> StatusTextChange;   // Text

  LRESULT WindowProc(const Message& message) override;

 protected:
  void OnPaint(Canvas& canvas) override;
  void OnMouseDown(int button, int shift, Point p) override;

 private:
  void CompleteNavigation(std::uint64_t navigation);
  void ReadCompleted(const AsyncReadResult& result);
  void ShowPage(const std::string& html);
  const HtmlLink* LinkAt(Point p) const;
  void PaintLinks(Canvas& canvas, const Rect& textBox) const;

  std::string m_location;
  std::string m_bodyHtml;
  HtmlPage m_page;
  std::unique_ptr<AsyncReader> m_reader;
  PageSource m_pageSource;
  std::uint64_t m_navigationCount{0};
  std::uint64_t m_pendingNavigation{0};  // 0 when idle
  bool m_allSelected{false};
  std::vector<Command> m_commands;
};

}  // namespace qorvexctl::platform
