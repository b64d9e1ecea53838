#pragma once
// The tax-number (NIF) entry field: a framed one-line text box beside the 16 x 16 flag of the
// number's country. Typing a two-letter EU prefix switches the country; every change validates
// the number, colours the field by the verdict and looks the taxpayer up through the record in
// `Ficha`, whose name and details the field reports through its events. A right click opens
// its context menu (clipboard commands, the taxpayer record, the host's list of known numbers);
// a click on the flag opens the country list its filter allows (frmSelectCountry).
//
//   cNIF field(library, desktop, &form);
//   field.Changed.connect([&] { Save(field.Value()); });   // "PT" followed by the number
//   field.NameUpdated.connect([&](const std::string& name) { caption.Text(name); });
//
// Failing calls into the record or the host object are ignored (HostCall): the member that
// made them carries on.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "qorvexctl/base/Event.h"
#include "qorvexctl/controls/nif/CountryFilter.h"
#include "qorvexctl/frame/IRSDeclaration.h"
#include "qorvexctl/frame/TaxpayerRecord.h"
#include "qorvexctl/frame/UserControl.h"
#include "qorvexctl/platform/desktop/Menu.h"
#include "qorvexctl/platform/widgets/PictureBox.h"
#include "qorvexctl/platform/widgets/Shape.h"
#include "qorvexctl/platform/widgets/TextBox.h"

namespace qorvexctl {

class Registry;
class clsBalloonTip;

class cNIF : public UserControl {
 public:
  cNIF(LibraryState& library, platform::Desktop& desktop, platform::Window* container = nullptr);
  ~cNIF() override;
  std::string_view ClassName() const override { return "cNIF"; }

  // Events, in their numbering.
  Event<> Changed;
  Event<> Validated;
  Event<> NIFIndicated;
  Event<const std::string&> UpdatedInformation;  // the field identifier
  Event<const std::string&> NameUpdated;         // the new name
  Event<> Cleared;
  Event<const std::string&> RequestEdit;           // the number whose record is to be edited
  Event<std::string&> RequestFromList;             // the host answers a number, or leaves it empty
  Event<bool&> DisplayingCountryList;              // xCancel: the host may refuse the list
  Event<std::string&, bool&> CountryListSelected;  // the chosen code (empty: none), xCancel
  Event<> DataFinished;

  // The taxpayer record; its Loaded and FieldUpdated events are handled while attached.
  std::shared_ptr<TaxpayerRecord> Ficha() const { return m_ficha; }
  void Ficha(std::shared_ptr<TaxpayerRecord> record);
  void IRSClass(std::shared_ptr<IRSDeclaration> irs) { m_irs = std::move(irs); }

  // The country code, upper case. Setting "PT" limits the number to 9 characters.
  const std::string& CountryID() const { return m_country; }
  void CountryID(std::string_view code);
  std::string CountryName(bool fulldesc = false);
  // The country code followed by the number; a bare 9-digit number is Portuguese.
  std::string Value() const;
  void Value(std::string_view value);
  bool Enabled() const { return m_nif.Enabled(); }
  void Enabled(bool value);
  bool Locked() const { return m_nif.Locked(); }
  void Locked(bool value);
  const std::string& Nome() const { return m_name; }
  void Nome(const std::string& name);
  using platform::Window::BackColor;
  void BackColor(Colour colour);
  GSEL_CountryFilterList Countries() const { return m_countries; }
  void Countries(GSEL_CountryFilterList filter);
  const std::string& CustomCountryList() const { return m_customCountries; }
  void CustomCountryList(std::string list) { m_customCountries = std::move(list); }
  bool Required() const { return m_required; }
  void Required(bool value);
  bool DisablePopupMenu() const { return m_popupDisabled; }
  void DisablePopupMenu(bool value) { m_popupDisabled = value; }
  // Whether the context menu offers the record items (refresh, list of numbers, record).
  bool EnableExtendedMenu() const { return m_recordItem->Visible(); }
  void EnableExtendedMenu(bool value);
  std::uint32_t hwnd() const { return hWnd(); }

  // A detail of the taxpayer: the record's, else the host's stored value for this number.
  std::string Information(const std::string& id);
  // Changes a detail in the record and the host; only while the number is valid.
  void Information(const std::string& id, const std::string& value);

  // Verdicts on the number as it stands; IsValid and IsOK raise Validated.
  bool IsEmpty() const;
  bool IsValid();
  static constexpr bool IsAccepted() { return true; }
  bool IsOK();
  std::string Description() const;

  // Re-validates, recolours, looks the taxpayer up and rebuilds the balloon tip.
  void RefreshMe();
  // Loads the record of the current number and reports each of its details.
  void GetNIFInformation();
  // Shows the record of xNIF (the current number when empty) and raises RequestEdit with
  // that number as given.
  void AbrirFicha(std::string_view xNIF = {});
  // Shows the context menu at the pointer, unless it is disabled or the field is locked.
  void PopupContextMenu();
  // Lets the user choose the country from a list (only the context menu for GSEL_OnlyPT).
  void ShowCountryList();

  // The inner parts, for hosts that style them and for tests.
  platform::TextBox& NumberBox() { return m_nif; }
  platform::PictureBox& FlagBox() { return m_flag; }
  platform::Shape& FrameShape() { return m_frame; }
  platform::Menu& ContextMenu() { return m_popup; }
  // The lines the balloon tip shows; empty when there is no tip.
  const std::string& BalloonTipText() const { return m_tipText; }

 protected:
  std::span<const PersistedProperty> PersistedProperties() const override;
  void ApplyInitialProperties() override;
  void OnResize() override;
  void OnTerminate() override;

 private:
  void NumberChanged();
  bool SwitchCountryByPrefix();
  void ShowFlag(std::string_view code);
  void ColourAsEmpty();
  void ColourAsValid();
  void ColourAsInvalid();
  void RecordLoaded();
  void RecordFieldUpdated(const std::string& id);
  void RebuildBalloonTip();
  std::string BalloonTipLines();
  void ApplyBalloonTip();
  std::unique_ptr<clsBalloonTip> CreateBalloonTip();
  // The context menu and its commands (cNIF_menu.cpp).
  void BuildContextMenu();
  void OnMenu(platform::Menu& item, void (cNIF::*command)());
  void PopupFromNumberBox();
  void CopyNumber();
  void CutNumber();
  void PasteNumber();
  void DeleteNumber();
  void SelectWholeNumber();
  void UndoEdit();
  void NumberFromList();
  void OpenRecord() { AbrirFicha(); }

  platform::TextBox m_nif{*this};
  platform::PictureBox m_flag{*this};
  platform::Shape m_frame{*this};
  platform::Menu m_popup{"popup"};
  platform::Menu* m_recordItem{nullptr};  // mnu_ficha, enabled while the number is valid
  std::string m_country{"PT"};
  std::string m_lastCountryGiven;
  GSEL_CountryFilterList m_countries{GSEL_OnlyPT};
  std::string m_customCountries;
  bool m_required{false};
  bool m_popupDisabled{false};
  std::string m_name;
  std::string m_tipText;
  std::shared_ptr<TaxpayerRecord> m_ficha;
  std::shared_ptr<IRSDeclaration> m_irs;
  std::unique_ptr<clsBalloonTip> m_tip;
  ScopedConnection m_loadedConnection;
  ScopedConnection m_fieldConnection;
};

// Makes "QORVEXCTL.cNIF" creatable through the registry, on `desktop`.
void RegisterNifField(Registry& registry, platform::Desktop& desktop);

}  // namespace qorvexctl
