// Popup menu looks: item layout, the raised frame, check marks, submenu arrows and captions.

#include "qorvexctl/platform/MenuPainter.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "qorvexctl/platform/Borders.h"
#include "qorvexctl/platform/Canvas.h"
#include "qorvexctl/platform/Mnemonic.h"
#include "qorvexctl/platform/SystemColours.h"
#include "qorvexctl/platform/TextLayout.h"

namespace qorvexctl::platform {
namespace {

constexpr int kFrame = 3;          // raised edge and one pixel of menu face inside it
constexpr int kItemPadding = 4;    // added to the font's line height
constexpr int kSeparatorHeight = 9;
constexpr int kCheckColumn = 18;   // left of the caption: the check mark
constexpr int kArrowColumn = 20;   // right of the caption: the submenu arrow
constexpr int kMinTextWidth = 40;

// The classic check mark, 7 x 7 pixels.
constexpr std::array<std::string_view, 7> kCheckMark = {
    "......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#....",
};

Font ItemFont(const Font& font, bool isDefault) {
  Font f = font;
  if (isDefault) f.Bold(true);
  return f;
}

int ItemHeight(const MenuItemLook& item, const Font& font) {
  return item.separator ? kSeparatorHeight : font.Height() + kItemPadding;
}

void PaintCheckMark(Canvas& canvas, const Rect& item, Colour colour) {
  const int left = item.left + (kCheckColumn - 7) / 2;
  const int top = item.top + (item.Height() - 7) / 2;
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 7; ++x) {
      if (kCheckMark[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#') {
        canvas.SetPixel(left + x, top + y, colour);
      }
    }
  }
}

// A small right-pointing triangle, 4 pixels wide and 7 high.
void PaintSubmenuArrow(Canvas& canvas, const Rect& item, Colour colour) {
  const int left = item.right - kArrowColumn / 2 - 2;
  const int middle = item.top + item.Height() / 2;
  for (int i = 0; i < 4; ++i) {
    canvas.FillRect({left + i, middle - 3 + i, left + i + 1, middle + 4 - i}, colour);
  }
}

void PaintSeparator(Canvas& canvas, const Rect& item) {
  const int y = item.top + item.Height() / 2 - 1;
  canvas.FillRect({item.left + 1, y, item.right - 1, y + 1}, SystemColour(COLOR_BTNSHADOW));
  canvas.FillRect({item.left + 1, y + 1, item.right - 1, y + 2}, SystemColour(COLOR_BTNHIGHLIGHT));
}

void PaintCaption(Canvas& canvas, const Rect& item, const MenuItemLook& look, Colour colour) {
  Rect text{item.left + kCheckColumn, item.top, item.right - kArrowColumn, item.bottom};
  canvas.SetTextColour(colour);
  canvas.DrawText(look.caption, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

void PaintItem(Canvas& canvas, const Rect& item, const MenuItemLook& look, const Font& font) {
  if (look.separator) {
    PaintSeparator(canvas, item);
    return;
  }
  canvas.SelectFont(ItemFont(font, look.isDefault));
  Colour text = SystemColour(COLOR_MENUTEXT);
  if (look.hot) {
    canvas.FillRect(item, SystemColour(COLOR_HIGHLIGHT));
    text = SystemColour(COLOR_HIGHLIGHTTEXT);
  } else if (!look.enabled) {
    // Greyed the classic way: a highlight copy one pixel down and right under the grey text.
    PaintCaption(canvas, item.Offset(1, 1), look, SystemColour(COLOR_BTNHIGHLIGHT));
    text = SystemColour(COLOR_GRAYTEXT);
  }
  PaintCaption(canvas, item, look, text);
  if (look.checked) PaintCheckMark(canvas, item, text);
  if (look.hasSubmenu) PaintSubmenuArrow(canvas, item, text);
}

}  // namespace

MenuLayout LayOutMenu(const std::vector<MenuItemLook>& items, const Font& font) {
  int textWidth = kMinTextWidth;
  for (const MenuItemLook& item : items) {
    if (item.separator) continue;
    textWidth = std::max(textWidth, ItemFont(font, item.isDefault).TextWidth(
                                        StripMnemonic(item.caption)));
  }
  MenuLayout layout;
  const int width = kCheckColumn + textWidth + kArrowColumn;
  int y = kFrame;
  for (const MenuItemLook& item : items) {
    const int height = ItemHeight(item, font);
    layout.items.push_back(Rect::FromSize(kFrame, y, width, height));
    y += height;
  }
  layout.size = {width + 2 * kFrame, y + kFrame};
  return layout;
}

void PaintMenu(Canvas& canvas, const MenuLayout& layout, const std::vector<MenuItemLook>& items,
               const Font& font) {
  const Rect all{0, 0, layout.size.width, layout.size.height};
  canvas.FillRect(all, SystemColour(COLOR_MENU));
  DrawRaisedEdge(canvas, all);
  canvas.SetBackgroundMode(BackgroundMode::Transparent);
  const std::size_t count = std::min(items.size(), layout.items.size());
  for (std::size_t i = 0; i < count; ++i) PaintItem(canvas, layout.items[i], items[i], font);
}

}  // namespace qorvexctl::platform
