// docs/amount-field.md, docs/calculator.md, docs/selectors.md and docs/play.md: an amount field
// with its bound, the calculator on its own, the taxpayer and disability selectors, and a
// control reached by name.

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "qorvexctl/base/Currency.h"
#include "qorvexctl/controls/LibraryControls.h"
#include "qorvexctl/controls/amount/calcForm.h"
#include "qorvexctl/controls/amount/eurbox.h"
#include "qorvexctl/controls/helpers/cSujeitoSelector.h"
#include "qorvexctl/controls/helpers/cTipDefCTLNew.h"
#include "qorvexctl/controls/nif/cNIF.h"
#include "qorvexctl/frame/IRSDeclaration.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/frame/Members.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

namespace {

// Where the host would keep what the user entered.
void Save(double amount) { std::printf("saved %.2f\n", amount); }
void Save(const std::string& code, const std::string& nif) {
  std::printf("saved %s %s\n", code.c_str(), nif.c_str());
}
void Save(int degree) { std::printf("saved degree %d\n", degree); }
void Store(Currency amount) { std::printf("stored %s\n", amount.ToString().c_str()); }

void AddBoundedAmount(LibraryState& library, platform::Desktop& desktop, platform::Form& form) {
  eurbox field(library, desktop, &form);
  field.InitProperties();                 // a newly placed field: Enter moves to the next one
  field.CampoID("301");
  field.max(1500);
  field.descricao("Limite: %MAX%");       // "Limite: 1.500,00 €"
  field.ValueChanged.connect([&] { Save(field.RVal()); });
  field.Value(1200);
}

void MultiplyInTheCalculator(LibraryState& library, platform::Desktop& desktop) {
  calcForm calculator(library, desktop);
  calculator.Value(Currency::FromInteger(50));   // "50" in the display
  calculator.ActionOpMult();                      // "x" pending
  calculator.SetValue.connect([&](Currency v) { Store(v); });
  calculator.ShowModal();
  calculator.UnloadForm();
}

void AddSelectors(LibraryState& library, platform::Desktop& desktop, platform::Form& form,
                  const std::shared_ptr<IRSDeclaration>& declaration) {
  cSujeitoSelector who(library, desktop, &form);
  std::string possible = "*";          // every kind; "" becomes "ABD", also in `possible`
  who.Possible(possible);
  who.IRSClass(declaration);           // the host's declaration object (frame/IRSDeclaration.h)
  who.Changed.connect([&] { Save(who.SujeitoValueType(), who.SelectedNIF()); });
  who.SujeitoValueType("D2");          // selects dependant 2, raises nothing

  cTipDefCTLNew situation(library, desktop, &form);
  situation.ShowGrauDef(true);
  situation.Tipo(IRS_SujeitoDeficiente);       // 5 would select the last option, -1 the first
  situation.GrauDef(60);                        // 0 to 100; 101 is ignored
  situation.GrauChanged.connect([&] { Save(situation.GrauDef()); });
}

void DriveByName(LibraryState& library, platform::Desktop& desktop, platform::Form& form) {
  auto field = std::make_shared<cNIF>(library, desktop, &form);
  form.Adopt(field, "nif1");
  Registry registry(library);
  RegisterLibraryControls(registry, desktop);       // every control and class of the library
  ObjectRef nif = registry.Members().Of(*form.FindControl("nif1"));
  CallByName(nif, "Value", CallType::Let, {"123456789"});
  CallByName(nif, "IsOK", CallType::Get);           // a function reads like a property
  auto sink = ConnectAllEvents(nif, [](std::string_view event, std::vector<Variant>& args) {
    if (event == "CountryListSelected") args[1] = true;  // xCancel, handed back to the control
  });
}

}  // namespace

int main() {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  platform::Form form(desktop, "Anexo A");
  AddBoundedAmount(library, desktop, form);
  MultiplyInTheCalculator(library, desktop);  // headless: the modal window is cancelled
  AddSelectors(library, desktop, form, nullptr);
  platform::Form rosto(desktop, "Rosto");
  DriveByName(library, desktop, rosto);
  return 0;
}
