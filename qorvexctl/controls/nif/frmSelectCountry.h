#pragma once
// The country list of the NIF field: a list view of the countries a filter allows, each with
// its flag, name, two-letter code and numeric code. A click on a column header sorts by that
// column (again: the other way round); a double click on a row or the confirm button takes the
// row's code, the cancel button takes none, and both hide the window.
//
//   frmSelectCountry list(library, desktop);
//   list.Filter(GSEL_OnlyEU);
//   list.RelistCountries();
//   list.Show(platform::vbModal);
//   if (!list.SelectedCode().empty()) field.CountryID(list.SelectedCode());
//
// Names come from "iso3166.txt" in the data folder; Portugal heads every list but a custom one.

#include <string>

#include "qorvexctl/controls/nif/CountryFilter.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/widgets/CommandButton.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/ImageList.h"
#include "qorvexctl/platform/widgets/ListView.h"
#include "qorvexctl/platform/widgets/PictureBox.h"

namespace qorvexctl {

class frmSelectCountry : public platform::Form {
 public:
  frmSelectCountry(LibraryState& library, platform::Desktop& desktop);
  std::string TypeName() const override { return "frmSelectCountry"; }

  // The countries offered (GSEL_All unless set).
  GSEL_CountryFilterList Filter() const { return m_filter; }
  void Filter(GSEL_CountryFilterList filter) { m_filter = filter; }
  // The codes GSEL_Custom offers, each followed by "," ("ES,FR,").
  const std::string& CustomList() const { return m_customList; }
  void CustomList(std::string list) { m_customList = std::move(list); }
  // The confirmed code; empty until a row is confirmed.
  const std::string& SelectedCode() const { return m_selectedCode; }
  void SelectedCode(std::string code) { m_selectedCode = std::move(code); }

  // Fills the list again from the filter.
  void RelistCountries();

  // The inner controls, as the host's scripts and tests reach them.
  platform::ListView& cList() { return m_list; }
  platform::PictureBox& Picture1() { return m_picture; }
  // 0 confirms, 1 cancels.
  platform::CommandButton& EF_CommandButton1(int index) { return index == 0 ? m_ok : m_cancel; }

 private:
  void AddCountry(const std::string& code, const std::string& name, int numericCode);
  bool Offers(const std::string& code) const;
  void SizeColumns();
  void SortByColumn(int column);
  void Confirm();
  void CancelChoice();

  LibraryState& m_library;
  GSEL_CountryFilterList m_filter{GSEL_All};
  std::string m_customList;
  std::string m_selectedCode;
  platform::ImageList m_flags;
  platform::ListView& m_list;
  platform::PictureBox& m_picture;
  platform::CommandButton& m_ok;
  platform::CommandButton& m_cancel;
};

}  // namespace qorvexctl
