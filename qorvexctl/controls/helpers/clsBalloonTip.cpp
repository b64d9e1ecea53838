// clsBalloonTip: creating the tip window, passing changes on to it, and the one-line tooltip
// fallback while there is no window.

#include "qorvexctl/controls/helpers/clsBalloonTip.h"

#include "qorvexctl/base/Text.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/TooltipWindow.h"

namespace qorvexctl {

using namespace platform;

namespace {

constexpr unsigned kStandardStyle = TTS_ALWAYSTIP | TTS_NOPREFIX;  // 3
constexpr unsigned kBalloonStyle = kStandardStyle | TTS_BALLOON;   // 67
constexpr unsigned kToolFlags = TTF_SUBCLASS | TTF_TRANSPARENT;    // 272

// The text on one line: each line break becomes " - ".
std::string OneLine(const std::string& text) {
  return Replace(Replace(Replace(text, "\r\n", " - "), "\n", " - "), "\r", " - ");
}

}  // namespace

clsBalloonTip::clsBalloonTip(LibraryState& library, Desktop& desktop)
    : Component(library), m_desktop(desktop) {}

clsBalloonTip::~clsBalloonTip() { Terminate(); }

bool clsBalloonTip::Create() {
  if (m_tipHwnd != 0) DestroyTip();
  const unsigned style = m_style == TTBalloon ? kBalloonStyle : kStandardStyle;
  Rect clientRect{};
  if (m_parentHwnd != 0) {
    if (const Window* parent = m_desktop.FromHandle(m_parentHwnd)) {
      m_window = std::make_unique<TooltipWindow>(m_desktop, m_parentHwnd, style);
      m_tipHwnd = m_window->hWnd();
      Library().AddTooltip();
      clientRect = parent->ClientRect();
    }
  }
  const ToolInfo tool{.flags = kToolFlags | (m_popupOnDemand ? TTF_POPUPONDEMAND : 0u) |
                               (m_centered ? TTF_CENTERTIP : 0u),
                      .owner = m_parentHwnd,
                      .id = m_parentHwnd,
                      .rect = clientRect,
                      .text = m_tipText};
  Send(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&tool));
  if (!m_title.empty() || m_icon != TTNoIcon) SendTitle();
  if (m_foreColor != 0) Send(TTM_SETTIPTEXTCOLOR, m_foreColor, 0);
  if (m_backColor != 0) Send(TTM_SETTIPBKCOLOR, m_backColor, 0);
  Send(TTM_SETDELAYTIME, TTDT_AUTOPOP, m_displayTimeMs);
  Send(TTM_SETDELAYTIME, TTDT_INITIAL, m_initialDelayMs);
  return false;
}

Window* clsBalloonTip::ParentControl() const { return m_desktop.FromHandle(m_parentControl); }

void clsBalloonTip::ParentControl(Window* control) {
  m_parentControl = control ? control->hWnd() : 0;
  m_parentHwnd = m_parentControl;
}

void clsBalloonTip::Icon(ttIconType icon) {
  m_icon = icon;
  if (m_tipHwnd != 0 && !m_title.empty() && m_icon != TTNoIcon) SendTitle();
}

void clsBalloonTip::Title(std::string title) {
  m_title = std::move(title);
  if (m_tipHwnd != 0 && !m_title.empty() && m_icon != TTNoIcon) SendTitle();
}

void clsBalloonTip::ForeColor(Colour colour) {
  m_foreColor = colour;
  if (m_tipHwnd != 0) Send(TTM_SETTIPTEXTCOLOR, m_foreColor, 0);
}

void clsBalloonTip::BackColor(Colour colour) {
  m_backColor = colour;
  if (m_tipHwnd != 0) Send(TTM_SETTIPBKCOLOR, m_backColor, 0);
}

void clsBalloonTip::TipText(std::string text) {
  if (text == m_tipText) return;
  m_tipText = std::move(text);
  if (m_tipHwnd != 0) {
    const ToolInfo tool{.owner = m_parentHwnd, .id = m_parentHwnd, .text = m_tipText};
    Send(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&tool));
  } else if (m_parentHwnd != 0) {
    // The host control object, when one was given; a bare parent handle has no tooltip text.
    if (Window* parent = ParentControl()) parent->ToolTipText(OneLine(m_tipText));
  }
}

void clsBalloonTip::ShowNow() { Send(TTM_ACTIVATE, 1, 0); }

void clsBalloonTip::DestroyTip() {
  if (m_tipHwnd == 0) return;
  Library().RemoveTooltip();
  m_window.reset();
  m_tipHwnd = 0;
}

std::int32_t clsBalloonTip::TooltipCount() const { return Library().TooltipCount(); }

void clsBalloonTip::SetTimeout(std::int32_t msDelay, std::int32_t msDisplay) {
  m_initialDelayMs = msDelay;
  m_displayTimeMs = msDisplay;
}

LRESULT clsBalloonTip::Send(std::uint32_t msg, WPARAM wParam, LPARAM lParam) {
  return m_tipHwnd != 0 ? m_desktop.SendMessage(m_tipHwnd, msg, wParam, lParam) : 0;
}

void clsBalloonTip::SendTitle() {
  Send(TTM_SETTITLE, static_cast<WPARAM>(m_icon), reinterpret_cast<LPARAM>(m_title.c_str()));
}

bool RegisterBalloonTip(Registry& registry, Desktop& desktop) {
  registry.Members().Add<clsBalloonTip>(clsBalloonTip::Members());
  return registry.Register("clsBalloonTip", [&desktop](LibraryState& library) {
    return std::make_unique<clsBalloonTip>(library, desktop);
  });
}

}  // namespace qorvexctl
