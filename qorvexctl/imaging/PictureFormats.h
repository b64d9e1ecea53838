#pragma once
// The one table of picture formats every picture load of the library goes through: BMP, GIF,
// PNG and icons (whose images may be PNG files, picked at the classic 32 x 32 size).
//
//   platform::Picture flag = PictureFormats().LoadFile(path);

#include "qorvexctl/platform/codecs/PictureLoader.h"

namespace qorvexctl {

const platform::PictureLoader& PictureFormats();

}  // namespace qorvexctl
