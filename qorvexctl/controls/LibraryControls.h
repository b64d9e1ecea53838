#pragma once
// The registration list of the library's controls and classes: each registers its factory
// ("QORVEXCTL.<name>") and its member table with the registry. A host that creates controls
// by name, and `qorvexctl play`, call this once.

namespace qorvexctl {

namespace platform {
class Desktop;
}

class Registry;

void RegisterLibraryControls(Registry& registry, platform::Desktop& desktop);

}  // namespace qorvexctl
