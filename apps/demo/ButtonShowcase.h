#pragma once
// The demo's button panel: cButton in each of its eight looks, in round, slanted and
// picture-shaped forms, with a gradient and a two-line caption, a group of check buttons and
// a group of option buttons in a frame. Shown in the window presenter or written as
// screenshots.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "qorvexctl/controls/button/cButton.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Frame.h"

namespace qorvexctl::demo {

class ButtonShowcase {
 public:
  ButtonShowcase(platform::Desktop& desktop, LibraryState& library);

  platform::Form& Window() { return m_form; }
  // The button of that name, or nullptr.
  cButton* Button(const std::string& name) const;

 private:
  cButton& AddButton(const std::string& name, const std::string& caption, platform::Rect bounds,
                     platform::Window* container = nullptr);
  void AddLooks();
  void AddShapes();
  void AddGroups();

  LibraryState& m_library;
  platform::Form m_form;
  platform::Frame* m_options{nullptr};
  std::vector<cButton*> m_buttons;
};

// A cButton on `container` (the form itself by default), kept by the form under `name`.
cButton& AddButton(platform::Form& form, LibraryState& library, const std::string& name,
                   const std::string& caption, platform::Rect bounds,
                   platform::Window* container = nullptr);

// Shows the panel on a headless desktop and writes button_showcase.png and, with the pointer
// over the XP button, button_showcase_hover.png into `folder`.
bool WriteButtonShowcaseScreenshots(const std::filesystem::path& folder);

}  // namespace qorvexctl::demo
