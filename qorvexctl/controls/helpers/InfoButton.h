#pragma once
// InfoButton: a 16 x 16 information, warning or error icon. When the pointer rests on it, it
// shows its text in a balloon tip (built from TipText, or taken over from the ordinary tooltip
// text; "||" and a backslash followed by "n" break lines). A click shows the tip, runs the
// Action or just raises Click:
//
//   Action      on click
//   ""          pops the tip up, raises Click
//   "click"     raises Click
//   "nothing"   nothing at all
//   other       opens the Action with the shell opener (a file or an address) from the
//               application folder (GetRootPath), so a relative path is found there; raises
//               Click
//
// (Action compared without regard to case.)

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "qorvexctl/controls/helpers/clsBalloonTip.h"
#include "qorvexctl/frame/Component.h"
#include "qorvexctl/platform/drawing/Surface.h"
#include "qorvexctl/platform/widgets/Control.h"

namespace qorvexctl {

class Registry;

enum IB_STYLE_ENUM : int { IB_INFO = 0, IB_WARNING = 1, IB_ERROR = 2 };
enum TT_STYLE_ENUM : int { TTS_DEFAULT = 0, TTS_BALLOON = 1 };

class InfoButton final : public platform::Control, public Component {
 public:
  static constexpr int kSizePixels = 16;

  InfoButton(LibraryState& library, platform::Desktop& desktop,
             platform::Window* container = nullptr);
  InfoButton(platform::Window& container, LibraryState& library)
      : InfoButton(library, container.GetDesktop(), &container) {}
  ~InfoButton() override;
  std::string TypeName() const override { return "InfoButton"; }
  std::string_view ClassName() const override { return "InfoButton"; }

  // Enabled is the window's own property; it switches the icon to its disabled form.
  const std::string& Action() const { return m_action; }
  void Action(std::string action);
  const std::string& ToolTipTitle() const { return m_title; }
  void ToolTipTitle(std::string title);
  TT_STYLE_ENUM ToolTipStyle() const { return m_toolTipStyle; }
  void ToolTipStyle(TT_STYLE_ENUM style);
  IB_STYLE_ENUM Style() const { return m_style; }
  void Style(IB_STYLE_ENUM style);
  // The window the tip points at; 0 means the button itself.
  platform::HWND TargethWnd() const { return m_target; }
  void TargethWnd(platform::HWND hwnd);
  // Pops the tip up now, when there is one.
  void PopupTip();
  const std::string& TipText() const { return m_tipText; }
  void TipText(std::string text);
  bool Transparent() const { return m_transparent; }
  void Transparent(bool value);
  bool IsTransparent() const override { return m_transparent; }
  clsBalloonTip& GetTooltipClass() { return m_tip; }
  platform::HWND hwnd() const { return hWnd(); }

  // The picture resource the button shows now ("IB_INFO", "IB_WARNING_DISABLED", ...).
  std::string PictureName() const;

 protected:
  std::span<const PersistedProperty> PersistedProperties() const override { return m_table; }
  void OnTerminate() override { m_tip.DestroyTip(); }
  void OnPaint(platform::Canvas& canvas) override;
  void OnMouseDown(int button, int shift, platform::Point p) override;
  void OnMouseUp(int button, int shift, platform::Point p) override;
  void OnMouseMove(int buttons, int shift, platform::Point p) override;
  bool ClicksOnRelease() const override { return false; }
  void OnResize() override;
  void OnEnabledChanged() override { Invalidate(); }

 private:
  void BuildTip();
  void TakeOverToolTipText();
  void ClickByAction();
  void Changed();

  std::string m_action;
  IB_STYLE_ENUM m_style{IB_INFO};
  TT_STYLE_ENUM m_toolTipStyle{TTS_BALLOON};
  std::string m_title{"Informação"};
  std::string m_tipText;
  bool m_transparent{false};
  platform::HWND m_target{0};
  std::string m_builtFrom;  // the text the current tip was built from
  bool m_rebuild{true};
  bool m_pressed{false};
  clsBalloonTip m_tip;
  static const std::vector<PersistedProperty> m_table;
};

// Makes "QORVEXCTL.InfoButton" creatable through the registry (and so restorable from a form
// file), on `desktop`.
void RegisterInfoButton(Registry& registry, platform::Desktop& desktop);

// The picture resource of that name, 16 x 16 pixels with transparent corners; an empty
// surface for a name that is not one of the six.
platform::Surface InfoButtonPicture(std::string_view resourceName);

}  // namespace qorvexctl
