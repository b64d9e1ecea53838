#pragma once
// Country flags cut from the "COUNTRIES" strip embedded in the library (32 x 8 cells of
// 16 x 16 pixels, in the order of CountryFlagCodes). The strip is decoded on first use and kept
// in the library state until the last NIF field goes.

#include <memory>
#include <string_view>

#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/drawing/Picture.h"
#include "qorvexctl/platform/drawing/Surface.h"

namespace qorvexctl {

// The strip, decoding the embedded bitmap into the library state when it is not there yet.
const platform::Picture& FlagStrip(LibraryState& state);

// The flag of a code, drawn onto the library's flag drawing target (the picture box a caller
// sets with LibraryState::SetFlagTarget just before the call): pixel units, a white
// background, cleared, persistent drawing, then the code's cell copied to its top-left
// 16 x 16 pixels. Returns the box's image; nullptr when the code has no cell or no picture
// box is set.
std::shared_ptr<platform::Picture> FlagPicture(LibraryState& state, std::string_view code);

// A 16 x 16 copy of a code's cell (the first cell of the code, see FlagCellIndex); an empty
// surface when the code has no cell.
platform::Surface FlagCell(LibraryState& state, std::string_view code);

}  // namespace qorvexctl
