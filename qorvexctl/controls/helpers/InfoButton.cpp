// InfoButton: properties, the tip built on pointer movement, clicks by Action, the fixed size.

#include "qorvexctl/controls/helpers/InfoButton.h"

#include "qorvexctl/base/Text.h"
#include "qorvexctl/frame/LibraryFunctions.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl {

namespace {

ttIconType IconOf(IB_STYLE_ENUM style) {
  switch (style) {
    case IB_WARNING:
      return TTIconWarning;
    case IB_ERROR:
      return TTIconError;
    default:
      return TTIconInfo;
  }
}

// "||" and the two characters "\n" written in the text become line breaks.
std::string WithLineBreaks(std::string_view text) {
  return Replace(Replace(text, "||", "\n"), "\\n", "\n");
}

}  // namespace

// Read order; "ToolTipText" is the container's ordinary tooltip text, which TipText defaults to.
const std::vector<PersistedProperty> InfoButton::m_table = {
    Persisted<InfoButton>(
        "ibutton.action", "", [](InfoButton& b, const Variant& v) { b.Action(v.ToString()); },
        [](const InfoButton& b) { return b.Action(); }),
    Persisted<InfoButton>(
        "ibutton.bstyle", std::int32_t{IB_INFO},
        [](InfoButton& b, const Variant& v) { b.Style(static_cast<IB_STYLE_ENUM>(v.ToLong())); },
        [](const InfoButton& b) { return std::int32_t{b.Style()}; }),
    Persisted<InfoButton>(
        "ibutton.style", std::int32_t{TTS_BALLOON},
        [](InfoButton& b, const Variant& v) {
          b.ToolTipStyle(static_cast<TT_STYLE_ENUM>(v.ToLong()));
        },
        [](const InfoButton& b) { return std::int32_t{b.ToolTipStyle()}; }),
    Persisted<InfoButton>(
        "ibutton.title", "Informação",
        [](InfoButton& b, const Variant& v) { b.ToolTipTitle(v.ToString()); },
        [](const InfoButton& b) { return b.ToolTipTitle(); }),
    Persisted<InfoButton>(
        "ibutton.enabled", true, [](InfoButton& b, const Variant& v) { b.Enabled(v.ToBoolean()); },
        [](const InfoButton& b) { return b.Enabled(); }),
    Persisted<InfoButton>(
        "ToolTipText", "", [](InfoButton& b, const Variant& v) { b.ToolTipText(v.ToString()); },
        [](const InfoButton& b) { return b.ToolTipText(); }),
    Persisted<InfoButton>(
        "ibutton.tiptext", "",
        [](InfoButton& b, const Variant& v) {
          b.TipText(v.ToString());
          b.TakeOverToolTipText();
        },
        [](const InfoButton& b) { return b.TipText(); }),
    Persisted<InfoButton>(
        "ibutton.transparent", false,
        [](InfoButton& b, const Variant& v) { b.Transparent(v.ToBoolean()); },
        [](const InfoButton& b) { return b.Transparent(); }),
};

InfoButton::InfoButton(LibraryState& library, platform::Desktop& desktop,
                       platform::Window* container)
    : Control(desktop, container), Component(library), m_tip(library, desktop) {
  SetBounds(platform::Rect::FromSize(0, 0, kSizePixels, kSizePixels));
  TabStop(false);
}

InfoButton::~InfoButton() { Terminate(); }

void InfoButton::Action(std::string action) {
  m_action = std::move(action);
  Changed();
}

void InfoButton::ToolTipTitle(std::string title) {
  m_title = std::move(title);
  Changed();
}

void InfoButton::ToolTipStyle(TT_STYLE_ENUM style) {
  m_toolTipStyle = style;
  Changed();
}

void InfoButton::Style(IB_STYLE_ENUM style) {
  m_style = style;
  Changed();
  Invalidate();
}

void InfoButton::TargethWnd(platform::HWND hwnd) {
  m_target = hwnd;
  Changed();
}

void InfoButton::PopupTip() {
  if (m_tip.lHwnd() != 0) m_tip.ShowNow();
}

void InfoButton::TipText(std::string text) {
  m_tipText = std::move(text);
  Changed();
}

void InfoButton::Transparent(bool value) {
  m_transparent = value;
  Changed();
  Invalidate();
}

std::string InfoButton::PictureName() const {
  static constexpr const char* kNames[] = {"IB_INFO", "IB_WARNING", "IB_ERROR"};
  const int index = m_style >= IB_INFO && m_style <= IB_ERROR ? m_style : IB_INFO;
  return std::string(kNames[index]) + (Enabled() ? "" : "_DISABLED");
}

void InfoButton::Changed() { m_rebuild = true; }

// The ordinary tooltip text becomes the tip's text, so only the balloon shows.
void InfoButton::TakeOverToolTipText() {
  if (!m_tipText.empty() || ToolTipText().empty()) return;
  TipText(ToolTipText());
  ToolTipText("");
}

void InfoButton::BuildTip() {
  TakeOverToolTipText();
  if (m_tipText == m_builtFrom && !m_rebuild) return;
  m_builtFrom = m_tipText;
  const std::string text = Trim(m_tipText);
  if (text.empty()) {
    m_tip.DestroyTip();
    return;
  }
  m_tip.Style(m_toolTipStyle == TTS_BALLOON ? TTBalloon : TTStandard);
  m_tip.mvarParentControlhwnd(m_target != 0 ? m_target : hWnd());
  m_tip.Title(m_title);
  m_tip.Icon(IconOf(m_style));
  m_tip.TipText(WithLineBreaks(text));
  m_tip.Create();
  m_rebuild = false;
}

void InfoButton::ClickByAction() {
  const std::string action = LCase(m_action);
  if (action == "nothing") return;
  if (action.empty()) {
    PopupTip();
  } else if (action != "click") {
    GetDesktop().Shell().Open(m_action, GetRootPath(Library()));
  }
  Click();
}

void InfoButton::OnMouseMove(int buttons, int shift, platform::Point p) {
  Control::OnMouseMove(buttons, shift, p);
  BuildTip();
}

void InfoButton::OnMouseDown(int button, int shift, platform::Point p) {
  Control::OnMouseDown(button, shift, p);
  if (button == platform::vbLeftButton) m_pressed = true;
}

void InfoButton::OnMouseUp(int button, int shift, platform::Point p) {
  Control::OnMouseUp(button, shift, p);
  if (button != platform::vbLeftButton || !m_pressed) return;
  m_pressed = false;
  if (ClientRect().Contains(p.x, p.y)) ClickByAction();
}

// The button keeps 16 x 16 pixels whatever size it is given.
void InfoButton::OnResize() {
  const platform::Rect bounds = Bounds();
  if (bounds.Width() == kSizePixels && bounds.Height() == kSizePixels) return;
  SetBounds(platform::Rect::FromSize(bounds.left, bounds.top, kSizePixels, kSizePixels));
}

void RegisterInfoButton(Registry& registry, platform::Desktop& desktop) {
  registry.Register("InfoButton", [&desktop](LibraryState& library) {
    return std::make_unique<InfoButton>(library, desktop);
  });
}

}  // namespace qorvexctl
