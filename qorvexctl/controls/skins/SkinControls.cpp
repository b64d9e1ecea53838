#include "qorvexctl/controls/skins/SkinControls.h"

#include "qorvexctl/controls/skins/skAlphaPic.h"
#include "qorvexctl/controls/skins/skGoButton.h"
#include "qorvexctl/controls/skins/skGrowth.h"
#include "qorvexctl/controls/skins/skNumber.h"
#include "qorvexctl/controls/skins/skQuadro.h"
#include "qorvexctl/controls/skins/skSubMenu.h"

namespace qorvexctl {

void RegisterSkinControls(Registry& registry, platform::Desktop& desktop) {
  RegisterGrowth(registry, desktop);
  RegisterGoButton(registry, desktop);
  RegisterNumber(registry, desktop);
  RegisterSubMenu(registry, desktop);
  RegisterQuadro(registry, desktop);
  RegisterAlphaPic(registry, desktop);
}

}  // namespace qorvexctl
