#include "qorvexctl/platform/TextBox.h"

#include "qorvexctl/base/Text.h"
#include "qorvexctl/platform/Desktop.h"

namespace qorvexctl::platform {

TextBox::TextBox(Window& parent) : Control(parent.GetDesktop(), &parent) {
  BackColor(0x80000005u);  // window background
  ForeColor(0x80000008u);  // window text
}

std::string TextBox::Text() const { return EncodeUtf8(m_edit.Text()); }

void TextBox::Text(std::string_view value) { Edited(m_edit.SetText(DecodeUtf8(value))); }

void TextBox::SelStart(int value) {
  m_edit.SetSelStart(static_cast<std::size_t>(std::max(value, 0)));
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

void TextBox::MaxLength(int value) { m_edit.SetMaxLength(static_cast<std::size_t>(std::max(value, 0))); }

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

void TextBox::Edited(bool changed) {
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
  // A one-line box takes the clipboard text up to its first line break.
  chars = chars.substr(0, chars.find_first_of(U"\r\n"));
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
    case vbKeyLeft:
      m_edit.MoveCaret(ctrl ? m_edit.WordLeft() : (m_edit.Caret() > 0 ? m_edit.Caret() - 1 : 0),
                       extend);
      break;
    case vbKeyRight: m_edit.MoveCaret(ctrl ? m_edit.WordRight() : m_edit.Caret() + 1, extend); break;
    case vbKeyHome: m_edit.MoveCaret(0, extend); break;
    case vbKeyEnd: m_edit.MoveCaret(m_edit.Length(), extend); break;
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
    default: return;
  }
  Invalidate();
}

void TextBox::OnKeyPress(int& keyAscii) {
  const HWND self = hWnd();
  Control::OnKeyPress(keyAscii);
  if (keyAscii != 0 && GetDesktop().FromHandle(self)) CharacterAction(keyAscii);
}

void TextBox::CharacterAction(int keyAscii) {
  switch (keyAscii) {
    case 1: SelectAll(); return;
    case 3: Copy(); return;
    case 22: Paste(); return;
    case 24: Cut(); return;
    case 26: Undo(); return;
    case vbKeyBack:
      if (!m_locked) Edited(m_edit.Backspace());
      return;
    default: break;
  }
  if (keyAscii < 32 || m_locked) return;
  Edited(m_edit.TypeChar(static_cast<char32_t>(keyAscii)));
}

void TextBox::OnMouseDown(int button, int shift, Point p) {
  if (button == vbLeftButton) {
    m_edit.MoveCaret(PositionFromPoint(p), (shift & vbShiftMask) != 0);
    Invalidate();
  }
  Control::OnMouseDown(button, shift, p);
}

void TextBox::OnMouseMove(int buttons, int shift, Point p) {
  if (buttons & vbLeftButton) {
    m_edit.MoveCaret(PositionFromPoint(p), true);
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
