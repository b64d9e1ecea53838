#pragma once
// The demo's platform showcase: a small form with the toolkit's own controls as a host sees
// them: labels, a one-line and a multi-line text box, a check box, buttons, a scroll bar, a list
// view of countries with their flags sorted by a column, and a popup menu on a right click of
// the form. It is shown in the window presenter or written as screenshots.

#include <filesystem>

#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Menu.h"
#include "qorvexctl/platform/widgets/CheckBox.h"
#include "qorvexctl/platform/widgets/CommandButton.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/ImageList.h"
#include "qorvexctl/platform/widgets/Label.h"
#include "qorvexctl/platform/widgets/ListView.h"
#include "qorvexctl/platform/widgets/ScrollBar.h"
#include "qorvexctl/platform/widgets/TextBox.h"

namespace qorvexctl::demo {

class PlatformShowcase {
 public:
  // The flags come from the library's flag strip.
  PlatformShowcase(platform::Desktop& desktop, LibraryState& library);

  platform::Form& Window() { return m_form; }
  platform::TextBox& Name() { return *m_name; }
  platform::TextBox& Notes() { return *m_notes; }
  platform::ListView& Countries() { return *m_countries; }
  platform::ScrollBar& FontSize() { return *m_fontSize; }
  // What a right click on the form opens: copy and clear the notes, a checked item.
  platform::Menu& Popup() { return m_popup; }

 private:
  void AddLabel(const char* name, const char* caption, platform::Rect bounds);
  void BuildPopup();
  void BuildCountryList(LibraryState& library);
  void BuildFontSizeBar();

  platform::Form m_form;
  platform::TextBox* m_name{nullptr};
  platform::TextBox* m_notes{nullptr};
  platform::CheckBox* m_joint{nullptr};
  platform::Menu m_popup{"mnuNotas"};
  platform::ImageList m_flags;
  platform::ListView* m_countries{nullptr};
  platform::ScrollBar* m_fontSize{nullptr};
  platform::Label* m_fontSizeCaption{nullptr};
};

// Shows the showcase on a headless desktop and writes platform_showcase.png and, with its
// popup menu open, platform_showcase_menu.png into `folder`.
bool WritePlatformShowcaseScreenshots(const std::filesystem::path& folder);

}  // namespace qorvexctl::demo
