#pragma once
// Window handles, messages and the numbers that go with them: message identifiers, key codes,
// shift and mouse-button masks. The values are the classic desktop's, because controls post
// messages to each other by number (a key-down of 256 posted to a container, for instance).

#include <cstdint>

namespace qorvexctl::platform {

using HWND = std::uint32_t;  // 0 is no window
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

struct Message {
  HWND hwnd{0};
  std::uint32_t msg{0};
  WPARAM wParam{0};
  LPARAM lParam{0};
};

// Message identifiers.
enum : std::uint32_t {
  WM_NULL = 0x0000,
  WM_SIZE = 0x0005,
  WM_SETFOCUS = 0x0007,
  WM_KILLFOCUS = 0x0008,
  WM_PAINT = 0x000F,
  WM_CLOSE = 0x0010,
  WM_KEYDOWN = 0x0100,
  WM_KEYUP = 0x0101,
  WM_CHAR = 0x0102,
  WM_SYSKEYDOWN = 0x0104,
  WM_SYSKEYUP = 0x0105,
  WM_TIMER = 0x0113,
  WM_MOUSEMOVE = 0x0200,
  WM_LBUTTONDOWN = 0x0201,
  WM_LBUTTONUP = 0x0202,
  WM_LBUTTONDBLCLK = 0x0203,
  WM_RBUTTONDOWN = 0x0204,
  WM_RBUTTONUP = 0x0205,
  WM_RBUTTONDBLCLK = 0x0206,
  WM_MBUTTONDOWN = 0x0207,
  WM_MBUTTONUP = 0x0208,
  WM_MBUTTONDBLCLK = 0x0209,
  WM_MOUSEWHEEL = 0x020A,
  WM_USER = 0x0400,
};

// WM_SIZE wParam: how the window's size changed.
enum SizeKind : int { SIZE_RESTORED = 0, SIZE_MINIMIZED = 1 };

// Shift state as controls receive it: a sum of these.
enum ShiftMask : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

// Mouse buttons as controls receive them: a sum of these.
enum MouseButton : int { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };

// Key codes (virtual keys). Letters and digits are their upper-case ASCII codes.
enum KeyCode : int {
  vbKeyBack = 8,
  vbKeyTab = 9,
  vbKeyReturn = 13,
  vbKeyShift = 16,
  vbKeyControl = 17,
  vbKeyMenu = 18,
  vbKeyCapital = 20,
  vbKeyEscape = 27,
  vbKeySpace = 32,
  vbKeyPageUp = 33,
  vbKeyPageDown = 34,
  vbKeyEnd = 35,
  vbKeyHome = 36,
  vbKeyLeft = 37,
  vbKeyUp = 38,
  vbKeyRight = 39,
  vbKeyDown = 40,
  vbKeySnapshot = 44,
  vbKeyInsert = 45,
  vbKeyDelete = 46,
  vbKey0 = 48,
  vbKeyA = 65,
  vbKeyC = 67,
  vbKeyV = 86,
  vbKeyX = 88,
  vbKeyZ = 90,
  vbKeyNumpad0 = 96,
  vbKeyMultiply = 106,
  vbKeyAdd = 107,
  vbKeySubtract = 109,
  vbKeyDecimal = 110,
  vbKeyDivide = 111,
  vbKeyF1 = 112,
  vbKeyF4 = 115,
  vbKeyF10 = 121,
  vbKeyNumlock = 144,
};

// The key-down lParam of a key: repeat count 1 and the key's scan code in bits 16..23.
LPARAM KeyMessageLParam(int keyCode);

// Mouse message lParam: x in the low word, y in the high word (signed 16 bits each).
constexpr LPARAM MakePointLParam(int x, int y) {
  return static_cast<LPARAM>((static_cast<std::uint32_t>(static_cast<std::uint16_t>(x))) |
                             (static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16));
}
constexpr int PointLParamX(LPARAM l) { return static_cast<std::int16_t>(l & 0xFFFF); }
constexpr int PointLParamY(LPARAM l) { return static_cast<std::int16_t>((l >> 16) & 0xFFFF); }

// Mouse-wheel wParam: the buttons held in the low word, the signed distance in the high word
// (120 per notch, positive away from the user).
constexpr int kWheelDelta = 120;
constexpr WPARAM MakeWheelWParam(int delta, int buttons) {
  return (static_cast<WPARAM>(static_cast<std::uint16_t>(delta)) << 16) |
         static_cast<std::uint16_t>(buttons);
}
constexpr int WheelDeltaOf(WPARAM w) { return static_cast<std::int16_t>((w >> 16) & 0xFFFF); }

}  // namespace qorvexctl::platform
