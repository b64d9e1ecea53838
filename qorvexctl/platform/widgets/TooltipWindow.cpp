// Tooltip window: the tool, the message numbers, and following the pointer over the tool.

#include "qorvexctl/platform/widgets/TooltipWindow.h"

#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl::platform {
namespace {

constexpr std::uintptr_t kInitialTimer = 1;
constexpr std::uintptr_t kAutoPopTimer = 2;

bool IsPress(const InputEvent& e) {
  return e.kind == InputEvent::Kind::MouseDown || e.kind == InputEvent::Kind::MouseDoubleClick;
}

}  // namespace

TooltipWindow::TooltipWindow(Desktop& desktop, HWND owner, unsigned style)
    : Window(desktop), m_owner(owner), m_style(style) {
  Visible(false);
  TopMost(true);
  m_pointerWatch =
      desktop.MouseInputRouted.connect([this](const InputEvent& event) { FollowPointer(event); });
}

TooltipWindow::~TooltipWindow() = default;

void TooltipWindow::AddTool(const ToolInfo& tool) {
  m_tool = tool;
  Relayout();
}

void TooltipWindow::UpdateTipText(std::string text) {
  if (!m_tool) return;
  m_tool->text = std::move(text);
  Relayout();
}

void TooltipWindow::SetTitle(TooltipIcon icon, std::string title) {
  m_icon = icon;
  m_title = std::move(title);
  Relayout();
}

void TooltipWindow::SetTipTextColour(Colour colour) {
  m_textColour = colour;
  Invalidate();
}

void TooltipWindow::SetTipBackColour(Colour colour) {
  m_backColour = colour;
  Invalidate();
}

void TooltipWindow::SetDelayTime(TooltipDelay which, int ms) {
  if (which == TTDT_INITIAL) m_initialDelayMs = ms < 0 ? kDefaultInitialDelayMs : ms;
  if (which == TTDT_AUTOPOP) m_displayTimeMs = ms < 0 ? kDefaultDisplayTimeMs : ms;
}

int TooltipWindow::DelayTime(TooltipDelay which) const {
  return which == TTDT_INITIAL ? m_initialDelayMs : m_displayTimeMs;
}

void TooltipWindow::Activate(bool show) {
  StopTimers();
  if (!show) {
    HideTip();
    return;
  }
  const Rect tool = ToolScreenRect();
  const Point pointer = GetDesktop().GetCursorPos();
  PopUp(PointerOverTool(pointer) ? pointer : Point{(tool.left + tool.right) / 2, tool.bottom});
}

TooltipLook TooltipWindow::Look() const {
  return TooltipLook{.text = m_tool ? m_tool->text : std::string(),
                     .title = m_title,
                     .icon = m_icon,
                     .balloon = (m_style & TTS_BALLOON) != 0,
                     .noPrefix = (m_style & TTS_NOPREFIX) != 0,
                     .textColour = m_textColour,
                     .backColour = m_backColour};
}

LRESULT TooltipWindow::WindowProc(const Message& message) {
  const auto* tool = reinterpret_cast<const ToolInfo*>(message.lParam);
  switch (message.msg) {
    case TTM_ACTIVATE:
      Activate(message.wParam != 0);
      return 0;
    case TTM_SETDELAYTIME:
      SetDelayTime(static_cast<TooltipDelay>(message.wParam), static_cast<int>(message.lParam));
      return 0;
    case TTM_ADDTOOL:
      if (tool) AddTool(*tool);
      return tool ? 1 : 0;
    case TTM_UPDATETIPTEXT:
      if (tool) UpdateTipText(tool->text);
      return 0;
    case TTM_SETTIPBKCOLOR:
      SetTipBackColour(static_cast<Colour>(message.wParam));
      return 0;
    case TTM_SETTIPTEXTCOLOR:
      SetTipTextColour(static_cast<Colour>(message.wParam));
      return 0;
    case TTM_SETTITLE: {
      const auto* title = reinterpret_cast<const char*>(message.lParam);
      SetTitle(static_cast<TooltipIcon>(message.wParam), title ? title : "");
      return 1;
    }
    default:
      return Window::WindowProc(message);
  }
}

