#include "qorvexctl/controls/selection/clsGFXSelection.h"

#include "qorvexctl/base/FlagGuard.h"
#include "qorvexctl/controls/button/cButton.h"
#include "qorvexctl/controls/selection/SelectorGeometry.h"
#include "qorvexctl/controls/selection/frmSelector.h"
#include "qorvexctl/frame/HostCall.h"
#include "qorvexctl/frame/Registry.h"
#include "qorvexctl/imaging/StdPNG.h"
#include "qorvexctl/platform/desktop/Desktop.h"

namespace qorvexctl {

namespace {

using platform::Rect;

constexpr Colour kWhite = 0xFFFFFFu;
// The flow keeps this much room (twips) above the OK button.
constexpr int kFlowBottomMargin = 30;
constexpr char kAcceptedTag[] = "OK";
constexpr char kCancelledTag[] = "CANCEL";

// An item's picture path; "" for none (Empty or Null).
std::string ImagePath(const Variant& image) {
  return image.IsNull() ? std::string() : image.ToString();
}

void ShowLabel(platform::Label& label, const std::string& text) {
  label.Caption(text);
  label.Visible(!text.empty());
}

}  // namespace

clsGFXSelection::clsGFXSelection(LibraryState& library, platform::Desktop& desktop)
    : Component(library), m_desktop(desktop) {}

clsGFXSelection::~clsGFXSelection() {
  if (m_form) m_form->Owner(nullptr);
  Terminate();
}

GFXViewTypes clsGFXSelection::RecomendedView(const GFXSelection&,
                                             std::span<const GFXItem>) const {
  return GFXViewButtons;
}

std::string clsGFXSelection::QuickSelectFrom(const std::string&) const { return {}; }

GFXResult clsGFXSelection::SelectFrom(const GFXSelection& s, std::span<const GFXItem> items) {
  if (items.empty() || m_selecting) return {};
  FlagGuard busy(m_selecting);
  const platform::Window* focused = m_desktop.Focus();
  const platform::HWND returnFocus = focused ? focused->hWnd() : 0;
  const GFXViewTypes view = RecomendedView(s, items);
  m_form = std::make_shared<frmSelector>(Library(), m_desktop);
  m_form->Owner(this);
  m_items.assign(items.begin(), items.end());
  m_multipleSelect = s.MultipleSelect;
  if (s.ParentObj) OpenFromParent(s);
  ShowLabel(m_form->lblTITLE(), s.Title);
  ShowLabel(m_form->lblSUBTITLE(), s.Subtitle);
  FlowButtons(items);
  m_form->ReArrange();
  m_form->btn_Handle(0).Visible(true);
  m_form->btn_Handle(1).Visible(!s.DisableCancel);
  Opening();
  m_form->Hide();
  m_form->Show(platform::vbModal);
  GFXResult result = ResultOfDialog();
  result.ViewType = view;
  m_form->Owner(nullptr);
  m_form->UnloadForm();
  m_items.clear();
  // The control that had the focus before the dialog takes it back.
  platform::Window* opener = m_desktop.FromHandle(returnFocus);
  if (opener && opener->IsShown()) opener->SetFocus();
  Closed();
  return result;
}

// Placement, background and the opening animation from the parent object. Only the parent's
// window handle is read through the guard: a parent without a background colour fails the call.
void clsGFXSelection::OpenFromParent(const GFXSelection& s) {
  HostParentObject& parent = *s.ParentObj;
  const Rect from = HostCall(
      [&] {
        const platform::Window* window = m_desktop.FromHandle(parent.hwnd());
        return window ? window->ScreenBounds() : Rect{};
      },
      Rect{});
  frmSelector& form = *m_form;
  const int width = NearestEven(form.ScaleX(form.Width(), platform::vbTwips, platform::vbPixels));
  const int height =
      NearestEven(form.ScaleY(form.Height(), platform::vbTwips, platform::vbPixels));
  const Rect to = PlacedNextTo(s.WindowPositionRelation, from, width, height);
  form.BackColor(parent.BackColor());
  ZoomOpen(from, to, s.WindowPositionRelation);
}

void clsGFXSelection::ZoomOpen(const Rect& from, const Rect& to, GFXPositioning) {
  if (!m_form) return;
  frmSelector& form = *m_form;
  form.Tag(kDisableEventsTag);
  const auto frames = ZoomFrames(from, to, NearestEven(form.Width()), NearestEven(form.Height()));
  for (std::size_t i = 0; i + 1 < frames.size(); ++i) {
    form.Move(frames[i].left, frames[i].top, frames[i].width, frames[i].height);
    // Topmost and shown, without taking the activation.
    form.TopMost(true);
    form.Visible(true);
    form.Refresh();
    m_desktop.DoEvents();
  }
  form.Move(frames.back().left, frames.back().top, frames.back().width, frames.back().height);
  form.BackColor(kWhite);
  form.Tag("");
}

// One button per item, in columns from the top left: a column is full at the OK button's
// height; when the next column would start past the form's right edge, every column so far is
// made half as wide.
void clsGFXSelection::FlowButtons(std::span<const GFXItem> items) {
  frmSelector& form = *m_form;
  const double firstRow =
      NearestEven(form.lblSUBTITLE().Top() + form.lblSUBTITLE().Height());
  const double formWidth = form.ScaleWidth();
  const double bottom = form.btn_Handle(0).Top() - kFlowBottomMargin;
  double x = 0, y = firstRow, width = 0, height = 0;
  StdPNG png(&m_desktop);
  // Transparent parts of a picture (the margins of the flags) show the picture box's white.
  png.TransparentStyle(alphaTransparent);
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    cButton& button =
        i > form.btnSelectorUBound() ? form.LoadSelectorButton() : form.btnSelector(i);
    button.DelayDrawing(true);  // drawn once, when the flow is done
    if (width <= 0) width = formWidth;
    if (height <= 0) height = button.Height();
    if (y >= bottom) {
      x += width;
      if (x >= formWidth) {
        width = NearestEven(width / 2);
        x -= width;
        NarrowColumns(i, width);
      }
      y = firstRow;
    }
    button.Move(x, y, width, height);
    ShowItem(button, items[static_cast<std::size_t>(i)], png);
    button.Visible(true);
    y += height;
  }
  for (int i = 0; i <= form.btnSelectorUBound(); ++i) form.btnSelector(i).DelayDrawing(false);
}

