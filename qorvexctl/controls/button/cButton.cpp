// cButton: properties and their rules, the option group, the click step and the balloon tip.

#include "qorvexctl/controls/button/cButton.h"

#include "qorvexctl/base/FlagGuard.h"
#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/button/ButtonText.h"
#include "qorvexctl/controls/button/OptionGroup.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/services/MessageBoxService.h"
#include "qorvexctl/platform/services/SettingsStore.h"

namespace qorvexctl {

namespace {

constexpr Colour kButtonFace = 0x8000000Fu;
constexpr Colour kButtonText = 0x80000012u;

}  // namespace

cButton::cButton(LibraryState& library, platform::Desktop& desktop, platform::Window* container)
    : UserControl(library, desktop, container) {
  Drawing().ScaleMode(platform::vbPixels);
  platform::Window::BackColor(kButtonFace);
  platform::Window::ForeColor(kButtonText);
}

cButton::~cButton() { Terminate(); }

void cButton::OnTerminate() {
  DestroyTip();
  LeaveGroup();
  GetDesktop().KillTimer(hWnd(), kHoverTimerId);
  m_offscreenCanvas.reset();
  m_offscreen = platform::Surface();
}

void cButton::Changed(std::string_view property) {
  PropertyChanged(property);
  Redraw();
}

void cButton::Refuse(const std::string& message) const {
  if (!InDesignMode()) return;
  Library().MessageBoxes().Show({kLibraryName, message, platform::MessageBoxIcon::Information,
                                 platform::MessageBoxButtons::OK});
}

// --- Properties.

void cButton::ButtonStyle(BackStyleConstants look) {
  m_look = look;
  UpdateShape();
  Changed("ButtonStyle");
}

void cButton::Mode(ButtonModeConstants mode) {
  if (mode < efbxp_CommandButton || mode > efbxp_OptionButton) return;
  const ButtonModeConstants old = m_mode;
  m_mode = mode;
  if (old == efbxp_OptionButton && mode != efbxp_OptionButton) LeaveGroup();
  if (mode == efbxp_OptionButton && old != efbxp_OptionButton) JoinGroup();
  if (mode == efbxp_CommandButton || (old == efbxp_OptionButton && mode == efbxp_CheckBox)) {
    m_value = false;
  }
  Changed("Mode");
}

void cButton::Caption(const std::string& caption) {
  if (LCase(caption) == LCase(m_caption)) return;
  m_caption = caption;
  const char32_t key = AccessKeyOf(caption);
  AccessKeys(key ? std::u32string(1, key) : std::u32string());
  Changed("Caption");
}

void cButton::CaptionAlign(int align) {
  if (align < 0 || align > 2) return;
  const bool pictureAbove =
      m_picture && !m_picture->IsEmpty() &&
      (m_pictureAlign == efbxp_TopCenter || m_pictureAlign == efbxp_BottomCenter);
  if (align != 2 && pictureAbove) {
    Refuse(
        "When button images are aligned top/bottom center, \nbutton captions can only be "
        "center aligned");
    return;
  }
  m_captionAlign = align;
  Changed("CaptionAlign");
}

void cButton::CaptionStyle(CaptionEffectConstants style) {
  Store(m_captionStyle, style, "CaptionStyle");
}

void cButton::CustomClick(CustomCickConstants direction) {
  if (direction < efbxp_cDefault || direction > efbxp_cWest) return;
  m_customClick = direction;
  if (direction != efbxp_cDefault && !IsCustomShape(m_shape)) {
    Refuse("This property has no effect unless the Button Shape is a custom shape.");
  }
  UpdateShape();
  Changed("CustomClick");
}

void cButton::ButtonShape(ButtonStyleConstants shape) {
  if (shape < efbxp_Rectangular || shape > efbxp_Custom3DBorder) return;
  if (IsCustomShape(shape) && (!m_picture || m_picture->Type() != platform::PictureType::Bitmap)) {
    Refuse("The Picture Property must be assigned first and must be a bitmap or JPEG.");
    return;
  }
  m_shape = shape;
  if (IsCustomShape(shape)) m_imageSizePixels = (efbxp_Fill_ScaleUpDown + 2) * 8;
  UpdateShape();
  Changed("ButtonShape");
}

void cButton::Picture(std::shared_ptr<platform::Picture> picture) {
  m_picture = std::move(picture);
  const bool bitmap = m_picture && m_picture->Type() == platform::PictureType::Bitmap;
  if (IsCustomShape(m_shape) && !bitmap) {
    // Without a picture there is no outline to keep; an icon is refused with a message.
    if (m_picture && !m_picture->IsEmpty()) {
      Refuse(
          "Icons cannot be used for custom buttons. Only use bitmaps or JPEGs.\nButton was "
          "changed to Rectangular shaped.");
    }
    m_shape = efbxp_Rectangular;
  }
  UpdateShape();
  Changed("Picture");
}

void cButton::PictureAlign(ImagePlacementConstants align) {
  if (align < efbxp_LeftEdge || align > efbxp_BottomCenter) return;
  m_pictureAlign = align;
  Changed("PictureAlign");
}

void cButton::ShowFocusRect(bool value) {
  m_showFocusRect = value;
  PropertyChanged("ShowFocusRect");
  if (m_state & kFocus) Redraw();
}

void cButton::Value(bool value) {
  if (value && m_mode == efbxp_CommandButton) {
    Refuse("This property is not applicable for command button modes.");
    return;
  }
  m_value = value;
  if (value && m_mode == efbxp_OptionButton) ClearOtherGroupMembers();
  Changed("Value");
}

void cButton::PictureSize(ImageSizeConstants size) {
  if (size < efbxp_16x16 || size > efbxp_Fill_ScaleUpDown) return;
  if (IsCustomShape(m_shape)) {
    Refuse("The picture size cannot be changed for Shaped buttons");
    return;
  }
  m_imageSizePixels = (size + 2) * 8;
  Changed("PictureSize");
}

void cButton::Font(const platform::Font& font) {
  platform::Window::Font(font);
  Changed("Font");
}

FontStyles cButton::FontStyle() const {
  const platform::Font& font = Font();
  return static_cast<FontStyles>((font.Bold() ? efbxp_Bold : 0) |
                                 (font.Italic() ? efbxp_Italic : 0) |
                                 (font.Underline() ? efbxp_Underline : 0));
}

void cButton::FontStyle(FontStyles style) {
  platform::Font font = Font();
  font.Bold((style & efbxp_Bold) != 0);
  font.Italic((style & efbxp_Italic) != 0);
  font.Underline((style & efbxp_Underline) != 0);
  Font(font);
}

void cButton::ForeColor(Colour colour) {
  platform::Window::ForeColor(colour);
  if (ForeColourLocked()) m_hoverFore = colour;
  Changed("ForeColor");
}

void cButton::BackColor(Colour colour) {
  platform::Window::BackColor(colour);
  if (BackColourLocked()) m_hoverBack = colour;
  Changed("BackColor");
}

void cButton::GradientColor(Colour colour) { Store(m_gradientColour, colour, "GradientColor"); }

void cButton::GradientMode(GradientConstants mode) { Store(m_gradientMode, mode, "GradientMode"); }

void cButton::ResetDefaultColors(bool reset) {
  if (!reset) return;
  {
    FlagGuard delayed(m_delayDrawing);
    BackColor(kButtonFace);
    GradientColor(kButtonFace);
    ForeColor(kButtonText);
    GradientMode(efbxp_NoGradient);
    HoverColorLocks(efbxp_LockTextandBackColor);
  }
  Redraw();
}

void cButton::HoverColorLocks(HoverLockConstants locks) {
  Store(m_hoverLocks, locks, "HoverColorLocks");
}

void cButton::HoverForeColor(Colour colour) { Store(m_hoverFore, colour, "HoverForeColor"); }

void cButton::HoverBackColor(Colour colour) { Store(m_hoverBack, colour, "HoverBackColor"); }

bool cButton::BackColourLocked() const {
  return m_hoverLocks == efbxp_LockTextandBackColor || m_hoverLocks == efbxp_LockBackColorOnly;
}

bool cButton::ForeColourLocked() const {
  return m_hoverLocks == efbxp_LockTextandBackColor || m_hoverLocks == efbxp_LockTextColorOnly;
}

Colour cButton::EffectiveHoverBack() const {
  return BackColourLocked() ? BackColor() : m_hoverBack;
}

Colour cButton::EffectiveHoverFore() const {
  return ForeColourLocked() ? ForeColor() : m_hoverFore;
}

void cButton::Tooltip(std::string text) {
  m_tooltip = std::move(text);
  PropertyChanged("Tooltip");
}

void cButton::Refresh() {
  m_delayDrawing = false;
  Redraw();
}

void cButton::DelayDrawing(bool delay) {
  m_delayDrawing = delay;
  if (!delay) Redraw();
}

// --- The option group.

void cButton::JoinGroup() {
  if (platform::Window* container = GroupContainer()) {
    JoinOptionGroup(*container, hWnd());
    m_inGroup = true;
  }
}

void cButton::LeaveGroup() {
  if (!m_inGroup) return;
  m_inGroup = false;
  if (platform::Window* container = GroupContainer()) LeaveOptionGroup(*container, hWnd());
}

void cButton::ClearOtherGroupMembers() {
  const platform::Window* container = GroupContainer();
  if (!container) return;
  for (const platform::HWND member : OptionGroupMembers(*container)) {
    if (member == hWnd()) continue;
    if (auto* other = dynamic_cast<cButton*>(GetDesktop().FromHandle(member))) {
      other->Value(false);
    }
  }
}

bool cButton::AnyGroupMemberOn() const {
  const platform::Window* container = GroupContainer();
  if (!container) return false;
  for (const platform::HWND member : OptionGroupMembers(*container)) {
    auto* other = dynamic_cast<cButton*>(GetDesktop().FromHandle(member));
    if (other && other->Value()) return true;
  }
  return false;
}

// --- Click and tip.

void cButton::ClickStep() {
  if (m_lastButton != platform::vbLeftButton) return;
  if (m_mode == efbxp_CheckBox) {
    Value(!m_value);
  } else if (m_mode == efbxp_OptionButton) {
    if (m_value) return;
    Value(true);
  }
  DestroyTip();
  Click();
}

void cButton::DestroyTip() {
  if (m_tip) m_tip->DestroyTip();
  m_tip.reset();
}

void cButton::UpdateTip() {
  const std::string noTips = Library().Settings().Get("Balverde", "Settings", "No_Tooltips", "0");
  if (noTips == "1") return;
  const std::string text = TooltipWithLineBreaks(InDesignMode() ? ToolTipText() : m_tooltip);
  if (m_tip) {
    if (text.empty()) {
      DestroyTip();
    } else {
      m_tip->TipText(text);
    }
    return;
  }
  if (text.empty()) return;
  m_tip = std::make_unique<clsBalloonTip>(Library(), GetDesktop());
  m_tip->Style(TTBalloon);
  m_tip->Centered(false);
  m_tip->ParentControl(this);
  m_tip->Create();
  m_tip->ForeColor(0);
  m_tip->Title(CaptionWithoutAmpersands(m_caption));
  m_tip->Icon(TTIconInfo);
  m_tip->TipText(text);
}

void RegisterButton(Registry& registry, platform::Desktop& desktop) {
  registry.Register("cButton", [&desktop](LibraryState& library) {
    return std::make_unique<cButton>(library, desktop);
  });
  registry.Members().Add<cButton>(cButton::Members());
}

}  // namespace qorvexctl
