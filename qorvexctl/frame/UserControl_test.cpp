#include "qorvexctl/frame/UserControl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Menu.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/CommandButton.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/TextBox.h"

namespace qorvexctl {
namespace {

using Log = std::vector<std::string>;
using platform::TextBox;

// A user control with two text boxes that logs its lifecycle hooks.
class PairControl : public UserControl {
 public:
  PairControl(LibraryState& library, platform::Desktop& desktop, Log& log)
      : UserControl(library, desktop), m_log(log) {
    first.SetBounds(platform::Rect::FromSize(0, 0, 50, 20));
    second.SetBounds(platform::Rect::FromSize(60, 0, 50, 20));
    for (TextBox* t : {&first, &second}) {
      t->GotFocus.connect([this, t] { m_log.push_back(t->Name() + " got"); });
      t->LostFocus.connect([this, t] { m_log.push_back(t->Name() + " lost"); });
    }
    first.Name("first");
    second.Name("second");
  }
  std::string_view ClassName() const override { return "PairControl"; }

  TextBox first{*this};
  TextBox second{*this};

 protected:
  void Show() override { m_log.push_back(Name() + " Show"); }
  void Hide() override { m_log.push_back(Name() + " Hide"); }
  void EnterFocus() override { m_log.push_back(Name() + " EnterFocus"); }
  void ExitFocus() override { m_log.push_back(Name() + " ExitFocus"); }
  void AmbientChanged(std::string_view name) override {
    m_log.push_back(Name() + " Ambient " + std::string(name));
  }

 private:
  Log& m_log;
};

struct UserControlFixture : ::testing::Test {
  platform::Desktop desktop;
  LibraryState library{desktop.Settings(), desktop.MessageBoxes()};
  platform::Form form{desktop, "Formulário"};
  Log log;
  PairControl one{library, desktop, log};
  PairControl two{library, desktop, log};
  TextBox& outside = form.Add<TextBox>("outside");

  UserControlFixture() {
    one.Name("one");
    two.Name("two");
    for (PairControl* p : {&one, &two}) p->SetParent(&form);
    one.TabIndex(0);
    two.TabIndex(1);
    outside.TabIndex(2);
    two.SetBounds(platform::Rect::FromSize(0, 30, 120, 20));
    outside.SetBounds(platform::Rect::FromSize(0, 60, 120, 20));
  }
};

TEST_F(UserControlFixture, ShowAndHideFollowTheForm) {
  form.Show();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[0], "one Show");
  EXPECT_EQ(log[1], "two Show");
  log.clear();
  form.Hide();
  EXPECT_NE(std::find(log.begin(), log.end(), "one Hide"), log.end());
  EXPECT_NE(std::find(log.begin(), log.end(), "two Hide"), log.end());
}

TEST_F(UserControlFixture, FocusMovesThroughConstituentsWithEnterAndExitFocus) {
  form.Show();
  EXPECT_EQ(desktop.Focus(), &one.first);
  log.clear();
  desktop.Input().SendKeys("{TAB}");  // inside the same control: no Exit/Enter
  EXPECT_EQ(log, (Log{"first lost", "second got"}));
  log.clear();
  desktop.Input().SendKeys("{TAB}");  // into the next control
  EXPECT_EQ(log, (Log{"second lost", "one ExitFocus", "two EnterFocus", "first got"}));
  log.clear();
  desktop.Input().Click(outside);
  EXPECT_EQ(log, (Log{"first lost", "two ExitFocus"}));
}

TEST_F(UserControlFixture, ExtenderGotFocusAndLostFocusFollowEnterAndExit) {
  int got = 0, lost = 0;
  one.GotFocus.connect([&] { ++got; });
  one.LostFocus.connect([&] { ++lost; });
  form.Show();
  desktop.Input().SendKeys("{TAB}{TAB}");
  EXPECT_EQ(got, 1);
  EXPECT_EQ(lost, 1);
}

TEST_F(UserControlFixture, AmbientPropertiesComeFromTheContainer) {
  form.BackColor(0x123456);
  EXPECT_EQ(one.Ambient().BackColor, 0x123456u);
  EXPECT_EQ(one.Ambient().DisplayName, "one");
  EXPECT_TRUE(one.Ambient().UserMode);
  EXPECT_NE(std::find(log.begin(), log.end(), "one Ambient BackColor"), log.end());
  EXPECT_FALSE(one.Ambient().DisplayAsDefault);
  form.SetDefaultButton(&one);
  EXPECT_TRUE(one.Ambient().DisplayAsDefault);
  EXPECT_EQ(log.back(), "one Ambient DisplayAsDefault");
}

TEST_F(UserControlFixture, ControlWithoutFocusableConstituentsTakesTheFocusItself) {
  one.first.Enabled(false);
  one.second.Visible(false);
  EXPECT_TRUE(one.CanTakeFocus());
  form.Show();
  EXPECT_EQ(desktop.Focus(), &one);
  EXPECT_EQ(log.back(), "one EnterFocus");
}

TEST_F(UserControlFixture, FormControlsListsUserControlsButNotTheirInnerParts) {
  const auto controls = form.Controls();
  EXPECT_EQ(controls.size(), 3u);
  EXPECT_EQ(form.FindControl("two"), &two);
  EXPECT_EQ(form.FindControl("first"), nullptr);
}

TEST_F(UserControlFixture, PopupMenuStandsAtAPointInTheControlsScaleUnits) {
  form.Show();
  one.Drawing().ScaleMode(platform::vbPixels);
  platform::Menu menu("mnuContext");
  platform::Menu& copy = menu.Add("mnuCopy", "&Copiar");
  platform::Rect shown;
  desktop.Scripts().OnPopupMenu([&](platform::Menu&) {
    shown = desktop.ModalWindow()->ScreenBounds();
    return &copy;
  });
  EXPECT_EQ(one.PopupMenu(menu, platform::vbPopupMenuLeftAlign, 12.0, 4.0), &copy);
  const platform::Point at = one.ClientToScreen({12, 4});
  EXPECT_EQ(shown.left, at.x);
  EXPECT_EQ(shown.top, at.y);
}

}  // namespace
}  // namespace qorvexctl
