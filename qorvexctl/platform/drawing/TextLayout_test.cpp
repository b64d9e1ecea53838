#include <gtest/gtest.h>

#include <climits>
#include <utility>

#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/drawing/Font.h"
#include "qorvexctl/platform/drawing/TextLayout.h"

namespace qorvexctl::platform {
namespace {

constexpr Colour kWhite = RGB(255, 255, 255);

struct Page {
  explicit Page(int w = 200, int h = 60, int bits = 32) : surface(w, h, bits), canvas(surface) {
    canvas.FillRect(surface.Bounds(), kWhite);
    canvas.SetBackgroundMode(BackgroundMode::Transparent);
    canvas.SelectFont(Font("Tahoma", 10));
  }
  // The smallest rectangle holding every pixel that is no longer white.
  Rect Ink() const {
    Rect ink{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < surface.Height(); ++y) {
      for (int x = 0; x < surface.Width(); ++x) {
        if (surface.PixelColour(x, y) == kWhite) continue;
        ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
               std::max(ink.bottom, y + 1)};
      }
    }
    return ink;
  }
  Surface surface;
  Canvas canvas;
};

TEST(Font, ClassicFacesMapToCloseDebianFaces) {
  EXPECT_EQ(Font::SubstituteFace("Arial"), "Liberation Sans");
  EXPECT_EQ(Font::SubstituteFace("TAHOMA"), "DejaVu Sans");
  EXPECT_EQ(Font::SubstituteFace("MS Sans Serif"), "DejaVu Sans");
  EXPECT_EQ(Font::SubstituteFace("Courier New"), "Liberation Mono");
  EXPECT_EQ(Font::SubstituteFace("DejaVu Serif"), "DejaVu Serif");
  EXPECT_EQ(Font().Face(), "MS Sans Serif");
}

TEST(Font, WingdingsDrawsItsArrowCharactersAsArrows) {
  const Font symbols("Wingdings", 10), text("DejaVu Sans", 10);
  const std::pair<const char*, const char*> arrows[] = {
      {"ç", "⬅"}, {"è", "➡"}, {"é", "⬆"}, {"ê", "⬇"}, {"aç", "a⬅"}};
  for (const auto& [character, arrow] : arrows) {
    SCOPED_TRACE(character);
    EXPECT_EQ(symbols.Rasterise(character).coverage, text.Rasterise(arrow).coverage);
    EXPECT_NE(symbols.Rasterise(character).coverage, text.Rasterise(character).coverage);
  }
  EXPECT_EQ(symbols.TextWidth("x"), text.TextWidth("x"));
}

TEST(Font, SizeAndStyleChangeMetrics) {
  const Font small("Arial", 8), large("Arial", 16), bold("Arial", 8, true);
  EXPECT_EQ(small.PixelSize(), 11);
  EXPECT_EQ(large.PixelSize(), 21);
  EXPECT_GT(large.Height(), small.Height());
  EXPECT_GT(large.TextWidth("Contribuinte"), small.TextWidth("Contribuinte"));
  EXPECT_GT(bold.TextWidth("Contribuinte"), small.TextWidth("Contribuinte"));
  EXPECT_NE(Font("Courier New", 8).TextWidth("iiii"), small.TextWidth("iiii"));
  EXPECT_EQ(small.TextWidth(""), 0);
  EXPECT_EQ(Font("Arial", -5).PixelSize(), 1);
}

TEST(Font, PortugueseTextIsMeasuredCharacterByCharacter) {
  const Font font("Tahoma", 8);
  // Every non-ASCII character has a width of its own: the text is wider than what is left
  // when those characters are dropped.
  EXPECT_GT(font.TextWidth("Declaração nº 1.ª — 1.234,56 €"),
            font.TextWidth("Declarao n 1. - 1.234,56 "));
  for (const char* c : {"º", "ª", "€", "ç", "ã", "É"}) EXPECT_GT(font.TextWidth(c), 0) << c;
  // Invalid bytes are shown as a replacement character, not dropped or crashed on.
  EXPECT_GT(font.TextWidth("\xFF\xFE"), 0);
}

TEST(Text, DrawingChangesPixelsOnlyInsideTheMeasuredRectangle) {
  Page page;
  Rect measured{20, 10, 20, 10};
  const char* text = "Número de identificação fiscal: €";
  const int height = page.canvas.DrawText(text, measured, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(height, page.canvas.CurrentFont().Height());
  EXPECT_EQ(page.Ink(), (Rect{INT_MAX, INT_MAX, INT_MIN, INT_MIN}));  // measuring draws nothing
  Rect box = measured;
  page.canvas.DrawText(text, box, DT_SINGLELINE | DT_NOCLIP);
  const Rect ink = page.Ink();
  EXPECT_FALSE(ink.IsEmpty());
  EXPECT_EQ(ink.Intersect(measured), ink)
      << ink.left << "," << ink.top << " " << ink.right << "," << ink.bottom;
}

TEST(Text, AlignmentPlacesTheLineInTheBox) {
  const Rect box{0, 0, 200, 60};
  Page left, centre, right;
  Rect r = box;
  left.canvas.DrawText("Valor", r, DT_SINGLELINE | DT_VCENTER);
  centre.canvas.DrawText("Valor", r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  right.canvas.DrawText("Valor", r, DT_SINGLELINE | DT_BOTTOM | DT_RIGHT);
  EXPECT_LE(left.Ink().left, 2);
  EXPECT_NEAR(centre.Ink().left + centre.Ink().right, 200, 4);
  EXPECT_NEAR(left.Ink().top + left.Ink().bottom, 60, 8);
  EXPECT_GE(right.Ink().right, 196);
  EXPECT_GE(right.Ink().bottom, 55);
}

TEST(Text, WordBreakWrapsAtSpacesAndCountsLines) {
  Page page;
  const int lineHeight = page.canvas.CurrentFont().Height();
  Rect narrow{0, 0, 100, 0};
  const int height =
      page.canvas.DrawText("Sujeito passivo A com deficiência", narrow, DT_WORDBREAK | DT_CALCRECT);
  EXPECT_GE(height, 3 * lineHeight);  // "Sujeito passivo" "A com" "deficiência"
  EXPECT_EQ(narrow.bottom, height);
  EXPECT_LE(narrow.right, 100);
  Rect two{0, 0, 200, 0};
  EXPECT_EQ(page.canvas.DrawText("Primeira\r\nSegunda", two, DT_CALCRECT), 2 * lineHeight);
  EXPECT_EQ(page.canvas.DrawText("Primeira\r\nSegunda", two, DT_CALCRECT | DT_SINGLELINE),
            lineHeight);
  EXPECT_EQ(page.canvas.TextHeight("a\nb\nc"), 3 * lineHeight);
  EXPECT_EQ(page.canvas.TextWidth("ab\nabcdef"), page.canvas.TextWidth("abcdef"));
}

TEST(Text, EllipsisKeepsTheLineInsideTheBox) {
  const Font font("Arial", 10);
  const auto lines =
      LayOutText("Rendimentos da categoria B", DT_SINGLELINE | DT_END_ELLIPSIS, 80, font);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_LE(lines[0].width, 80);
  EXPECT_EQ(lines[0].text.substr(lines[0].text.size() - 3), "...");
  const auto fits = LayOutText("Curto", DT_SINGLELINE | DT_END_ELLIPSIS, 80, font);
  EXPECT_EQ(fits[0].text, "Curto");
}

TEST(Text, AmpersandMarksTheAccessKey) {
  const Font font("Tahoma", 8);
  const auto lines = LayOutText("&Ficheiro && Ajuda", DT_SINGLELINE, 500, font);
  EXPECT_EQ(lines[0].text, "Ficheiro & Ajuda");
  EXPECT_EQ(lines[0].underlineStart, 0);
  EXPECT_EQ(LayOutText("&Ficheiro", DT_NOPREFIX, 500, font)[0].text, "&Ficheiro");
  const auto accented = LayOutText("Op&ção", 0, 500, font);
  EXPECT_EQ(accented[0].underlineStart, 2);
  EXPECT_EQ(accented[0].underlineLength, 2);  // "ç" is two bytes
  Page page;
  Rect box{10, 10, 190, 50};
  page.canvas.DrawText("&Ficheiro", box, DT_SINGLELINE);
  EXPECT_GE(page.Ink().bottom, 10 + page.canvas.CurrentFont().Ascent() + 2);
}

TEST(Text, ExpandedTabsAdvanceToStopsEveryEightAverageCharacters) {
  const Font font("Tahoma", 10);
  const int stop = 8 * font.AverageCharWidth();
  EXPECT_GT(font.AverageCharWidth(), 3);
  const auto width = [&font](std::string_view text, unsigned format) {
    return LayOutText(text, format | DT_SINGLELINE, 1000, font).at(0).width;
  };
  EXPECT_EQ(width("a\tb", DT_EXPANDTABS), stop + font.TextWidth("b"));
  EXPECT_EQ(width("a\tb", 0), font.TextWidth("ab"));  // unexpanded tabs take no room
  EXPECT_EQ(width("x\tb", DT_EXPANDTABS), width("xxxx\tb", DT_EXPANDTABS));
  EXPECT_EQ(width("\t\tb", DT_EXPANDTABS), 2 * stop + font.TextWidth("b"));
  // DT_TABSTOP: the tab size sits in bits 8..15, where 4 << 8 would otherwise be DT_CALCRECT.
  const unsigned four = DT_EXPANDTABS | DT_TABSTOP | (4u << 8);
  EXPECT_EQ(width("a\tb", four), 4 * font.AverageCharWidth() + font.TextWidth("b"));

  Page page;
  Rect box{0, 0, 200, 60};
  EXPECT_GT(page.canvas.DrawText("\tX", box, four | DT_SINGLELINE), 0);
  EXPECT_EQ(box, (Rect{0, 0, 200, 60}));  // drawn, not measured
  const Rect ink = page.Ink();
  EXPECT_GE(ink.left, 4 * font.AverageCharWidth() - 1);
  EXPECT_LE(ink.right, 4 * font.AverageCharWidth() + font.TextWidth("X") + 2);
}

TEST(Text, OpaqueBackgroundFillsTheLineBox) {
  Page page;
  page.canvas.SetBackgroundMode(BackgroundMode::Opaque);
  page.canvas.SetBackgroundColour(RGB(0, 0, 255));
  page.canvas.TextOut(5, 5, "IRS");
  EXPECT_EQ(page.surface.PixelColour(5, 5), RGB(0, 0, 255));
  EXPECT_EQ(page.surface.PixelColour(5 + page.canvas.TextWidth("IRS"), 5), kWhite);
}

TEST(Text, DrawsOnEveryDepthAndClipsToTheRegion) {
  for (int bits : {1, 4, 8, 24, 32}) {
    Page page(120, 30, bits);
    page.canvas.SetClipRegion(Region::FromRect({0, 0, 30, 30}));
    Rect box{0, 0, 120, 30};
    page.canvas.DrawText("WWWWWWWWWWWW", box, DT_SINGLELINE);
    const Rect ink = page.Ink();
    EXPECT_FALSE(ink.IsEmpty()) << bits;
    EXPECT_LE(ink.right, 30) << bits;
  }
}

TEST(Text, HugeOrEmptyBoxesDoNotCrash) {
  Page page;
  Rect huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
  page.canvas.DrawText("Texto", huge, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  Rect empty{50, 50, 40, 40};
  page.canvas.DrawText("Texto longo com quebra", empty, DT_WORDBREAK | DT_END_ELLIPSIS);
  page.canvas.DrawText("", empty, 0);
  page.canvas.TextOut(INT_MAX, INT_MIN, "x");
  Rect far{INT_MAX - 5, 0, INT_MAX, 10};
  page.canvas.DrawText("Texto", far, DT_CALCRECT);
  EXPECT_LE(far.right, kCoordinateLimit);
}

}  // namespace
}  // namespace qorvexctl::platform
