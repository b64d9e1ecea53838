// cSujeitoSelector: the kind buttons, the selection and its taxpayer code, the household rules
// and the layout of the strip.

#include "qorvexctl/controls/helpers/cSujeitoSelector.h"

#include <charconv>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/drawing/TextLayout.h"

namespace qorvexctl {

namespace {

constexpr std::array<std::string_view, kSujeitoKinds> kKindCaptions = {
    "Sujeito A", "Sujeito B", "Dependente", "Ascendente", "Falecido", "Agregado", "Herança"};
constexpr int kButtonHeight = 375;        // twips
constexpr int kUnderlineGap = 30;         // twips below the buttons
constexpr Colour kUnderlineColour = RGB(40, 100, 190);
constexpr int kLetterPixels = 16;

// The button index of a code's first letter; the empty code is kind A, an unknown letter -1.
int KindIndexOf(std::string_view code) {
  return static_cast<int>(InStr(kSujeitoOrder, Left(code, 1))) - 1;
}

std::string LetterOf(int index) {
  return index >= 0 && index < kSujeitoKinds ? std::string(1, kSujeitoOrder[index]) : "";
}

bool IsMultiMember(std::string_view letter) { return letter == "D" || letter == "S" || letter == "H"; }

// The classic Val: the number that the text starts with, blanks skipped; 0 when none.
int LeadingNumber(std::string_view text) {
  const std::string digits = Replace(text, " ", "");
  int value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

// The picture a kind button shows until the host gives it one: its letter, bold, on nothing.
std::shared_ptr<platform::Picture> LetterPicture(const std::string& letter) {
  platform::Surface surface(kLetterPixels, kLetterPixels, 32);
  platform::Canvas canvas(surface);
  canvas.SelectFont(platform::Font("Arial", 10, true));
  canvas.SetTextColour(kUnderlineColour);
  canvas.SetBackgroundMode(platform::BackgroundMode::Transparent);
  platform::Rect box = surface.Bounds();
  canvas.DrawText(letter, box, platform::DT_CENTER | platform::DT_VCENTER | platform::DT_SINGLELINE);
  return std::make_shared<platform::Picture>(std::move(surface));
}

}  // namespace

std::string NormalisePossible(std::string_view value) {
  const std::string given = value.empty() ? std::string("ABD") : std::string(value);
  std::string stored = given == "*" ? std::string(kSujeitoOrder) : std::string();
  auto has = [&given](char letter) { return given.find(letter) != std::string::npos; };
  for (char letter : std::string_view("ABDSF")) {
    if (has(letter)) stored += letter;
  }
  if (has('C') && has('B')) stored += 'C';
  if (has('H')) stored += 'H';
  return stored;
}

std::string ShortMemberName(std::string_view name) {
  if (name.empty()) return {};
  const std::string trimmed = Trim(Replace(name, "  ", " "));
  const std::vector<std::string> words = Split(trimmed, " ");
  std::string shortName(name);
  if (words.size() >= 3) {
    shortName = words.front() + " " + words.back();
    if (Len(shortName) < 10) {
      shortName = words.front() + " " + Left(words[1], 1) + ". " + words.back();
    }
  }
  return ProperCase(shortName);
}

cSujeitoSelector::cSujeitoSelector(LibraryState& library, platform::Desktop& desktop,
                                   platform::Window* container)
    : UserControl(library, desktop, container) {
  m_underline.Name("Line1");
  m_underline.BorderColor(kUnderlineColour);
  m_underline.BorderWidth(2);
  m_underline.Visible(false);
  m_menu.Add("mnu_list", "", 0).Enabled(false);
  BuildButtons();
  RefreshLayout();
}

cSujeitoSelector::~cSujeitoSelector() { Terminate(); }

void cSujeitoSelector::BuildButtons() {
  for (int i = 0; i < kSujeitoKinds; ++i) {
    auto button = std::make_unique<cButton>(Library(), GetDesktop(), this);
    button->Name("sujeito_selector");
    button->Index(i);
    button->Tag(LetterOf(i));
    button->Mode(efbxp_CheckBox);
    button->Tooltip(std::string(kKindCaptions[i]));
    button->Picture(LetterPicture(LetterOf(i)));
    button->PictureAlign(efbxp_LeftOfCaption);
    button->Move(0, 0, m_narrowWidth, kButtonHeight);
    button->Click.connect([this, i] {
      // One button is down at a time; a second click lifts it only when none may be selected.
      if (KindButton(i).Value()) {
        SetButtonValues(i);
      } else if (!m_canSelectNone) {
        KindButton(i).Value(true);
      }
      KindClicked(i);
    });
    m_buttons[i] = std::move(button);
  }
}

int cSujeitoSelector::WideWidth() const { return LeadingNumber(m_wideWidth); }

// --- Properties.

void cSujeitoSelector::Possible(std::string& value) {
  if (value.empty()) value = "ABD";
  const std::string stored = NormalisePossible(value);
  if (stored != m_possible) {
    m_possible = stored;
    PropertyChanged("Possible");
  }
  RefreshLayout();
}

void cSujeitoSelector::IRSClass(std::shared_ptr<IRSDeclaration> irs) {
  m_irs = std::move(irs);
  if (m_irs) ApplyHouseholdRules();
  RefreshLayout();
}

std::string cSujeitoSelector::SelectedSujeito() const {
  for (int i = 0; i < kSujeitoKinds; ++i) {
    if (KindButton(i).Value()) return LetterOf(i);
  }
  return {};
}

void cSujeitoSelector::SelectedSujeito(std::string_view letter) {
  const int index = KindIndexOf(letter);
  SetButtonValues(index);
  KindClicked(index);
}

void cSujeitoSelector::SelectedSujeitoIndex(std::int16_t member) {
  m_member = IsMultiMember(SelectedSujeito()) ? member : std::int16_t{0};
  RefreshLayout();
}

std::string cSujeitoSelector::SujeitoValueType() const {
  const std::string letter = SelectedSujeito();
  if (letter == "F") return "F1";
  if (IsMultiMember(letter) && m_member > 0) return letter + std::to_string(m_member);
  return letter;
}

void cSujeitoSelector::SujeitoValueType(std::string_view code) {
  int kind = -1;
  if (!code.empty() || !m_canSelectNone) {
    kind = KindIndexOf(code);
  } else {
    for (auto& button : m_buttons) {
      if (!button->Caption().empty()) button->Caption("");
    }
  }
  SetButtonValues(kind);
  const int number = Len(code) >= 2 ? LeadingNumber(Mid(code, 2)) : 0;
  SelectedSujeitoIndex(static_cast<std::int16_t>(number));
  SelectedSujeitoIndex(static_cast<std::int16_t>(kind >= 0 && number > 0 ? number : 0));
  RefreshLayout();
}

std::string cSujeitoSelector::SelectedNIF(std::string_view specificsujeito) const {
  if (!m_irs) return {};
  const std::string code =
      specificsujeito.empty() ? SujeitoValueType() : std::string(specificsujeito);
  return host::TaxpayerNumber(m_irs, code);
}

std::shared_ptr<platform::Picture> cSujeitoSelector::ImageFile(std::string_view SujeitoID) const {
  const int index = KindIndexOf(UCase(qorvexctl::Left(SujeitoID, 1)));
  if (SujeitoID.empty() || index < 0) return nullptr;
  return KindButton(index).Picture();
}

void cSujeitoSelector::ImageFile(std::string_view SujeitoID,
                                 std::shared_ptr<platform::Picture> picture) {
  const int index = KindIndexOf(UCase(qorvexctl::Left(SujeitoID, 1)));
  if (SujeitoID.empty() || index < 0) return;
  KindButton(index).Picture(std::move(picture));
}

// --- Behaviour.

void cSujeitoSelector::SetButtonValues(int selectedIndex) {
  for (int i = 0; i < kSujeitoKinds; ++i) {
    const bool down = i == selectedIndex;
    if (KindButton(i).Value() != down) KindButton(i).Value(down);
  }
}

void cSujeitoSelector::KindClicked(int index) {
  const std::string letter = LetterOf(index);
  if (m_canSelectNone) {
    if (!letter.empty() && letter == m_lastClicked && !KindButton(index).Value()) {
      SujeitoValueType("");
      m_lastClicked.clear();
      Changed();
    } else {
      m_lastClicked = letter;
    }
  }
  Clicked();
  const std::string selected = SelectedSujeito();
  if (selected == "A" || selected == "B" || selected == "C") m_member = 0;
  RefreshLayout();
  if (IsMultiMember(selected) && m_member == 0) {
    ShowMemberList(selected.front());
    if (m_member == 0) {
      m_member = 1;
      RefreshLayout();
    }
  }
  Changed();
}

void cSujeitoSelector::ApplyHouseholdRules() {
  auto item = [this](const char* name) { return host::HouseholdItem(m_irs, name); };
  const bool married = item("casado") == "1";
  const std::array<bool, kSujeitoKinds> present = {
      true,
      married,
      LeadingNumber(item("dependentes")) > 0,
      LeadingNumber(item("ascendentes")) > 0,
      item("obito") == "1",
      married,
      item("herancas") > "0",
  };
  for (int i = 1; i < kSujeitoKinds; ++i) {
    m_offered[i] = present[i] && m_possible.find(kSujeitoOrder[i]) != std::string::npos;
  }
}

// --- Layout.

void cSujeitoSelector::OnResize() {
  Height(KindButton(0).Height() + 60);
  RefreshLayout();
}

void cSujeitoSelector::RefreshLayout() {
  const int selected = KindIndexOf(SelectedSujeito());
  const bool anySelected = !SelectedSujeito().empty();
  OfferPossibleKinds();
  PlaceButtons(anySelected ? selected : -1);
}

std::string cSujeitoSelector::CaptionText(int selectedIndex) const {
  const std::string number = m_member >= 1 ? std::to_string(m_member) : "";
  if (m_irs) return host::TaxpayerTitle(m_irs, LetterOf(selectedIndex) + number);
  std::string caption(kKindCaptions[selectedIndex]);
  if (m_member > 0) caption += " " + number;
  return caption;
}

void cSujeitoSelector::PlaceButtons(int selectedIndex) {
  int x = 0;
  m_underline.Visible(false);
  for (int i = 0; i < kSujeitoKinds; ++i) {
    cButton& button = KindButton(i);
    if (!button.Visible()) continue;  // a kind that is not offered takes no room
    const int width = i == selectedIndex ? WideWidth() : m_narrowWidth;
    if (button.Width() != width) button.Width(width);
    button.Caption(i == selectedIndex ? CaptionText(i) : "");
    button.Left(x);
    if (i == selectedIndex) {
      const double y = button.Height() + kUnderlineGap;
      m_underline.SetPoints(x, y, x + width, y);
      m_underline.Visible(true);
    }
    x += width;
  }
}

// Possible kinds are shown; with a host object only those its household has (button A always).
void cSujeitoSelector::OfferPossibleKinds() {
  for (int i = 0; i < kSujeitoKinds; ++i) {
    const bool possible = m_possible.find(kSujeitoOrder[i]) != std::string::npos;
    if (possible && (!m_irs || i == 0)) m_offered[i] = true;
    if (!possible) m_offered[i] = false;
    KindButton(i).Visible(m_offered[i]);
  }
}

// --- The member list of dependants, ascendants and undivided estates.

int cSujeitoSelector::MemberCount(char letter) const {
  if (letter == 'D') return host::DependantCount(m_irs);
  return LeadingNumber(host::HouseholdItem(m_irs, letter == 'S' ? "ascendentes" : "herancas"));
}

std::string cSujeitoSelector::MemberCaption(char letter, int member) const {
  const std::string code = std::string(1, letter) + std::to_string(member);
  if (letter == 'S') {
    const std::string number = host::TaxpayerNumber(m_irs, code);
    const std::string name = ShortMemberName(host::StoredValue(m_irs, number + ".nome"));
    if (!name.empty()) return name;
  }
  const std::string title = host::SujeitoTitle(m_irs, code);
  if (!title.empty()) return title;
  return std::string(kKindCaptions[KindIndexOf(code)]) + " " + std::to_string(member);
}

void cSujeitoSelector::PrepareMemberItems(char letter, int count) {
  for (int i = 1; i <= count; ++i) {
    platform::Menu* item = m_menu.Item("mnu_list", i);
    if (item == nullptr) {
      item = &m_menu.Add("mnu_list", "", i);
      item->Click.connect([this, i] { MemberChosen(i); });
    }
    item->Caption(MemberCaption(letter, i));
    item->Checked(i == m_member);
    item->Visible(true);
    item->Enabled(true);
  }
  for (platform::Menu* item : m_menu.Items()) {
    if (item->Index() > count) item->Visible(false);
  }
  platform::Menu& header = *m_menu.Item("mnu_list", 0);
  header.Caption(letter == 'D'   ? "=== Listagem de DEPENDENTES ==="
                 : letter == 'S' ? "=== Listagem de ASCENDENTES ==="
                                 : "=== Listagem das HERANÇAS INDIVISAS ===");
  header.Enabled(false);
}

void cSujeitoSelector::ShowMemberList(char letter) {
  if (!m_irs) return;
  const int count = MemberCount(letter);
  if (count < 2) {
    m_member = 1;
    KindButton(KindIndexOf(std::string(1, letter)))
        .Caption(host::SujeitoTitle(m_irs, std::string(1, letter) + "1"));
    return;
  }
  PrepareMemberItems(letter, count);
  PopupMenu(m_menu, 0, 0.0, Drawing().ScaleHeight());  // under the control
}

void cSujeitoSelector::MemberChosen(int member) {
  m_member = static_cast<std::int16_t>(member);
  RefreshLayout();
  Changed();
}

// --- Persistence and registration.

std::span<const PersistedProperty> cSujeitoSelector::PersistedProperties() const {
  using S = cSujeitoSelector;
  static const std::array<PersistedProperty, 2> table = {
      Persisted<S>(
          "Possible", "ABD",
          [](S& s, const Variant& v) {
            std::string value = v.ToString();
            s.Possible(value);
          },
          [](const S& s) { return s.Possible(); }),
      Persisted<S>(
          "CanSelectNone", false, [](S& s, const Variant& v) { s.CanSelectNone(v.ToBoolean()); },
          [](const S& s) { return s.CanSelectNone(); }),
  };
  return table;
}

void RegisterSujeitoSelector(Registry& registry, platform::Desktop& desktop) {
  registry.Register("cSujeitoSelector", [&desktop](LibraryState& library) {
    return std::make_unique<cSujeitoSelector>(library, desktop);
  });
  registry.Members().Add<cSujeitoSelector>(cSujeitoSelector::Members());
}

}  // namespace qorvexctl
