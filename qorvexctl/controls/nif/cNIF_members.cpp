// The public surface of the NIF field, by name.

#include <string>

#include "qorvexctl/controls/nif/cNIF.h"
#include "qorvexctl/frame/IntrinsicMembers.h"
#include "qorvexctl/frame/Members.h"

namespace qorvexctl {

const MemberTable& cNIF::Members() {
  static const MemberTable table =
      MembersOf<cNIF>("cNIF")
          .Inherit<platform::Control>(ControlMembers())
          .Property(
              "CountryID", [](const cNIF& c) { return c.CountryID(); },
              [](cNIF& c, std::string v) { c.CountryID(v); })
          .Property(
              "Value", [](const cNIF& c) { return c.Value(); },
              [](cNIF& c, std::string v) { c.Value(v); })
          .Property(
              "Enabled", [](const cNIF& c) { return c.Enabled(); },
              [](cNIF& c, bool v) { c.Enabled(v); })
          .Property(
              "Locked", [](const cNIF& c) { return c.Locked(); },
              [](cNIF& c, bool v) { c.Locked(v); })
          .Property(
              "Nome", [](const cNIF& c) { return c.Nome(); },
              [](cNIF& c, std::string v) { c.Nome(v); })
          .Property(
              "BackColor", [](const cNIF& c) { return c.BackColor(); },
              [](cNIF& c, Colour v) { c.BackColor(v); })
          .Property(
              "Countries", [](const cNIF& c) { return c.Countries(); },
              [](cNIF& c, GSEL_CountryFilterList v) { c.Countries(v); })
          .Property(
              "CustomCountryList", [](const cNIF& c) { return c.CustomCountryList(); },
              [](cNIF& c, std::string v) { c.CustomCountryList(std::move(v)); })
          .Property(
              "Required", [](const cNIF& c) { return c.Required(); },
              [](cNIF& c, bool v) { c.Required(v); })
          .Property(
              "DisablePopupMenu", [](const cNIF& c) { return c.DisablePopupMenu(); },
              [](cNIF& c, bool v) { c.DisablePopupMenu(v); })
          .Property(
              "EnableExtendedMenu", [](const cNIF& c) { return c.EnableExtendedMenu(); },
              [](cNIF& c, bool v) { c.EnableExtendedMenu(v); })
          .Property("hwnd", [](const cNIF& c) { return c.hwnd(); })
          .Method("CountryName", {"fulldesc"},
                  [](cNIF& c, bool fulldesc) { return c.CountryName(fulldesc); })
          .Method("IsEmpty", {}, [](cNIF& c) { return c.IsEmpty(); })
          .Method("IsValid", {}, [](cNIF& c) { return c.IsValid(); })
          .Method("IsAccepted", {}, [](cNIF&) { return cNIF::IsAccepted(); })
          .Method("IsOK", {}, [](cNIF& c) { return c.IsOK(); })
          .Method("Description", {}, [](cNIF& c) { return c.Description(); })
          .Method("Information", {"varID"},
                  [](cNIF& c, std::string id) { return c.Information(id); })
          .Method("RefreshMe", {}, [](cNIF& c) { c.RefreshMe(); })
          .Method("AbrirFicha", {"xNIF"}, [](cNIF& c, std::string nif) { c.AbrirFicha(nif); })
          .Method("ShowCountryList", {}, [](cNIF& c) { c.ShowCountryList(); })
          .Method("GetNIFInformation", {}, [](cNIF& c) { c.GetNIFInformation(); })
          .Method("PopupContextMenu", {}, [](cNIF& c) { c.PopupContextMenu(); })
          .Event("Changed", {}, &cNIF::Changed)
          .Event("Validated", {}, &cNIF::Validated)
          .Event("NIFIndicated", {}, &cNIF::NIFIndicated)
          .Event("UpdatedInformation", {"varID"}, &cNIF::UpdatedInformation)
          .Event("NameUpdated", {"nv"}, &cNIF::NameUpdated)
          .Event("Cleared", {}, &cNIF::Cleared)
          .Event("RequestEdit", {"xTargetNIF"}, &cNIF::RequestEdit)
          .Event("RequestFromList", {"ReturnNIF"}, &cNIF::RequestFromList)
          .Event("DisplayingCountryList", {"xCancel"}, &cNIF::DisplayingCountryList)
          .Event("CountryListSelected", {"xSelected", "xCancel"}, &cNIF::CountryListSelected)
          .Event("DataFinished", {}, &cNIF::DataFinished)
          .Part("nif", [](cNIF& c, int) -> platform::Window* { return &c.NumberBox(); })
          .Part("cPicture", [](cNIF& c, int) -> platform::Window* { return &c.FlagBox(); })
          .Build();
  return table;
}

}  // namespace qorvexctl
