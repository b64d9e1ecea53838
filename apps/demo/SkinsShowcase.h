#pragma once
// The demo's skinned page: a skinned header (skGrowth) with a go-button, step badges, a menu of
// skinned entries, a framed box and a slideshow of three pictures the demo draws in picture
// boxes, each fading into the next. The skin is the default one in data/skins/default/
// (drawn by scripts/make_default_skin.py), found through the application's root folder.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "DemoControls.h"
#include "qorvexctl/controls/skins/skAlphaPic.h"
#include "qorvexctl/controls/skins/skGoButton.h"
#include "qorvexctl/controls/skins/skNumber.h"
#include "qorvexctl/controls/skins/skQuadro.h"
#include "qorvexctl/controls/skins/skSubMenu.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/frame/UserControl.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/PictureBox.h"

namespace qorvexctl::demo {

// The default skin's folder (data/skins/default/), with its final slash.
std::string DefaultSkinFolder(LibraryState& library);
// A go-button with the default skin's three pictures.
skGoButton& AddGoButton(platform::Form& form, LibraryState& library, const std::string& name,
                        platform::Rect bounds, const std::string& tooltip,
                        platform::Window* container = nullptr);
// A menu entry with the default skin's rounded ends and arrow.
skSubMenu& AddMenuEntry(platform::Form& form, LibraryState& library, const std::string& name,
                        const std::string& caption, platform::Rect bounds,
                        platform::Window* container = nullptr);
// A box framed by the default skin's orange top.
skQuadro& AddFramedBox(platform::Form& form, LibraryState& library, const std::string& name,
                       platform::Rect bounds, platform::Window* container = nullptr);
// The slideshow of the demo's three drawn pictures, fading every four seconds, starting on the
// first; the pictures are hidden picture boxes of the form.
skAlphaPic& AddSlideshow(platform::Form& form, LibraryState& library, const std::string& name,
                         platform::Rect bounds, platform::Window* container = nullptr);

class SkinsShowcase {
 public:
  SkinsShowcase(platform::Desktop& desktop, LibraryState& library);

  platform::Form& Window() { return m_form; }
  skAlphaPic& Slideshow() { return *m_show; }
  skGoButton& GoButton() { return *m_go; }

 private:
  void AddHeader();
  void AddMenu();

  LibraryState& m_library;
  platform::Form m_form;
  skAlphaPic* m_show{nullptr};
  skGoButton* m_go{nullptr};
};

// Writes skins_showcase.png, skins_fade_half.png (half-way through a fade) and
// skins_hover.png (the go-button and a menu entry under the pointer) into `folder`.
bool WriteSkinsScreenshots(const std::filesystem::path& folder);

}  // namespace qorvexctl::demo
