// cTipDefCTLNew: the option, the degree field kept in step with its scroll bar, persistence.

#include "qorvexctl/controls/helpers/cTipDefCTLNew.h"

#include <algorithm>
#include <cmath>

#include "qorvexctl/base/FlagGuard.h"
#include "qorvexctl/base/Locale.h"
#include "qorvexctl/frame/Registry.h"

namespace qorvexctl {

namespace {

constexpr int kHandPointer = 99;  // the custom pointer: a pointing hand over an option
constexpr int kDefaultPointer = 0;
constexpr int kMaxDegree = 100;
constexpr int kBackspace = 8;

constexpr std::array<std::string_view, 4> kDefaultTips = {
    "Não Deficiente", "Deficiente", "Deficiente das Forças Armadas",
    "Grau de Deficiência (percentagem de incapacidade)"};

// Pixel layout: the options side by side, then the degree label, box and scroll bar.
constexpr int kOptionGap = 2;
constexpr int kLabelWidth = 34;
constexpr int kBoxWidth = 30;
constexpr int kBoxHeight = 21;
constexpr int kScrollWidth = 15;

}  // namespace

cTipDefCTLNew::cTipDefCTLNew(LibraryState& library, platform::Desktop& desktop,
                             platform::Window* container)
    : UserControl(library, desktop, container) {
  Drawing().ScaleMode(platform::vbPixels);
  for (int i = 0; i < kOptions; ++i) {
    m_itm[i] = std::make_unique<platform::Label>(*this);
    m_itm[i]->Name("itm");
    m_itm[i]->Index(i);
    m_itm[i]->BackStyle(0);
    m_itm[i]->Click.connect([this, i] { OptionClicked(i); });
  }
  m_lblDef.Name("lblDef");
  m_lblDef.BackStyle(0);
  m_txtDef.Name("txtDef");
  m_txtDef.MaxLength(3);
  m_gDef.Name("gDef");
  m_gDef.Min(kMaxDegree);  // reversed, so the upper arrow raises the degree
  m_gDef.Max(0);
  m_gDef.Value(0);
  m_gDef.Change.connect([this] { ScrollChanged(true); });
  m_gDef.Scroll.connect([this] { ScrollChanged(false); });
  m_txtDef.KeyPress.connect([](int& keyAscii) {
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (!digit && keyAscii != kBackspace) keyAscii = 0;
  });
  m_txtDef.Change.connect([this] { BoxChanged(); });
  m_txtDef.LostFocus.connect([this] { BoxLeft(); });
  WriteBox(0);
  for (int i = 1; i <= 4; ++i) ToolTip(i, std::string(kDefaultTips[i - 1]));
  Tipo(IRS_SujeitoNormal);
}

cTipDefCTLNew::~cTipDefCTLNew() { Terminate(); }

// --- Properties.

void cTipDefCTLNew::Tipo(int value) {
  const auto tipo = static_cast<IRS_TipoSujeito>(std::clamp(value, 0, kOptions - 1));
  for (int i = 0; i < kOptions; ++i) {
    Option(i).MousePointer(i == tipo ? kDefaultPointer : kHandPointer);
  }
  m_tipo = tipo;
  PropertyChanged("Tipo");
  ShowDegreeField();
  Layout();
  Refresh();
  Changed();
}

void cTipDefCTLNew::GrauDef(std::int32_t value) {
  if (value < 0 || value > kMaxDegree) return;
  m_gDef.Value(value);
  PropertyChanged("GrauDef");
}

void cTipDefCTLNew::ShowGrauDef(bool value) {
  m_showGrauDef = value;
  PropertyChanged("ShowGrauDef");
  ShowDegreeField();
  Layout();
}

void cTipDefCTLNew::Enabled(bool value) {
  m_enabled = value;
  for (auto& option : m_itm) option->Visible(value);
  m_txtDef.Enabled(value);
  m_gDef.Enabled(value);
  PropertyChanged("Enabled");
  Refresh();
}

void cTipDefCTLNew::ToolTip(int number, std::string text) {
  if (number < 1 || number > 4) return;
  if (number <= kOptions) {
    Option(number - 1).ToolTipText(text);
  } else {
    m_lblDef.ToolTipText(text);
    m_txtDef.ToolTipText(text);
  }
  m_tips[number - 1] = std::move(text);
}

// --- Behaviour.

void cTipDefCTLNew::OptionClicked(int index) {
  Tipo(index);
  if (DegreeFieldVisible()) m_txtDef.SetFocus();
}

void cTipDefCTLNew::ShowDegreeField() {
  const bool visible = DegreeFieldVisible();
  m_lblDef.Visible(visible);
  m_txtDef.Visible(visible);
  m_gDef.Visible(visible);
}

void cTipDefCTLNew::Layout() {
  const int step = kOptionPixels + kOptionGap;
  for (int i = 0; i < kOptions; ++i) {
    Option(i).SetBounds(platform::Rect::FromSize(i * step, 0, kOptionPixels, kOptionPixels));
  }
  const int x = kOptions * step + kOptionGap;
  const int top = (kOptionPixels - kBoxHeight) / 2;
  m_lblDef.SetBounds(platform::Rect::FromSize(x, top + 3, kLabelWidth, kBoxHeight - 3));
  m_txtDef.SetBounds(platform::Rect::FromSize(x + kLabelWidth, top, kBoxWidth, kBoxHeight));
  m_gDef.SetBounds(
      platform::Rect::FromSize(x + kLabelWidth + kBoxWidth, top, kScrollWidth, kBoxHeight));
}

// The scroll bar's value goes to the box; only a finished change is a new degree.
void cTipDefCTLNew::ScrollChanged(bool raise) {
  WriteBox(m_gDef.Value());
  if (raise) GrauChanged();
}

int cTipDefCTLNew::NormalisedBoxValue() {
  const std::optional<double> number = Library().CurrentLocale().ToNumber(m_txtDef.Text());
  if (!number) {
    WriteBox(-1);
    return 0;
  }
  return static_cast<int>(std::clamp(std::round(*number), 0.0, double{kMaxDegree}));
}

void cTipDefCTLNew::BoxChanged() {
  if (m_writingBox) return;
  const int value = NormalisedBoxValue();
  if (m_gDef.Value() != value) m_gDef.Value(value);
}

void cTipDefCTLNew::BoxLeft() {
  const int value = NormalisedBoxValue();
  if (m_gDef.Value() != value) m_gDef.Value(value);
  WriteBox(value);
}

// Writes the degree into the box (-1 empties it), caret at the end, without re-reading it.
void cTipDefCTLNew::WriteBox(int value) {
  const std::string text = value < 0 ? std::string() : std::to_string(value);
  if (m_txtDef.Text() == text) return;
  FlagGuard writing(m_writingBox);
  m_txtDef.Text(text);
  m_txtDef.SelStart(static_cast<int>(text.size()));
}

// --- Persistence and registration.

std::span<const PersistedProperty> cTipDefCTLNew::PersistedProperties() const {
  using T = cTipDefCTLNew;
  auto tip = [](int number) {
    return Persisted<T>(
        "tip_" + std::to_string(number - 1), std::string(kDefaultTips[number - 1]),
        [number](T& t, const Variant& v) { t.ToolTip(number, v.ToString()); },
        [number](const T& t) { return t.ToolTip(number); });
  };
  static const std::array<PersistedProperty, 8> table = {
      Persisted<T>(
          "enabled", true, [](T& t, const Variant& v) { t.Enabled(v.ToBoolean()); },
          [](const T& t) { return t.Enabled(); }),
      Persisted<T>(
          "gdef", std::int16_t{0},
          [](T& t, const Variant& v) { t.GrauDef(static_cast<std::int16_t>(v.ToLong())); },
          [](const T& t) { return static_cast<std::int16_t>(t.GrauDef()); }),
      Persisted<T>(
          "showgdef", false, [](T& t, const Variant& v) { t.ShowGrauDef(v.ToBoolean()); },
          [](const T& t) { return t.ShowGrauDef(); }),
      Persisted<T>(
          "tipo", std::int32_t{IRS_SujeitoNormal},
          [](T& t, const Variant& v) { t.Tipo(v.ToLong()); },
          [](const T& t) { return std::int32_t{t.Tipo()}; }),
      tip(1),
      tip(2),
      tip(3),
      tip(4),
  };
  return table;
}

void RegisterTipDefSelector(Registry& registry, platform::Desktop& desktop) {
  registry.Register("cTipDefCTLNew", [&desktop](LibraryState& library) {
    return std::make_unique<cTipDefCTLNew>(library, desktop);
  });
  registry.Members().Add<cTipDefCTLNew>(cTipDefCTLNew::Members());
}

}  // namespace qorvexctl