// The tip appears once the pointer has rested over the tool for the initial delay: every move
// over the tool restarts the wait. Leaving the tool or pressing a button hides the tip; after
// a press or the display time it stays hidden until the pointer has left the tool.
void TooltipWindow::FollowPointer(const InputEvent& event) {
  if (!m_tool || !(m_tool->flags & TTF_SUBCLASS)) return;
  const bool over = PointerOverTool(event.screen);
  if (!over || IsPress(event)) {
    StopTimers();
    HideTip();
    m_waitForLeave = over;
    return;
  }
  if (event.kind != InputEvent::Kind::MouseMove || IsTipShown() || m_waitForLeave) return;
  StartInitialDelay();
}

bool TooltipWindow::PointerOverTool(Point screen) const {
  if (!m_tool || !ToolScreenRect().Contains(screen.x, screen.y)) return false;
  const Window* owner = GetDesktop().FromHandle(m_tool->owner);
  const Window* hit = GetDesktop().WindowFromPoint(screen);
  if (hit == this) return (m_tool->flags & TTF_TRANSPARENT) != 0;
  return owner && hit && owner->IsAncestorOf(hit);
}

Rect TooltipWindow::ToolScreenRect() const {
  const Window* owner = m_tool ? GetDesktop().FromHandle(m_tool->owner) : nullptr;
  if (!owner || !owner->IsShown()) return {};
  const Point origin = owner->ClientToScreen({0, 0});
  const Rect area = (m_tool->flags & TTF_POPUPONDEMAND) ? owner->ClientRect() : m_tool->rect;
  return area.Offset(origin.x, origin.y);
}

// The owner takes tips while it is shown and enabled and, unless the tip is an always-tip,
// while its form is the active window.
bool TooltipWindow::OwnerReady() const {
  Window* owner = m_tool ? GetDesktop().FromHandle(m_tool->owner) : nullptr;
  if (!owner || !owner->IsShown() || !owner->IsEnabledInTree()) return false;
  return (m_style & TTS_ALWAYSTIP) || GetDesktop().ActiveWindow() == owner->TopLevel();
}

void TooltipWindow::StartInitialDelay() {
  GetDesktop().SetTimer(hWnd(), kInitialTimer, static_cast<unsigned>(m_initialDelayMs),
                        [this](HWND, std::uintptr_t) {
                          GetDesktop().KillTimer(hWnd(), kInitialTimer);
                          const Point pointer = GetDesktop().GetCursorPos();
                          if (OwnerReady() && PointerOverTool(pointer)) PopUp(pointer);
                        });
}

void TooltipWindow::StopTimers() {
  GetDesktop().KillTimer(hWnd(), kInitialTimer);
  GetDesktop().KillTimer(hWnd(), kAutoPopTimer);
}

void TooltipWindow::PopUp(Point pointer) {
  if (!m_tool || m_tool->text.empty() || ToolScreenRect().IsEmpty()) return;
  const Rect tool = ToolScreenRect();
  m_anchor =
      (m_tool->flags & TTF_CENTERTIP) ? Point{(tool.left + tool.right) / 2, tool.bottom} : pointer;
  Visible(true);
  ZOrder(0);
  Relayout();
  GetDesktop().SetTimer(hWnd(), kAutoPopTimer, static_cast<unsigned>(m_displayTimeMs),
                        [this](HWND, std::uintptr_t) {
                          GetDesktop().KillTimer(hWnd(), kAutoPopTimer);
                          HideTip();
                          m_waitForLeave = PointerOverTool(GetDesktop().GetCursorPos());
                        });
}

void TooltipWindow::HideTip() { Visible(false); }

void TooltipWindow::Relayout() {
  if (!IsTipShown()) return;
  if (m_tool->text.empty()) {
    HideTip();
    return;
  }
  const TooltipLook look = Look();
  m_layout = LayOutTooltip(look, m_anchor, (m_tool->flags & TTF_CENTERTIP) != 0,
                           GetDesktop().ScreenSize());
  SetBounds(m_layout.window);
  // Only the tip's shape shows: a balloon's rounded corners and the sides of its stem stay
  // see-through on the screen.
  SetWindowRgn(TooltipShape(look, m_layout));
}

void TooltipWindow::OnPaint(Canvas& canvas) { PaintTooltip(canvas, Look(), m_layout); }

}  // namespace qorvexctl::platform
