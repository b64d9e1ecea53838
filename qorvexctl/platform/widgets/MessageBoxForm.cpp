#include "qorvexctl/platform/widgets/MessageBoxForm.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/drawing/TextLayout.h"
#include "qorvexctl/platform/drawing/Twips.h"
#include "qorvexctl/platform/widgets/CommandButton.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Label.h"
#include "qorvexctl/platform/widgets/TooltipPainter.h"

namespace qorvexctl::platform {
namespace {

using R = MessageBoxResult;

constexpr int kMargin = 12;
constexpr int kIconSize = 16;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kMaxTextWidth = 420;

struct ButtonChoice {
  R answer;
  const char* caption;
};

std::vector<ButtonChoice> ButtonsOf(MessageBoxButtons set) {
  switch (set) {
    case MessageBoxButtons::OKCancel:
      return {{R::OK, "OK"}, {R::Cancel, "Cancelar"}};
    case MessageBoxButtons::AbortRetryIgnore:
      return {{R::Abort, "&Abortar"}, {R::Retry, "&Repetir"}, {R::Ignore, "&Ignorar"}};
    case MessageBoxButtons::YesNoCancel:
      return {{R::Yes, "&Sim"}, {R::No, "&Não"}, {R::Cancel, "Cancelar"}};
    case MessageBoxButtons::YesNo:
      return {{R::Yes, "&Sim"}, {R::No, "&Não"}};
    case MessageBoxButtons::RetryCancel:
      return {{R::Retry, "&Repetir"}, {R::Cancel, "Cancelar"}};
    default:
      return {{R::OK, "OK"}};
  }
}

// The button Escape presses: Cancel, or OK when it stands alone; -1 for none.
int CancelIndexOf(const std::vector<ButtonChoice>& buttons) {
  if (buttons.size() == 1) return 0;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (buttons[i].answer == R::Cancel) return static_cast<int>(i);
  }
  return -1;
}

// The message icon at its place beside the text.
class MessageIconView final : public Window {
 public:
  MessageIconView(Window& parent, MessageBoxIcon icon)
      : Window(parent.GetDesktop(), &parent), m_icon(icon) {}
  std::string TypeName() const override { return "Image"; }

 protected:
  void OnPaint(Canvas& canvas) override {
    canvas.FillRect(Rect{0, 0, Bounds().Width(), Bounds().Height()}, BackColor());
    const Rect box{0, 0, kIconSize, kIconSize};
    switch (m_icon) {
      case MessageBoxIcon::Critical:
        PaintMessageIcon(canvas, box, TTI_ERROR, true);
        break;
      case MessageBoxIcon::Exclamation:
        PaintMessageIcon(canvas, box, TTI_WARNING, true);
        break;
      case MessageBoxIcon::Question:
        PaintQuestion(canvas, box);
        break;
      default:
        PaintMessageIcon(canvas, box, TTI_INFO, true);
        break;
    }
  }

