#pragma once
// The demo's PNG corner: a frame under the IRS form with two picture boxes, one showing an
// emblem with soft alpha edges blended over a coloured background, the other an interlaced
// picture drawn pass by pass while it loads (Adam7 blocks refined as each pass arrives).

#include "qorvexctl/platform/widgets/Form.h"

namespace qorvexctl::demo {

// Makes `form` taller by the frame's height and fills the frame; the pictures are compiled
// into the demo (data/images/demo/).
void AddPngShowcase(platform::Form& form);

}  // namespace qorvexctl::demo
