#pragma once
// The stand-in for an embedded web browser. It never touches the network: Navigate records the
// address and completes from the message loop with the page the host's PageSource gives for it
// (an empty page when there is none). The document body can be set as HTML and read back as
// text, ExecWB commands are recorded (print) or carried out on the body (select all, copy),
// and the control paints the text of its body.
//
// Events follow the browser's order: Navigate raises DownloadBegin at once; completion raises
// DownloadComplete, NavigateComplete2 and DocumentComplete. Stop ends a navigation that has not
// completed with DownloadComplete only. Busy is true between the two.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "qorvexctl/platform/widgets/Control.h"

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

  // The document body as HTML, and as the text a reader sees.
  const std::string& BodyHTML() const { return m_bodyHtml; }
  void BodyHTML(std::string html);
  const std::string& BodyText() const { return m_bodyText; }

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

 private:
  void CompleteNavigation(std::uint64_t navigation);

  std::string m_location;
  std::string m_bodyHtml;
  std::string m_bodyText;
  PageSource m_pageSource;
  std::uint64_t m_navigationCount{0};
  std::uint64_t m_pendingNavigation{0};  // 0 when idle
  bool m_allSelected{false};
  std::vector<Command> m_commands;
};

}  // namespace qorvexctl::platform
