#include "qorvexctl/platform/widgets/Form.h"

#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/desktop/Menu.h"

namespace qorvexctl::platform {
namespace {

// The classic sizable frame: a 4-pixel border and a 19-pixel caption.
constexpr int kBorder = 4;
constexpr int kCaption = 19;

void CollectControls(const Window& w, std::vector<Window*>& out) {
  for (Window* child : w.Children()) {
    out.push_back(child);
    if (!child->HasConstituents()) CollectControls(*child, out);
  }
}

// A closed modal form gives the focus back to the control that had it when the form opened,
// unless something else has taken it meanwhile or that control has gone with the form.
void ReturnFocus(const Form& form, HWND focusBefore) {
  Desktop& desktop = form.GetDesktop();
  Window* before = desktop.FromHandle(focusBefore);
  Window* focus = desktop.Focus();
  if (!before || form.IsAncestorOf(before) || (focus && focus->IsShown())) return;
  desktop.SetFocus(before->TopLevel());
}

}  // namespace

Form::Form(Desktop& desktop, std::string caption)
    : Control(desktop), m_caption(std::move(caption)) {
  Window::Visible(false);
  UpdateFrame();
  SetBounds(Rect::FromSize(0, 0, 320, 240));
}

Form::~Form() {
  // Controls go first, while the form is still whole.
  m_owned.clear();
}

void Form::Caption(std::string value) {
  if (value == m_caption) return;
  m_caption = std::move(value);
  Invalidate();
}

void Form::BorderStyle(int value) {
  m_borderStyle = value;
  UpdateFrame();
}

Rect Form::DecorationInsets() const {
  return m_borderStyle == 0 ? Rect{} : Rect{kBorder, kBorder + kCaption, kBorder, kBorder};
}

void Form::UpdateFrame() {
  const int bar = BarItems().empty() ? 0 : MenuBarHeight(Font());
  const Rect decoration = DecorationInsets();
  SetFrameInsets({decoration.left, decoration.top + bar, decoration.right, decoration.bottom});
}

void Form::Show(int modal) {
  if (!m_loaded) {
    m_loaded = true;
    Load();
  }
  Desktop& desktop = GetDesktop();
  const HWND focusBefore = desktop.Focus() ? desktop.Focus()->hWnd() : 0;
  Visible(true);
  ZOrder(0);
  desktop.SetFocus(this);
  Activate();
  if (modal == vbModal) {
    desktop.RunModal(
        *this, [this] { return Visible(); }, [this] { CloseByUser(); });
    ReturnFocus(*this, focusBefore);
  }
}

bool Form::RunUnload(int mode) {
  bool cancel = false;
  QueryUnload(cancel, mode);
  if (cancel) return false;
  Unload(cancel);
  if (cancel) return false;
  Visible(false);
  m_loaded = false;
  return true;
}

bool Form::UnloadForm() { return RunUnload(vbFormCode); }

bool Form::CloseByUser() { return RunUnload(vbFormControlMenu); }

LRESULT Form::WindowProc(const Message& message) {
  if (message.msg == WM_CLOSE) return CloseByUser() ? 1 : 0;
  return Control::WindowProc(message);
}

Window& Form::Adopt(std::shared_ptr<Window> control, std::string name) {
  Window& ref = *control;
  ref.Name(std::move(name));
  m_owned.push_back(std::move(control));
  return ref;
}

std::vector<Window*> Form::Controls() const {
  std::vector<Window*> out;
  CollectControls(*this, out);
  return out;
}

Window* Form::FindControl(const std::string& name, int index) const {
  for (Window* w : Controls()) {
    if (w->Name() == name && w->Index() == index) return w;
  }
  return nullptr;
}

Window* Form::ActiveControl() const {
  Window* focus = GetDesktop().Focus();
  return focus && IsAncestorOf(focus) ? focus : nullptr;
}

Menu* Form::PopupMenu(Menu& menu, int flags, std::optional<double> x, std::optional<double> y,
                      Menu* defaultItem) {
  const Point at =
      PopupPoint(*this, x, y, UnitsPerPixel(m_scaleMode, false), UnitsPerPixel(m_scaleMode, true));
  return GetDesktop().PopupMenu(menu, defaultItem, at, flags);
}

double Form::ScaleWidth() const { return ClientRect().Width() * UnitsPerPixel(m_scaleMode, false); }

double Form::ScaleHeight() const {
  return ClientRect().Height() * UnitsPerPixel(m_scaleMode, true);
}

double Form::ScaleX(double value, int fromMode, int toMode) const {
  return ConvertScale(value, fromMode, toMode, false);
}

double Form::ScaleY(double value, int fromMode, int toMode) const {
  return ConvertScale(value, fromMode, toMode, true);
}

float Form::ScaleXOfPixels(int px) const {
  return static_cast<float>(px * UnitsPerPixel(m_scaleMode, false));
}

float Form::ScaleYOfPixels(int px) const {
  return static_cast<float>(px * UnitsPerPixel(m_scaleMode, true));
}

}  // namespace qorvexctl::platform
