#include "qorvexctl/platform/widgets/MessageBoxForm.h"

#include <gtest/gtest.h>

#include <string>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/CommandButton.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Label.h"

namespace qorvexctl::platform {
namespace {

using R = MessageBoxResult;

class MessageBoxFormTest : public ::testing::Test {
 protected:
  // Shows a box whose script runs `answer` on it, and returns the box's answer.
  R Ask(const MessageBoxRequest& request, std::function<void(Window&)> answer) {
    desktop.Scripts().OnModalForm(request.title, [this, answer](Window& box) {
      const auto* label = dynamic_cast<const Label*>(
          box.FindWindow([](const Window& w) { return w.TypeName() == "Label"; }));
      shownText = label ? label->Caption() : "";
      for (Window* w : box.Children()) {
        if (w->TypeName() == "CommandButton") captions += w->WindowText() + "|";
      }
      answer(box);
    });
    return service.Show(request);
  }
  Window* ButtonOf(Window& box, const std::string& caption) {
    return box.FindWindow([&](const Window& w) { return w.WindowText() == caption; });
  }

  Desktop desktop;
  FormMessageBoxService service{desktop};
  std::string shownText;
  std::string captions;
};

TEST_F(MessageBoxFormTest, ShowsTextAndButtonsAndAnswersWithTheClickedOne) {
  const MessageBoxRequest request{"Anexo H", "Deseja gravar a declaração?",
                                  MessageBoxIcon::Question, MessageBoxButtons::YesNoCancel};
  EXPECT_EQ(Ask(request, [this](Window& box) { desktop.Input().Click(*ButtonOf(box, "&Não")); }),
            R::No);
  EXPECT_EQ(shownText, "Deseja gravar a declaração?");
  EXPECT_EQ(captions, "&Sim|&Não|Cancelar|");
}

TEST_F(MessageBoxFormTest, EnterPressesTheDefaultButtonAndEscapeTheCancelButton) {
  MessageBoxRequest request{"Confirmar", "Apagar?", MessageBoxIcon::Exclamation,
                            MessageBoxButtons::YesNo, 1};
  const auto enter = [this](Window&) { desktop.Input().SendKeys("{ENTER}"); };
  const auto escape = [this](Window&) { desktop.Input().SendKeys("{ESC}"); };
  EXPECT_EQ(Ask(request, enter), R::No);
  request.buttons = MessageBoxButtons::OKCancel;
  request.defaultButton = 0;
  EXPECT_EQ(Ask(request, escape), R::Cancel);
  request.buttons = MessageBoxButtons::OK;
  EXPECT_EQ(Ask(request, escape), R::OK);
  request.buttons = MessageBoxButtons::AbortRetryIgnore;
  request.defaultButton = 7;  // past the last button: the first
  EXPECT_EQ(Ask(request, enter), R::Abort);
}

TEST_F(MessageBoxFormTest, ABoxClosedWithoutAButtonAnswersAsItsCancelButton) {
  MessageBoxRequest request{"Aviso", "Sem rede", MessageBoxIcon::Critical,
                            MessageBoxButtons::RetryCancel};
  EXPECT_EQ(service.Show(request), R::Cancel);  // no script: closed as cancelled
  ASSERT_FALSE(desktop.Scripts().Log().empty());
  EXPECT_TRUE(desktop.Scripts().Log().back().cancelled);
  request.buttons = MessageBoxButtons::YesNo;  // no cancel button: the default answer
  request.defaultButton = 1;
  EXPECT_EQ(service.Show(request), R::No);
}

TEST_F(MessageBoxFormTest, LongTextWrapsInsideABoxOnTheScreen) {
  const std::string text(60, 'x');
  const MessageBoxRequest request{"Longo", text + " " + text + " " + text + " " + text,
                                  MessageBoxIcon::Information, MessageBoxButtons::OK};
  Rect bounds{};
  Ask(request, [&](Window& box) {
    bounds = box.Bounds();
    desktop.Input().SendKeys("{ENTER}");
  });
  EXPECT_LE(bounds.Width(), 520);
  EXPECT_GT(bounds.Height(), 100);
  EXPECT_GE(bounds.left, 0);
  EXPECT_LE(bounds.right, desktop.ScreenSize().width);
}

}  // namespace
}  // namespace qorvexctl::platform
