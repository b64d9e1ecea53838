// The calculator window: its parts and layout, loading, and the steps behind the keys.

#include "qorvexctl/controls/amount/calcForm.h"

#include "qorvexctl/base/RuntimeError.h"
#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/button/cButton.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/services/SettingsStore.h"

namespace qorvexctl {
namespace {

using platform::Rect;

constexpr char kApplication[] = "Balverde";
constexpr char kSection[] = "Calculadora";
constexpr int kHeightTwips = 3960;
// Window milliseconds: two resets closer than this close the window; the equals flash; one
// state of the error signal.
constexpr std::int64_t kDoubleResetMs = 250;
constexpr std::int64_t kEqualsFlashMs = 50;
constexpr std::int64_t kErrorStateMs = 150;
constexpr int kErrorRepeats = 10;
constexpr char kErrorText[] = "Error   ";
// Display fitting: the large font up to 10 characters; the overflow mark beyond 12.
constexpr std::size_t kLargeFontChars = 10;
constexpr std::size_t kOverflowChars = 12;
constexpr Colour kOverflowMarkColour = 11254449;
constexpr Colour kOverflowMarkDark = 0;
constexpr char kOverflowMessage[] =
    "O valor excede o espaço de representação. Mova o rato para cima do valor para visualizar "
    "a representação completa.";
constexpr Colour kMemoryColour = 1779744;
constexpr Colour kMemoryEmptyColour = 8424581;
constexpr char kMemoryEmpty[] = "Memória vazia";
constexpr char kMemoryPrefix[] = "Valor em memória: ";

// When a calculator of this thread was last reset, on the desktop clock's milliseconds; shared
// by every calculator of the thread, nothing before the first reset.
thread_local std::optional<std::int64_t> t_lastReset;

platform::Font DisplayFont(double points) { return platform::Font("Arial", points, true); }

}  // namespace

calcForm::calcForm(LibraryState& library, platform::Desktop& desktop)
    : platform::Form(desktop, "Calculadora"),
      Display(Add<platform::Label>("Display")),
      opLabel(Add<platform::Label>("opLabel")),
      sfinal(Add<platform::Label>("sfinal")),
      memLabel(Add<platform::Label>("memLabel")),
      eLabel(Add<platform::Label>("eLabel")),
      lblList(Add<platform::Label>("lblList")),
      cList(Add<platform::ListView>("cList")),
      optEuro(Add<platform::CheckBox>("optEuro")),
      optPercent(Add<platform::CheckBox>("optPercent")),
      optListMem(Add<platform::CheckBox>("optListMem")),
      dummyEqual(Add<platform::CommandButton>("dummyEqual")),
      m_library(library) {
  Name("calcForm");
  TopMost(true);
  const platform::Size screen = desktop.ScreenSize();
  Move(platform::PixelsToTwips(screen.width / 2) - kCalcWideWidth / 2,
       platform::PixelsToTwips(screen.height / 3),
       kCalcNarrowWidth, kHeightTwips);
  BuildDisplay();
  BuildTape();
  BuildOptions();
  BuildButtons();
  ConnectButtons();
  LoadWindow();
}

calcForm::~calcForm() = default;

void calcForm::BuildDisplay() {
  Display.SetBounds(Rect::FromSize(4, 4, 120, 26));
  Display.BorderStyle(1);
  Display.Alignment(1);
  Display.BackColor(RGB(255, 255, 255));
  Display.Font(DisplayFont(12));
  Display.UseMnemonic(false);
  opLabel.SetBounds(Rect::FromSize(7, 9, 14, 16));
  opLabel.BackStyle(0);
  opLabel.Font(DisplayFont(10));
  opLabel.Visible(false);
  eLabel.SetBounds(Rect::FromSize(4, 31, 10, 14));
  eLabel.Caption("◄");
  eLabel.BackStyle(0);
  eLabel.ForeColor(kOverflowMarkColour);
  memLabel.SetBounds(Rect::FromSize(16, 31, 108, 14));
  memLabel.Alignment(1);
  memLabel.BackStyle(0);
  memLabel.Font(platform::Font("Arial", 7));
  dummyEqual.SetBounds(Rect::FromSize(-100, -100, 20, 20));
  dummyEqual.Default(true);
  dummyEqual.TabIndex(0);
  dummyEqual.Click.connect([this] { Equals(); });
}

void calcForm::BuildTape() {
  lblList.SetBounds(Rect::FromSize(132, 4, 196, 14));
  lblList.Caption("Lista de cálculos");
  lblList.BackStyle(0);
  cList.SetBounds(Rect::FromSize(132, 20, 196, 132));
  cList.FullRowSelect(true);
  cList.AddColumn("", 330);
  cList.AddColumn("Valor", 1140);
  cList.AddColumn("Total", 1140);
  sfinal.SetBounds(Rect::FromSize(132, 154, 196, 16));
  sfinal.Alignment(1);
  sfinal.BorderStyle(1);
  sfinal.Font(platform::Font("Arial", 9, true));
}

void calcForm::BuildOptions() {
  optEuro.SetBounds(Rect::FromSize(132, 174, 196, 16));
  optEuro.Caption("Visualizar valores em Euros");
  optPercent.SetBounds(Rect::FromSize(132, 192, 196, 16));
  optPercent.Caption(
      "Listar percentagens (o valor pode ser consultado movendo o rato por cima da percentagem)");
  optListMem.SetBounds(Rect::FromSize(132, 210, 196, 16));
  optListMem.Caption("Memorizar dados da lista associando-os ao campo de valores");
  for (platform::CheckBox* option : {&optEuro, &optPercent, &optListMem}) {
    option->Font(platform::Font("Arial", 7));
  }
  optEuro.Click.connect([this] { OptionClicked(); });
  optPercent.Click.connect([this] { OptionClicked(); });
}

cButton& calcForm::AddButton(const std::string& name, int index, const std::string& caption,
                             int left, int top, int width) {
  auto button = std::make_shared<cButton>(m_library, GetDesktop(), this);
  Adopt(button, name);
  button->Index(index);
  button->SetBounds(Rect::FromSize(left, top, width, 22));
  button->InitProperties();
  button->Caption(caption);
  button->BackColor(kCalcButtonFace);
  m_buttons.push_back(button);
  return *button;
}

// Four columns: the memory row, clear keys, the digit block with the operators on the right,
// and the confirm row.
void calcForm::BuildButtons() {
  auto column = [](int c) { return 4 + c * 30; };
  auto row = [](int r) { return 48 + r * 24; };
  const char* memoryCaptions[] = {"M+", "M-", "MR", "MC"};
  for (int i = 0; i < 4; ++i) {
    m_memoryKeys.push_back(&AddButton("btMem", i, memoryCaptions[i], column(i), row(0)));
  }
  m_clearEntry = &AddButton("btCE", -1, "CE", column(0), row(1));
  m_reset = &AddButton("btReset", -1, "C", column(1), row(1));
  m_percent = &AddButton("btPercent", -1, "%", column(2), row(1));
  const char* operatorCaptions[] = {"+", "-", "x", "÷"};
  const int operatorRows[] = {4, 3, 2, 1};
  for (int i = 0; i < 4; ++i) {
    m_operators.push_back(
        &AddButton("btOp", i, operatorCaptions[i], column(3), row(operatorRows[i])));
  }
  for (int digit = 0; digit <= 9; ++digit) {
    const int r = digit == 0 ? 5 : 4 - (digit - 1) / 3;
    const int c = digit == 0 ? 0 : (digit - 1) % 3;
    m_digits.push_back(&AddButton("btNum", digit, std::to_string(digit), column(c), row(r)));
  }
  m_point = &AddButton("btPoint", -1, ",", column(1), row(5));
  m_equal = &AddButton("btEqual", -1, "=", column(2), row(5), 58);
  m_list = &AddButton("btList", -1, "Lista", column(0), row(6), 58);
  m_ok = &AddButton("btOK", -1, "OK", column(2), row(6), 58);
  btCE().Tooltip("Limpar valor actual (tecla Del)");
  btReset().Tooltip(
      "Limpar cálculos (tecla Esc - se carregada duas vezes seguidas fecha a calculadora sem "
      "aplicar o resultado)");
  btMem(0).Tooltip("Adicionar à memória (tecla Insert)");
  btMem(1).Tooltip("Subtrair à memória (tecla Home)");
  btMem(2).Tooltip("Obter valor da memória (tecla Page-Up)");
  btMem(3).Tooltip("Limpar a memória (tecla Page-Down)");
  btOK().Tooltip("Fechar a calculadora e aplicar o resultado (tecla F1)");
  btList().Tooltip("Mostrar/Esconder lista de cálculos (tecla L)");
}

// The options come from the user's settings (their clicks do nothing meanwhile), then a reset.
void calcForm::LoadWindow() {
  m_confirmed = false;
  platform::SettingsStore& settings = m_library.Settings();
  m_loadingOptions = true;
  optEuro.Value(settings.Get(kApplication, kSection, "CheckEuro", "0") == "1" ? 1 : 0);
  optPercent.Value(settings.Get(kApplication, kSection, "CheckPercent", "0") == "1" ? 1 : 0);
  const bool showList = settings.Get(kApplication, kSection, "ShowList", "0") == "1";
  Width(showList ? kCalcWideWidth : kCalcNarrowWidth);
  m_loadingOptions = false;
  memLabel.Tag("0");
  memLabel.Caption(kMemoryEmpty);
  memLabel.ToolTipText(kMemoryEmpty);
  memLabel.ForeColor(kMemoryEmptyColour);
  Reset();
}

const Locale& calcForm::SystemLocale() const { return m_library.CurrentLocale(); }

// --- Members.

void calcForm::Value(Currency amount) { ShowDisplay(CalcAmountText(amount, SystemLocale())); }

Currency calcForm::Value() const {
  if (!m_tape.Empty()) return m_tape.Total(SystemLocale());
  return ParseCalcText(Display.Caption(), SystemLocale());
}

Currency calcForm::Memory() const { return ParseCalcText(memLabel.Tag(), SystemLocale()); }

void calcForm::List(const std::string& lines) {
  Reset();
  std::size_t start = 0;
  while (start <= lines.size()) {
    std::size_t end = lines.find("\r\n", start);
    if (end == std::string::npos) end = lines.size();
    const std::string_view line(lines.data() + start, end - start);
    if (!line.empty()) {
      if (auto parsed = CalcTapeLine::FromText(line)) m_tape.Append(std::move(*parsed));
    }
    start = end + 2;
  }
  if (!Reevaluate()) return;
  ShowTotal();
  if (!m_tape.Empty() && Width() != kCalcWideWidth) Width(kCalcWideWidth);
}

// --- Display.

// The text at 12 points up to 10 characters, else at 10; beyond 12 characters the overflow
// mark darkens and the display's tooltip holds the whole text.
void calcForm::ShowDisplay(const std::string& text) {
  eLabel.ForeColor(kOverflowMarkColour);
  eLabel.ToolTipText("");
  Display.ToolTipText("");
  const std::size_t length = Len(text);
  Display.Font(DisplayFont(length <= kLargeFontChars ? 12 : 10));
  Display.Caption(text);
  if (length > kOverflowChars) {
    eLabel.ForeColor(kOverflowMarkDark);
    eLabel.ToolTipText(kOverflowMessage);
    Display.ToolTipText(text);
  }
}

std::string calcForm::Written(Currency amount) const {
  return optEuro.Value() != 0 ? CalcEuroForm(amount) : CalcNumberForm(amount);
}

void calcForm::ShowTotal() { ShowDisplay(Written(m_tape.Total(SystemLocale()))); }

void calcForm::SetPending(const std::string& op) {
  m_pending = op;
  opLabel.Caption(op);
  opLabel.Visible(!op.empty());
}

// --- Keys.

void calcForm::EnterCharacter(char32_t character) {
  std::string entry = Display.Caption();
  if (Display.Tag() == "C") {
    entry = "0";
    Display.Tag("");
  }
  const std::optional<std::string> next = EnterCalcCharacter(entry, character, SystemLocale());
  if (next) ShowDisplay(*next);
}

void calcForm::OperatorKey(const std::string& op) {
  const std::string shown = Display.Caption();
  if (shown == "0" && op == kCalcSubtract) {
    ShowDisplay("-");
    return;
  }
  if (!m_pending.empty()) {
    AddLine(m_pending, shown);
  } else {
    const bool continuing = shown.find('%') == std::string::npos &&
                            ParseCalcText(shown, SystemLocale()) == m_tape.Total(SystemLocale());
    if (!continuing) {
      m_tape.Clear();
      AddLine(" ", shown);
    }
  }
  SetPending(op);
  ShowTotal();
  Display.Tag("C");
}

void calcForm::Equals() {
  Flash(btEqual());
  if (!m_pending.empty()) AddLine(m_pending, Display.Caption());
  ShowTotal();
  SetPending("");
}

void calcForm::Flash(cButton& button) {
  button.BackColor(kCalcKeyColour);
  GetDesktop().Wait(kEqualsFlashMs);
  button.BackColor(kCalcButtonFace);
}

void calcForm::AddLine(const std::string& op, const std::string& text) {
  if (!m_tape.Add(op, text, SystemLocale())) return;
  if (Reevaluate()) cList.EnsureVisible(cList.ItemCount());
}

// Every line again: its operator, its operand (the percentage as typed when asked, with the
// amount as tooltip) and the running total; the total label shows the last.
bool calcForm::Reevaluate() {
  const std::optional<CalcEvaluation> evaluation = m_tape.Evaluate(SystemLocale());
  if (!evaluation) {
    ErrorSignal();
    return false;
  }
  cList.ClearItems();
  const auto& lines = m_tape.Lines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const CalcTapeLine& line = lines[i];
    const std::string amount = Written(ParseCalcText(line.operand, SystemLocale()));
    const bool asTyped = optPercent.Value() != 0 && line.typed.ends_with('%');
    platform::ListItem& item = cList.AddItem(line.op);
    item.Tag(line.Text());
    item.SetSubItem(1, asTyped ? line.typed : amount);
    if (asTyped) item.ToolTipText(amount);
    item.SetSubItem(2, Written(evaluation->running[i]));
  }
  sfinal.Caption(lines.empty() ? "" : Written(evaluation->total));
  sfinal.Tag(CalcAmountText(evaluation->total, SystemLocale()));
  sfinal.ToolTipText(sfinal.Caption());
  return true;
}

