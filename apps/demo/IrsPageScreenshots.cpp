#include "IrsPageScreenshots.h"

#include <cstdio>

#include "qorvexctl/platform/desktop/HeadlessPresenter.h"
#include "qorvexctl/platform/desktop/UserInput.h"

namespace qorvexctl::demo {

namespace {

bool Save(IrsForm& form, const std::filesystem::path& file) {
  form.GetDesktop().DoEvents();
  const bool ok = platform::HeadlessPresenter::Screenshot(form, file);
  std::printf("%s %s\n", ok ? "wrote" : "could not write", file.string().c_str());
  return ok;
}

}  // namespace

bool WriteIrsPageScreenshots(platform::Desktop& desktop, IrsForm& form,
                             const std::filesystem::path& folder) {
  platform::UserInput& input = desktop.Input();
  form.ShowPage(IrsForm::kAnexoA);
  input.Click(form.NifEmployer().NumberBox());
  input.Type("500100144");
  input.Click(form.Income().TextBox());
  input.Type("23456,78");
  input.SendKeys("{ENTER}");
  input.Type("4120");
  input.SendKeys("{ENTER}");
  bool ok = Save(form, folder / "irs_form_anexo_a.png");
  form.ShowPage(IrsForm::kAnexoH);
  input.Click(form.Amounts().Field(0).TextBox());
  input.Type("1450,20");
  input.SendKeys("{ENTER}");
  input.Type("3200");
  input.SendKeys("{ENTER}");
  ok = Save(form, folder / "irs_form_anexo_h.png") && ok;
  form.ShowPage(IrsForm::kEntrega);
  ok = Save(form, folder / "irs_form_entrega.png") && ok;
  form.ShowPage(IrsForm::kRosto);
  return ok;
}

}  // namespace qorvexctl::demo
