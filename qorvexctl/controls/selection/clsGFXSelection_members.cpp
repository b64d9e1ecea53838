// The public surface of the selection class, by name. Records cross as JSON text
// (GFXRecordText.h): SelectFrom takes the dialog and the items that way and answers the result
// that way; an item in an event crosses as its title.

#include <string>

#include "qorvexctl/controls/selection/GFXRecordText.h"
#include "qorvexctl/controls/selection/clsGFXSelection.h"
#include "qorvexctl/frame/Members.h"

namespace qorvexctl {

namespace {

// A record argument as text; an omitted one is "".
std::string TextArgument(const Variant& value) {
  return value.IsEmpty() || value.IsNull() ? std::string() : value.ToString();
}

}  // namespace

const MemberTable& clsGFXSelection::Members() {
  using Sel = clsGFXSelection;
  static const MemberTable table =
      MembersOf<Sel>("clsGFXSelection")
          .Method("SelectFrom", {"s", "Items"},
                  [](Sel& c, Variant s, Variant items) {
                    const auto list = ItemsFromText(TextArgument(items));
                    return ResultText(c.SelectFrom(SelectionFromText(TextArgument(s)), list));
                  })
          .Method("RecomendedView", {"s", "Items"},
                  [](Sel& c, Variant s, Variant items) {
                    return c.RecomendedView(SelectionFromText(TextArgument(s)),
                                            ItemsFromText(TextArgument(items)));
                  })
          .Method("QuickSelectFrom", {"optsTAB"},
                  [](Sel& c, std::string options) { return c.QuickSelectFrom(options); })
          .Method("SelectCountry", {"xListSettings", "GS", "CFilter"},
                  [](Sel& c, Variant settings, GSEL_CountryFilterList filter,
                     std::string& codes) {
                    return c.SelectCountry(SelectionFromText(TextArgument(settings)), filter,
                                           codes);
                  })
          .Method("EU_CountryList", {}, [](Sel& c) { return c.EU_CountryList(); })
          .Method("SelectCAErev3", {}, [](Sel& c) { return c.SelectCAErev3(); })
          .Method("SelectCTA", {}, [](Sel& c) { return c.SelectCTA(); })
          .Method("SelectDistrito", {}, [](Sel& c) { return c.SelectDistrito(); })
          .Method("SelectLocalidade", {"filterbyDistrito"},
                  [](Sel& c, Variant filter) { return c.SelectLocalidade(filter); })
          .Method("SelectFreguesia", {"filterbyLocalidade"},
                  [](Sel& c, Variant filter) { return c.SelectFreguesia(filter); })
          .Event("ItemChanged", {"newItem"}, &Sel::ItemChanged)
          .Event("ItemUnchecked", {"Item"}, &Sel::ItemUnchecked)
          .Event("ItemChecked", {"Item"}, &Sel::ItemChecked)
          .Event("Closing", {"selectionCount", "SelectedItems", "CancelClose"}, &Sel::Closing)
          .Event("Closed", {}, &Sel::Closed)
          .Event("Opening", {}, &Sel::Opening)
          .Build();
  return table;
}

}  // namespace qorvexctl