void calcForm::ErrorSignal() {
  for (int i = 0; i < kErrorRepeats; ++i) {
    ShowDisplay("");
    GetDesktop().Wait(kErrorStateMs);
    ShowDisplay(kErrorText);
    GetDesktop().Wait(kErrorStateMs);
  }
  Reset();
}

void calcForm::ClearEntry() { ShowDisplay("0"); }

// A second reset within a quarter of a second hides the window without confirming. A previous
// reset later than now (another desktop's clock) does not count.
void calcForm::Reset() {
  const std::int64_t now = GetDesktop().NowMs();
  if (t_lastReset && now >= *t_lastReset && now - *t_lastReset < kDoubleResetMs) Hide();
  t_lastReset = now;
  m_tape.Clear();
  cList.ClearItems();
  sfinal.Caption("");
  sfinal.ToolTipText("");
  sfinal.Tag("0");
  ShowDisplay("0");
  SetPending("");
}

void calcForm::MemoryAdd(int sign) {
  const Currency shown = ParseCalcText(Display.Caption(), SystemLocale());
  if (shown == Currency{}) return;
  try {
    const Currency memory = sign > 0 ? Memory() + shown : Memory() - shown;
    memLabel.Tag(CalcAmountText(memory, SystemLocale()));
    memLabel.ToolTipText(kMemoryPrefix + CalcNumberForm(memory));
    memLabel.Caption(memLabel.ToolTipText());
    memLabel.ForeColor(kMemoryColour);
  } catch (const RuntimeError&) {
    // An amount out of range leaves the memory as it was.
  }
}

void calcForm::ActionMR() { ShowDisplay(Replace(memLabel.Tag(), ".", ",")); }

void calcForm::ActionMC() {
  memLabel.Tag("0");
  memLabel.ToolTipText(kMemoryEmpty);
  memLabel.Caption(kMemoryEmpty);
  memLabel.ForeColor(kMemoryEmptyColour);
}

void calcForm::ToggleList() {
  Width(Width() == kCalcWideWidth ? kCalcNarrowWidth : kCalcWideWidth);
}

void calcForm::Confirm() {
  m_confirmed = true;
  SaveOptions();
  SetValue(Value());
  Hide();
}

// --- Options.

void calcForm::OptionClicked() {
  if (m_loadingOptions) return;
  Reevaluate();
}

void calcForm::SaveOptions() {
  platform::SettingsStore& settings = m_library.Settings();
  settings.Set(kApplication, kSection, "CheckEuro", optEuro.Value() != 0 ? "1" : "0");
  settings.Set(kApplication, kSection, "CheckPercent", optPercent.Value() != 0 ? "1" : "0");
}

}  // namespace qorvexctl
