#include "DemoMonkey.h"

#include <array>
#include <cmath>
#include <string_view>

#include "IrsForm.h"
#include "hostkit/DemoSeed.h"
#include "hostkit/HostDatabase.h"
#include "hostkit/SqliteTaxpayerDirectory.h"
#include "qorvexctl/controls/amount/AmountFunctions.h"
#include "qorvexctl/controls/amount/eurbox.h"
#include "qorvexctl/controls/nib/cNIB.h"
#include "qorvexctl/controls/nif/cNIF.h"
#include "qorvexctl/platform/desktop/Menu.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/services/MessageBoxService.h"
#include "qorvexctl/validation/NibCheckDigits.h"
#include "qorvexctl/validation/NifVerdict.h"

namespace qorvexctl::demo {
namespace {

// Keystrokes a user of a tax form presses, in SendKeys notation.
constexpr std::array<std::string_view, 28> kKeys = {
    "1", "2", "5", "9", "0", "PT", "ES", "a", ",", ".", "-", "%", "*", "/",
    "{BS}", "{DEL}", "{LEFT}", "{RIGHT}", "{HOME}", "{END}", "{TAB}", "+{TAB}", "{ENTER}",
    "{ESC}", "{F1}", "^c", "^x", "+{END}"};

// What a user pastes: numbers of every kind the fields read, and some they do not.
constexpr std::array<std::string_view, 12> kPastes = {
    "123456789", "PT 999 999 990", "1.234,56 €", "-0,5", "ES12345678Z", "003501230001234567818",
    "0035 0123 00012345678 18", "", "€€€", "99999999999999999999", "Declaração\tde\nrendimentos",
    "1e308"};

constexpr Colour kWhite = RGB(255, 255, 255);
constexpr Colour kGreen = RGB(0, 128, 0);
constexpr Colour kRed = RGB(255, 0, 0);

void CollectShown(platform::Window& window, std::vector<platform::Window*>& out) {
  for (platform::Window* child : window.Children()) {
    if (!child->IsShown()) continue;
    out.push_back(child);
    CollectShown(*child, out);
  }
}

bool JudgedValid(cNIF& field, const std::string& country) {
  return IsValid(field.NumberBox().Text(), country, field.Library().CurrentLocale(), [] {},
                 field.Library().TaxNumberRules());
}

// The colours show the verdict of the field's last judgement. Each change of the text judges it
// under the field's country; a change of country alone does not always (a click on the flag of
// a Portuguese-only field sets "PT" and opens the menu), so while the text stands the colours
// may still show the verdict under the country it was judged in.
std::optional<std::string> CheckNif(cNIF& field, NifJudgement& last) {
  const platform::TextBox& box = field.NumberBox();
  const Colour fore = box.ForeColor(), back = box.BackColor();
  const std::string text = box.Text();
  if (text != last.text) last = {text, field.CountryID()};
  if (field.IsEmpty()) {  // its first look, or black on white once it was emptied
    if (back != kRed && fore != kGreen) return std::nullopt;
    return "empty NIF field \"" + field.Name() + "\" keeps the colours of a number";
  }
  const bool green = fore == kGreen && back == kWhite, red = fore == kWhite && back == kRed;
  for (const std::string& country : {field.CountryID(), last.country}) {
    const bool valid = JudgedValid(field, country);
    if ((valid && green) || (!valid && red)) {
      last.country = country;
      return std::nullopt;
    }
  }
  return "NIF \"" + text + "\" of " + field.CountryID() + " in \"" + field.Name() + "\" shows " +
         std::to_string(fore) + " on " + std::to_string(back) + " though it is " +
         (JudgedValid(field, field.CountryID()) ? "valid" : "invalid");
}

std::optional<std::string> CheckAmount(eurbox& field, const platform::Desktop& desktop) {
  if (field.IsAncestorOf(desktop.Focus())) return std::nullopt;  // being edited
  const std::string text = field.Text();
  if (text.empty()) return std::nullopt;
  double shown = ParseEuroAmount(text).ToDouble();
  // A minus typed after digits shows at once but is stored only by the next formatting.
  if (shown < 0 && field.Value() >= 0) shown = -shown;
  // The text shows the amount at 15 significant digits, the classic formatting of a double, so
  // past about 10^13 euros the cents are rounded in the text.
  const double tolerance = 0.005 + std::abs(shown) * 1e-14;
  if (std::abs(shown - field.Value()) < tolerance) return std::nullopt;
  return "amount field \"" + field.Name() + "\" shows \"" + text + "\" but holds " +
         std::to_string(field.Value());
}

std::optional<std::string> CheckNib(cNIB& field) {
  if (field.Valid() == IsValidNib(field.Text())) return std::nullopt;
  return "NIB field \"" + field.Name() + "\" says " + (field.Valid() ? "valid" : "invalid") +
         " for \"" + field.Text() + "\"";
}

}  // namespace

DemoMonkey::DemoMonkey(platform::Desktop& desktop, platform::Form& form, std::uint64_t seed)
    : m_desktop(desktop), m_form(form), m_random(seed) {}

std::optional<std::string> DemoMonkey::Step() {
  if (!m_form.Visible()) m_form.Show();  // Escape or the close button closed it: open it again
  AnswerNextDialogs();
  Act();
  m_desktop.DoEvents();
  m_desktop.Scripts().ClearLog();
  if (auto* boxes = dynamic_cast<platform::HeadlessMessageBoxService*>(&m_desktop.MessageBoxes())) {
    boxes->ClearShown();
  }
  return CheckInvariants();
}

void DemoMonkey::Act() {
  switch (std::uniform_int_distribution<int>(0, 9)(m_random)) {
    case 0:
    case 1:
    case 2:
      ClickSomewhere();
      break;
    case 3:
    case 4:
    case 5:
    case 6:
      PressKeys();
      break;
    case 7:
      Paste();
      break;
    default:
      AdvanceClock();
  }
}

std::vector<platform::Window*> DemoMonkey::ShownWindows() const {
  std::vector<platform::Window*> shown;
  CollectShown(m_form, shown);
  return shown;
}

void DemoMonkey::ClickSomewhere() {
  const auto windows = ShownWindows();
  if (windows.empty()) return;
  platform::Window& target =
      *windows[std::uniform_int_distribution<std::size_t>(0, windows.size() - 1)(m_random)];
  const platform::Rect client = target.ClientRect();
  const platform::Point point{
      std::uniform_int_distribution<int>(0, std::max(0, client.Width() - 1))(m_random),
      std::uniform_int_distribution<int>(0, std::max(0, client.Height() - 1))(m_random)};
  const int kind = std::uniform_int_distribution<int>(0, 5)(m_random);
  m_lastAction = "click " + target.Name() + " " + std::to_string(point.x) + "," +
                 std::to_string(point.y) + (kind == 4 ? " right" : kind == 5 ? " double" : "");
  if (kind == 5) {
    m_desktop.Input().DoubleClick(target, point);
  } else {
    m_desktop.Input().Click(target, point,
                            kind == 4 ? platform::vbRightButton : platform::vbLeftButton);
  }
}

void DemoMonkey::PressKeys() {
  std::string keys;
  const int count = std::uniform_int_distribution<int>(1, 6)(m_random);
  for (int i = 0; i < count; ++i) {
    keys += kKeys[std::uniform_int_distribution<std::size_t>(0, kKeys.size() - 1)(m_random)];
  }
  m_lastAction = "keys " + keys;
  if (m_desktop.Focus()) m_desktop.Input().SendKeys(keys);
}

void DemoMonkey::Paste() {
  const std::string_view text =
      kPastes[std::uniform_int_distribution<std::size_t>(0, kPastes.size() - 1)(m_random)];
  m_lastAction = "paste " + std::string(text);
  m_desktop.GetClipboard().SetText(std::string(text));
  if (m_desktop.Focus()) m_desktop.Input().SendKeys("^v");
}

// Popup menus get a random visible item or are dismissed; message boxes a random answer;
// modal forms a few keystrokes and then Escape, or their close box.
void DemoMonkey::AnswerNextDialogs() {
  const std::uint64_t choice = m_random();
  m_desktop.Scripts().OnPopupMenu([choice](platform::Menu& popup) -> platform::Menu* {
    std::vector<platform::Menu*> items;
    for (platform::Menu* item : popup.Items()) {
      if (item->Visible() && item->Enabled() && item->Caption() != "-") items.push_back(item);
    }
    if (items.empty() || choice % 4 == 0) return nullptr;
    return items[choice % items.size()];
  });
  m_desktop.Scripts().OnModalForm("", [this, choice](platform::Window& modal) {
    m_desktop.Input().SendKeys(std::string(kKeys[choice % kKeys.size()]));
    m_desktop.DoEvents();
    if (auto* form = dynamic_cast<platform::Form*>(&modal); form && form->Visible()) {
      form->CloseByUser();
    }
  });
  if (auto* boxes = dynamic_cast<platform::HeadlessMessageBoxService*>(&m_desktop.MessageBoxes())) {
    boxes->QueueAnswer(static_cast<platform::MessageBoxResult>(1 + choice % 7));
  }
}

void DemoMonkey::AdvanceClock() {
  const int ms = std::uniform_int_distribution<int>(1, 1500)(m_random);
  m_lastAction = "clock " + std::to_string(ms);
  m_desktop.Wait(ms);
}

std::optional<std::string> DemoMonkey::CheckInvariants() {
  if (m_desktop.ModalDepth() != 0) return "a window was left modal after \"" + m_lastAction + "\"";
  for (platform::Window* window : ShownWindows()) {
    std::optional<std::string> failure;
    if (auto* nif = dynamic_cast<cNIF*>(window)) failure = CheckNif(*nif, m_nifJudgements[nif]);
    if (auto* amount = dynamic_cast<eurbox*>(window)) failure = CheckAmount(*amount, m_desktop);
    if (auto* nib = dynamic_cast<cNIB*>(window)) failure = CheckNib(*nib);
    if (failure) return failure;
  }
  return std::nullopt;
}

MonkeyRun RunIrsFormMonkey(long events, std::uint64_t seed, const std::string& database) {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  auto host = hostkit::HostDatabase::Open(database);
  hostkit::SeedDemoDatabase(host);
  library.SetDefaultTaxpayerDirectory(
      std::make_shared<hostkit::SqliteTaxpayerDirectory>(host));
  desktop.DoEvents();
  const std::size_t windowsBefore = desktop.WindowCount();
  const std::size_t timersBefore = desktop.TimerCount();
  MonkeyRun run;
  {
    IrsForm form(desktop, library, host);
    form.Window().Show();
    DemoMonkey monkey(desktop, form.Window(), seed);
    while (run.events < events && run.failure.empty()) {
      ++run.events;
      if (auto failure = monkey.Step()) run.failure = *failure + " (after " + monkey.LastAction() + ")";
    }
    form.Window().UnloadForm();
    desktop.DoEvents();
  }
  desktop.DoEvents();
  if (run.failure.empty() && desktop.WindowCount() != windowsBefore) {
    run.failure = std::to_string(desktop.WindowCount() - windowsBefore) +
                  " windows left after the form closed";
  }
  if (run.failure.empty() && desktop.TimerCount() != timersBefore) {
    run.failure = std::to_string(desktop.TimerCount() - timersBefore) +
                  " timers left after the form closed";
  }
  return run;
}

}  // namespace qorvexctl::demo
