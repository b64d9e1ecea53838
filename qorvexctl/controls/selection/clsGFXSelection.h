#pragma once
// clsGFXSelection: asks the user to pick among items shown as large picture buttons in a modal
// dialog (frmSelector). The caller describes the dialog and its items, calls SelectFrom and
// gets what was chosen; ready-made selections (a country picker with flags) sit on top.
//
//   clsGFXSelection selection(library, desktop);
//   GFXSelection s;
//   s.Title = "Escolha o país";
//   std::string filter;
//   std::string code = selection.SelectCountry(s, GSEL_OnlyEU, filter);  // "" when cancelled
//
// Each item button is a check button. Without MultipleSelect a click on one item releases the
// others. OK accepts the pressed items, cancel (or closing the window) chooses nothing. Events,
// in the order they come: Opening before the dialog waits for the user; per click on an item,
// ItemUnchecked for each item released, ItemChecked for the item pressed, then ItemChanged with
// the clicked item; Closing at OK or cancel (setting CancelClose keeps the dialog open); Closed
// once the dialog is gone, before SelectFrom returns.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "qorvexctl/base/Event.h"
#include "qorvexctl/base/Variant.h"
#include "qorvexctl/controls/selection/GFXRecords.h"
#include "qorvexctl/controls/selection/frmSelector.h"
#include "qorvexctl/frame/Component.h"
#include "qorvexctl/platform/drawing/Geometry.h"

namespace qorvexctl {

namespace platform {
class Desktop;
class Window;
}  // namespace platform

class Registry;
class StdPNG;
class cButton;
struct MemberTable;

class clsGFXSelection final : public Component, public SelectorOwner {
 public:
  clsGFXSelection(LibraryState& library, platform::Desktop& desktop);
  ~clsGFXSelection() override;
  std::string_view ClassName() const override { return "clsGFXSelection"; }
  // Methods and events by name.
  static const MemberTable& Members();

  Event<GFXItem&> ItemChanged;   // newItem
  Event<GFXItem&> ItemUnchecked;  // Item
  Event<GFXItem&> ItemChecked;    // Item
  Event<std::int32_t&, std::vector<GFXItem>&, bool&> Closing;  // selectionCount, SelectedItems,
                                                               // CancelClose
  Event<> Closed;
  Event<> Opening;

  // Shows the dialog for `items` and returns what the user chose. No items: no dialog and an
  // empty result.
  GFXResult SelectFrom(const GFXSelection& s, std::span<const GFXItem> items);
  // The view SelectFrom uses: always the buttons.
  GFXViewTypes RecomendedView(const GFXSelection& s, std::span<const GFXItem> items) const;
  // Reserved: shows nothing and answers "".
  std::string QuickSelectFrom(const std::string& optsTAB) const;

  // --- Ready-made selections (clsGFXSelection_countries.cpp).
  // A country of "iso3166.txt" with its flag, among those `filter` allows: GSEL_OnlyPT answers
  // "PT" at once, GSEL_OnlyEU and GSEL_All set `CFilter` to their list, GSEL_Custom uses the
  // codes the caller put in `CFilter` (comma-separated). One country or none: no dialog, "".
  // Answers the chosen code, or "".
  std::string SelectCountry(const GFXSelection& xListSettings, GSEL_CountryFilterList GS,
                            std::string& CFilter);
  // The 27 EU codes, Portugal first.
  std::string EU_CountryList() const;
  // The coded tables: none in this version, so each answers "".
  std::string SelectCAErev3() const { return {}; }
  std::string SelectCTA() const { return {}; }
  std::string SelectDistrito() const { return {}; }
  std::string SelectLocalidade(const Variant& /*filterbyDistrito*/ = {}) const { return {}; }
  std::string SelectFreguesia(const Variant& /*filterbyLocalidade*/ = {}) const { return {}; }

  // --- For the dialog form.
  // A user action on the form: "OK", "CANCEL", "Click", "DoubleClick", "KeyDown", "Resize".
  void NotifyFromForm(platform::Window* ctl, const Variant& evt, const Variant& val) override;
  // The opening animation of the current form from `from` to `to` (screen pixels).
  void ZoomOpen(const platform::Rect& from, const platform::Rect& to, GFXPositioning relation);
  // The dialog opened last (unloaded once SelectFrom returned); nullptr before the first.
  const std::shared_ptr<frmSelector>& CurrentForm() const { return m_form; }

 private:
  void OpenFromParent(const GFXSelection& s);
  void FlowButtons(std::span<const GFXItem> items);
  void NarrowColumns(int count, double width);
  void ShowItem(cButton& button, const GFXItem& item, StdPNG& png);
  void ShowPicture(cButton& button, const GFXItem& item, StdPNG& png);
  void ItemClicked(int index);
  void CloseAsked(bool accepted);
  std::vector<GFXItem> PressedItems() const;
  GFXResult ResultOfDialog() const;

  platform::Desktop& m_desktop;
  std::shared_ptr<frmSelector> m_form;
  // The items of the open dialog; Selected follows each button.
  std::vector<GFXItem> m_items;
  bool m_multipleSelect{false};
  bool m_selecting{false};
};

// Makes "QORVEXCTL.clsGFXSelection" creatable by name, with its member table; its dialogs open
// on `desktop`.
void RegisterSelection(Registry& registry, platform::Desktop& desktop);

}  // namespace qorvexctl
