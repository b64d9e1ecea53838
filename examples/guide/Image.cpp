// An image control showing an icon of the data folder, stretched to its size.

#include <cstdio>
#include <memory>

#include "qorvexctl/imaging/PictureFormats.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Image.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  platform::Form form(desktop, "Moeda");
  auto& coin = form.Add<platform::Image>("imgMoeda");
  coin.Move(300, 300, 960, 960);
  coin.Stretch(true);
  auto picture = std::make_shared<platform::Picture>(
      PictureFormats().LoadFile("data/images/demo/coin.ico"));  // empty when unreadable
  coin.Picture(picture);
  form.Show();
  std::printf("picture: %d\n", !picture->IsEmpty());
  return picture->IsEmpty() ? 1 : 0;
}
