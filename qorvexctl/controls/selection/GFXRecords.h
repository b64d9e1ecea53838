#pragma once
// The records and enumerations of the selection dialog: a GFXSelection describes the dialog, one
// GFXItem describes each choice, and a GFXResult is what the dialog answers.
//
//   GFXSelection s;
//   s.Title = "Escolha o país";
//   std::vector<GFXItem> items(2);
//   items[0].Title = "Portugal";
//   items[0].Value = "PT";
//   GFXResult r = selection.SelectFrom(s, items);

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "qorvexctl/base/Variant.h"
#include "qorvexctl/controls/nif/CountryFilter.h"
#include "qorvexctl/frame/HostParentObject.h"

namespace qorvexctl {

// Where the dialog opens relative to the parent object (0 to 5).
enum GFXPositioning : std::int32_t {
  GFXPositionDefault = 0,  // as GFXPositionCenterObject
  GFXPositionCenterObject,  // centred on the parent's top-left corner
  GFXPositionObjectBelow,
  GFXPositionObjectAbove,
  GFXPositionObjectLeft,
  GFXPositionObjectRight,
};

enum GFXViewTypes : std::int32_t {
  GFXViewDefaultRecomended = 0,
  GFXViewButtons = 1,
};

// One choice of the dialog.
struct GFXItem {
  std::string Title;    // the button's caption
  std::string Tooltip;  // the button's tooltip
  Variant Image;        // path of a PNG file shown on the button; empty for none
  bool Disabled = false;
  bool Selected = false;  // the button starts pressed
  bool Default = false;   // the dialog's default button
  bool Bold = false;      // carried
  std::string TAGs;       // carried
  std::string Settings;   // carried
  Variant Value;          // the caller's value for the item
};

// The dialog.
struct GFXSelection {
  std::string ID;
  std::string Title;
  std::string Subtitle;
  std::string Tooltip;
  std::string HelpURL;
  Variant Image;
  bool DisableCancel = false;  // hides the cancel button
  bool MultipleSelect = false;  // several items may be chosen
  bool NoSingleClick = false;
  bool Pageable = false;
  std::string Settings;
  bool DiscardUserProperties = false;
  // The window the dialog opens from: its screen rectangle and its background colour.
  std::shared_ptr<HostParentObject> ParentObj;
  GFXPositioning WindowPositionRelation = GFXPositionDefault;
};

// What the dialog answers.
struct GFXResult {
  bool Canceled = false;
  bool Accepted = false;
  std::int32_t NumberOfSelectedItems = 0;
  std::vector<GFXItem> SelectedItems;
  GFXItem SelectedItem;
  std::string Settings;
  GFXViewTypes ViewType = GFXViewDefaultRecomended;
};

}  // namespace qorvexctl
