#include "qorvexctl/controls/selection/frmSelector.h"

#include <string>

#include "qorvexctl/controls/amount/AmountFunctions.h"
#include "qorvexctl/controls/selection/SelectorGeometry.h"
#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl {

namespace {

using platform::Rect;

// The designed layout, in pixels: the form's size and where its controls start out.
constexpr platform::Size kDesignedForm{600, 430};
constexpr Rect kDesignedTitle = Rect::FromSize(0, 0, 600, 32);
constexpr Rect kDesignedSubtitle = Rect::FromSize(0, 32, 600, 20);
constexpr Rect kDesignedHandle = Rect::FromSize(0, 0, 80, 30);
constexpr Rect kDesignedSelector = Rect::FromSize(4, 56, 160, 40);
constexpr Colour kWhite = 0xFFFFFFu;
// Tab visits the items in their order, then OK and cancel.
constexpr int kHandleTabIndex = 30000;

// The number a button's Tag holds, as the classic Val reads it; 0 for none.
double TagNumber(const std::string& tag) { return ReadLeadingNumber(tag).value_or(0); }

}  // namespace

frmSelector::frmSelector(LibraryState& library, platform::Desktop& desktop)
    : platform::Form(desktop, "Seleção"),
      m_library(library),
      m_desktop(desktop),
      m_title(Add<platform::Label>("lblTITLE")),
      m_subtitle(Add<platform::Label>("lblSUBTITLE")),
      m_list(Add<platform::ListView>("lv")),
      m_scratch(Add<platform::PictureBox>("tmpPic")),
      m_ok(MakeButton("btn_Handle", 0)),
      m_cancel(MakeButton("btn_Handle", 1)) {
  Name("frmSelector");
  BackColor(kWhite);
  const platform::Size screen = desktop.ScreenSize();
  SetBounds(Rect::FromSize((screen.width - kDesignedForm.width) / 2,
                           (screen.height - kDesignedForm.height) / 2, kDesignedForm.width,
                           kDesignedForm.height));
  m_title.Font(platform::Font("Arial", 12, true));
  m_title.SetBounds(kDesignedTitle);
  m_subtitle.Font(platform::Font("Arial", 9));
  m_subtitle.SetBounds(kDesignedSubtitle);
  for (platform::Label* label : {&m_title, &m_subtitle}) label->BackColor(kWhite);
  m_list.Visible(false);
  m_list.ItemClick.connect([this](platform::ListItem&) { ReportTo(m_list, "Click"); });
  m_list.DblClick.connect([this] { ReportTo(m_list, "DoubleClick"); });
  m_scratch.Visible(false);
  m_scratch.BorderStyle(0);
  m_scratch.BackColor(kWhite);
  cButton& first = MakeButton("btnSelector", 0);
  first.SetBounds(kDesignedSelector);
  first.Mode(efbxp_CheckBox);
  first.Caption("lblButton");
  WatchSelector(first);
  m_selectors.push_back(&first);
  m_ok.Caption("&OK");
  m_cancel.Caption("&Cancelar");
  for (int index : {0, 1}) {
    btn_Handle(index).SetBounds(kDesignedHandle);
    btn_Handle(index).Click.connect([this, index] { HandleClicked(index); });
  }
  SetCancelButton(&m_cancel);
  Resize.connect([this] { OnResized(); });
  QueryUnload.connect([this](bool& cancel, int mode) { OnQueryUnload(cancel, mode); });
  ReArrange();
}

frmSelector::~frmSelector() = default;

cButton& frmSelector::MakeButton(const std::string& name, int index) {
  auto button = std::make_shared<cButton>(m_library, m_desktop, this);
  Adopt(button, name);
  button->Index(index);
  button->TabIndex(name == "btn_Handle" ? kHandleTabIndex + index : index);
  button->InitProperties();
  return *button;
}

cButton& frmSelector::LoadSelectorButton() {
  const cButton& model = *m_selectors.front();
  cButton& button = MakeButton("btnSelector", btnSelectorUBound() + 1);
  button.DelayDrawing(true);
  button.Visible(false);
  button.SetBounds(model.Bounds());
  button.Mode(model.Mode());
  button.ButtonStyle(model.ButtonStyle());
  button.Font(model.Font());
  button.BackColor(model.BackColor());
  button.ForeColor(model.ForeColor());
  button.CaptionAlign(model.CaptionAlign());
  button.PictureAlign(model.PictureAlign());
  button.Caption(model.Caption());
  button.DelayDrawing(false);
  WatchSelector(button);
  m_selectors.push_back(&button);
  return button;
}

void frmSelector::WatchSelector(cButton& button) {
  button.Click.connect([this, &button] { ReportTo(button, "Click", TagNumber(button.Tag())); });
  button.DoubleClick.connect(
      [this, &button](int&) { ReportTo(button, "DoubleClick", TagNumber(button.Tag())); });
  button.KeyDown.connect([this, &button](int& keyCode, int shift) {
    ReportTo(button, "KeyDown", std::to_string(keyCode) + "," + std::to_string(shift));
  });
}

void frmSelector::ReportTo(platform::Window& control, const char* event, const Variant& value) {
  if (m_owner) m_owner->NotifyFromForm(&control, event, value);
}

void frmSelector::ReArrange() {
  if (Tag() == kDisableEventsTag) return;
  const double width = ScaleWidth();
  const double height = ScaleHeight();
  PlaceLabels(width);
  PlaceHandles(width, height);
  const GridFrame frame{width,
                        height,
                        m_ok.Height(),
                        m_title.Visible(),
                        m_title.Height(),
                        m_subtitle.Visible(),
                        m_subtitle.Height(),
                        btnSelectorUBound() + 1};
  const auto places = ButtonGrid(frame);
  if (!places) return;
  for (std::size_t k = 0; k < places->size(); ++k) {
    const TwipsBox& place = (*places)[k];
    cButton& button = *m_selectors[k];
    button.Move(place.left, place.top, place.width, place.height);
    button.Refresh();
  }
}

// The title at the top; the subtitle under the title when the title shows, else in its place.
void frmSelector::PlaceLabels(double width) {
  m_title.Move(0, 0, width);
  m_subtitle.Move(0, m_title.Visible() ? m_title.Height() : 0, width);
}

// OK and cancel side by side in the bottom right corner.
void frmSelector::PlaceHandles(double width, double height) {
  m_ok.Top(height - m_ok.Height());
  m_ok.Left(width - 2 * m_ok.Width());
  m_cancel.Top(m_ok.Top());
  m_cancel.Left(m_ok.Left() + m_ok.Width());
}

void frmSelector::OnResized() {
  ReArrange();
  if (Tag() != kDisableEventsTag) ReportTo(*this, "Resize");
}

void frmSelector::HandleClicked(int index) {
  ReportTo(btn_Handle(index), index == 0 ? "OK" : "CANCEL");
  if (m_closeRequest) Hide();
}

// Closing the window (its close box, or a modal loop that gives up) counts as cancelling, so
// the owner may still keep the dialog open.
void frmSelector::OnQueryUnload(bool& cancel, int mode) {
  if (mode != platform::vbFormControlMenu || !m_owner || m_closeRequest) return;
  ReportTo(*this, "CANCEL");
  if (!m_closeRequest) cancel = true;
}

}  // namespace qorvexctl
