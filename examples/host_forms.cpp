// docs/platform.md: a host drives a form on the headless desktop, saves it to a form file and
// loads it back, sorts a list view by its headers, and (with SDL2) shows the desktop in a
// window.

#include <cstdio>

#include "qorvexctl/controls/nif/cNIF.h"
#include "qorvexctl/frame/FormStore.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/HeadlessPresenter.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/ListView.h"
#include "qorvexctl/platform/widgets/TextBox.h"
#ifdef QORVEXCTL_HAVE_SDL
#include "qorvexctl/platform/sdl/SdlPresenter.h"
#endif

namespace {

using qorvexctl::platform::HeadlessPresenter;

void TypeIntoAForm() {
  qorvexctl::platform::Desktop desktop;  // headless, virtual clock
  qorvexctl::platform::Form form(desktop, "Declaração");
  auto& nome = form.Add<qorvexctl::platform::TextBox>("txtNome");
  nome.Change.connect([&] { /* ... */ });
  form.Show();
  desktop.Input().Type("Ana");  // KeyDown, KeyPress, Change, KeyUp x3
  desktop.Scripts().OnModalForm("Seleccionar", [&](auto&) { desktop.Input().SendKeys("~"); });
  HeadlessPresenter::Screenshot(form, "form.png");
}

void SaveAndLoad(qorvexctl::platform::Desktop& desktop, qorvexctl::platform::Form& form,
                 const qorvexctl::Registry& registry) {
  qorvexctl::FormStore store(registry, qorvexctl::IntrinsicControls::Standard());
  store.Save(form, "anexo-h.json");  // atomic: the old file or the new one
  qorvexctl::platform::Form copy(desktop);
  if (auto report = store.Load("anexo-h.json", copy)) {
    for (const auto& skipped : report->skipped) std::puts(skipped.c_str());  // "name (type)"
  }
}

void SortByHeaders(qorvexctl::platform::ListView& list) {
  using namespace qorvexctl::platform;
  list.ColumnClick.connect([&](int column) {
    if (list.Sorted() && list.SortKey() == column) {
      list.SortOrder(list.SortOrder() == lvwAscending ? lvwDescending : lvwAscending);
    } else {
      list.SortKey(column);
      list.SortOrder(lvwAscending);
    }
    list.Sorted(true);
  });
}

#ifdef QORVEXCTL_HAVE_SDL
void ShowInAWindow() {
  using namespace qorvexctl;
  using namespace qorvexctl::platform;
  Desktop desktop(Desktop::Options::ForApplication());  // real clock, INI settings, xdg-open
  if (auto window = SdlPresenter::Open(desktop, "IRS")) desktop.SetPresenter(std::move(window));
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  Form form(desktop, "IRS");
  cNIF nif(library, desktop, &form);
  form.Show(vbModal);  // returns when the user closes it
}
#endif

}  // namespace

int main(int argc, char**) {
  TypeIntoAForm();
  qorvexctl::platform::Desktop desktop;
  qorvexctl::LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  qorvexctl::Registry registry(library);
  qorvexctl::RegisterNifField(registry, desktop);
  qorvexctl::platform::Form form(desktop, "Anexo H");
  SortByHeaders(form.Add<qorvexctl::platform::ListView>("cList"));
  SaveAndLoad(desktop, form, registry);
#ifdef QORVEXCTL_HAVE_SDL
  if (argc > 1) ShowInAWindow();
#endif
  return argc >= 0 ? 0 : 1;
}
