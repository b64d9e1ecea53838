// skGoButton: the three looks, pressing and clicking, the tooltip, persistence and registration.

#include "qorvexctl/controls/skins/skGoButton.h"

#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl {

namespace {

constexpr char kTipTitle[] = "Navegação";
constexpr const char* kDesignImages[] = {"btn_go_normal.gif", "btn_go_hover.gif",
                                         "btn_go_click.gif"};

}  // namespace

skGoButton::skGoButton(LibraryState& library, platform::Desktop& desktop,
                       platform::Window* container)
    : SkinWidget(library, desktop, container) {}

skGoButton::~skGoButton() { Terminate(); }

void skGoButton::OnTerminate() { m_tip.reset(); }

void skGoButton::ImageSource(int imgID, std::string path) {
  if (m_slots.Assign(imgID, std::move(path))) Redraw();
}

void skGoButton::SkinID(std::string id) {
  if (id == m_skinID) return;
  m_skinID = std::move(id);
  PropertyChanged("SkinID");
  RequestSkinRepait();
}

void skGoButton::Active(bool value) {
  if (value == m_active) return;
  m_active = value;
  Redraw();
}

std::string skGoButton::Tooltip() const { return m_tip ? m_tip->TipText() : std::string(); }

void skGoButton::Tooltip(std::string text) {
  PropertyChanged("Tooltip");
  if (text.empty()) {
    m_tip.reset();
    return;
  }
  if (!m_tip) m_tip = std::make_unique<clsBalloonTip>(Library(), GetDesktop());
  m_tip->TipText(std::move(text));
  m_tip->Title(kTipTitle);
  m_tip->Style(TTBalloon);
  m_tip->ParentControl(this);
  m_tip->Create();
}

int skGoButton::LookSlot() const {
  if (m_active) return 2;
  return Hovering() ? 1 : 0;
}

void skGoButton::OnLeftPressed() {
  m_clicking = true;
  Active(true);
}

void skGoButton::OnLeftReleased() {
  m_clicking = false;
  Active(false);
}

void skGoButton::OnSkinClick() {
  m_active = false;
  StopHovering();
  GetDesktop().ReleaseCapture();
  Click();
  MouseOut();
}

void skGoButton::LoadDesignImages() {
  const std::string folder = DesignSkinFolder(Library());
  for (int slot = 0; slot < 3; ++slot) m_slots.Assign(slot, folder + kDesignImages[slot]);
}

void skGoButton::OnPaint(platform::Canvas& canvas) {
  canvas.FillRect(ClientRect(), BackColor());
  if (!Ambient().UserMode && m_slots.Empty()) LoadDesignImages();
  if (const platform::Surface* look = m_slots.Pixels(LookSlot())) {
    DrawStretched(canvas, *look, ClientRect());
  }
}

std::span<const PersistedProperty> skGoButton::PersistedProperties() const {
  static const std::vector<PersistedProperty> table = {
      Persisted<skGoButton>(
          "SkinID", std::string(), [](skGoButton& c, const Variant& v) { c.SkinID(v.ToString()); },
          [](const skGoButton& c) { return c.m_skinID; }),
      Persisted<skGoButton>(
          "Tooltip", std::string(),
          [](skGoButton& c, const Variant& v) { c.Tooltip(v.ToString()); },
          [](const skGoButton& c) { return c.Tooltip(); }),
  };
  return table;
}

void RegisterGoButton(Registry& registry, platform::Desktop& desktop) {
  registry.Register("skGoButton", [&desktop](LibraryState& library) {
    return std::make_unique<skGoButton>(library, desktop);
  });
  registry.Members().Add<skGoButton>(skGoButton::Members());
}

}  // namespace qorvexctl