 private:
  static void PaintQuestion(Canvas& canvas, Rect box) {
    canvas.SelectPen(Pen{RGB(16, 48, 128)});
    canvas.SelectBrush(Brush{RGB(32, 96, 208)});
    canvas.Ellipse(box);
    platform::Font bold = canvas.CurrentFont();
    bold.Bold(true);
    canvas.SelectFont(bold);
    canvas.SetTextColour(RGB(255, 255, 255));
    canvas.DrawText("?", box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  MessageBoxIcon m_icon;
};

// The box: built from the request, shown modal, remembering the button that was chosen.
class MessageBoxWindow {
 public:
  MessageBoxWindow(Desktop& desktop, const MessageBoxRequest& request);
  MessageBoxResult Run();

 private:
  Size PlaceText(int left);
  void PlaceButtons(int clientWidth, int top);

  const MessageBoxRequest& m_request;
  Form m_form;
  std::vector<ButtonChoice> m_choices;
  std::vector<CommandButton*> m_buttons;
  std::optional<MessageBoxResult> m_chosen;
};

MessageBoxWindow::MessageBoxWindow(Desktop& desktop, const MessageBoxRequest& request)
    : m_request(request), m_form(desktop, request.title), m_choices(ButtonsOf(request.buttons)) {
  m_form.Name("MessageBox");
  int textLeft = kMargin;
  if (request.icon != MessageBoxIcon::None) {
    auto& icon = m_form.Add<MessageIconView>("imgIcon", nullptr, request.icon);
    icon.SetBounds(Rect::FromSize(kMargin, kMargin, kIconSize, kIconSize));
    textLeft += kIconSize + kMargin;
  }
  const Size text = PlaceText(textLeft);
  const int buttonsWidth =
      static_cast<int>(m_choices.size()) * (kButtonWidth + kButtonGap) - kButtonGap;
  const int clientWidth = std::max(textLeft + text.width, buttonsWidth) + kMargin;
  const int buttonsTop = kMargin + std::max(text.height, kIconSize) + kMargin;
  PlaceButtons(clientWidth, buttonsTop);
  const Point inset = m_form.ClientOffset();
  const int width = clientWidth + 2 * inset.x;
  const int height = buttonsTop + kButtonHeight + kMargin + inset.y + inset.x;
  const Size screen = desktop.ScreenSize();
  m_form.SetBounds(
      Rect::FromSize((screen.width - width) / 2, (screen.height - height) / 2, width, height));
}

Size MessageBoxWindow::PlaceText(int left) {
  auto& label = m_form.Add<Label>("lblText", nullptr, m_request.text);
  label.UseMnemonic(false);
  label.BackStyle(0);
  label.Move(PixelsToTwips(left), PixelsToTwips(kMargin));
  label.AutoSize(true);
  if (label.Bounds().Width() > kMaxTextWidth) {
    label.SetBounds(Rect::FromSize(left, kMargin, kMaxTextWidth, label.Bounds().Height()));
    label.WordWrap(true);
  }
  return {label.Bounds().Width(), label.Bounds().Height()};
}

void MessageBoxWindow::PlaceButtons(int clientWidth, int top) {
  const int count = static_cast<int>(m_choices.size());
  int left = (clientWidth - (count * (kButtonWidth + kButtonGap) - kButtonGap)) / 2;
  for (const ButtonChoice& choice : m_choices) {
    auto& button =
        m_form.Add<CommandButton>(std::string("cmd") + choice.caption, nullptr, choice.caption);
    button.SetBounds(Rect::FromSize(left, top, kButtonWidth, kButtonHeight));
    button.TabIndex(static_cast<int>(m_buttons.size()));
    const MessageBoxResult answer = choice.answer;
    button.Click.connect([this, answer] {
      m_chosen = answer;
      m_form.Hide();
    });
    m_buttons.push_back(&button);
    left += kButtonWidth + kButtonGap;
  }
  const int last = count - 1;
  const int preferred = m_request.defaultButton;
  m_buttons[static_cast<std::size_t>(preferred >= 0 && preferred <= last ? preferred : 0)]->Default(
      true);
  if (const int cancel = CancelIndexOf(m_choices); cancel >= 0) {
    m_buttons[static_cast<std::size_t>(cancel)]->Cancel(true);
  }
}

MessageBoxResult MessageBoxWindow::Run() {
  // The default button starts with the focus (a focused button takes Enter itself).
  m_form.Activate.connect([this] {
    for (CommandButton* button : m_buttons) {
      if (button->Default()) button->SetFocus();
    }
  });
  m_form.Show(vbModal);
  if (m_chosen) return *m_chosen;
  const int cancel = CancelIndexOf(m_choices);
  return cancel >= 0 ? m_choices[static_cast<std::size_t>(cancel)].answer
                     : DefaultAnswer(m_request);
}

}  // namespace

MessageBoxResult FormMessageBoxService::Show(const MessageBoxRequest& request) {
  MessageBoxWindow box(m_desktop, request);
  return box.Run();
}

}  // namespace qorvexctl::platform
