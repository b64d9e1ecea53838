// skSubMenu: the entry's states, drawing, persistence and registration.

#include "qorvexctl/controls/skins/skSubMenu.h"

#include "qorvexctl/controls/skins/SkinProperties.h"
#include "qorvexctl/frame/Registry.h"

namespace qorvexctl {

using platform::Rect;

namespace {

enum Slot : int { kLeftEnd = 0, kRightEnd = 1, kSymbol = 2, kActiveMarker = 3 };
constexpr int kSymbolGap = 6;  // pixels between the symbol and the caption

// `image` at its own size, vertically centred in `area`, from x.
void DrawCentred(platform::Canvas& canvas, const platform::Surface& image, int x,
                 const Rect& area) {
  const int y = area.top + (area.Height() - image.Height()) / 2;
  DrawStretched(canvas, image, Rect::FromSize(x, y, image.Width(), image.Height()));
}

}  // namespace

skSubMenu::skSubMenu(LibraryState& library, platform::Desktop& desktop, platform::Window* container)
    : SkinWidget(library, desktop, container) {
  ForeColor(kDefaultForeColor);
  BackColor(kDefaultBackColor);
  Font(platform::Font("Arial", 11, true));
  m_slots.KeyColour(m_transparency);
}

skSubMenu::~skSubMenu() { Terminate(); }

void skSubMenu::SetColour(Colour& field, Colour colour, std::string_view key) {
  field = colour;
  PropertyChanged(key);
  Redraw();
}

void skSubMenu::HoverForeColor(Colour colour) { SetColour(m_hoverFore, colour, "HoverForeColor"); }
void skSubMenu::HoverBackColor(Colour colour) { SetColour(m_hoverBack, colour, "HoverBackColor"); }
void skSubMenu::ActiveForeColor(Colour colour) {
  SetColour(m_activeFore, colour, "ActiveForeColor");
}
void skSubMenu::ActiveBackColor(Colour colour) {
  SetColour(m_activeBack, colour, "ActiveBackColor");
}

void skSubMenu::Margin(int pixels) {
  m_margin = pixels;
  PropertyChanged("Margin");
  Redraw();
}

void skSubMenu::TransparencyColor(Colour colour) {
  m_transparency = colour;
  m_slots.KeyColour(colour);
  PropertyChanged("TransparentBack");
  Redraw();
}

void skSubMenu::Active(bool value) {
  if (value == m_active) return;
  m_active = value;
  Redraw();
}

void skSubMenu::Caption(std::string caption) {
  if (caption == m_caption) return;
  m_caption = std::move(caption);
  PropertyChanged("Caption");
  Redraw();
}

void skSubMenu::SetFont(const platform::Font& font) {
  if (font == Font()) return;
  Font(font);
  Redraw();
}

void skSubMenu::ImageFile(int nIndex, std::string path) {
  if (m_slots.Assign(nIndex, std::move(path))) Redraw();
}

// A release clears the active and hover states; a click then reports itself.
void skSubMenu::OnLeftReleased() {
  m_active = false;
  StopHovering();
}

void skSubMenu::OnSkinClick() {
  Clicked();
  m_active = false;
  StopHovering();
  MouseOut();
}

void skSubMenu::OnPaint(platform::Canvas& canvas) {
  const Rect client = ClientRect();
  const Colour back = m_active ? m_activeBack : Hovering() ? m_hoverBack : BackColor();
  const Colour fore = m_active ? m_activeFore : Hovering() ? m_hoverFore : ForeColor();
  canvas.FillRect(client, back);
  if (const platform::Surface* left = m_slots.Pixels(kLeftEnd)) {
    DrawCentred(canvas, *left, 0, client);
  }
  if (const platform::Surface* right = m_slots.Pixels(kRightEnd)) {
    DrawCentred(canvas, *right, client.right - right->Width(), client);
  }
  int textLeft = m_margin;
  if (const platform::Surface* symbol = m_slots.Pixels(kSymbol)) {
    DrawCentred(canvas, *symbol, m_margin, client);
    textLeft += symbol->Width() + kSymbolGap;
  }
  if (const platform::Surface* marker = m_slots.Pixels(kActiveMarker); marker && m_active) {
    DrawCentred(canvas, *marker, client.right - m_margin - marker->Width(), client);
  }
  canvas.SetTextColour(fore);
  Rect text{textLeft, 0, client.right - m_margin, client.bottom};
  canvas.DrawText(m_caption, text,
                  platform::DT_LEFT | platform::DT_VCENTER | platform::DT_SINGLELINE);
}

std::span<const PersistedProperty> skSubMenu::PersistedProperties() const {
  using C = skSubMenu;
  static const std::vector<PersistedProperty> table = {
      PersistedColour<C>(
          "ForeColor", kDefaultForeColor, [](const C& c) { return c.ForeColor(); },
          [](C& c, Colour v) { c.ForeColor(v); }),
      PersistedColour<C>(
          "BackColor", kDefaultBackColor, [](const C& c) { return c.BackColor(); },
          [](C& c, Colour v) { c.BackColor(v); }),
      PersistedColour<C>(
          "HoverForeColor", kDefaultHoverForeColor, [](const C& c) { return c.m_hoverFore; },
          [](C& c, Colour v) { c.HoverForeColor(v); }),
      PersistedColour<C>(
          "HoverBackColor", kDefaultHoverBackColor, [](const C& c) { return c.m_hoverBack; },
          [](C& c, Colour v) { c.HoverBackColor(v); }),
      PersistedColour<C>(
          "ActiveForeColor", kDefaultActiveForeColor, [](const C& c) { return c.m_activeFore; },
          [](C& c, Colour v) { c.ActiveForeColor(v); }),
      PersistedColour<C>(
          "ActiveBackColor", kDefaultActiveBackColor, [](const C& c) { return c.m_activeBack; },
          [](C& c, Colour v) { c.ActiveBackColor(v); }),
      Persisted<C>(
          "Caption", std::string(), [](C& c, const Variant& v) { c.Caption(v.ToString()); },
          [](const C& c) { return c.m_caption; }),
      Persisted<C>(
          "Margin", std::int32_t{kDefaultMargin},
          [](C& c, const Variant& v) { c.Margin(v.ToLong()); },
          [](const C& c) { return std::int32_t{c.m_margin}; }),
      PersistedColour<C>(
          "TransparentBack", kDefaultTransparencyColor, [](const C& c) { return c.m_transparency; },
          [](C& c, Colour v) { c.TransparencyColor(v); }),
  };
  return table;
}

void RegisterSubMenu(Registry& registry, platform::Desktop& desktop) {
  registry.Register("skSubMenu", [&desktop](LibraryState& library) {
    return std::make_unique<skSubMenu>(library, desktop);
  });
  registry.Members().Add<skSubMenu>(skSubMenu::Members());
}

}  // namespace qorvexctl
