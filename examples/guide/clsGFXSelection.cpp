// The selection dialog asking for one annex; on a headless desktop nobody answers, so the
// dialog closes as cancelled.

#include <cstdio>
#include <vector>

#include "qorvexctl/controls/selection/clsGFXSelection.h"
#include "qorvexctl/frame/LibraryState.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/Form.h"

using namespace qorvexctl;

int main() {
  platform::Desktop desktop;
  LibraryState library(desktop.Settings(), desktop.MessageBoxes());
  clsGFXSelection selection(library, desktop);
  GFXSelection dialog;
  dialog.Title = "Que anexo quer abrir?";
  std::vector<GFXItem> items(2);
  items[0].Title = "Anexo A";
  items[0].Value = "A";
  items[1].Title = "Anexo H";
  items[1].Value = "H";
  const GFXResult result = selection.SelectFrom(dialog, items);
  std::printf("accepted=%d\n", result.Accepted);  // 0: cancelled
  return result.Accepted ? 1 : 0;
}
