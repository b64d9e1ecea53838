#include "AmountColumn.h"

#include <cstdio>
#include <filesystem>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/HeadlessPresenter.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Frame.h"
#include "qorvexctl/platform/widgets/Label.h"
#include "qorvexctl/platform/widgets/MessageBoxForm.h"

namespace qorvexctl::demo {
namespace {

using platform::Rect;

constexpr AmountLine kLines[] = {
    {"401", "Rendimentos brutos", valor, 0, 0, 1, "Rendimentos brutos do trabalho dependente", ""},
    {"402", "Contribuições", valor, 0, 0, 1, "Contribuições obrigatórias para a segurança social",
     ""},
    {"403", "Despesas de saúde", valor, 1000, 0, 0.15,
     "Dedução de %MULT%% das despesas de saúde, até %MAX%", "IRS,78-C,1"},
    {"404", "Despesas de educação", valor, 800, 0, 0.3,
     "Dedução de %MULT%% das despesas de educação, até %MAX%", "IRS,78-D,1"},
    {"405", "Donativos", Referencia, 0, 25, 1, "Donativos, com um mínimo de %MIN%", ""},
    {"406", "Total", Total, 0, 0, 1, "", ""},
};

constexpr int kRowHeight = 40;

bool Save(platform::Desktop& desktop, const std::filesystem::path& file) {
  const bool ok = platform::HeadlessPresenter::Screenshot(desktop, file);
  std::printf("%s %s\n", ok ? "wrote" : "could not write", file.string().c_str());
  return ok;
}

}  // namespace

AmountColumnLayout DeductionColumn() {
  return {"fraValores", "Deduções à coleta (Anexo H)", "valor", kLines};
}

AmountColumn::AmountColumn(platform::Form& form, LibraryState& library, Rect bounds, int firstTab,
                           const AmountColumnLayout& layout, platform::Window* container) {
  auto& frame = form.Add<platform::Frame>(layout.frameName, container);
  frame.Caption(layout.caption);
  frame.SetBounds(bounds);
  int top = 22;
  int tab = firstTab;
  for (const AmountLine& line : layout.lines) {
    auto& caption = form.Add<platform::Label>(std::string("lbl") + layout.fieldPrefix + line.code,
                                              &frame);
    caption.Caption(line.caption);
    caption.SetBounds(Rect::FromSize(10, top, bounds.Width() - 20, 16));
    auto field = std::make_unique<eurbox>(library, form.GetDesktop(), &frame);
    field->Name(std::string(layout.fieldPrefix) + line.code);
    field->SetBounds(Rect::FromSize(10, top + 16, bounds.Width() - 20, 21));
    field->InitProperties();
    field->TabIndex(tab++);
    field->FieldType(line.type);
    field->CampoID(line.code);
    field->max(line.max);
    field->Min(line.min);
    if (line.mult != 1) field->mult(line.mult);
    field->RefArtigo(line.reference);
    field->descricao(line.description);
    m_fields.push_back(std::move(field));
    top += kRowHeight + 4;
  }
}

bool WriteAmountScreenshots(const std::filesystem::path& folder) {
  platform::Desktop desktop;
  desktop.SetMessageBoxService(std::make_unique<platform::FormMessageBoxService>(desktop));
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Anexo H - Deduções");
  form.Name("frmAnexoH");
  form.SetBounds(Rect::FromSize(40, 40, 300, 330));
  AmountColumn column(form, library, Rect::FromSize(10, 8, 270, 280), 0);
  form.Show();
  platform::UserInput& input = desktop.Input();

  input.Click(column.Field(0).TextBox());
  input.Type("23456,78");
  input.SendKeys("{ENTER}");
  input.Type("1230");
  input.SendKeys("{ENTER}");
  input.Type("1500");
  bool ok = Save(desktop, folder / "amount_field_focus.png");

  // Over the maximum: the balloon tip warns that the maximum is what counts.
  // The pointer over the field arms its balloon tip; the typing that follows refreshes it.
  input.SendKeys("{ENTER}");
  input.MoveTo(column.Field(3).TextBox());
  input.Type("4000");
  input.MoveTo(column.Field(3).TextBox(), platform::Point{8, 6});
  desktop.Wait(600);
  ok = Save(desktop, folder / "amount_field_maximum.png") && ok;

  desktop.Scripts().OnModalForm("MessageBox", [&](platform::Window& box) {
    ok = Save(desktop, folder / "amount_details.png") && ok;
    static_cast<platform::Form&>(box).UnloadForm();
  });
  column.Field(3).ShowDetailsBox();
  return ok;
}

}  // namespace qorvexctl::demo
