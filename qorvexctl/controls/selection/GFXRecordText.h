#pragma once
// The selection records as JSON text, the way they cross a member table (`qorvexctl play`, hosts
// calling by name): a GFXSelection or a GFXItem is an object whose keys are the field names
// ({"Title": "Escolha o país", "DisableCancel": true}), the items an array of such objects, and
// a GFXResult comes back the same way. Keys left out keep their defaults; unknown keys are
// ignored. The parent object has no text form.

#include <string>
#include <string_view>
#include <vector>

#include "qorvexctl/base/Variant.h"
#include "qorvexctl/controls/selection/GFXRecords.h"

namespace qorvexctl {

// "" gives the defaults; text that is not a JSON object (or array, for the items) raises
// RuntimeError 13.
GFXSelection SelectionFromText(std::string_view text);
std::vector<GFXItem> ItemsFromText(std::string_view text);
std::string ResultText(const GFXResult& result);

// An item crosses an event as its title; the chosen items as a JSON array of their titles.
Variant VariantOf(const GFXItem& item);
Variant VariantOf(const std::vector<GFXItem>& items);

}  // namespace qorvexctl
