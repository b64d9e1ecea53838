#pragma once
// cSlider: a panel holding the host's controls, folded to the width of its arrow button or
// unfolded to show them all. Clicking the button toggles; Slided follows every change.
//
//   cSlider panel(library, desktop, &form);
//   cButton field(library, desktop, &panel);   // the host's controls go on the panel
//   panel.SlideOpen(false);                    // only the button shows
//
// Unfolded, the panel is as wide as its rightmost control's right edge plus the button plus
// 300 twips, with the button at its right edge; folded, it is the button alone.

#include <string>

#include "qorvexctl/controls/button/cButton.h"
#include "qorvexctl/frame/Members.h"
#include "qorvexctl/frame/UserControl.h"

namespace qorvexctl {

class Registry;

// The button's captions, characters of the arrow symbol font the button draws them in: "ç" is
// the left (fold) arrow, "è" the right (unfold) one.
inline constexpr char kArrowFontFace[] = "Wingdings";
inline constexpr char kFoldCaption[] = "ç";
inline constexpr char kUnfoldCaption[] = "è";
inline constexpr int kSlideMarginTwips = 300;
inline constexpr int kSlideButtonWidthTwips = 255;

class cSlider : public UserControl {
 public:
  cSlider(LibraryState& library, platform::Desktop& desktop,
          platform::Window* container = nullptr);
  ~cSlider() override;
  std::string_view ClassName() const override { return "cSlider"; }
  static const MemberTable& Members();

  Event<> Slided;

  bool SlideOpen() const { return m_open; }
  void SlideOpen(bool open);
  platform::HWND hwnd() const { return hWnd(); }
  cButton& cc() { return m_handle; }

 protected:
  void OnResize() override;

 private:
  void Unfold();
  void Fold();
  int ContentRightEdge() const;
  void HoverLook(bool over);

  cButton m_handle;
  bool m_open{false};
};

void RegisterSlider(Registry& registry, platform::Desktop& desktop);

}  // namespace qorvexctl
