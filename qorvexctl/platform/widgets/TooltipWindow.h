#pragma once
// The tooltip window ("tooltips_class32"): a top-level tip owned by a host window, with one
// tool covering the owner's client area. The tip pops up when the pointer has rested over the
// tool for the initial delay and hides after the display time, when the pointer leaves the tool
// or when a mouse button goes down. It looks like a plain rectangle or, with TTS_BALLOON, like a
// rounded balloon whose stem points at the tool; a bold title with an icon may head the text.
//
// Hosts create and destroy it explicitly and drive it with the classic message numbers through
// Desktop::SendMessage (TTM_ADDTOOL with a ToolInfo, TTM_SETTITLE with the title text, ...);
// the same operations are members as well. Timing runs on the desktop's timers, so under the
// virtual clock a test waits through the delays instantly.

#include <cstdint>
#include <optional>
#include <string>

#include "qorvexctl/base/Colour.h"
#include "qorvexctl/base/Event.h"
#include "qorvexctl/platform/desktop/InputEvent.h"
#include "qorvexctl/platform/desktop/Window.h"
#include "qorvexctl/platform/widgets/TooltipPainter.h"

namespace qorvexctl::platform {

// Window styles of a tooltip window.
enum TooltipStyle : unsigned {
  TTS_ALWAYSTIP = 0x01,  // also while the owner's form is not the active window
  TTS_NOPREFIX = 0x02,   // "&" is shown as it is, not taken as an access-key prefix
  TTS_BALLOON = 0x40,    // rounded balloon with a stem
};

// Flags of the tool.
enum ToolFlags : unsigned {
  TTF_POPUPONDEMAND = 0x001,  // the tool is the owner's client area as it is at each moment
  TTF_CENTERTIP = 0x002,      // the tip points at the middle of the tool's bottom edge
  TTF_SUBCLASS = 0x010,       // the tip follows the pointer over the owner by itself
  TTF_TRANSPARENT = 0x100,    // the pointer over the tip counts as over the tool beneath
};

// The messages a tooltip window answers (numbers of the classic control).
enum TooltipMessage : std::uint32_t {
  TTM_ACTIVATE = WM_USER + 1,          // 1025: wParam true pops the tip up now, false hides it
  TTM_SETDELAYTIME = WM_USER + 3,      // 1027: wParam a TooltipDelay, lParam milliseconds
  TTM_ADDTOOL = WM_USER + 4,           // 1028: lParam const ToolInfo*
  TTM_UPDATETIPTEXT = WM_USER + 12,    // 1036: lParam const ToolInfo* (its text is taken)
  TTM_SETTIPBKCOLOR = WM_USER + 19,    // 1043: wParam colour, 0 for the default
  TTM_SETTIPTEXTCOLOR = WM_USER + 20,  // 1044: wParam colour, 0 for the default
  TTM_SETTITLE = WM_USER + 32,         // 1056: wParam TooltipIcon, lParam const char* title
};

// Which delay TTM_SETDELAYTIME sets.
enum TooltipDelay : int { TTDT_AUTOPOP = 2, TTDT_INITIAL = 3 };

// The tool: owner window, id, rectangle in the owner's client pixels, flags and text.
struct ToolInfo {
  unsigned flags = 0;
  HWND owner = 0;
  std::uintptr_t id = 0;
  Rect rect{};
  std::string text;
};

class TooltipWindow final : public Window {
 public:
  static constexpr int kDefaultInitialDelayMs = 500;
  static constexpr int kDefaultDisplayTimeMs = 5000;

  // A hidden tip owned by `owner`, with TTS_ style bits.
  TooltipWindow(Desktop& desktop, HWND owner, unsigned style);
  ~TooltipWindow() override;
  std::string TypeName() const override { return "tooltips_class32"; }
  std::string WindowText() const override { return m_tool ? m_tool->text : std::string(); }

  HWND Owner() const { return m_owner; }
  unsigned Style() const { return m_style; }

  // The tool (one per window: adding again replaces it); nullopt before the first.
  void AddTool(const ToolInfo& tool);
  const std::optional<ToolInfo>& Tool() const { return m_tool; }
  void UpdateTipText(std::string text);
  void SetTitle(TooltipIcon icon, std::string title);
  const std::string& Title() const { return m_title; }
  TooltipIcon Icon() const { return m_icon; }
  // Colours; 0 means the default (black text on the info-tip yellow).
  void SetTipTextColour(Colour colour);
  void SetTipBackColour(Colour colour);
  Colour TipTextColour() const { return m_textColour; }
  Colour TipBackColour() const { return m_backColour; }
  void SetDelayTime(TooltipDelay which, int ms);
  int DelayTime(TooltipDelay which) const;
  // true pops the tip up at once (it hides after the display time); false hides it.
  void Activate(bool show);
  bool IsTipShown() const { return Visible(); }
  // The screen point the balloon's stem (or the standard tip's corner) points at.
  Point Anchor() const { return m_anchor; }
  // What the tip shows, for its painter.
  TooltipLook Look() const;

  LRESULT WindowProc(const Message& message) override;

 protected:
  void OnPaint(Canvas& canvas) override;

 private:
  void FollowPointer(const InputEvent& event);
  bool PointerOverTool(Point screen) const;
  Rect ToolScreenRect() const;
  bool OwnerReady() const;
  void StartInitialDelay();
  void StopTimers();
  void PopUp(Point pointer);
  void HideTip();
  void Relayout();

  HWND m_owner;
  unsigned m_style;
  std::optional<ToolInfo> m_tool;
  std::string m_title;
  TooltipIcon m_icon{TTI_NONE};
  Colour m_textColour{0};
  Colour m_backColour{0};
  int m_initialDelayMs{kDefaultInitialDelayMs};
  int m_displayTimeMs{kDefaultDisplayTimeMs};
  bool m_waitForLeave{false};  // after the display time, until the pointer leaves the tool
  Point m_anchor{};
  TooltipLayout m_layout{};  // where the parts of the shown tip go
  ScopedConnection m_pointerWatch;
};

}  // namespace qorvexctl::platform
