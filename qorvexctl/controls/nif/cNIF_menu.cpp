// The NIF field's context menu, its clipboard commands and the country list.

#include <memory>

#include "qorvexctl/base/Locale.h"
#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/nif/cNIF.h"
#include "qorvexctl/controls/nif/frmSelectCountry.h"
#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl {

namespace {

// A paste keeps at most this many characters of the clipboard text.
constexpr int kPasteLimit = 100;
// The mouse pointer shown while the country list is being filled (the hourglass).
constexpr int kWaitPointer = 11;

struct PastedNumber {
  std::string country;
  std::string number;
};

// A pasted text that starts with two non-numeric characters followed by a number carries its
// country; any other text is taken whole as a Portuguese number, blanks and dots included.
PastedNumber SplitPastedNumber(std::string_view clipboard, const Locale& locale) {
  const std::string text = Left(clipboard, kPasteLimit);
  if (!locale.IsNumeric(Left(text, 2)) && locale.IsNumeric(Mid(text, 3))) {
    return {UCase(Left(text, 2)), Mid(text, 3)};
  }
  return {kPortugalCode, text};
}

}  // namespace

// The items in display order; the last three are the extended ones.
void cNIF::BuildContextMenu() {
  OnMenu(m_popup.Add("mnu_undo", "&Desfazer"), &cNIF::UndoEdit);
  m_popup.Add("mnu_sep1", "-");
  OnMenu(m_popup.Add("mnu_cut", "&Cortar"), &cNIF::CutNumber);
  OnMenu(m_popup.Add("mnu_Copy", "&Copiar"), &cNIF::CopyNumber);
  OnMenu(m_popup.Add("mnu_paste", "&Colar"), &cNIF::PasteNumber);
  OnMenu(m_popup.Add("mnu_Delete", "&Apagar"), &cNIF::DeleteNumber);
  m_popup.Add("mnu_sep2", "-");
  OnMenu(m_popup.Add("mnu_selectall", "&Escolher tudo"), &cNIF::SelectWholeNumber);
  m_popup.Add("mnu_sep3", "-");
  OnMenu(m_popup.Add("mnu_RefreshNIFInfo", "&Reobter informações..."), &cNIF::GetNIFInformation);
  OnMenu(m_popup.Add("mnu_listnif", "&Escolher da lista..."), &cNIF::NumberFromList);
  m_recordItem = &m_popup.Add("mnu_ficha", "&Ficha de contribuinte");
  m_recordItem->Enabled(false);
  OnMenu(*m_recordItem, &cNIF::OpenRecord);
}

void cNIF::OnMenu(platform::Menu& item, void (cNIF::*command)()) {
  item.Click.connect([this, command] { (this->*command)(); });
}

void cNIF::EnableExtendedMenu(bool value) {
  for (const char* item : {"mnu_RefreshNIFInfo", "mnu_listnif", "mnu_ficha"}) {
    m_popup.Item(item)->Visible(value);
  }
}

void cNIF::PopupContextMenu() {
  if (m_popupDisabled || m_nif.Locked()) return;
  PopupMenu(m_popup, 0, std::nullopt, std::nullopt, m_popup.Item("mnu_paste"));
}

// The text box is disabled while its menu is up, so that no other edit menu appears for the
// same click; the focus stays where it is meanwhile.
void cNIF::PopupFromNumberBox() {
  m_nif.Enabled(false);
  PopupContextMenu();
  GetDesktop().DoEvents();
  m_nif.Enabled(true);
}

// The whole number goes to the clipboard, without its country.
void cNIF::CopyNumber() {
  platform::Clipboard& clipboard = GetDesktop().GetClipboard();
  clipboard.Clear();
  clipboard.SetText(m_nif.Text());
}

void cNIF::CutNumber() {
  CopyNumber();
  if (m_nif.SelLength() > 0) {
    m_nif.SelText("");
  } else {
    m_nif.Text("");
  }
}

// The pasted number replaces the text; its change runs the usual typing cycle.
void cNIF::PasteNumber() {
  const PastedNumber pasted =
      SplitPastedNumber(GetDesktop().GetClipboard().GetText(), Library().CurrentLocale());
  CountryID(pasted.country);
  m_nif.Text(pasted.number);
}

void cNIF::DeleteNumber() { m_nif.Text(""); }

void cNIF::SelectWholeNumber() {
  m_nif.SelStart(0);
  m_nif.SelLength(static_cast<int>(Len(m_nif.Text())));
}

// The text box keeps its own single level of undo.
void cNIF::UndoEdit() { m_nif.Undo(); }

// The host answers with a country code followed by the number, or a bare Portuguese number.
void cNIF::NumberFromList() {
  std::string answer;
  RequestFromList(answer);
  if (!answer.empty()) Value(answer);
}

void cNIF::ShowCountryList() {
  if (m_countries == GSEL_OnlyPT) {
    CountryID(kPortugalCode);
    PopupContextMenu();
    return;
  }
  bool cancel = false;
  DisplayingCountryList(cancel);
  if (cancel) return;
  const int pointer = MousePointer();
  MousePointer(kWaitPointer);
  auto list = std::make_unique<frmSelectCountry>(Library(), GetDesktop());
  list->SelectedCode("");
  list->Filter(m_countries);
  list->CustomList(m_customCountries);
  list->RelistCountries();
  list->Show(platform::vbModal);
  std::string selected = list->SelectedCode();
  CountryListSelected(selected, cancel);
  if (!cancel && !list->SelectedCode().empty()) CountryID(list->SelectedCode());
  list->UnloadForm();
  RefreshMe();
  MousePointer(pointer);
}

}  // namespace qorvexctl
