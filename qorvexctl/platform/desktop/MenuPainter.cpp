// Popup menu looks: item layout, the raised frame, check marks, submenu arrows and captions.

#include "qorvexctl/platform/desktop/MenuPainter.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "qorvexctl/platform/desktop/Mnemonic.h"
#include "qorvexctl/platform/drawing/Borders.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/drawing/SystemColours.h"
#include "qorvexctl/platform/drawing/TextLayout.h"

namespace qorvexctl::platform {
namespace {

constexpr int kFrame = 3;        // raised edge and one pixel of menu face inside it
constexpr int kItemPadding = 4;  // added to the font's line height
constexpr int kSeparatorHeight = 9;
constexpr int kCheckColumn = 18;  // left of the caption: the check mark
constexpr int kArrowColumn = 20;  // right of the caption: the submenu arrow
constexpr int kMinTextWidth = 40;
constexpr int kBarPadding = 7;  // left and right of a caption in the menu bar
constexpr int kBarExtra = 6;    // added to the font's line height for the bar

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

// Draws the caption in `text` (the caption's box) and returns the colour it used. Disabled
// captions are greyed the classic way: a highlight copy one pixel down and right under grey.
Colour PaintCaption(Canvas& canvas, const Rect& text, const MenuItemLook& look, Colour colour,
                    unsigned align) {
  const unsigned format = align | DT_VCENTER | DT_SINGLELINE;
  if (!look.enabled && !look.hot) {
    Rect shadow = text.Offset(1, 1);
    canvas.SetTextColour(SystemColour(COLOR_BTNHIGHLIGHT));
    canvas.DrawText(look.caption, shadow, format);
    colour = SystemColour(COLOR_GRAYTEXT);
  }
  Rect box = text;
  canvas.SetTextColour(colour);
  canvas.DrawText(look.caption, box, format);
  return colour;
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
  }
  const Rect box{item.left + kCheckColumn, item.top, item.right - kArrowColumn, item.bottom};
  text = PaintCaption(canvas, box, look, text, DT_LEFT);
  if (look.checked) PaintCheckMark(canvas, item, text);
  if (look.hasSubmenu) PaintSubmenuArrow(canvas, item, text);
}

}  // namespace

MenuLayout LayOutMenu(const std::vector<MenuItemLook>& items, const Font& font) {
  int textWidth = kMinTextWidth;
  for (const MenuItemLook& item : items) {
    if (item.separator) continue;
    textWidth =
        std::max(textWidth, ItemFont(font, item.isDefault).TextWidth(StripMnemonic(item.caption)));
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

int MenuBarHeight(const Font& font) { return font.Height() + kBarExtra; }

std::vector<Rect> LayOutMenuBar(const std::vector<MenuItemLook>& items, const Font& font,
                                const Rect& bar) {
  std::vector<Rect> layout;
  int x = bar.left;
  for (const MenuItemLook& item : items) {
    const int width = font.TextWidth(StripMnemonic(item.caption)) + 2 * kBarPadding;
    layout.push_back({x, bar.top, x + width, bar.bottom});
    x += width;
  }
  return layout;
}

void PaintMenuBar(Canvas& canvas, const Rect& bar, const std::vector<Rect>& layout,
                  const std::vector<MenuItemLook>& items, const Font& font) {
  canvas.FillRect(bar, SystemColour(COLOR_MENU));
  canvas.SetBackgroundMode(BackgroundMode::Transparent);
  canvas.SelectFont(font);
  const std::size_t count = std::min(items.size(), layout.size());
  for (std::size_t i = 0; i < count; ++i) {
    Rect item = layout[i];
    if (items[i].hot) {
      // Pushed in: a thin sunken edge, the caption moved one pixel down and right.
      DrawThinSunkenEdge(canvas, item);
      item = item.Offset(1, 1);
    }
    MenuItemLook look = items[i];
    look.hot = false;
    PaintCaption(canvas, item, look, SystemColour(COLOR_MENUTEXT), DT_CENTER);
  }
}

}  // namespace qorvexctl::platform
