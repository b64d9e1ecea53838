#include "qorvexctl/platform/widgets/TextBox.h"

#include "qorvexctl/base/Text.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/widgets/ScrollBar.h"
#include "qorvexctl/platform/widgets/TextBoxLayout.h"

namespace qorvexctl::platform {

TextBox::TextBox(Window& parent) : Control(parent.GetDesktop(), &parent) {
  BackColor(0x80000005u);  // window background
  ForeColor(0x80000008u);  // window text
}

TextBox::~TextBox() = default;

std::string TextBox::Text() const { return EncodeUtf8(m_edit.Text()); }

void TextBox::Text(std::string_view value) { Edited(m_edit.SetText(DecodeUtf8(value))); }

void TextBox::SelStart(int value) {
  m_edit.SetSelStart(static_cast<std::size_t>(std::max(value, 0)));
  m_caretColumn.reset();
  ScrollToCaret();
  Invalidate();
}

void TextBox::SelLength(int value) {
  m_edit.SetSelLength(static_cast<std::size_t>(std::max(value, 0)));
  Invalidate();
}

std::string TextBox::SelText() const { return EncodeUtf8(m_edit.SelText()); }

void TextBox::SelText(std::string_view value) {
  Edited(m_edit.ReplaceSelection(DecodeUtf8(value), false));
}

void TextBox::MaxLength(int value) {
  m_edit.SetMaxLength(static_cast<std::size_t>(std::max(value, 0)));
}

void TextBox::Alignment(int value) {
  if (value < 0 || value > 2 || value == m_alignment) return;
  m_alignment = value;
  Invalidate();
}

void TextBox::BorderStyle(int value) {
  if (value == m_borderStyle || value < 0 || value > 1) return;
  m_borderStyle = value;
  Invalidate();
}

void TextBox::MultiLine(bool value) {
  if (value == m_multiLine) return;
  m_multiLine = value;
  m_topLine = 0;
  ScrollToCaret();
  Invalidate();
}

void TextBox::ScrollBars(int value) {
  if (value == m_scrollBars || value < vbSBNone || value > vbBoth) return;
  m_scrollBars = value;
  ScrollToCaret();
  Invalidate();
}

bool TextBox::WantsKey(int keyCode) const {
  return (m_multiLine && keyCode == vbKeyReturn) || Control::WantsKey(keyCode);
}

void TextBox::Edited(bool changed) {
  m_caretColumn.reset();
  ScrollToCaret();
  Invalidate();
  if (changed) Change();
}

void TextBox::Copy() {
  if (m_edit.SelLength() > 0) GetDesktop().GetClipboard().SetText(SelText());
}

void TextBox::Cut() {
  if (m_locked || m_edit.SelLength() == 0) return;
  Copy();
  Edited(m_edit.Backspace());
}

void TextBox::Paste() {
  if (m_locked) return;
  std::u32string chars = DecodeUtf8(GetDesktop().GetClipboard().GetText());
  if (m_multiLine) {
    chars = WithCrLfBreaks(chars);
  } else {
    // A one-line box takes the clipboard text up to its first line break.
    chars = chars.substr(0, chars.find_first_of(U"\r\n"));
  }
  Edited(m_edit.ReplaceSelection(chars, true));
}

void TextBox::Undo() {
  if (!m_locked) Edited(m_edit.Undo());
}

void TextBox::SelectAll() {
  m_edit.SelectAll();
  Invalidate();
}

void TextBox::OnKeyDown(int& keyCode, int shift) {
  const HWND self = hWnd();
  Control::OnKeyDown(keyCode, shift);
  if (keyCode != 0 && GetDesktop().FromHandle(self)) KeyAction(keyCode, shift);
}

void TextBox::KeyAction(int keyCode, int shift) {
  const bool extend = (shift & vbShiftMask) != 0;
  const bool ctrl = (shift & vbCtrlMask) != 0;
  switch (keyCode) {
    case vbKeyDelete:
      if (extend) {
        Cut();
      } else if (!m_locked) {
        Edited(m_edit.DeleteForward());
      }
      return;
    case vbKeyInsert:
      if (ctrl) Copy();
      if (extend) Paste();
      return;
    default:
      break;
  }
  if (!MoveAction(keyCode, extend, ctrl)) return;
  ScrollToCaret();
  Invalidate();
}

// The caret keys; false for any other key.
bool TextBox::MoveAction(int keyCode, bool extend, bool ctrl) {
  const std::u32string& text = m_edit.Text();
  const std::size_t caret = m_edit.Caret();
  if (m_multiLine && (keyCode == vbKeyUp || keyCode == vbKeyDown || keyCode == vbKeyPageUp ||
                      keyCode == vbKeyPageDown)) {
    const int step = (keyCode == vbKeyPageUp || keyCode == vbKeyPageDown) ? VisibleLines() : 1;
    MoveByLines((keyCode == vbKeyUp || keyCode == vbKeyPageUp) ? -step : step, extend);
    return true;
  }
  std::size_t target = caret;
  switch (keyCode) {
    case vbKeyLeft:
      target = ctrl ? m_edit.WordLeft() : PreviousCaretStop(text, caret);
      break;
    case vbKeyRight:
      target = ctrl ? m_edit.WordRight() : NextCaretStop(text, caret);
      break;
    case vbKeyHome:
      target = ctrl ? 0 : LineBoundary(caret, false);
      break;
    case vbKeyEnd:
      target = ctrl ? text.size() : LineBoundary(caret, true);
      break;
    default:
      return false;
  }
  m_edit.MoveCaret(target, extend);
  m_caretColumn.reset();
  return true;
}

std::size_t TextBox::LineBoundary(std::size_t position, bool end) const {
  const TextBoxLayout layout = Layout();
  const std::size_t line = layout.LineOf(position);
  return end ? layout.LineEndForCaret(line) : layout.Lines()[line].start;
}

void TextBox::MoveByLines(int lines, bool extend) {
  const TextBoxLayout layout = Layout();
  const std::size_t caret = m_edit.Caret();
  if (!m_caretColumn) m_caretColumn = layout.XOf(caret);
  const long last = static_cast<long>(layout.LineCount()) - 1;
  const long line = std::clamp(static_cast<long>(layout.LineOf(caret)) + lines, 0L, last);
  m_edit.MoveCaret(layout.PositionAt(static_cast<std::size_t>(line), *m_caretColumn), extend);
}

void TextBox::OnKeyPress(int& keyAscii) {
  const HWND self = hWnd();
  Control::OnKeyPress(keyAscii);
  if (keyAscii != 0 && GetDesktop().FromHandle(self)) CharacterAction(keyAscii);
}

void TextBox::CharacterAction(int keyAscii) {
  switch (keyAscii) {
    case 1:
      SelectAll();
      return;
    case 3:
      Copy();
      return;
    case 22:
      Paste();
      return;
    case 24:
      Cut();
      return;
    case 26:
      Undo();
      return;
    case vbKeyBack:
      if (!m_locked) Edited(m_edit.Backspace());
      return;
    case vbKeyReturn:
      if (m_multiLine) InsertLineBreak();
      return;
    default:
      break;
  }
  if (keyAscii < 32 || m_locked) return;
  Edited(m_edit.TypeChar(static_cast<char32_t>(keyAscii)));
}

void TextBox::InsertLineBreak() {
  if (m_locked) return;
  const std::size_t max = m_edit.MaxLength();
  // Both characters of the break fit, or neither goes in.
  if (max > 0 && m_edit.Length() - m_edit.SelLength() + 2 > max) return;
  Edited(m_edit.ReplaceSelection(U"\r\n", true));
}

void TextBox::OnMouseDown(int button, int shift, Point p) {
  if (button == vbLeftButton) {
    m_caretColumn.reset();
    m_edit.MoveCaret(PositionFromPoint(p), (shift & vbShiftMask) != 0);
    Invalidate();
  }
  Control::OnMouseDown(button, shift, p);
}

void TextBox::OnMouseMove(int buttons, int shift, Point p) {
  if (buttons & vbLeftButton) {
    m_edit.MoveCaret(PositionFromPoint(p), true);
    m_caretColumn.reset();
    ScrollToCaret();
    Invalidate();
  }
  Control::OnMouseMove(buttons, shift, p);
}

void TextBox::OnGotFocus() {
  Invalidate();
  Control::OnGotFocus();
}

void TextBox::OnLostFocus() {
  Invalidate();
  Control::OnLostFocus();
}

}  // namespace qorvexctl::platform
