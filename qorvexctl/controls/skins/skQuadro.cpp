// skQuadro: the framed box's drawing, its design-time skin, persistence and registration.

#include "qorvexctl/controls/skins/skQuadro.h"

#include "qorvexctl/controls/skins/SkinProperties.h"
#include "qorvexctl/frame/Registry.h"

namespace qorvexctl {

using platform::Rect;

namespace {

enum Slot : int { kTop = 0, kBody = 1, kBottom = 2, kSymbol = 3 };
constexpr int kSymbolInset = 8;  // pixels from the left edge

}  // namespace

skQuadro::skQuadro(LibraryState& library, platform::Desktop& desktop, platform::Window* container)
    : SkinWidget(library, desktop, container) {
  Font(platform::Font("Arial", 11, true));
  m_slots.KeyColour(m_transparency);
}

skQuadro::~skQuadro() { Terminate(); }

void skQuadro::TransparencyColor(Colour colour) {
  m_transparency = colour;
  m_slots.KeyColour(colour);
  PropertyChanged("TransparentBack");
  Redraw();
}

void skQuadro::ImageFile(int nIndex, std::string path) {
  if (m_slots.Assign(nIndex, std::move(path))) Redraw();
}

void skQuadro::DebugDesign(int imageSet) {
  m_debugDesign = imageSet;
  PropertyChanged("DebugDesignImgID");
  if (!Ambient().UserMode) LoadDesignImages();
}

void skQuadro::PropertiesLoaded() {
  if (!Ambient().UserMode) LoadDesignImages();
}

void skQuadro::LoadDesignImages() {
  const std::string folder = DesignSkinFolder(Library());
  if (m_debugDesign > 0) {
    const std::string set = folder + "quadro_" + std::to_string(m_debugDesign);
    m_slots.Assign(kTop, set + "_top.gif");
    m_slots.Assign(kBody, set + "_back.gif");
    m_slots.Assign(kBottom, set + "_bottom.gif");
  } else {
    m_slots.Assign(kTop, folder + "topo_laranja.gif");
    m_slots.Assign(kBody, folder + "topo_repeat.gif");
    m_slots.Assign(kBottom, folder + "fundo_fundo.gif");
  }
  Redraw();
}

void skQuadro::ExitFocus() {
  if (Hovering()) Redraw();
}

// The bands at the top and bottom at their images' heights, the body's bars stacked between
// them.
void skQuadro::OnPaint(platform::Canvas& canvas) {
  const Rect client = ClientRect();
  canvas.FillRect(client, BackColor());
  const platform::Surface* top = m_slots.Pixels(kTop);
  const platform::Surface* bottom = m_slots.Pixels(kBottom);
  const int bodyTop = top ? top->Height() : 0;
  const int bodyBottom = client.bottom - (bottom ? bottom->Height() : 0);
  if (const platform::Surface* body = m_slots.Pixels(kBody)) {
    DrawBarsDown(canvas, *body, Rect{0, bodyTop, client.right, bodyBottom});
  }
  if (top) DrawBar(canvas, *top, Rect{0, 0, client.right, bodyTop});
  if (bottom) DrawBar(canvas, *bottom, Rect{0, bodyBottom, client.right, client.bottom});
  if (const platform::Surface* symbol = m_slots.Pixels(kSymbol)) {
    const int y = (bodyTop - symbol->Height()) / 2;
    DrawStretched(canvas, *symbol,
                  Rect::FromSize(kSymbolInset, y, symbol->Width(), symbol->Height()));
  }
}

std::span<const PersistedProperty> skQuadro::PersistedProperties() const {
  using C = skQuadro;
  static const std::vector<PersistedProperty> table = {
      PersistedColour<C>(
          "TransparentBack", kDefaultTransparencyColor, [](const C& c) { return c.m_transparency; },
          [](C& c, Colour v) { c.TransparencyColor(v); }),
      Persisted<C>(
          "DebugDesignImgID", std::int32_t{0},
          [](C& c, const Variant& v) { c.DebugDesign(v.ToLong()); },
          [](const C& c) { return std::int32_t{c.m_debugDesign}; }),
  };
  return table;
}

void RegisterQuadro(Registry& registry, platform::Desktop& desktop) {
  registry.Register("skQuadro", [&desktop](LibraryState& library) {
    return std::make_unique<skQuadro>(library, desktop);
  });
  registry.Members().Add<skQuadro>(skQuadro::Members());
}

}  // namespace qorvexctl
