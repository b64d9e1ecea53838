// skAlphaPic: the cross-fade drawing, captions and their balloon tip, and the focus flash.

#include <algorithm>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/skins/skAlphaPic.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/PictureBox.h"

namespace qorvexctl {

using platform::Rect;

namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr int kCaptionX = 8;  // pixels from the picture's top-left corner
constexpr int kCaptionY = 6;
constexpr int kLinkPointer = 99;  // the custom mouse pointer
constexpr int kTipDelayMs = 5000;
constexpr int kTipDisplayMs = 100;
constexpr unsigned kFocusStepMs = 30;
constexpr int kFocusPeakAlpha = 160;  // the veil's alpha at the first step

// The outline round a caption: black round light text, white round dark text.
Colour OutlineFor(Colour text) {
  const int light = RedOf(text) * 3 + GreenOf(text) * 6 + BlueOf(text);
  return light >= 1280 ? 0x000000 : kWhite;
}

// A one-pixel surface of `colour`, stretched for plain veils.
platform::Surface Dot(Colour colour) {
  platform::Surface dot(1, 1, 32);
  dot.Fill(dot.ValueOf(colour));
  return dot;
}

}  // namespace

platform::PictureBox* skAlphaPic::PictureBoxOf(const skAlphaPicT& picture) const {
  return dynamic_cast<platform::PictureBox*>(GetDesktop().FromHandle(picture.PictureObj));
}

// The control's background becomes the current picture's, the surface is cleared, and the
// outgoing and incoming pictures are blended on it with constant alphas 255 - a and a.
void skAlphaPic::DrawCrossFade(int alpha) {
  const bool known = m_current >= 0 && m_current < PictureCount();
  const std::int64_t back =
      known ? m_pictures[static_cast<std::size_t>(m_current)].BackColor : skAlphaPicT::kNoBackColor;
  BackColor(back == skAlphaPicT::kNoBackColor ? kWhite : static_cast<Colour>(back));
  Drawing().Cls();
  DrawCentred(m_current, 255 - alpha);
  DrawCentred(NextIndex(), alpha);
}

void skAlphaPic::DrawCentred(int index, int alpha) {
  if (alpha <= 0 || index < 0 || index >= PictureCount()) return;
  const skAlphaPicT& picture = m_pictures[static_cast<std::size_t>(index)];
  platform::PictureBox* box = PictureBoxOf(picture);
  if (!box) return;
  const platform::Surface& pixels = box->Image();
  const int w = std::min(picture.Width, pixels.Width());
  const int h = std::min(picture.Height, pixels.Height());
  if (w <= 0 || h <= 0) return;
  const Rect client = ClientRect();
  const int x = (client.Width() - picture.Width) / 2;
  const int y = (client.Height() - picture.Height) / 2;
  Drawing().hDC().AlphaBlend(x, y, w, h, pixels, 0, 0, w, h, platform::BlendFunction{alpha, false});
}

// After a change of picture: the pointer tells whether it has a link; a captioned picture
// gets its caption printed on it, shown at once, and the balloon tip.
void skAlphaPic::ShowCaption() {
  if (m_current < 0 || m_current >= PictureCount()) return;
  const skAlphaPicT& picture = m_pictures[static_cast<std::size_t>(m_current)];
  MousePointer(picture.link.empty() ? 0 : kLinkPointer);
  platform::PictureBox* box = PictureBoxOf(picture);
  if (picture.SubCaption.empty() || !box) return;
  PrintCaption(*box, picture);
  DrawCrossFade(0);
  SetUpTip(picture);
}

// Three prints: offset (-1, -1) and (+1, +1) in the outline colour, then in place in the
// caption's colour; one line per CR-LF separated part.
void skAlphaPic::PrintCaption(platform::PictureBox& box, const skAlphaPicT& picture) {
  const Colour foreColor = box.ForeColor();
  const platform::Font font = box.Font();
  box.Font(picture.Font);
  const std::vector<std::string> lines = Split(picture.SubCaption, "\r\n");
  const Colour outline = OutlineFor(picture.SubCaptionColor);
  const struct {
    int dx, dy;
    Colour colour;
  } passes[] = {{-1, -1, outline}, {1, 1, outline}, {0, 0, picture.SubCaptionColor}};
  platform::DrawingLayer& layer = box.Drawing();
  for (const auto& pass : passes) {
    box.ForeColor(pass.colour);
    layer.CurrentY(kCaptionY + pass.dy);
    for (const std::string& line : lines) {
      layer.CurrentX(kCaptionX + pass.dx);
      layer.Print(line);
    }
  }
  box.ForeColor(foreColor);
  box.Font(font);
}

void skAlphaPic::SetUpTip(const skAlphaPicT& picture) {
  m_tip.Title("Destaque");
  m_tip.TipText(picture.SubCaption);
  m_tip.Icon(TTIconInfo);
  m_tip.Style(TTBalloon);
  m_tip.PopupOnDemand(false);
  m_tip.ParentControl(this);
  m_tip.SetTimeout(kTipDelayMs, kTipDisplayMs);
  m_tip.Create();
}

// The current picture under a white veil that thins out over 16 steps.
void skAlphaPic::DisplayFocusImage() {
  if (Fading()) return;
  m_focusStep = 1;
  FocusTick();
}

void skAlphaPic::FocusTick() {
  platform::Desktop& desktop = GetDesktop();
  Drawing().Cls();
  DrawCentred(m_current, 255);
  const int veil = kFocusPeakAlpha * (kFocusSteps - m_focusStep) / kFocusSteps;
  if (veil > 0 && m_current >= 0 && m_current < PictureCount()) {
    const skAlphaPicT& picture = m_pictures[static_cast<std::size_t>(m_current)];
    const Rect client = ClientRect();
    Drawing().hDC().AlphaBlend(
        (client.Width() - picture.Width) / 2, (client.Height() - picture.Height) / 2, picture.Width,
        picture.Height, Dot(kWhite), 0, 0, 1, 1, platform::BlendFunction{veil, false});
  }
  if (m_focusStep >= kFocusSteps) {
    m_focusStep = 0;
    desktop.KillTimer(hWnd(), kFocusTimerId);
    return;
  }
  ++m_focusStep;
  desktop.SetTimer(hWnd(), kFocusTimerId, kFocusStepMs, [this](auto, auto) { FocusTick(); });
}

}  // namespace qorvexctl