// Buttons 0 to count - 1 take `width`; those right of the first column move left by it.
void clsGFXSelection::NarrowColumns(int count, double width) {
  for (int j = count - 1; j >= 0; --j) {
    cButton& earlier = m_form->btnSelector(j);
    earlier.Width(width);
    if (earlier.Left() > 0) earlier.Left(earlier.Left() - width);
  }
}

void clsGFXSelection::ShowItem(cButton& button, const GFXItem& item, StdPNG& png) {
  button.Caption(item.Title);
  button.Tooltip(item.Tooltip);
  button.Value(item.Selected);
  if (item.Default) m_form->SetDefaultButton(&button);
  button.Enabled(!item.Disabled);
  ShowPicture(button, item, png);
}

// The item's PNG file drawn on the scratch picture box, whose image the button then shows. A
// picture that does not load leaves the button without one.
void clsGFXSelection::ShowPicture(cButton& button, const GFXItem& item, StdPNG& png) {
  const std::string path = ImagePath(item.Image);
  if (path.empty() || !png.LoadFile(path, true, false, 255)) return;
  frmSelector& form = *m_form;
  platform::PictureBox& scratch = form.tmpPic();
  scratch.BorderStyle(0);
  scratch.AutoRedraw(true);
  scratch.Move(scratch.Left(), scratch.Top(),
               form.ScaleX(png.Width(), platform::vbPixels, form.ScaleMode()),
               form.ScaleY(png.Height(), platform::vbPixels, form.ScaleMode()));
  scratch.Cls();
  PngPaintArea area;
  area.AlphaBlend = 255;
  png.Paint(&scratch.hDC(), 0, 0, area);
  button.Picture(std::make_shared<platform::Picture>(scratch.Image()));
}

