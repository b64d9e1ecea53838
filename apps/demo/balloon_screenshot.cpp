// Writes a picture of three information buttons with a balloon tip open over one of them:
// the buttons and the tip are real controls driven by the pointer under the virtual clock;
// the picture puts their looks together on a plain background.
//
//   qorvexctl_balloon_screenshot out.png

#include <cstdio>

#include "qorvexctl/controls/helpers/InfoButton.h"
#include "qorvexctl/platform/Canvas.h"
#include "qorvexctl/platform/Desktop.h"
#include "qorvexctl/platform/Form.h"
#include "qorvexctl/platform/Screenshot.h"
#include "qorvexctl/platform/TooltipWindow.h"
#include "qorvexctl/platform/UserInput.h"

using namespace qorvexctl;

namespace {

void DrawButton(platform::Canvas& canvas, const InfoButton& button) {
  const platform::Surface picture = InfoButtonPicture(button.PictureName());
  const platform::Rect at = button.ScreenBounds();
  canvas.AlphaBlend(at.left, at.top, 16, 16, picture, 0, 0, 16, 16, platform::BlendFunction{});
}

void DrawTip(platform::Canvas& canvas, const platform::TooltipWindow& tip) {
  const platform::TooltipLook look = tip.Look();
  const platform::TooltipLayout layout = platform::LayOutTooltip(
      look, tip.Anchor(), (tip.Tool()->flags & platform::TTF_CENTERTIP) != 0,
      tip.GetDesktop().ScreenSize());
  platform::Surface surface(layout.window.Width(), layout.window.Height(), 32);
  platform::Canvas tipCanvas(surface);
  platform::PaintTooltip(tipCanvas, look, layout);
  canvas.AlphaBlend(layout.window.left, layout.window.top, surface.Width(), surface.Height(),
                    surface, 0, 0, surface.Width(), surface.Height(), platform::BlendFunction{});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s out.png\n", argv[0]);
    return 2;
  }
  platform::Desktop desktop(platform::Desktop::Options{{360, 200}, true, false});
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Anexo H");
  form.SetBounds(platform::Rect::FromSize(0, 0, 360, 200));
  const IB_STYLE_ENUM styles[] = {IB_INFO, IB_WARNING, IB_ERROR};
  const char* texts[] = {"Indique o NIF do dependente.||Nove algarismos.",
                         "Valor acima do habitual.\\nConfirme antes de enviar.",
                         "NIF inválido."};
  InfoButton* buttons[3];
  for (int i = 0; i < 3; ++i) {
    buttons[i] = &form.Add<InfoButton>("ibAjuda", nullptr, library);
    buttons[i]->InitProperties();
    buttons[i]->Style(styles[i]);
    buttons[i]->TipText(texts[i]);
    buttons[i]->Move(600 + i * 600, 600);
  }
  form.Show();
  desktop.Input().MoveTo(*buttons[0], platform::Point{8, 12});
  desktop.Wait(600);
  const auto* tip = dynamic_cast<const platform::TooltipWindow*>(
      desktop.FromHandle(buttons[0]->GetTooltipClass().lHwnd()));
  if (!tip || !tip->IsTipShown()) return 1;

  platform::Surface screen(360, 200, 32);
  platform::Canvas canvas(screen);
  canvas.FillRect(screen.Bounds(), SystemColour(platform::COLOR_BTNFACE));
  for (const InfoButton* button : buttons) DrawButton(canvas, *button);
  DrawTip(canvas, *tip);
  return platform::WritePng(screen, argv[1]) ? 0 : 1;
}
