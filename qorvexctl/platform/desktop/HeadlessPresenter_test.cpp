#include "qorvexctl/platform/desktop/HeadlessPresenter.h"

#include <gtest/gtest.h>

#include "qorvexctl/platform/desktop/Compositor.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/UserInput.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Label.h"
#include "qorvexctl/platform/widgets/TextBox.h"
#include "testsupport/SurfaceCompare.h"

namespace qorvexctl::platform {
namespace {

// The presenter's frame, composed again only where something changed, must be exactly the
// desktop composed whole, whatever changed in between.
TEST(HeadlessPresenter, FrameComposedInPartsEqualsTheWholeDesktop) {
  Desktop desktop;
  Form form(desktop, "Rendimentos");
  form.SetBounds(Rect::FromSize(30, 20, 300, 200));
  auto& box = form.Add<TextBox>("txtValor");
  box.SetBounds(Rect::FromSize(10, 10, 150, 22));
  auto& label = form.Add<Label>("lblValor", nullptr, "Valor");
  label.SetBounds(Rect::FromSize(10, 50, 80, 20));
  form.Show();
  box.SetFocus();
  HeadlessPresenter presenter;
  presenter.Frame(desktop);

  const auto matchesWhole = [&](const char* step) {
    const auto result =
        testsupport::CompareSurfaces(presenter.Frame(desktop), ComposeDesktop(desktop), 0);
    EXPECT_TRUE(result) << step << ": " << result.message;
  };
  desktop.Input().Type("1.234");
  matchesWhole("typed");
  label.Move(PixelsToTwips(120), PixelsToTwips(60));
  matchesWhole("label moved");
  label.Caption("Montante");
  label.Refresh();
  matchesWhole("label refreshed");
  form.Move(PixelsToTwips(200), PixelsToTwips(100));
  matchesWhole("form moved");
  box.Visible(false);
  matchesWhole("box hidden");
}

}  // namespace
}  // namespace qorvexctl::platform
