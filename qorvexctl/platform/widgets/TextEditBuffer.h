#pragma once
// The editing model of a text box: the characters, the caret and the selection anchor,
// the length limit and one level of undo. Positions count characters (code points); a "\r\n"
// line break is one step for the caret, Backspace and Delete. Every
// editing call reports whether the text changed, so the owner knows when to raise Change.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace qorvexctl::platform {

class TextEditBuffer {
 public:
  const std::u32string& Text() const { return m_text; }
  std::size_t Length() const { return m_text.size(); }

  // Replaces the whole text (an assignment: no length limit), caret at 0, undo forgotten.
  bool SetText(std::u32string text);

  std::size_t SelStart() const { return std::min(m_anchor, m_caret); }
  std::size_t SelLength() const {
    return m_anchor > m_caret ? m_anchor - m_caret : m_caret - m_anchor;
  }
  std::size_t Caret() const { return m_caret; }
  std::u32string SelText() const { return m_text.substr(SelStart(), SelLength()); }
  // Moves the caret to `start` (clamped to the text) and empties the selection.
  void SetSelStart(std::size_t start);
  // Selects `length` characters from SelStart (clamped to the text).
  void SetSelLength(std::size_t length);
  void SelectAll();
  // Moves the caret to `position`; with `extend` the selection anchor stays where it is.
  void MoveCaret(std::size_t position, bool extend);
  // The caret position one word to the left or right of the caret.
  std::size_t WordLeft() const;
  std::size_t WordRight() const;

  // 0 means no limit. Typing and pasting stop at the limit; assignments do not.
  std::size_t MaxLength() const { return m_maxLength; }
  void SetMaxLength(std::size_t n) { m_maxLength = n; }

  // Replaces the selection by `chars`, caret after them. A user edit (typing, pasting) keeps to
  // MaxLength, cutting what does not fit; an assignment of SelText does not.
  bool ReplaceSelection(std::u32string_view chars, bool userEdit);
  // A typed character: consecutive typed characters undo together.
  bool TypeChar(char32_t c);
  // Backspace and Delete: the selection, or the character (or line break) before or after the
  // caret.
  bool Backspace();
  bool DeleteForward();

  bool CanUndo() const { return m_hasUndo; }
  // Restores the text before the last edit; undoing again redoes it.
  bool Undo();

 private:
  struct Snapshot {
    std::u32string text;
    std::size_t anchor{0};
    std::size_t caret{0};
  };
  bool ReplaceSelectionImpl(std::u32string_view chars, bool userEdit, bool typing);
  void RememberForUndo(bool typing);
  bool Erase(std::size_t from, std::size_t count);

  std::u32string m_text;
  std::size_t m_anchor{0};
  std::size_t m_caret{0};
  std::size_t m_maxLength{0};
  Snapshot m_undo;
  bool m_hasUndo{false};
  bool m_typingRun{false};  // the last edit was a typed character ending at the caret
};

// Whether `c` starts a line break ("\r\n", or a lone "\r" or "\n").
constexpr bool IsLineBreak(char32_t c) { return c == U'\r' || c == U'\n'; }
// The length of the line break at `position`: 2 for "\r\n", else 1.
std::size_t LineBreakLength(std::u32string_view text, std::size_t position);
// The position before or after `position`, stepping over a "\r\n" pair as one character.
std::size_t PreviousCaretStop(std::u32string_view text, std::size_t position);
std::size_t NextCaretStop(std::u32string_view text, std::size_t position);
// The text with every line break as "\r\n" (a lone "\r" or "\n" becomes the pair).
std::u32string WithCrLfBreaks(std::u32string_view text);

}  // namespace qorvexctl::platform
