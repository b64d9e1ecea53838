#include "qorvexctl/controls/nif/frmSelectCountry.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/frame/CountryFile.h"
#include "qorvexctl/frame/CountryTables.h"
#include "qorvexctl/frame/FlagPicture.h"
#include "qorvexctl/frame/LibraryFunctions.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/validation/TaxNumber.h"

namespace qorvexctl {

namespace {

using platform::Rect;

// Twips of the code columns and of the list's border and scroll bar.
constexpr int kCodeColumnWidth = 900;
constexpr int kListChrome = 360;
constexpr int kFormWidth = 380;
constexpr int kFormHeight = 420;

// The numeric code of a file line as an integer; 0 when it is not a number.
int NumericCode(const std::string& field) {
  int value = 0;
  std::from_chars(field.data(), field.data() + field.size(), value);
  return value;
}

// A numeric code shown with three digits ("000" format); empty for 0.
std::string ThreeDigits(int code) {
  if (code <= 0) return {};
  char text[16];
  std::snprintf(text, sizeof text, "%03d", code);
  return text;
}

}  // namespace

frmSelectCountry::frmSelectCountry(LibraryState& library, platform::Desktop& desktop)
    : platform::Form(desktop, "Escolha o país"),
      m_library(library),
      m_list(Add<platform::ListView>("cList")),
      m_picture(Add<platform::PictureBox>("Picture1")),
      m_ok(Add<platform::CommandButton>("EF_CommandButton1")),
      m_cancel(Add<platform::CommandButton>("EF_CommandButton1")) {
  Name("frmSelectCountry");
  const platform::Size screen = desktop.ScreenSize();
  SetBounds(Rect::FromSize((screen.width - kFormWidth) / 2, (screen.height - kFormHeight) / 2,
                           kFormWidth, kFormHeight));
  m_list.SetBounds(Rect::FromSize(8, 8, 356, 336));
  m_list.FullRowSelect(true);
  m_list.HideSelection(false);
  m_list.SmallIcons(&m_flags);
  m_list.AddColumn("País");
  m_list.AddColumn("Código", kCodeColumnWidth);
  m_list.AddColumn("Número", kCodeColumnWidth);
  m_list.ColumnClick.connect([this](int column) { SortByColumn(column); });
  m_list.DblClick.connect([this] {
    if (m_list.SelectedItem()) Confirm();
  });
  // The flags are drawn on this hidden 16 x 16 box before they join the image list.
  m_picture.Visible(false);
  m_picture.BorderStyle(0);
  m_picture.SetBounds(Rect::FromSize(8, 352, kFlagCellSize, kFlagCellSize));
  m_ok.Index(0);
  m_ok.Caption("&Confirmar");
  m_ok.Default(true);
  m_ok.SetBounds(Rect::FromSize(180, 352, 88, 26));
  m_ok.Click.connect([this] { Confirm(); });
  m_cancel.Index(1);
  m_cancel.Caption("Ca&ncelar");
  m_cancel.Cancel(true);
  m_cancel.SetBounds(Rect::FromSize(276, 352, 88, 26));
  m_cancel.Click.connect([this] { CancelChoice(); });
}

void frmSelectCountry::RelistCountries() {
  m_list.Sorted(false);
  m_list.ClearItems();
  m_flags.Clear();
  SizeColumns();
  if (m_filter != GSEL_Custom) AddCountry(kPortugalCode, "Portugal", 0);
  if (m_filter == GSEL_OnlyPT) return;
  const std::string text = ReadWholeFile(m_library, GetDataPath(m_library) + kCountryFileName);
  for (const auto& fields : SplitCountryFile(text)) {
    if (fields.size() < 2 || !Offers(fields[1])) continue;
    AddCountry(fields[1], fields.size() > 3 ? fields[3] : std::string(), NumericCode(fields[0]));
  }
}

// Whether the filter lets a country of the file into the list.
bool frmSelectCountry::Offers(const std::string& code) const {
  switch (m_filter) {
    case GSEL_All:
      return true;
    case GSEL_OnlyEU:
      return CountryIndex(code) >= 0;
    case GSEL_Custom:
      return InStr(m_customList, code + ",") > 0;
    default:
      return false;
  }
}

void frmSelectCountry::AddCountry(const std::string& code, const std::string& name,
                                  int numericCode) {
  if (!m_flags.Contains(code)) {
    m_library.SetFlagTarget(&m_picture);
    if (auto flag = FlagPicture(m_library, code)) m_flags.Add(code, std::move(flag));
    m_library.SetFlagTarget(nullptr);
  }
  platform::ListItem& row = m_list.AddItem(name, code);
  row.SetSubItem(1, code);
  row.SetSubItem(2, ThreeDigits(numericCode));
}

// The name column takes what the two code columns leave of the list's width.
void frmSelectCountry::SizeColumns() {
  m_list.Column(1).Width(kCodeColumnWidth);
  m_list.Column(2).Width(kCodeColumnWidth);
  m_list.Column(0).Width(std::max(m_list.Width() - 2 * kCodeColumnWidth - kListChrome, 0));
}

// The first click on a column sorts by it upwards; the next click on it reverses the order.
void frmSelectCountry::SortByColumn(int column) {
  const bool sameColumn = m_list.Sorted() && m_list.SortKey() == column;
  const int order = sameColumn && m_list.SortOrder() == platform::lvwAscending
                        ? platform::lvwDescending
                        : platform::lvwAscending;
  m_list.SortKey(column);
  m_list.SortOrder(order);
  m_list.Sorted(true);
}

void frmSelectCountry::Confirm() {
  const platform::ListItem* row = m_list.SelectedItem();
  m_selectedCode = row ? row->SubItem(1) : std::string();
  Hide();
}

void frmSelectCountry::CancelChoice() {
  m_selectedCode.clear();
  Hide();
}

}  // namespace qorvexctl
