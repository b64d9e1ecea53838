#pragma once
// cButton: a button that behaves as a command button, a check box or an option button and
// draws itself in one of eight looks and nine shapes.
//
//   cButton ok(library, desktop, &form);
//   ok.Caption("&Gravar");                       // Alt+G clicks it
//   ok.ButtonStyle(efbxp_XP);
//   ok.Click.connect([&] { Save(); });
//
// Option buttons on one container form a group (OptionGroup.h): turning one on turns the others
// off. The pointer over the button makes it hot; a 50 ms window timer (id 237) notices when it
// has left. Arrow keys go to the container, so a form moves between its buttons with them.
// Every change redraws the whole button off-screen and shows it in one copy; DelayDrawing
// batches several changes into one redraw. Behaviour is here, the looks in ButtonPainter.h.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "qorvexctl/controls/button/ButtonPainter.h"
#include "qorvexctl/controls/button/ButtonTypes.h"
#include "qorvexctl/controls/helpers/clsBalloonTip.h"
#include "qorvexctl/frame/Members.h"
#include "qorvexctl/frame/UserControl.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/drawing/Picture.h"

namespace qorvexctl {

class Registry;

inline constexpr std::uintptr_t kHoverTimerId = 237;
inline constexpr unsigned kHoverIntervalMs = 50;

class cButton : public UserControl {
 public:
  cButton(LibraryState& library, platform::Desktop& desktop, platform::Window* container = nullptr);
  ~cButton() override;
  std::string_view ClassName() const override { return "cButton"; }
  static const MemberTable& Members();

  // Events besides the control's Click, MouseDown/Move/Up and KeyDown/Press/Up.
  Event<bool&> MouseOnButton;  // OnButton: the pointer came over the button or left it
  Event<int&> DoubleClick;     // the last mouse button recorded

  // --- Properties.
  BackStyleConstants ButtonStyle() const { return m_look; }
  void ButtonStyle(BackStyleConstants look);
  ButtonModeConstants Mode() const { return m_mode; }
  void Mode(ButtonModeConstants mode);
  const std::string& Caption() const { return m_caption; }
  void Caption(const std::string& caption);
  int CaptionAlign() const { return m_captionAlign; }
  void CaptionAlign(int align);
  CaptionEffectConstants CaptionStyle() const { return m_captionStyle; }
  void CaptionStyle(CaptionEffectConstants style);
  CustomCickConstants CustomClick() const { return m_customClick; }
  void CustomClick(CustomCickConstants direction);
  ButtonStyleConstants ButtonShape() const { return m_shape; }
  void ButtonShape(ButtonStyleConstants shape);
  std::shared_ptr<platform::Picture> Picture() const { return m_picture; }
  void Picture(std::shared_ptr<platform::Picture> picture);
  ImagePlacementConstants PictureAlign() const { return m_pictureAlign; }
  void PictureAlign(ImagePlacementConstants align);
  bool ShowFocusRect() const { return m_showFocusRect; }
  void ShowFocusRect(bool value);
  bool Value() const { return m_value; }
  void Value(bool value);
  ImageSizeConstants PictureSize() const {
    return static_cast<ImageSizeConstants>(m_imageSizePixels / 8 - 2);
  }
  void PictureSize(ImageSizeConstants size);
  // The stored form of PictureSize: 16, 24, 32, 40 or 48.
  int ImageSizePixels() const { return m_imageSizePixels; }
  using platform::Window::Font;
  void Font(const platform::Font& font);
  FontStyles FontStyle() const;
  void FontStyle(FontStyles style);
  using platform::Window::ForeColor;
  void ForeColor(Colour colour);
  using platform::Window::BackColor;
  void BackColor(Colour colour);
  Colour GradientColor() const { return m_gradientColour; }
  void GradientColor(Colour colour);
  GradientConstants GradientMode() const { return m_gradientMode; }
  void GradientMode(GradientConstants mode);
  bool ResetDefaultColors() const { return false; }
  void ResetDefaultColors(bool reset);
  HoverLockConstants HoverColorLocks() const { return m_hoverLocks; }
  void HoverColorLocks(HoverLockConstants locks);
  Colour HoverForeColor() const { return m_hoverFore; }
  void HoverForeColor(Colour colour);
  Colour HoverBackColor() const { return m_hoverBack; }
  void HoverBackColor(Colour colour);
  const std::string& Tooltip() const { return m_tooltip; }
  void Tooltip(std::string text);
  // The off-screen surface's canvas.
  platform::Canvas& hDC();
  platform::HWND hwnd() const { return hWnd(); }

