// The euro field's keys, its moves between the amount fields of a form, its context menu and
// its hand-over with the calculator.

#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/amount/AmountFunctions.h"
#include "qorvexctl/controls/amount/CalcTape.h"
#include "qorvexctl/controls/amount/eurbox.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl {
namespace {

// The key code 44, which the field turns into a backspace and the decimal separator.
constexpr int kSeparatorKey = 44;

}  // namespace

void eurbox::OnTextKeyDown(int& keyCode, int& shift) {
  switch (keyCode) {
    case platform::vbKeyReturn:
      if (m_navEnter) {
        m_hasFocus = false;
        MoveToNeighbour(shift == 0);
      }
      break;
    case platform::vbKeyUp:
    case platform::vbKeyDown:
      if (m_navArrows) {
        m_hasFocus = false;
        MoveToNeighbour(keyCode == platform::vbKeyDown);
      }
      break;
    case kSeparatorKey:
      keyCode = 0;
      GetDesktop().SendKeys(AmericanCurrency() ? "{BS}." : "{BS},");
      shift = 0;
      break;
    case platform::vbKeyDelete:
      if (m_text.SelStart() >= 1 && Mid(m_text.Text(), m_text.SelStart() + 1, 1) == ",")
        keyCode = 0;
      break;
    case platform::vbKeyDecimal:
      if (!AmericanCurrency()) keyCode = kSeparatorKey;
      shift = 0;
      break;
    default:
      break;
  }
  if (keyCode != 0) KeyDown(keyCode, shift);
}

void eurbox::OnTextKeyPress(int& keyAscii) {
  if (keyAscii == '*' || keyAscii == '/') {
    m_pendingOperation = std::string(1, static_cast<char>(keyAscii));
    keyAscii = 0;
    OpenCalculator();
  }
  KeyPress(keyAscii);
}

// The keypad minus without shift brings a minus typed after the digits into the amount.
void eurbox::OnTextKeyUp(int keyCode, int shift) {
  if (keyCode == platform::vbKeySubtract && shift == 0) {
    FormatText();
    ValueChanged();
  }
}

eurbox* eurbox::NeighbourField(bool next) const {
  const auto* form = dynamic_cast<const platform::Form*>(TopLevel());
  if (!form) return nullptr;
  eurbox* found = nullptr;
  for (platform::Window* control : form->Controls()) {
    auto* field = dynamic_cast<eurbox*>(control);
    if (!field || field == this || control->TypeName() != TypeName() || !field->Enabled()) continue;
    const int index = field->TabIndex();
    const bool beyond = next ? index > TabIndex() : index < TabIndex();
    if (!beyond) continue;
    if (!found || (next ? index < found->TabIndex() : index > found->TabIndex())) found = field;
  }
  return found;
}

void eurbox::MoveToNeighbour(bool next) {
  eurbox* target = NeighbourField(next);
  if (!target) return;
  m_navigating = true;
  target->SetFocus();
  GetDesktop().DoEvents();
  m_navigating = false;
}

// --- Context menu.

void eurbox::BuildContextMenu() {
  auto item = [this](const char* name, const char* caption, void (eurbox::*command)()) {
    platform::Menu& added = m_popup.Add(name, caption);
    added.Click.connect([this, command] { (this->*command)(); });
  };
  item("mnu_cut", "Cortar", &eurbox::CutText);
  item("mnu_copy", "Copiar...", &eurbox::CopyText);
  item("mnu_paste", "Colar...", &eurbox::PasteText);
  m_popup.Add("mnu_sep1", "-");
  item("mnu_zero", "Repor a zero", &eurbox::ResetToZero);
  item("mnu_calc", "Calculadora", &eurbox::OpenCalculator);
  m_popup.Add("mnu_sep2", "-");
  item("mnu_Info", "Informação...", &eurbox::ShowInformationBox);
  item("mnu_details", "Detalhes do valor...", &eurbox::ShowDetailsBox);
  m_popup.Item("mnu_Info")->Enabled(false);
}

void eurbox::PopupContextMenu() { PopupMenu(m_popup); }

void eurbox::CopyText() {
  platform::Clipboard& clipboard = GetDesktop().GetClipboard();
  clipboard.Clear();
  clipboard.SetText(m_text.Text());
}

void eurbox::CutText() {
  CopyText();
  m_text.Text("");
}

void eurbox::PasteText() { m_text.Text(GetDesktop().GetClipboard().GetText()); }

void eurbox::ResetToZero() { m_text.Text("0"); }

// --- Calculator hand-over.

void eurbox::OpenCalculator() {
  if (!EnableCalculadora || !m_calculatorFactory) return;
  m_calculator = m_calculatorFactory(GetDesktop());
  if (!m_calculator) return;
  AmountCalculator& calculator = *m_calculator;
  if (ShoppingData.empty()) {
    calculator.Value(CurrentValue);
    if (m_pendingOperation == "/") calculator.ActionOpDiv();
    if (m_pendingOperation == "*") calculator.ActionOpMult();
    m_pendingOperation.clear();
  } else {
    calculator.List(ShoppingData);
    calculator.ListMemory(true);
  }
  {
    ScopedConnection confirmed = calculator.SetValue.connect(
        [this, &calculator](Currency result) { StoreCalculatorResult(result, calculator); });
    calculator.ShowModal();
  }
  m_calculator.reset();
  ValueChanged();
  GetDesktop().Keyboard().NumLock(true);
}

void eurbox::StoreCalculatorResult(Currency result, const AmountCalculator& calculator) {
  Value(RoundAmount(result, 2).ToDouble());
  ShoppingData = calculator.ListMemory() ? calculator.List() : "";
  ValueChanged();
}

}  // namespace qorvexctl
