// skNumber: the badge's colours, drawing, persistence and registration.

#include "qorvexctl/controls/skins/skNumber.h"

#include <algorithm>

#include "qorvexctl/controls/skins/SkinProperties.h"
#include "qorvexctl/frame/Registry.h"

namespace qorvexctl {

skNumber::skNumber(LibraryState& library, platform::Desktop& desktop, platform::Window* container)
    : SkinWidget(library, desktop, container) {
  BackColor(kDefaultBackColor);
  Font(platform::Font("Arial", 10, true));
}

skNumber::~skNumber() { Terminate(); }

void skNumber::Caption(std::string caption) {
  m_caption = std::move(caption);
  PropertyChanged("Caption");
  Redraw();
}

void skNumber::SetColour(Colour& field, Colour colour, std::string_view key) {
  field = colour;
  PropertyChanged(key);
  Redraw();
}

void skNumber::Background(Colour colour) { SetColour(m_background, colour, "Background"); }
void skNumber::BackgroundActive(Colour colour) {
  SetColour(m_backgroundActive, colour, "BackgroundActive");
}
void skNumber::Foreground(Colour colour) { SetColour(m_foreground, colour, "Foreground"); }
void skNumber::ForegroundActive(Colour colour) {
  SetColour(m_foregroundActive, colour, "ForegroundActive");
}

void skNumber::Active(bool value) {
  PropertyChanged("Active");
  if (value == m_active) return;
  m_active = value;
  Redraw();
}

void skNumber::SkinID(std::string id) {
  if (id == m_skinID) return;
  m_skinID = std::move(id);
  RequestSkinRepait();
}

// A plate with corners as round as half its smaller side, the caption centred on it.
void skNumber::OnPaint(platform::Canvas& canvas) {
  const platform::Rect client = ClientRect();
  canvas.FillRect(client, BackColor());
  const bool lit = m_active || Hovering();
  const Colour plate = canvas.Resolve(lit ? m_backgroundActive : m_background);
  const int round = std::min(client.Width(), client.Height());
  canvas.SetSmoothing(true);
  canvas.SelectPen(platform::Pen{plate, 1, platform::PenStyle::Solid});
  canvas.SelectBrush(platform::Brush{plate, platform::BrushStyle::Solid});
  canvas.RoundRect(client, round, round);
  canvas.SetTextColour(lit ? m_foregroundActive : m_foreground);
  canvas.SetBackgroundMode(platform::BackgroundMode::Transparent);
  platform::Rect text = client;
  canvas.DrawText(m_caption, text,
                  platform::DT_CENTER | platform::DT_VCENTER | platform::DT_SINGLELINE);
}

std::span<const PersistedProperty> skNumber::PersistedProperties() const {
  using C = skNumber;
  static const std::vector<PersistedProperty> table = {
      Persisted<C>(
          "Caption", std::string(), [](C& c, const Variant& v) { c.Caption(v.ToString()); },
          [](const C& c) { return c.m_caption; }),
      PersistedColour<C>(
          "Background", kDefaultBackground, [](const C& c) { return c.m_background; },
          [](C& c, Colour v) { c.Background(v); }),
      PersistedColour<C>(
          "Foreground", kDefaultForeground, [](const C& c) { return c.m_foreground; },
          [](C& c, Colour v) { c.Foreground(v); }),
      PersistedColour<C>(
          "BackgroundActive", kDefaultBackgroundActive,
          [](const C& c) { return c.m_backgroundActive; },
          [](C& c, Colour v) { c.BackgroundActive(v); }),
      PersistedColour<C>(
          "ForegroundActive", kDefaultForegroundActive,
          [](const C& c) { return c.m_foregroundActive; },
          [](C& c, Colour v) { c.ForegroundActive(v); }),
      Persisted<C>(
          "Active", false, [](C& c, const Variant& v) { c.Active(v.ToBoolean()); },
          [](const C& c) { return c.m_active; }),
      PersistedColour<C>(
          "BackColor", kDefaultBackColor, [](const C& c) { return c.BackColor(); },
          [](C& c, Colour v) { c.BackColor(v); }),
  };
  return table;
}

void RegisterNumber(Registry& registry, platform::Desktop& desktop) {
  registry.Register("skNumber", [&desktop](LibraryState& library) {
    return std::make_unique<skNumber>(library, desktop);
  });
  registry.Members().Add<skNumber>(skNumber::Members());
}

}  // namespace qorvexctl
