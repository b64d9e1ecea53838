#include "NibScreenshots.h"

#include <cstdio>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/HeadlessPresenter.h"
#include "qorvexctl/platform/desktop/UserInput.h"

namespace qorvexctl::demo {

namespace {

bool SaveForm(IrsForm& form, const std::filesystem::path& file) {
  const bool ok = platform::HeadlessPresenter::Screenshot(form.Window(), file);
  std::printf("%s %s\n", ok ? "wrote" : "could not write", file.string().c_str());
  return ok;
}

}  // namespace

bool WriteNibScreenshots(platform::Desktop& desktop, IrsForm& form,
                         const std::filesystem::path& folder) {
  platform::UserInput& input = desktop.Input();
  cNIB& account = form.RefundAccount();
  // Bank, branch and account typed, then Tab: the field fills in the check digits.
  input.Click(account.nib(0));
  input.Type("0035012300012345678");
  input.SendKeys("{TAB}");
  bool ok = SaveForm(form, folder / "nib_correct.png");
  // The last check digit retyped wrong: the red cross at once.
  input.Click(account.nib(3));
  input.SendKeys("{END}{BS}9");
  ok = SaveForm(form, folder / "nib_incorrect.png") && ok;
  return ok;
}

}  // namespace qorvexctl::demo
