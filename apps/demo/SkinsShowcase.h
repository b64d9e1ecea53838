#pragma once
// The demo's skinned page: a skinned header (skGrowth) with a go-button, step badges, a menu of
// skinned entries, a framed box and a slideshow of three pictures the demo draws in picture
// boxes, each fading into the next. The skin is the default one in data/skins/default/
// (drawn by scripts/make_default_skin.py), found through the application's root folder.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "qorvexctl/controls/skins/skAlphaPic.h"
#include "qorvexctl/controls/skins/skGoButton.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/frame/UserControl.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/PictureBox.h"

namespace qorvexctl::demo {

class SkinsShowcase {
 public:
  SkinsShowcase(platform::Desktop& desktop, LibraryState& library);

  platform::Form& Window() { return m_form; }
  skAlphaPic& Slideshow() { return *m_show; }
  skGoButton& GoButton() { return *m_go; }

 private:
  template <class T>
  T& Add(const std::string& name, platform::Rect bounds);
  void AddHeader();
  void AddMenu();
  void AddSlideshow();
  platform::PictureBox& AddPicture(int index);

  platform::Desktop& m_desktop;
  LibraryState& m_library;
  platform::Form m_form;
  std::string m_skin;  // the default skin's folder
  skAlphaPic* m_show{nullptr};
  skGoButton* m_go{nullptr};
};

// Writes skins_showcase.png, skins_fade_half.png (half-way through a fade) and
// skins_hover.png (the go-button and a menu entry under the pointer) into `folder`.
bool WriteSkinsScreenshots(const std::filesystem::path& folder);

}  // namespace qorvexctl::demo
