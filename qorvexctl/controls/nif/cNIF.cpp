#include "qorvexctl/controls/nif/cNIF.h"

#include <algorithm>
#include <array>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/helpers/clsBalloonTip.h"
#include "qorvexctl/frame/CountryFile.h"
#include "qorvexctl/frame/CountryTables.h"
#include "qorvexctl/frame/DefaultTaxpayerRecord.h"
#include "qorvexctl/frame/FlagPicture.h"
#include "qorvexctl/frame/HostCall.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/validation/NifVerdict.h"
#include "qorvexctl/validation/TaxNumber.h"

namespace qorvexctl {

namespace {

constexpr int kPortugueseLength = 9;

bool StartsWithDigit(std::string_view text) {
  return !text.empty() && text.front() >= '0' && text.front() <= '9';
}

}  // namespace

cNIF::cNIF(LibraryState& library, platform::Desktop& desktop, platform::Window* container)
    : UserControl(library, desktop, container) {
  library.AddNifControl();
  Drawing().ScaleMode(platform::vbPixels);
  m_nif.Name("nif");
  m_flag.Name("cPicture");
  m_flag.BorderStyle(0);
  m_frame.Name("Shape1");
  m_nif.BorderStyle(0);
  m_nif.Change.connect([this] { NumberChanged(); });
  m_nif.GotFocus.connect([this] { RebuildBalloonTip(); });
  // A right click on the number or the flag opens the context menu; a click on the flag, the
  // country list.
  m_nif.MouseDown.connect([this](int button, int, float, float) {
    if (button == platform::vbRightButton) PopupFromNumberBox();
  });
  m_flag.MouseUp.connect([this](int button, int, float, float) {
    if (button == platform::vbRightButton) PopupContextMenu();
  });
  m_flag.Click.connect([this] { ShowCountryList(); });
  m_nif.MaxLength(kPortugueseLength);
  BuildContextMenu();
  Ficha(std::make_shared<DefaultTaxpayerRecord>(library));
}

cNIF::~cNIF() { Terminate(); }

void cNIF::OnTerminate() {
  Library().RemoveNifControl();
  m_irs.reset();
  Ficha(nullptr);
  m_tip.reset();
}

void cNIF::Ficha(std::shared_ptr<TaxpayerRecord> record) {
  m_loadedConnection = {};
  m_fieldConnection = {};
  m_ficha = std::move(record);
  if (!m_ficha) return;
  m_loadedConnection = m_ficha->Loaded.connect([this] { RecordLoaded(); });
  m_fieldConnection =
      m_ficha->FieldUpdated.connect([this](const std::string& id) { RecordFieldUpdated(id); });
}

void cNIF::CountryID(std::string_view code) {
  const std::string given = code.empty() ? std::string(kPortugalCode) : std::string(code);
  if (given == m_lastCountryGiven) return;
  m_lastCountryGiven = given;
  m_country = UCase(given);
  if (given == kPortugalCode) {
    m_nif.Text(qorvexctl::Left(m_nif.Text(), kPortugueseLength));
    m_nif.MaxLength(kPortugueseLength);
  } else {
    m_nif.MaxLength(0);
  }
  ShowFlag(m_country);
}

void cNIF::ShowFlag(std::string_view code) {
  Library().SetFlagTarget(&m_flag);
  m_flag.BackColor(BackColor());
  platform::Surface cell = FlagCell(Library(), code);
  m_flag.Picture(cell.IsEmpty() ? nullptr : std::make_shared<platform::Picture>(std::move(cell)));
  Library().SetFlagTarget(nullptr);
}

std::string cNIF::CountryName(bool fulldesc) {
  return qorvexctl::CountryName(Library(), m_country, fulldesc);
}

std::string cNIF::Value() const { return m_country + m_nif.Text(); }

void cNIF::Value(std::string_view given) {
  std::string value(given);
  if (!value.empty()) {
    if (Len(value) == kPortugueseLength && StartsWithDigit(value) &&
        qorvexctl::Left(value, 2) != kPortugalCode) {
      value = kPortugalCode + value;
    }
    if (Len(value) != kPortugueseLength && !StartsWithDigit(value))
      CountryID(qorvexctl::Left(value, 2));
  } else {
    CountryID(kPortugalCode);
    HostCall([&] { HostObject(m_ficha).Clear(); });
  }
  if (Value() == value) return;
  CountryID(qorvexctl::Left(value, 2));
  m_nif.Text(Mid(value, 3));
  RefreshMe();
}

void cNIF::Enabled(bool value) {
  if (value == m_nif.Enabled()) return;
  m_nif.Enabled(value);
  m_nif.BackColor(value ? RGB(255, 255, 255) : RGB(200, 200, 200));
}

void cNIF::Locked(bool value) {
  if (value == m_nif.Locked()) return;
  m_nif.Locked(value);
  if (value) {
    m_nif.ForeColor(RGB(64, 64, 64));
  } else {
    RefreshMe();
  }
}

void cNIF::Nome(const std::string& name) {
  const std::string recorded = HostCall([&] { return HostObject(m_ficha).Name(); });
  if (recorded != name) {
    HostCall([&] {
      HostObject(m_ficha).Name(name);
      HostObject(m_ficha).MarkChanged();
    });
  }
  if (m_name == name) return;
  m_name = name;
  RebuildBalloonTip();
  NameUpdated(name);
}

void cNIF::BackColor(Colour colour) {
  UserControl::BackColor(colour);
  ShowFlag(m_country);
  RefreshMe();
}

void cNIF::Countries(GSEL_CountryFilterList filter) {
  m_countries = filter;
  RefreshMe();
}

void cNIF::Required(bool value) {
  m_required = value;
  RefreshMe();
}

std::string cNIF::Information(const std::string& id) {
  std::string answer = HostCall([&] { return HostObject(m_ficha).Field(id); });
  if (answer.empty() && m_irs) answer = host::StoredValue(m_irs, Value() + "." + id);
  return answer;
}

void cNIF::Information(const std::string& id, const std::string& value) {
  if (!IsValid()) return;
  bool changed = false;
  HostCall([&] {
    if (HostObject(m_ficha).Field(id) == value) return;
    HostObject(m_ficha).Field(id, value);
    changed = true;
  });
  const std::string key = Value() + "." + id;
  if (m_irs && host::StoredValue(m_irs, key) != value) {
    host::StoreValue(m_irs, key, value);
    changed = true;
  }
  if (!value.empty()) UpdatedInformation(id);
  if (changed && id == "nome") Nome(value);
}

bool cNIF::IsEmpty() const { return qorvexctl::IsEmpty(m_nif.Text()); }

bool cNIF::IsValid() {
  return qorvexctl::IsValid(m_nif.Text(), m_country, Library().CurrentLocale(), [this] { Validated(); },
                            Library().TaxNumberRules());
}

bool cNIF::IsOK() {
  return qorvexctl::IsOK(m_nif.Text(), m_country, Library().CurrentLocale(), [this] { Validated(); },
                         Library().TaxNumberRules());
}

std::string cNIF::Description() const { return qorvexctl::Description(m_name, Value()); }

void cNIF::AbrirFicha(std::string_view xNIF) {
  std::string target(xNIF);
  if (target.empty()) {
    target = Value();
  } else {
    Value(target);
  }
  HostCall([&] { HostObject(m_ficha).Open(); });
  RequestEdit(target);
}

// The typing cycle: a typed EU prefix switches the country and starts a new cycle with the
// rest of the text; otherwise the number is re-evaluated and the host told.
void cNIF::NumberChanged() {
  if (SwitchCountryByPrefix()) return;
  RefreshMe();
  if (m_nif.Text().empty()) Cleared();
  Changed();
}

bool cNIF::SwitchCountryByPrefix() {
  const std::string text = m_nif.Text();
  if (Len(text) < 3) return false;
  std::string prefix = UCase(qorvexctl::Left(text, 2));
  if (Library().CurrentLocale().IsNumeric(prefix)) prefix = m_country;
  const std::string euList = std::string(EuCountryCodes()) + ",";
  if (InStr(euList, prefix + ",") == 0 || prefix == m_country) return false;
  CountryID(prefix);
  m_nif.Text(Mid(text, 3));
  m_nif.SelStart(static_cast<int>(Len(m_nif.Text())));
  return true;
}

void cNIF::RefreshMe() {
  if (!m_ficha) return;
  HostCall([&] { HostObject(m_ficha).Number(Value()); });
  if (IsEmpty()) {
    ColourAsEmpty();
  } else if (IsValid()) {
    m_recordItem->Enabled(true);
    IsAccepted();
    NIFIndicated();
    GetNIFInformation();
    ColourAsValid();
  } else {
    m_recordItem->Enabled(false);
    m_name.clear();
    ColourAsInvalid();
  }
  RebuildBalloonTip();
}

void cNIF::ColourAsEmpty() {
  m_frame.BorderColor(RGB(255, 255, 255));
  if (!m_name.empty()) Cleared();
  m_name.clear();
  m_nif.ForeColor(RGB(0, 0, 0));
  m_nif.BackColor(RGB(255, 255, 255));
}

void cNIF::ColourAsValid() {
  m_nif.ForeColor(RGB(0, 128, 0));
  m_nif.BackColor(RGB(255, 255, 255));
}

void cNIF::ColourAsInvalid() {
  m_nif.BackColor(RGB(255, 0, 0));
  m_nif.ForeColor(RGB(255, 255, 255));
  m_frame.BorderColor(RGB(255, 0, 0));
}

void cNIF::GetNIFInformation() {
  HostCall([&] {
    HostObject(m_ficha).Number(Value());
    HostObject(m_ficha).Load();
  });
  const auto fields = HostCall([&] { return HostObject(m_ficha).Fields(); });
  for (const RecordField& field : fields) {
    UpdatedInformation(field.id);
    if (field.id == "nome" && !field.value.empty()) Nome(field.value);
  }
}

void cNIF::RecordLoaded() {
  Nome(HostCall([&] { return HostObject(m_ficha).Name(); }));
  const bool hasContent = !HostCall([&] { return HostObject(m_ficha).Content(); }).empty();
  m_frame.BorderColor(hasContent ? RGB(0, 255, 0) : RGB(255, 255, 255));
  RebuildBalloonTip();
  DataFinished();
}

void cNIF::RecordFieldUpdated(const std::string& id) {
  UpdatedInformation(id);
  if (id != "nome") return;
  const std::string name = HostCall([&] { return HostObject(m_ficha).Field(id); });
  if (!name.empty()) Nome(name);
}

void cNIF::RebuildBalloonTip() {
  m_tipText = BalloonTipLines();
  ApplyBalloonTip();
}

// The name, the address details the record knows, the number and the country, one a line;
// nothing while no name is known or the field is empty. With a name known the number is
// checked again (raising Validated), whatever the verdict.
std::string cNIF::BalloonTipLines() {
  if (m_name.empty()) return {};
  IsValid();
  if (IsEmpty()) return {};
  std::string lines = m_name;
  for (const char* id : {"codigopostal", "localidade"}) {
    const std::string detail = HostCall([&] { return HostObject(m_ficha).Field(id); });
    if (!detail.empty()) lines += "\n" + detail;
  }
  lines += "\nNIF: " + m_nif.Text();
  lines += "\nPaís: " + CountryName();
  if (Library().TaxNumberRules() == RuleSet::Current) lines += "\nRegras: atuais";
  return lines;
}

// Hands the tip text to the text box's balloon tip, made on first use.
void cNIF::ApplyBalloonTip() {
  if (!m_tip) m_tip = CreateBalloonTip();
  m_tip->TipText(m_tipText);
}

std::unique_ptr<clsBalloonTip> cNIF::CreateBalloonTip() {
  auto tip = std::make_unique<clsBalloonTip>(Library(), GetDesktop());
  tip->Style(TTBalloon);
  tip->Icon(TTIconInfo);
  tip->PopupOnDemand(true);
  tip->Title("Identificação Fiscal");
  tip->ParentControl(&m_nif);
  tip->Create();
  return tip;
}

void cNIF::OnResize() {
  const int height = Bounds().Height();
  const int left = static_cast<int>(Drawing().ToPixelsX(3));
  const int width = static_cast<int>(Drawing().ToPixelsX(82));
  m_nif.SetBounds(platform::Rect::FromSize(left, 1, width, std::max(height - 2, 1)));
  m_frame.SetBounds(platform::Rect::FromSize(left - 1, 0, width + 2, std::max(height, 2)));
  m_frame.BorderColor(RGB(64, 64, 192));
  m_frame.ZOrder(0);
  const int flagTop = std::max((height - kFlagCellSize) / 2, 0);
  m_flag.SetBounds(platform::Rect::FromSize(left + width + 3, flagTop, kFlagCellSize,
                                            std::min(kFlagCellSize, height)));
  m_nif.BackColor(m_nif.Enabled() ? RGB(255, 255, 255) : RGB(200, 200, 200));
}

// A new field: Portugal and the Portugal-only filter, nothing else run.
void cNIF::ApplyInitialProperties() {
  CountryID(kPortugalCode);
  m_countries = GSEL_OnlyPT;
}

// Read order. Enabled, Countries and CustomCountryList are written even at their defaults.
std::span<const PersistedProperty> cNIF::PersistedProperties() const {
  static const std::array<PersistedProperty, 7> table{
      PersistedAlways<cNIF>(
          "Enabled", true, [](cNIF& c, const Variant& v) { c.Enabled(v.ToBoolean()); },
          [](const cNIF& c) { return c.Enabled(); }),
      Persisted<cNIF>(
          "DisablePopupMenu", false,
          [](cNIF& c, const Variant& v) { c.m_popupDisabled = v.ToBoolean(); },
          [](const cNIF& c) { return c.m_popupDisabled; }),
      Persisted<cNIF>(
          "Country", kPortugalCode, [](cNIF& c, const Variant& v) { c.CountryID(v.ToString()); },
          [](const cNIF& c) { return c.CountryID(); }),
      Persisted<cNIF>(
          "Required", false, [](cNIF& c, const Variant& v) { c.m_required = v.ToBoolean(); },
          [](const cNIF& c) { return c.m_required; }),
      PersistedAlways<cNIF>(
          "Countries", std::int32_t{GSEL_OnlyPT},
          [](cNIF& c, const Variant& v) {
            c.m_countries = static_cast<GSEL_CountryFilterList>(v.ToLong());
          },
          [](const cNIF& c) { return static_cast<std::int32_t>(c.m_countries); }),
      PersistedAlways<cNIF>(
          "CustomCountryList", "",
          [](cNIF& c, const Variant& v) { c.m_customCountries = v.ToString(); },
          [](const cNIF& c) { return c.m_customCountries; }),
      Persisted<cNIF>(
          "BackColor", static_cast<std::int32_t>(RGB(255, 255, 255)),
          [](cNIF& c, const Variant& v) { c.BackColor(static_cast<Colour>(v.ToLong())); },
          [](const cNIF& c) { return static_cast<std::int32_t>(c.BackColor()); }),
  };
  return table;
}

void RegisterNifField(Registry& registry, platform::Desktop& desktop) {
  registry.Register("cNIF", [&desktop](LibraryState& library) {
    return std::make_unique<cNIF>(library, desktop);
  });
}

}  // namespace qorvexctl
