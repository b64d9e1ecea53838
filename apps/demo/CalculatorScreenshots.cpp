#include "CalculatorScreenshots.h"

#include "AmountColumn.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/HeadlessPresenter.h"
#include "qorvexctl/platform/desktop/ModalScripts.h"
#include "qorvexctl/platform/desktop/UserInput.h"

namespace qorvexctl::demo {

bool WriteCalculatorScreenshots(const std::filesystem::path& folder) {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Anexo H - Deduções");
  form.SetBounds(platform::Rect::FromSize(40, 40, 300, 330));
  AmountColumn column(form, library, platform::Rect::FromSize(10, 8, 270, 280), 0);
  form.Show();
  platform::UserInput& input = desktop.Input();
  input.Click(column.Field(2).TextBox());
  input.Type("1250");
  desktop.Wait(1000);
  bool ok = false;
  // Each key is typed after the one before has been handled, as a person types.
  desktop.Scripts().OnModalForm("calcForm", [&](platform::Window&) {
    for (const char* key : {"2", "~", "{+}", "3", "8", "0", "~", "-", "1", "0", "{%}", "~", "/",
                            "3", "~", "{INSERT}", "l"}) {
      input.SendKeys(key);
    }
    ok = platform::HeadlessPresenter::Screenshot(desktop, folder / "calculator_tape.png");
    input.SendKeys("{F1}");
  });
  input.Type("*");
  return ok;
}

}  // namespace qorvexctl::demo
