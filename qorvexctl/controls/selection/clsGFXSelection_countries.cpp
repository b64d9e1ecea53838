// clsGFXSelection: the ready-made selections (the country picker and the EU list).

#include <string>
#include <vector>

#include "qorvexctl/base/RuntimeError.h"
#include "qorvexctl/controls/selection/clsGFXSelection.h"
#include "qorvexctl/frame/CountryFile.h"
#include "qorvexctl/frame/CountryTables.h"
#include "qorvexctl/frame/LibraryFunctions.h"

namespace qorvexctl {

namespace {

constexpr std::size_t kCodeField = 1;
constexpr std::size_t kNameField = 3;
constexpr char kAllCountries[] = "*";
constexpr char kFlagFolder[] = "images/flags_iso/16/";

// Whether the filter takes a code: "*" takes all; otherwise some entry of the comma-separated
// filter begins with the code (the filter "ESP,FR" takes "ES").
bool FilterTakes(const std::string& filter, const std::string& code) {
  if (filter == kAllCountries) return true;
  std::string entries(",");
  entries.append(filter);
  std::string start(",");
  start.append(code);
  return entries.find(start) != std::string::npos;
}

// The choice of one country line: its name, its flag and its code.
GFXItem CountryItem(LibraryState& library, const std::vector<std::string>& fields) {
  if (fields.size() <= kNameField) {
    throw RuntimeError(kErrSubscriptOutOfRange, "clsGFXSelection", "Subscript out of range");
  }
  GFXItem item;
  item.Title = fields[kNameField];
  item.Image = GetDataPath(library) + kFlagFolder + fields[kCodeField] + ".png";
  item.Value = fields[kCodeField];
  return item;
}

}  // namespace

std::string clsGFXSelection::EU_CountryList() const {
  return std::string(EuCountryCodesPortugalFirst);
}

std::string clsGFXSelection::SelectCountry(const GFXSelection& xListSettings,
                                           GSEL_CountryFilterList GS, std::string& CFilter) {
  switch (GS) {
    case GSEL_OnlyPT:
      CFilter = kPortugalCode;
      CFilter += ',';
      return kPortugalCode;
    case GSEL_OnlyEU:
      CFilter = EU_CountryList();
      break;
    case GSEL_All:
      CFilter = kAllCountries;
      break;
    default:
      break;
  }
  const std::string text = ReadWholeFile(Library(), GetDataPath(Library()) + kCountryFileName);
  std::vector<GFXItem> items;
  for (const auto& fields : SplitCountryFile(text)) {
    if (fields.size() < 2 || !FilterTakes(CFilter, fields[kCodeField])) continue;
    items.push_back(CountryItem(Library(), fields));
  }
  if (items.size() <= 1) return {};
  const GFXResult result = SelectFrom(xListSettings, items);
  const Variant& code = result.SelectedItem.Value;
  return code.IsNull() ? std::string() : code.ToString();
}

}  // namespace qorvexctl
