#pragma once
// The selection dialog's window: a title and a subtitle, one picture button per item laid out in
// a grid (btnSelector, a control array), the OK and cancel buttons (btn_Handle(0) and (1)), a
// list view and a hidden picture box on which item pictures are drawn before a button takes
// them. The form reports every user action to the selection object that opened it and hides
// itself once that object asks it to close; clsGFXSelection fills, shows and unloads it.
//
// While its Tag is "DISABLE_EVENTS" (the opening animation) the form neither lays its buttons
// out nor reports a resize.

#include <memory>
#include <string>
#include <vector>

#include "qorvexctl/base/Variant.h"
#include "qorvexctl/controls/button/cButton.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Label.h"
#include "qorvexctl/platform/widgets/ListView.h"
#include "qorvexctl/platform/widgets/PictureBox.h"

namespace qorvexctl {

// What the form reports to: the selection object that opened it.
class SelectorOwner {
 public:
  virtual ~SelectorOwner() = default;
  // A user action: `evt` names it ("OK", "CANCEL", "Click", "DoubleClick", "KeyDown",
  // "Resize"), `ctl` is the control concerned and `val` its value (Empty when there is none).
  virtual void NotifyFromForm(platform::Window* ctl, const Variant& evt, const Variant& val) = 0;
};

// The form's Tag while reports and layout are switched off.
inline constexpr char kDisableEventsTag[] = "DISABLE_EVENTS";

class frmSelector : public platform::Form {
 public:
  frmSelector(LibraryState& library, platform::Desktop& desktop);
  ~frmSelector() override;
  std::string TypeName() const override { return "frmSelector"; }

  // The selection object the form reports to (not owned); nullptr reports nothing.
  void Owner(SelectorOwner* owner) { m_owner = owner; }
  // Set by the owner when the user's OK or cancel may close the form.
  bool CloseRequest() const { return m_closeRequest; }
  void CloseRequest(bool value) { m_closeRequest = value; }

  // Lays out the labels, the OK and cancel buttons and the item buttons' grid.
  void ReArrange();

  // The item buttons: member 0 exists from the start, the owner loads the others.
  cButton& btnSelector(int index) { return *m_selectors.at(static_cast<std::size_t>(index)); }
  int btnSelectorUBound() const { return static_cast<int>(m_selectors.size()) - 1; }
  // Loads the next member, hidden, with the properties of member 0.
  cButton& LoadSelectorButton();
  // 0 accepts, 1 cancels.
  cButton& btn_Handle(int index) { return index == 0 ? m_ok : m_cancel; }
  platform::Label& lblTITLE() { return m_title; }
  platform::Label& lblSUBTITLE() { return m_subtitle; }
  platform::ListView& lv() { return m_list; }
  platform::PictureBox& tmpPic() { return m_scratch; }

 private:
  cButton& MakeButton(const std::string& name, int index);
  void ReportTo(platform::Window& control, const char* event, const Variant& value = {});
  void WatchSelector(cButton& button);
  void HandleClicked(int index);
  void OnResized();
  void OnQueryUnload(bool& cancel, int mode);
  void PlaceLabels(double width);
  void PlaceHandles(double width, double height);

  LibraryState& m_library;
  platform::Desktop& m_desktop;
  SelectorOwner* m_owner{nullptr};
  bool m_closeRequest{false};
  platform::Label& m_title;
  platform::Label& m_subtitle;
  platform::ListView& m_list;
  platform::PictureBox& m_scratch;
  std::vector<cButton*> m_selectors;
  cButton& m_ok;
  cButton& m_cancel;
};

}  // namespace qorvexctl
