#include "qorvexctl/platform/desktop/Messages.h"

#include <string_view>

namespace qorvexctl::platform {
namespace {

// Scan codes of the US keyboard (set 1) for the key codes that have one.
int ScanCode(int keyCode) {
  constexpr std::string_view kRowQ = "QWERTYUIOP", kRowA = "ASDFGHJKL", kRowZ = "ZXCVBNM";
  for (auto [row, first] : {std::pair{kRowQ, 0x10}, {kRowA, 0x1E}, {kRowZ, 0x2C}}) {
    const auto i = row.find(static_cast<char>(keyCode));
    if (keyCode >= 'A' && keyCode <= 'Z' && i != std::string_view::npos) {
      return first + static_cast<int>(i);
    }
  }
  if (keyCode >= '1' && keyCode <= '9') return 0x02 + keyCode - '1';
  if (keyCode >= vbKeyF1 && keyCode <= vbKeyF10) return 0x3B + keyCode - vbKeyF1;
  switch (keyCode) {
    case '0':
      return 0x0B;
    case vbKeyEscape:
      return 0x01;
    case vbKeyBack:
      return 0x0E;
    case vbKeyTab:
      return 0x0F;
    case vbKeyReturn:
      return 0x1C;
    case vbKeyControl:
      return 0x1D;
    case vbKeyShift:
      return 0x2A;
    case vbKeyMenu:
      return 0x38;
    case vbKeySpace:
      return 0x39;
    case vbKeyHome:
      return 0x47;
    case vbKeyUp:
      return 0x48;
    case vbKeyPageUp:
      return 0x49;
    case vbKeyLeft:
      return 0x4B;
    case vbKeyRight:
      return 0x4D;
    case vbKeyEnd:
      return 0x4F;
    case vbKeyDown:
      return 0x50;
    case vbKeyPageDown:
      return 0x51;
    case vbKeyInsert:
      return 0x52;
    case vbKeyDelete:
      return 0x53;
    default:
      return 0;
  }
}

}  // namespace

LPARAM KeyMessageLParam(int keyCode) { return static_cast<LPARAM>(ScanCode(keyCode)) << 16 | 1; }

}  // namespace qorvexctl::platform
