#pragma once
// clsBalloonTip: one tooltip window attached to one host window, a plain rectangle or a balloon,
// with an optional title and icon, colours and delays. The fields and the parent are set first;
// Create makes the window (and may be called again after changes); DestroyTip or the end of the
// object removes it. While no window exists, TipText goes to the parent's ordinary tooltip
// instead, on one line.
//
//   clsBalloonTip tip(library, desktop);
//   tip.ParentControl(&textBox);
//   tip.Title("NIF");
//   tip.TipText("Contribuinte\nLisboa");
//   tip.Create();

#include <cstdint>
#include <memory>
#include <string>

#include "qorvexctl/base/Colour.h"
#include "qorvexctl/frame/Component.h"
#include "qorvexctl/platform/desktop/Messages.h"

namespace qorvexctl {

namespace platform {
class Desktop;
class TooltipWindow;
class Window;
}  // namespace platform

class Registry;
struct MemberTable;

enum ttStyleEnum : int { TTStandard = 0, TTBalloon = 1 };
enum ttIconType : int { TTNoIcon = 0, TTIconInfo = 1, TTIconWarning = 2, TTIconError = 3 };

class clsBalloonTip final : public Component {
 public:
  clsBalloonTip(LibraryState& library, platform::Desktop& desktop);
  ~clsBalloonTip() override;
  std::string_view ClassName() const override { return "clsBalloonTip"; }
  // Properties and methods by name.
  static const MemberTable& Members();

  // The window the tip belongs to, and the tip window (0 while there is none).
  platform::HWND mvarParentControlhwnd() const { return m_parentHwnd; }
  void mvarParentControlhwnd(platform::HWND hwnd) { m_parentHwnd = hwnd; }
  platform::HWND lHwnd() const { return m_tipHwnd; }
  void lHwnd(platform::HWND hwnd) { m_tipHwnd = hwnd; }

  // Style, PopupOnDemand and Centered take effect at the next Create.
  ttStyleEnum Style() const { return m_style; }
  void Style(ttStyleEnum style) { m_style = style; }
  bool PopupOnDemand() const { return m_popupOnDemand; }
  void PopupOnDemand(bool value) { m_popupOnDemand = value; }
  bool Centered() const { return m_centered; }
  void Centered(bool value) { m_centered = value; }

  // Makes the tip window for the parent (replacing one that exists). The result is always false.
  bool Create();

  // The host control (not owned); setting it also sets the parent handle (0 for none).
  platform::Window* ParentControl() const;
  void ParentControl(platform::Window* control);

  ttIconType Icon() const { return m_icon; }
  void Icon(ttIconType icon);
  // Colours; 0 means the platform's default.
  Colour ForeColor() const { return m_foreColor; }
  void ForeColor(Colour colour);
  const std::string& Title() const { return m_title; }
  void Title(std::string title);
  Colour BackColor() const { return m_backColor; }
  void BackColor(Colour colour);
  const std::string& TipText() const { return m_tipText; }
  void TipText(std::string text);

  // Pops the tip up now.
  void ShowNow();
  void DestroyTip();
  // Tip windows alive in the whole library.
  std::int32_t TooltipCount() const;
  // The initial delay and the display time for the next Create.
  void SetTimeout(std::int32_t msDelay, std::int32_t msDisplay);

 protected:
  void OnTerminate() override { DestroyTip(); }

 private:
  platform::LRESULT Send(std::uint32_t msg, platform::WPARAM wParam, platform::LPARAM lParam);
  void SendTitle();

  platform::Desktop& m_desktop;
  platform::HWND m_parentHwnd{0};
  platform::HWND m_tipHwnd{0};
  platform::HWND m_parentControl{0};  // the host control, by handle so it may go first
  ttStyleEnum m_style{TTBalloon};
  bool m_popupOnDemand{true};
  bool m_centered{false};
  ttIconType m_icon{TTIconInfo};
  Colour m_foreColor{0};
  std::string m_title;
  Colour m_backColor{0};
  std::string m_tipText;
  std::int32_t m_initialDelayMs{500};
  std::int32_t m_displayTimeMs{10000};
  std::unique_ptr<platform::TooltipWindow> m_window;
};

// Makes "QORVEXCTL.clsBalloonTip" creatable by name, with its member table; its tips live on
// `desktop`.
bool RegisterBalloonTip(Registry& registry, platform::Desktop& desktop);

}  // namespace qorvexctl
