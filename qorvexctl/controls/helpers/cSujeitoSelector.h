#pragma once
// cSujeitoSelector: to which member of the tax household ("sujeito") a form entry belongs.
// A strip of seven toggle buttons, one per kind of taxpayer, in the order "ABDSFCH":
//
//   A "Sujeito A"   B "Sujeito B"   D "Dependente"   S "Ascendente"
//   F "Falecido"    C "Agregado"    H "Herança"
//
// The selected kind's button is wide, captioned and underlined; the others are narrow picture
// buttons. Dependants, ascendants and undivided estates have several members: choosing one of
// them opens a list of the household's members (from the host's declaration object in
// `IRSClass`) and the choice becomes the member number. `SujeitoValueType` is the selection as
// a taxpayer code ("A", "D2", "F1") and `SelectedNIF` that taxpayer's tax number.
//
//   cSujeitoSelector who(library, desktop, &form);
//   who.IRSClass(declaration);                   // offers the kinds the household has
//   who.Changed.connect([&] { Save(who.SujeitoValueType()); });
//
// Calls into the host object are guarded (frame/IRSDeclaration.h): a missing member leaves
// captions and numbers empty and the selection as it was.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "qorvexctl/base/Event.h"
#include "qorvexctl/controls/button/cButton.h"
#include "qorvexctl/frame/IRSDeclaration.h"
#include "qorvexctl/frame/Members.h"
#include "qorvexctl/frame/UserControl.h"
#include "qorvexctl/platform/desktop/Menu.h"
#include "qorvexctl/platform/widgets/Line.h"

namespace qorvexctl {

class Registry;

// The kinds of taxpayer in button order.
inline constexpr std::string_view kSujeitoOrder = "ABDSFCH";
inline constexpr int kSujeitoKinds = 7;

// The possible kinds as stored: "" gives "ABD", "*" every kind; then each letter the value holds
// in button order, C only together with B ("DA" -> "AD", "AC" -> "A").
std::string NormalisePossible(std::string_view value);
// A person's name as the member list shows it: "JOAO PEDRO SILVA" -> "Joao Silva",
// "ANA M SILVA" -> "Ana M. Silva"; one or two words stay as given, in proper case.
std::string ShortMemberName(std::string_view name);

class cSujeitoSelector : public UserControl {
 public:
  cSujeitoSelector(LibraryState& library, platform::Desktop& desktop,
                   platform::Window* container = nullptr);
  ~cSujeitoSelector() override;
  std::string_view ClassName() const override { return "cSujeitoSelector"; }
  static const MemberTable& Members();

  Event<> Clicked;     // after every click on a kind button
  Event<> Changed;     // the selection or the member number changed through the user interface
  Event<> Initialize;  // declared for hosts; never raised

  // --- Properties.
  const std::string& Possible() const { return m_possible; }
  // Normalises `value` (an empty one becomes "ABD", also in the caller's variable).
  void Possible(std::string& value);
  bool CanSelectNone() const { return m_canSelectNone; }
  void CanSelectNone(bool value) { m_canSelectNone = value; }
  std::shared_ptr<IRSDeclaration> IRSClass() const { return m_irs; }
  // Keeps the declaration, offers the kinds its household has and lays out again.
  void IRSClass(std::shared_ptr<IRSDeclaration> irs);
  // The letter of the first button that is down, or "".
  std::string SelectedSujeito() const;
  // Selects the kind of the value's first letter as if its button were clicked.
  void SelectedSujeito(std::string_view letter);
  std::int16_t SelectedSujeitoIndex() const { return m_member; }
  // Kept only while D, S or H is selected; 0 otherwise.
  void SelectedSujeitoIndex(std::int16_t member);
  // The selection as a taxpayer code: "A", "D2"; F is always "F1".
  std::string SujeitoValueType() const;
  // Selects from a code such as "D2"; raises no event.
  void SujeitoValueType(std::string_view code);
  // The tax number of `specificsujeito`, or of the selection when it is empty; "" without a host.
  std::string SelectedNIF(std::string_view specificsujeito = {}) const;
  // The picture of the button whose letter starts `SujeitoID` (either case); nullptr otherwise.
  std::shared_ptr<platform::Picture> ImageFile(std::string_view SujeitoID) const;
  void ImageFile(std::string_view SujeitoID, std::shared_ptr<platform::Picture> picture);
  // Has no effect; kept for hosts that call it.
  void RefreshButtonCaption() {}
  std::uint32_t hwnd() const { return hWnd(); }

  // --- Inner parts, for hosts and tests.
  cButton& KindButton(int index) { return *m_buttons.at(index); }
  const cButton& KindButton(int index) const { return *m_buttons.at(index); }
  platform::Line& Underline() { return m_underline; }
  // "mnu_listagem" ("Contribuintes") with the item array "mnu_list"; item 0 is the header.
  platform::Menu& MemberMenu() { return m_menu; }
  // The container's offered flag of a kind button.
  bool Offered(int index) const { return m_offered.at(index); }
  // The narrow and wide button widths, in twips.
  int NarrowWidth() const { return m_narrowWidth; }
  int WideWidth() const;

 protected:
  std::span<const PersistedProperty> PersistedProperties() const override;
  void PropertiesLoaded() override { RefreshLayout(); }
  void OnResize() override;
  void OnTerminate() override { m_irs.reset(); }

 private:
  void BuildButtons();
  void KindClicked(int index);
  void SetButtonValues(int selectedIndex);
  void ApplyHouseholdRules();
  void RefreshLayout();
  std::string CaptionText(int selectedIndex) const;
  void PlaceButtons(int selectedIndex);
  void OfferPossibleKinds();
  // The member list of D, S or H (cSujeitoSelector_list.cpp).
  void ShowMemberList(char letter);
  int MemberCount(char letter) const;
  std::string MemberCaption(char letter, int member) const;
  void PrepareMemberItems(char letter, int count);
  void MemberChosen(int member);

  std::array<std::unique_ptr<cButton>, kSujeitoKinds> m_buttons;
  std::array<bool, kSujeitoKinds> m_offered{};
  platform::Line m_underline{*this};
  platform::Menu m_menu{"mnu_listagem", "Contribuintes"};
  std::string m_possible{"ABD"};
  std::shared_ptr<IRSDeclaration> m_irs;
  std::int16_t m_member{0};
  bool m_canSelectNone{false};
  int m_narrowWidth{500};
  std::string m_wideWidth{"2500"};  // kept as text, five times the narrow width
  std::string m_lastClicked;
};

// Makes "QORVEXCTL.cSujeitoSelector" creatable by name, on `desktop`.
void RegisterSujeitoSelector(Registry& registry, platform::Desktop& desktop);

}  // namespace qorvexctl
