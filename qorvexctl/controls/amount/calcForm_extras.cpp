// The calculator's extras: copying and pasting the display, copying the tape, and the
// display's double-click animation.

#include "qorvexctl/base/Text.h"
#include "qorvexctl/controls/amount/calcForm.h"
#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl {
namespace {

// Dash, backslash, bar, slash twice over, then dash, star, space, star, space, star.
constexpr std::string_view kAnimation = "-\\|/-\\|/-* * *";
constexpr int kAnimationRepeats = 10;
constexpr std::int64_t kAnimationStepMs = 250;

}  // namespace

void calcForm::DisplayMenu() {
  platform::Clipboard& clipboard = GetDesktop().GetClipboard();
  const std::string offered = Trim(Replace(clipboard.GetText(), "€", ""));
  m_displayMenu.Remove("mnuCopy");
  m_displayMenu.Remove("mnuPaste");
  m_displayMenu.Add("mnuCopy", "Copiar");
  if (SystemLocale().IsNumeric(offered)) m_displayMenu.Add("mnuPaste", "Colar");
  platform::Menu* chosen = PopupMenu(m_displayMenu);
  if (!chosen) return;
  if (chosen->Name() == "mnuCopy") {
    clipboard.Clear();
    clipboard.SetText(Display.Caption());
  } else {
    ShowDisplay(offered);
  }
}

void calcForm::TapeMenu() {
  if (m_tape.Empty()) return;
  m_tapeMenu.Remove("mnuCopyTape");
  m_tapeMenu.Add("mnuCopyTape", "Copiar lista de cálculos");
  if (!PopupMenu(m_tapeMenu)) return;
  platform::Clipboard& clipboard = GetDesktop().GetClipboard();
  clipboard.Clear();
  clipboard.SetText(TapeAsText());
}

std::string calcForm::TapeAsText() const {
  std::string text;
  for (const platform::ListItem* item : cList.Items()) {
    if (!text.empty()) text += "\r\n";
    text += item->ColumnText(0) + "\t" + item->ColumnText(1) + "\t" + item->ColumnText(2);
  }
  return text;
}

void calcForm::Animate() {
  const std::string shown = Display.Caption();
  for (int repeat = 0; repeat < kAnimationRepeats; ++repeat) {
    for (const char c : kAnimation) {
      Display.Caption(std::string(1, c));
      GetDesktop().Wait(kAnimationStepMs);
    }
  }
  Display.Caption(shown);
}

}  // namespace qorvexctl
