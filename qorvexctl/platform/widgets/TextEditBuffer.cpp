#include "qorvexctl/platform/widgets/TextEditBuffer.h"

#include <algorithm>
#include <utility>

namespace qorvexctl::platform {
namespace {

bool IsWordChar(char32_t c) { return c != U' ' && c != U'\t'; }

}  // namespace

bool TextEditBuffer::SetText(std::u32string text) {
  const bool changed = text != m_text;
  m_text = std::move(text);
  m_anchor = m_caret = 0;
  m_hasUndo = false;
  m_typingRun = false;
  return changed;
}

void TextEditBuffer::SetSelStart(std::size_t start) {
  m_anchor = m_caret = std::min(start, m_text.size());
  m_typingRun = false;
}

void TextEditBuffer::SetSelLength(std::size_t length) {
  const std::size_t start = SelStart();
  m_anchor = start;
  m_caret = start + std::min(length, m_text.size() - start);
  m_typingRun = false;
}

void TextEditBuffer::SelectAll() {
  m_anchor = 0;
  m_caret = m_text.size();
  m_typingRun = false;
}

void TextEditBuffer::MoveCaret(std::size_t position, bool extend) {
  m_caret = std::min(position, m_text.size());
  if (!extend) m_anchor = m_caret;
  m_typingRun = false;
}

std::size_t TextEditBuffer::WordLeft() const {
  std::size_t p = m_caret;
  while (p > 0 && !IsWordChar(m_text[p - 1])) --p;
  while (p > 0 && IsWordChar(m_text[p - 1])) --p;
  return p;
}

std::size_t TextEditBuffer::WordRight() const {
  std::size_t p = m_caret;
  while (p < m_text.size() && IsWordChar(m_text[p])) ++p;
  while (p < m_text.size() && !IsWordChar(m_text[p])) ++p;
  return p;
}

void TextEditBuffer::RememberForUndo(bool typing) {
  if (!(typing && m_typingRun && SelLength() == 0)) {
    m_undo = Snapshot{m_text, m_anchor, m_caret};
    m_hasUndo = true;
  }
  m_typingRun = typing;
}

bool TextEditBuffer::ReplaceSelection(std::u32string_view chars, bool userEdit) {
  return ReplaceSelectionImpl(chars, userEdit, false);
}

bool TextEditBuffer::TypeChar(char32_t c) {
  const char32_t one[1] = {c};
  return ReplaceSelectionImpl(std::u32string_view(one, 1), true, true);
}

bool TextEditBuffer::ReplaceSelectionImpl(std::u32string_view chars, bool userEdit, bool typing) {
  const std::size_t start = SelStart();
  const std::size_t removed = SelLength();
  if (userEdit && m_maxLength > 0) {
    const std::size_t kept = m_text.size() - removed;
    const std::size_t room = m_maxLength > kept ? m_maxLength - kept : 0;
    chars = chars.substr(0, room);
    if (chars.empty() && removed == 0) return false;
  }
  if (chars.empty() && removed == 0) return false;
  RememberForUndo(typing);
  m_text.replace(start, removed, chars);
  m_anchor = m_caret = start + chars.size();
  return true;
}

bool TextEditBuffer::Erase(std::size_t from, std::size_t count) {
  if (count == 0) return false;
  RememberForUndo(false);
  m_text.erase(from, count);
  m_anchor = m_caret = from;
  return true;
}

bool TextEditBuffer::Backspace() {
  if (SelLength() > 0) return Erase(SelStart(), SelLength());
  const std::size_t from = PreviousCaretStop(m_text, m_caret);
  return Erase(from, m_caret - from);
}

bool TextEditBuffer::DeleteForward() {
  if (SelLength() > 0) return Erase(SelStart(), SelLength());
  return Erase(m_caret, NextCaretStop(m_text, m_caret) - m_caret);
}

bool TextEditBuffer::Undo() {
  if (!m_hasUndo) return false;
  Snapshot current{m_text, m_anchor, m_caret};
  std::swap(m_text, m_undo.text);
  m_anchor = m_undo.anchor;
  m_caret = m_undo.caret;
  m_undo = std::move(current);
  m_typingRun = false;
  return m_text != m_undo.text;
}

std::size_t LineBreakLength(std::u32string_view text, std::size_t position) {
  const bool pair =
      text[position] == U'\r' && position + 1 < text.size() && text[position + 1] == U'\n';
  return pair ? 2 : 1;
}

std::size_t PreviousCaretStop(std::u32string_view text, std::size_t position) {
  if (position == 0) return 0;
  if (position >= 2 && text[position - 2] == U'\r' && text[position - 1] == U'\n') {
    return position - 2;
  }
  return position - 1;
}

std::size_t NextCaretStop(std::u32string_view text, std::size_t position) {
  if (position >= text.size()) return text.size();
  if (IsLineBreak(text[position])) return position + LineBreakLength(text, position);
  return position + 1;
}

std::u32string WithCrLfBreaks(std::u32string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsLineBreak(text[i])) {
      out += text[i];
      continue;
    }
    out += U"\r\n";
    i += LineBreakLength(text, i) - 1;
  }
  return out;
}

}  // namespace qorvexctl::platform
