// skGrowth: the framed panel's drawing, its caption, persistence and registration.

#include "qorvexctl/controls/skins/skGrowth.h"

#include <algorithm>

#include "qorvexctl/controls/skins/SkinProperties.h"
#include "qorvexctl/frame/LibraryFunctions.h"
#include "qorvexctl/frame/Registry.h"

namespace qorvexctl {

using platform::Rect;

namespace {

constexpr const char* kDefaultSkin[] = {
    "data/skins/default/gr-corner1-red.gif", "data/skins/default/gr-corner2-red.gif",
    "data/skins/default/gr-top-red.gif", "data/skins/default/gr-background-red.gif",
    "data/skins/default/gr-bottom-red.gif"};
enum Slot : int { kCornerLeft = 0, kCornerRight = 1, kTop = 2, kBody = 3, kBottom = 4 };
constexpr int kCaptionInset = 10;   // pixels from the panel's left and right edges
constexpr int kCaptionHeight = 18;  // pixels the caption label takes
constexpr int kDefaultHeaderHeight = 28;

}  // namespace

skGrowth::skGrowth(LibraryState& library, platform::Desktop& desktop, platform::Window* container)
    : UserControl(library, desktop, container) {
  CanGetFocus(false);
  m_caption.BackStyle(0);
  m_caption.ForeColor(kDefaultCaptionColor);
  m_caption.Font(platform::Font("Arial", 10, true));
  PlaceCaption();
}

skGrowth::~skGrowth() { Terminate(); }

void skGrowth::ImageSource(int imgID, std::string path) {
  if (m_slots.Assign(imgID, std::move(path))) Invalidate();
}

void skGrowth::SkinID(std::string id) {
  if (id == m_skinID) return;
  m_skinID = std::move(id);
  PropertyChanged("SkinID");
  RequestSkinRepait();
}

void skGrowth::Caption(std::string caption) {
  m_caption.Caption(std::move(caption));
  PropertyChanged("Caption");
}

void skGrowth::CaptionColor(Colour colour) {
  m_caption.ForeColor(colour);
  PropertyChanged("CaptionColor");
}

void skGrowth::TakeDefaultSkin() {
  const std::string root = GetRootPath(Library());
  for (int slot = kCornerLeft; slot <= kBottom; ++slot) {
    m_slots.Assign(slot, root + kDefaultSkin[slot]);
  }
}

int skGrowth::HeaderHeight() {
  const platform::Surface* corner = m_slots.Pixels(kCornerLeft);
  return corner ? corner->Height() : kDefaultHeaderHeight;
}

void skGrowth::PlaceCaption() {
  const Rect client = ClientRect();
  const int top = std::max(0, (HeaderHeight() - kCaptionHeight) / 2);
  m_caption.SetBounds(Rect::FromSize(
      kCaptionInset, top, std::max(0, client.Width() - 2 * kCaptionInset), kCaptionHeight));
}

void skGrowth::OnResize() {
  PlaceCaption();
  Invalidate();
  Resize();
}

// Corners at the top, the top edge tiled between them, the bottom edge along the bottom and
// the body tiled in between.
void skGrowth::OnPaint(platform::Canvas& canvas) {
  if (m_skinID.empty() && m_slots.Path(kCornerLeft).empty()) {
    TakeDefaultSkin();
    PlaceCaption();
  }
  const Rect client = ClientRect();
  canvas.FillRect(client, BackColor());
  const platform::Surface* left = m_slots.Pixels(kCornerLeft);
  const platform::Surface* right = m_slots.Pixels(kCornerRight);
  const platform::Surface* bottom = m_slots.Pixels(kBottom);
  const int header = HeaderHeight();
  const int leftWidth = left ? left->Width() : 0;
  const int rightWidth = right ? right->Width() : 0;
  const int bottomTop = client.bottom - (bottom ? bottom->Height() : 0);
  if (const platform::Surface* body = m_slots.Pixels(kBody)) {
    DrawTiled(canvas, *body, Rect{0, header, client.right, bottomTop});
  }
  if (bottom) DrawTiled(canvas, *bottom, Rect{0, bottomTop, client.right, client.bottom});
  if (const platform::Surface* top = m_slots.Pixels(kTop)) {
    DrawTiled(canvas, *top, Rect{leftWidth, 0, client.right - rightWidth, header});
  }
  if (left) DrawStretched(canvas, *left, Rect::FromSize(0, 0, leftWidth, left->Height()));
  if (right) {
    DrawStretched(canvas, *right,
                  Rect::FromSize(client.right - rightWidth, 0, rightWidth, right->Height()));
  }
}

std::span<const PersistedProperty> skGrowth::PersistedProperties() const {
  static const std::vector<PersistedProperty> table = {
      Persisted<skGrowth>(
          "Caption", std::string(), [](skGrowth& c, const Variant& v) { c.Caption(v.ToString()); },
          [](const skGrowth& c) { return c.Caption(); }),
      PersistedColour<skGrowth>(
          "CaptionColor", kDefaultCaptionColor, [](const skGrowth& c) { return c.CaptionColor(); },
          [](skGrowth& c, Colour v) { c.CaptionColor(v); }),
      Persisted<skGrowth>(
          "SkinID", std::string(), [](skGrowth& c, const Variant& v) { c.SkinID(v.ToString()); },
          [](const skGrowth& c) { return c.m_skinID; }),
  };
  return table;
}

void RegisterGrowth(Registry& registry, platform::Desktop& desktop) {
  registry.Register("skGrowth", [&desktop](LibraryState& library) {
    return std::make_unique<skGrowth>(library, desktop);
  });
  registry.Members().Add<skGrowth>(skGrowth::Members());
}

}  // namespace qorvexctl
