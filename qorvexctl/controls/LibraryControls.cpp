#include "qorvexctl/controls/LibraryControls.h"

#include "qorvexctl/controls/amount/eurbox.h"
#include "qorvexctl/controls/anigif/ucAniGIF.h"
#include "qorvexctl/controls/button/cButton.h"
#include "qorvexctl/controls/helpers/InfoButton.h"
#include "qorvexctl/controls/helpers/cRefArtigo.h"
#include "qorvexctl/controls/helpers/cSlider.h"
#include "qorvexctl/controls/helpers/cSujeitoSelector.h"
#include "qorvexctl/controls/helpers/cTipDefCTLNew.h"
#include "qorvexctl/controls/helpers/clsBalloonTip.h"
#include "qorvexctl/controls/nib/cNIB.h"
#include "qorvexctl/controls/nif/cNIF.h"
#include "qorvexctl/controls/selection/clsGFXSelection.h"
#include "qorvexctl/controls/skins/SkinControls.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/frame/StdPNGMembers.h"
#include "qorvexctl/imaging/StdPNG.h"

namespace qorvexctl {

// One line per control or class; keep each on its own line so additions merge cleanly.
void RegisterLibraryControls(Registry& registry, platform::Desktop& desktop) {
  RegisterNifField(registry, desktop);
  RegisterNibField(registry, desktop);
  RegisterBalloonTip(registry, desktop);
  RegisterInfoButton(registry, desktop);
  RegisterButton(registry, desktop);
  RegisterAniGif(registry, desktop);
  RegisterAmountField(registry, desktop);
  RegisterSujeitoSelector(registry, desktop);
  RegisterTipDefSelector(registry, desktop);
  RegisterSelection(registry, desktop);
  RegisterSkinControls(registry, desktop);
  RegisterRefArtigo(registry, desktop);
  RegisterSlider(registry, desktop);
  registry.Members().Add<StdPNG>(StdPNGMembers());
}

}  // namespace qorvexctl