void clsGFXSelection::NotifyFromForm(platform::Window* ctl, const Variant& evt, const Variant&) {
  if (!m_form || evt.IsNull()) return;
  const std::string event = evt.ToString();
  if (event == kAcceptedTag || event == kCancelledTag) {
    CloseAsked(event == kAcceptedTag);
  } else if (event == "Click" && ctl && ctl->Name() == "btnSelector" &&
             ctl->TopLevel() == m_form.get()) {
    ItemClicked(ctl->Index());
  }
}

// Closing raised with what OK would choose (nothing for cancel); unless the host keeps the
// dialog open, the form learns the answer and may close.
void clsGFXSelection::CloseAsked(bool accepted) {
  std::vector<GFXItem> chosen = accepted ? PressedItems() : std::vector<GFXItem>{};
  std::int32_t count = static_cast<std::int32_t>(chosen.size());
  bool cancelClose = false;
  Closing(count, chosen, cancelClose);
  if (cancelClose || !m_form) return;
  m_form->Tag(accepted ? kAcceptedTag : kCancelledTag);
  m_form->CloseRequest(true);
}

void clsGFXSelection::ItemClicked(int index) {
  if (index < 0 || index >= static_cast<int>(m_items.size())) return;
  const bool pressed = m_form->btnSelector(index).Value();
  if (pressed && !m_multipleSelect) {
    for (int j = 0; j < static_cast<int>(m_items.size()); ++j) {
      if (j != index) m_form->btnSelector(j).Value(false);
    }
  }
  for (int j = 0; j < static_cast<int>(m_items.size()); ++j) {
    GFXItem& item = m_items[static_cast<std::size_t>(j)];
    if (j == index || !item.Selected || m_form->btnSelector(j).Value()) continue;
    item.Selected = false;
    GFXItem released = item;
    ItemUnchecked(released);
  }
  m_items[static_cast<std::size_t>(index)].Selected = pressed;
  GFXItem clicked = m_items[static_cast<std::size_t>(index)];
  if (pressed) {
    ItemChecked(clicked);
  } else {
    ItemUnchecked(clicked);
  }
  GFXItem changed = m_items[static_cast<std::size_t>(index)];
  ItemChanged(changed);
}

std::vector<GFXItem> clsGFXSelection::PressedItems() const {
  std::vector<GFXItem> pressed;
  for (int j = 0; j < static_cast<int>(m_items.size()); ++j) {
    if (!m_form->btnSelector(j).Value()) continue;
    pressed.push_back(m_items[static_cast<std::size_t>(j)]);
    pressed.back().Selected = true;
  }
  return pressed;
}

// OK gives the pressed items; anything else (cancel, closing the window) gives none.
GFXResult clsGFXSelection::ResultOfDialog() const {
  GFXResult result;
  result.Accepted = m_form->Tag() == kAcceptedTag;
  result.Canceled = !result.Accepted;
  if (!result.Accepted) return result;
  result.SelectedItems = PressedItems();
  result.NumberOfSelectedItems = static_cast<std::int32_t>(result.SelectedItems.size());
  if (!result.SelectedItems.empty()) result.SelectedItem = result.SelectedItems.front();
  return result;
}

void RegisterSelection(Registry& registry, platform::Desktop& desktop) {
  registry.Register("clsGFXSelection", [&desktop](LibraryState& library) {
    return std::make_unique<clsGFXSelection>(library, desktop);
  });
  registry.Members().Add<clsGFXSelection>(clsGFXSelection::Members());
}

}  // namespace qorvexctl