  // --- Methods.
  // Clears the drawing delay and redraws at once.
  void Refresh();
  void DelayDrawing(bool delay);

  // The hover timer's step: leaves the hot state once the pointer is off the button.
  void HoverTick();

  // --- State, for hosts and tests.
  bool IsHot() const { return (m_state & kHot) != 0; }
  bool IsPressed() const { return (m_state & kPressed) != 0; }
  bool IsHovering() const { return m_hovering; }
  // The balloon tip while one exists.
  const clsBalloonTip* Tip() const { return m_tip.get(); }
  // The last picture drawn off-screen.
  const platform::Surface& OffscreenSurface() const { return m_offscreen; }
  // What the painter was given for the last drawing.
  ButtonState PaintState() const;
  ButtonColours PaintColours() const;

 protected:
  std::span<const PersistedProperty> PersistedProperties() const override;
  void PropertiesLoaded() override;
  void OnTerminate() override;
  void OnPaint(platform::Canvas& canvas) override;
  void OnResize() override;
  void OnEnabledChanged() override { Redraw(); }
  void OnMouseDown(int button, int shift, platform::Point p) override;
  void OnMouseUp(int button, int shift, platform::Point p) override;
  void OnMouseMove(int buttons, int shift, platform::Point p) override;
  void OnDoubleClick(int button, int shift, platform::Point p) override;
  void OnKeyDown(int& keyCode, int shift) override;
  void OnKeyUp(int& keyCode, int shift) override;
  void OnAccessKeyPress(int keyAscii) override;
  void Show() override;
  void EnterFocus() override;
  void ExitFocus() override;
  void AmbientChanged(std::string_view name) override;

 private:
  friend struct cButtonProperties;
  enum StateBits : int { kFocus = 1, kPressed = 2, kHot = 4 };

  void SetState(int bit, bool on);
  void ClickStep();
  void LeaveHover();
  void UpdateTip();
  void DestroyTip();
  bool InDesignMode() const { return !Ambient().UserMode; }
  // Shows an information box in design mode; silent at run time.
  void Refuse(const std::string& message) const;
  platform::Window* GroupContainer() const { return Parent(); }
  void JoinGroup();
  void LeaveGroup();
  void ClearOtherGroupMembers();
  bool AnyGroupMemberOn() const;
  void Changed(std::string_view property);
  // Stores a property's new value, marks it changed and redraws.
  template <class T>
  void Store(T& field, T value, std::string_view property) {
    field = value;
    Changed(property);
  }
  bool BackColourLocked() const;
  bool ForeColourLocked() const;
  Colour EffectiveHoverBack() const;
  Colour EffectiveHoverFore() const;
  // Drawing (cButton_paint.cpp).
  void Redraw();
  // Paints the button off-screen; false while drawing is delayed or there is nothing to draw.
  bool RenderOffscreen();
  void UpdateShape();
  platform::Region CurrentRegion() const;
  platform::Rect PictureRect() const;

  BackStyleConstants m_look{efbxp_XP};
  ButtonModeConstants m_mode{efbxp_CommandButton};
  std::string m_caption;
  int m_captionAlign{2};
  CaptionEffectConstants m_captionStyle{efbxp_Default};
  CustomCickConstants m_customClick{efbxp_cDefault};
  ButtonStyleConstants m_shape{efbxp_Rectangular};
  std::shared_ptr<platform::Picture> m_picture;
  ImagePlacementConstants m_pictureAlign{efbxp_LeftEdge};
  bool m_showFocusRect{true};
  bool m_value{false};
  int m_imageSizePixels{16};
  Colour m_gradientColour{0x8000000Fu};
  GradientConstants m_gradientMode{efbxp_NoGradient};
  HoverLockConstants m_hoverLocks{efbxp_LockTextandBackColor};
  Colour m_hoverFore{0x80000012u};
  Colour m_hoverBack{0x8000000Fu};
  std::string m_tooltip;

  int m_state{0};
  int m_lastButton{0};
  bool m_hovering{false};
  bool m_buttonDown{false};
  bool m_delayDrawing{false};
  bool m_initialising{true};
  bool m_inGroup{false};
  std::unique_ptr<clsBalloonTip> m_tip;
  platform::Surface m_offscreen;
  std::unique_ptr<platform::Canvas> m_offscreenCanvas;
};

// Makes "QORVEXCTL.cButton" creatable by name; its buttons live on `desktop`.
void RegisterButton(Registry& registry, platform::Desktop& desktop);

}  // namespace qorvexctl
