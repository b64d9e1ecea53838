#include "qorvexctl/controls/amount/eurbox.h"

#include "qorvexctl/base/FlagGuard.h"
#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/amount/AmountFunctions.h"
#include "qorvexctl/controls/amount/calcForm.h"
#include "qorvexctl/controls/helpers/clsBalloonTip.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/drawing/Picture.h"

namespace qorvexctl {
namespace {

// Typed text of this many characters or more is cut to kKeptLength.
constexpr std::size_t kCutLength = 19;
constexpr std::size_t kKeptLength = 18;
// Escudos per euro, for RealValue.
constexpr double kEscudosPerEuro = 200.482;
// Twips: the gap after the label, the calculator button's width, the text box's edge.
constexpr int kLabelGap = 15;
constexpr int kCalculatorWidth = 225;
constexpr int kEdge = 15;
constexpr int kFocusedEdge = 30;

constexpr Colour kWhite = RGB(255, 255, 255);
constexpr Colour kReadOnlyBack = RGB(225, 225, 225);
constexpr Colour kFocusedBack = RGB(255, 255, 240);

// Whether "." is the decimal separator, for every amount field of the thread.
thread_local bool t_americanCurrency = false;

Colour LabelColourOf(fields type) {
  switch (type) {
    case Total:
      return RGB(64, 128, 192);
    case Referencia:
      return RGB(0, 92, 0);
    case transporte:
      return RGB(192, 64, 64);
    default:
      return RGB(128, 128, 255);
  }
}

}  // namespace

AmountTextBox::AmountTextBox(eurbox& field) : TextBox(field), m_field(field) {}

bool AmountTextBox::WantsKey(int keyCode) const {
  return (keyCode == platform::vbKeyReturn && m_field.FocusNavEnter()) ||
         TextBox::WantsKey(keyCode);
}

eurbox::eurbox(LibraryState& library, platform::Desktop& desktop, platform::Window* container)
    : UserControl(library, desktop, container) {
  m_calculatorFactory = [&library](platform::Desktop& calculatorDesktop) {
    return std::make_unique<calcForm>(library, calculatorDesktop);
  };
  m_label.Name("cid");
  m_label.AutoSize(true);
  m_label.BackColor(m_labelColour);
  m_label.ForeColor(kWhite);
  m_label.Visible(false);
  m_calcButton.Name("showcalculadora");
  m_calcButton.Visible(false);
  m_text.Name("text1");
  m_text.Alignment(1);
  {
    FlagGuard busy(m_busy);
    m_text.Text("0,00 €");
  }
  NoteAmericanCurrency();
  m_text.Change.connect([this] { TextChanged(); });
  m_text.KeyDown.connect([this](int& code, int shift) { OnTextKeyDown(code, shift); });
  m_text.KeyPress.connect([this](int& ascii) { OnTextKeyPress(ascii); });
  m_text.KeyUp.connect([this](int& code, int shift) { OnTextKeyUp(code, shift); });
  m_text.GotFocus.connect([this] { m_text.SelectAll(); });
  m_text.MouseUp.connect([this](int button, int, float, float) {
    if (button == platform::vbLeftButton && m_enabled) m_text.SelectAll();
  });
  m_text.MouseMove.connect([this](int, int, float, float) { PointerMoved(); });
  m_label.Click.connect([this] {
    if (m_enabled) m_text.SetFocus();
  });
  m_calcButton.Click.connect([this] { OpenCalculator(); });
  auto popupOnRightRelease = [this](int button, int, float, float) {
    if (button == platform::vbRightButton) PopupContextMenu();
  };
  m_label.MouseUp.connect(popupOnRightRelease);
  m_calcButton.MouseUp.connect(popupOnRightRelease);
  MouseUp.connect(popupOnRightRelease);
  DrawCalculatorPicture();
  BuildContextMenu();
}

eurbox::~eurbox() { Terminate(); }

void eurbox::OnTerminate() {
  m_calculator.reset();
  m_armed = false;
  ReleaseBalloonTip();
}

const Locale& eurbox::SystemLocale() const { return Library().CurrentLocale(); }

void eurbox::SystemLocale(const Locale& locale) {
  Library().SetLocale(locale);
  NoteAmericanCurrency();
}

// Each new field (and each change of the locale through it) sets the thread's flag from how the
// locale writes 33.2.
void eurbox::NoteAmericanCurrency() {
  t_americanCurrency = InStr(SystemLocale().FormatGeneral(33.2), ".") > 0;
  m_form.american = t_americanCurrency;
}

// --- The amount.

void eurbox::Value(double value) {
  const auto rounded = Currency::FromDouble(RoundHalfAway(value, 2));
  if (rounded && *rounded != CurrentValue) {
    FlagGuard busy(m_busy);
    m_text.Text(FormatEuroAmount(*rounded, SystemLocale()));
    CurrentValue = *rounded;
    ValueChanged();
  }
  RefreshInformation();
}

void eurbox::VisibleValue(double value) { m_text.Text(FormatEuroAmount(value, SystemLocale())); }

double eurbox::RealValue() const {
  const double amount = CurrentValue.ToDouble();
  if (Curr == "€") return RoundTiesEven(amount / kEscudosPerEuro * 100, 0) / 100;
  if (Curr == "c") return RoundTiesEven(amount, 0) / 1000;
  if (Curr == "$") return amount;
  return 0;
}

double eurbox::RVal() const {
  double r = RoundTiesEven(CurrentValue.ToDouble() * m_mult, 2);
  if (m_useMax && r > m_max) r = m_max;
  if (m_useMin && r < m_min) r = m_min;
  return r;
}

double eurbox::RVal98() const {
  double r = CurrentValue.ToDouble() * m_mult98;
  if (m_useMax && r > m_max98) r = m_max98;
  if (m_useMin && r < m_min98) r = m_min98;
  return r;
}

void eurbox::mult(double value) {
  m_mult = value;
  RefreshInformation();
  ValueChanged();
}

void eurbox::mult98(double value) {
  m_mult98 = value;
  ValueChanged();
}

// Stores a bound and the use flag it shares with its twin; ValueChanged when RVal moved.
void eurbox::ApplyBound(double& bound, bool& flag, double value) {
  const double before = RVal();
  flag = value != 0;
  bound = value;
  if (&bound == &m_max || &bound == &m_min) RefreshInformation();
  if (RVal() != before) ValueChanged();
}

void eurbox::max(double value) {
  if (value == m_max) return;
  ApplyBound(m_max, m_useMax, value);
  PropertyChanged("max");
}

void eurbox::Min(double value) {
  if (value == m_min) return;
  ApplyBound(m_min, m_useMin, value);
  PropertyChanged("min");
}

void eurbox::max98(double value) { ApplyBound(m_max98, m_useMax, value); }

void eurbox::min98(double value) { ApplyBound(m_min98, m_useMin, value); }

void eurbox::Centimos(bool value) {
  m_form.wholeEuros = !value;
  TextChanged();
}

void eurbox::EuroEsquerda(bool value) {
  m_form.euroLeft = value;
  TextChanged();
}

bool eurbox::AmericanCurrency() const { return t_americanCurrency; }

void eurbox::AmericanCurrency(bool value) {
  t_americanCurrency = value;
  WriteOwnText(FormatEuroAmount(Value(), SystemLocale()));
}

void eurbox::ForceCurrency(std::string value) {
  m_forceCurrency = std::move(value);
  PropertyChanged("ForceCurrency");
}

void eurbox::FormatText() {
  if (m_text.Tag() == "BUSY") return;
  m_text.Tag("BUSY");
  m_form.american = t_americanCurrency;
  const std::string typedText = m_text.Text();
  const TypedReading typed = ReadTyped(typedText, m_text.SelStart(), m_form.american);
  if (const auto amount = StoredAmount(typed.number, m_form.wholeEuros)) CurrentValue = *amount;
  const std::string shown = DisplayText(CurrentValue, typed.negative, m_form, SystemLocale());
  m_text.ForeColor(
      AmountColour(typed.number < 0 || typed.negative, m_useMax, RVal(), CurrentValue));
  if (shown != m_text.Text()) {
    m_text.Alignment(1);
    m_text.Text(shown);
  }
  const CaretPlacement placement = PlaceCaret(typed, shown, m_form, !m_rewd);
  if (placement.caret) m_text.SelStart(*placement.caret);
  if (placement.selection > 0) m_text.SelLength(placement.selection);
  if (placement.clearsTag) m_text.Tag("");
  if (placement.raisesValueChanged) ValueChanged();
}

void eurbox::TextRefresh() {
  WriteOwnText(FormatEuroAmount(CurrentValue, SystemLocale()));
  m_text.Tag("");
}

// Puts text of the field's own making into the box without parsing it again.
void eurbox::WriteOwnText(const std::string& text) {
  FlagGuard busy(m_busy);
  m_text.Text(text);
}

// The text box's change notification (also run by the Centimos and EuroEsquerda setters).
void eurbox::TextChanged() {
  if (m_busy) return;
  const std::string text = m_text.Text();
  if (Len(text) >= kCutLength && m_enabled) {
    m_text.Text(qorvexctl::Left(text, kKeptLength));
    return;
  }
  {
    FlagGuard busy(m_busy);
    FormatText();
    m_text.Tag("");
  }
  RefreshInformation();
  Change();
}

// --- The field.

void eurbox::Enabled(bool value) {
  if (GetDesktop().Settings().Get("Balverde", "IRSBox", "AllwaysEnabled", "0") == "1") value = true;
  m_text.Locked(!value);
  m_enabled = value;
  if (value) {
    m_text.BackColor(kWhite);
  } else {
    m_text.BackColor(kReadOnlyBack);
    m_text.ForeColor(RGB(0, 0, 0));
  }
}

void eurbox::Transparent(bool value) {
  m_label.BackStyle(value ? 0 : 1);
  PropertyChanged("Transparent");
}

void eurbox::BackGroundColor(Colour colour) {
  m_label.BackColor(colour);
  m_labelColour = colour;
}

void eurbox::FieldType(fields type) {
  if (type >= valor && type <= transporte) BackGroundColor(LabelColourOf(type));
  m_fieldType = type;
}

void eurbox::CampoID(const std::string& code) {
  m_label.Caption(code);
  m_label.Move(0, 0);
  m_label.Visible(!code.empty());
  if (!code.empty() && SaveVar().empty()) m_saveVar = code;
  UpdateBalloonTitle();
  Arrange();
  PropertyChanged("CampoID");
}

void eurbox::FocusNavEnter(bool value) {
  m_navEnter = value;
  PropertyChanged("FocusNavEnter");
}

void eurbox::FocusNavArrows(bool value) {
  m_navArrows = value;
  PropertyChanged("FocusNavArrows");
}

// --- Lifecycle, focus and layout.

void eurbox::PropertiesLoaded() { m_label.BackColor(m_labelColour); }

void eurbox::Show() {
  Arrange();
  ReadVariable();
}

void eurbox::Hide() {
  m_armed = false;
  ReleaseBalloonTip();
}

void eurbox::EnterFocus() {
  if (m_navigating) return;
  if (!m_enabled) {
    GetDesktop().SendKeys("{TAB}");
    return;
  }
  m_label.BackColor(m_labelColour);
  m_label.ForeColor(kWhite);
  m_hasFocus = true;
  m_text.BackColor(kFocusedBack);
  if (EnableCalculadora) {
    m_calcShown = true;
    m_calcButton.Visible(true);
    Arrange();
  }
  RefreshInformation();
}

void eurbox::ExitFocus() {
  m_label.BorderStyle(0);
  m_calcShown = false;
  m_calcButton.Visible(false);
  Arrange();
  if (m_enabled) {
    m_label.BackColor(m_labelColour);
    m_label.ForeColor(kWhite);
    m_text.BackColor(kWhite);
  }
  m_armed = false;
  ReleaseBalloonTip();
  m_hasFocus = false;
}

void eurbox::Arrange() {
  const int height = Height();
  int inset = 0;
  if (m_label.Visible()) {
    m_label.AutoSize(true);
    const int labelWidth = m_label.Width();
    m_label.Move(0, 0, labelWidth, height);
    inset = labelWidth + kLabelGap;
  }
  if (m_calcShown) {
    m_calcButton.Move(inset, 0, kCalculatorWidth, height);
    inset += kCalculatorWidth;
  }
  const int edge = m_hasFocus ? kFocusedEdge : kEdge;
  m_text.Move(inset, 0, std::max(Width() - inset - edge, 0), height);
}

// The calculator picture: a small grey calculator with a display and keys.
void eurbox::DrawCalculatorPicture() {
  platform::Surface picture(13, 15, 32);
  platform::Canvas canvas(picture);
  canvas.FillRect(platform::Rect{0, 0, 13, 15}, RGB(96, 96, 96));
  canvas.FillRect(platform::Rect{1, 1, 12, 14}, RGB(208, 208, 208));
  canvas.FillRect(platform::Rect{2, 2, 11, 5}, RGB(160, 200, 160));
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 3; ++column) {
      const int x = 2 + column * 3;
      const int y = 6 + row * 2;
      canvas.FillRect(platform::Rect{x, y, x + 2, y + 1}, RGB(64, 64, 64));
    }
  }
  m_calcButton.Picture(std::make_shared<platform::Picture>(std::move(picture)));
}

void RegisterAmountField(Registry& registry, platform::Desktop& desktop) {
  registry.Register("eurbox", [&desktop](LibraryState& library) {
    return std::make_unique<eurbox>(library, desktop);
  });
  registry.Members().Add<eurbox>(eurbox::Members());
  RegisterCalculator(registry);
}

}  // namespace qorvexctl
