#pragma once
// The skinned widgets and the slideshow as one registration.

namespace qorvexctl {

class Registry;

namespace platform {
class Desktop;
}  // namespace platform

// Makes skGrowth, skGoButton, skNumber, skSubMenu, skQuadro and skAlphaPic creatable by name
// ("QORVEXCTL.skGoButton", ...) on `desktop`, with their member tables.
void RegisterSkinControls(Registry& registry, platform::Desktop& desktop);

}  // namespace qorvexctl
