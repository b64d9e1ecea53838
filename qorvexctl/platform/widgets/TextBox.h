#pragma once
// The one-line text box with the classic behaviour controls rely on:
// - Change is raised after every change of the text, typed or assigned, and not when the same
//   text is assigned again;
// - a key goes KeyDown, KeyPress (for characters, Backspace included), the edit, Change, KeyUp;
//   a KeyDown handler that sets KeyCode to 0 stops the key's own action (Delete, arrows, Home,
//   End), a KeyPress handler that sets KeyAscii to 0 stops the character;
// - assigning Text puts the caret at 0; MaxLength limits typing and pasting, not assignment;
// - Ctrl+C, Ctrl+X, Ctrl+V, Ctrl+Z and Ctrl+A copy, cut, paste, undo and select all (they
//   arrive as the characters 3, 24, 22, 26 and 1 and can be swallowed in KeyPress too).
// Positions (SelStart, SelLength, MaxLength) count characters.
//
// A MultiLine box holds several lines: Enter inserts "\r\n" (the text keeps line breaks as CR
// LF), Up/Down and PageUp/PageDown move by lines keeping the caret's column, Home/End work on
// the caret's line (Ctrl+Home/End on the whole text), lines wrap at the box width unless there
// is a horizontal scroll bar, and the box scrolls to keep the caret in view.

#include <memory>
#include <optional>
#include <string>

#include "qorvexctl/platform/widgets/Control.h"
#include "qorvexctl/platform/widgets/TextEditBuffer.h"

namespace qorvexctl::platform {

class ScrollBar;
class TextBoxLayout;

enum ScrollBarConstants : int { vbSBNone = 0, vbHorizontal = 1, vbVertical = 2, vbBoth = 3 };

class TextBox : public Control {
 public:
  explicit TextBox(Window& parent);
  ~TextBox() override;
  std::string TypeName() const override { return "TextBox"; }
  std::string WindowText() const override { return Text(); }

  Event<> Change;

  std::string Text() const;
  void Text(std::string_view value);
  int SelStart() const { return static_cast<int>(m_edit.SelStart()); }
  void SelStart(int value);
  int SelLength() const { return static_cast<int>(m_edit.SelLength()); }
  void SelLength(int value);
  std::string SelText() const;
  // Replaces the selection (an assignment: MaxLength does not apply).
  void SelText(std::string_view value);
  int MaxLength() const { return static_cast<int>(m_edit.MaxLength()); }
  void MaxLength(int value);
  bool Locked() const { return m_locked; }
  void Locked(bool value) { m_locked = value; }
  // 0 left, 1 right, 2 centre.
  int Alignment() const { return m_alignment; }
  void Alignment(int value);
  // 1: the sunken three-dimensional edge; 0: no border.
  int BorderStyle() const { return m_borderStyle; }
  void BorderStyle(int value);
  // The caret position (the end of the selection the user moves).
  int Caret() const { return static_cast<int>(m_edit.Caret()); }
  bool MultiLine() const { return m_multiLine; }
  void MultiLine(bool value);
  // vbSBNone, vbHorizontal, vbVertical or vbBoth; shown on a MultiLine box only.
  int ScrollBars() const { return m_scrollBars; }
  void ScrollBars(int value);
  // The lines shown (wrapped to the box), and the first one in view.
  int LineCount() const;
  int TopLine() const { return m_topLine; }

  // Clipboard and undo, as the keyboard shortcuts do them.
  void Copy();
  void Cut();
  void Paste();
  void Undo();
  void SelectAll();

  bool CanTakeFocus() const override { return true; }
  // A MultiLine box takes Enter as a line break.
  bool WantsKey(int keyCode) const override;
  // Its scroll bars are parts of the box, not controls of the form.
  bool HasConstituents() const override { return true; }

 protected:
  void OnKeyDown(int& keyCode, int shift) override;
  void OnKeyPress(int& keyAscii) override;
  void OnMouseDown(int button, int shift, Point p) override;
  void OnMouseMove(int buttons, int shift, Point p) override;
  void OnGotFocus() override;
  void OnPaint(Canvas& canvas) override;
  void OnLostFocus() override;
  void OnResize() override { ScrollToCaret(); }

 private:
  void KeyAction(int keyCode, int shift);
  bool MoveAction(int keyCode, bool extend, bool ctrl);
  void CharacterAction(int keyAscii);
  void InsertLineBreak();
  // Moves the caret `lines` lines up (negative) or down, keeping its column.
  void MoveByLines(int lines, bool extend);
  // The start or the end (where End puts the caret) of `position`'s line.
  std::size_t LineBoundary(std::size_t position, bool end) const;
  // Repaints and raises Change when an edit changed the text.
  void Edited(bool changed);
  void ScrollToCaret();
  // Shows, places and sets the scroll bars for the lines and the scrolling.
  void SyncScrollBars(const TextBoxLayout& layout);
  ScrollBar* SyncBar(std::unique_ptr<ScrollBar>& bar, int which);

  // Layout and drawing (TextBox_paint.cpp).
  TextBoxLayout Layout() const;
  bool Wraps() const { return m_multiLine && !(m_scrollBars & vbHorizontal); }
  bool ShowsBar(int which) const { return m_multiLine && (m_scrollBars & which) != 0; }
  Rect InsideEdge() const;
  Rect TextArea() const;
  int VisibleLines() const;
  int LineOriginX(const TextBoxLayout& layout, std::size_t line) const;
  void PaintLine(Canvas& canvas, const TextBoxLayout& layout, std::size_t line, int y);
  std::size_t PositionFromPoint(Point p) const;

  TextEditBuffer m_edit;
  bool m_locked{false};
  int m_alignment{0};
  int m_borderStyle{1};
  bool m_multiLine{false};
  int m_scrollBars{vbSBNone};
  int m_scrollX{0};                  // pixels of text scrolled out on the left
  int m_topLine{0};                  // the first line in view
  std::optional<int> m_caretColumn;  // the x Up and Down keep, in pixels from the line start
  std::unique_ptr<ScrollBar> m_verticalBar;
  std::unique_ptr<ScrollBar> m_horizontalBar;
};

}  // namespace qorvexctl::platform
