#pragma once
// A vertical or horizontal scroll bar with the classic behaviour:
// - Value stays within Min and Max; Min may be greater than Max, and the bar then runs
//   reversed (the top or left end is still Min);
// - the arrows move by SmallChange and the track beside the thumb by LargeChange, repeating
//   while the button is held; dragging the thumb raises Scroll at every move and Change when it
//   is released; the keyboard moves it too (arrows, PageUp/PageDown, Home/End);
// - Change is raised after every change of Value, by the user or by code.
// A scroll bar built into another control (a list view, a multi-line text box) leaves the
// focus to that control: SetCanTakeFocus(false).

#include <cstdint>

#include "qorvexctl/platform/widgets/Control.h"

namespace qorvexctl::platform {

enum class ScrollBarOrientation { Vertical, Horizontal };

class ScrollBar : public Control {
 public:
  explicit ScrollBar(Window& parent,
                     ScrollBarOrientation orientation = ScrollBarOrientation::Vertical);
  std::string TypeName() const override { return IsVertical() ? "VScrollBar" : "HScrollBar"; }

  Event<> Change;
  Event<> Scroll;

  int Min() const { return m_min; }
  void Min(int value);
  int Max() const { return m_max; }
  void Max(int value);
  int Value() const { return m_value; }
  void Value(int value);
  int SmallChange() const { return m_smallChange; }
  void SmallChange(int value);
  int LargeChange() const { return m_largeChange; }
  void LargeChange(int value);

  ScrollBarOrientation Orientation() const { return m_orientation; }
  bool IsVertical() const { return m_orientation == ScrollBarOrientation::Vertical; }

  bool CanTakeFocus() const override { return m_canTakeFocus; }
  void SetCanTakeFocus(bool value) { m_canTakeFocus = value; }

  // The parts of the bar in client pixels, for painting and hit testing.
  struct Layout {
    Rect lowArrow;   // top or left arrow (towards Min)
    Rect highArrow;  // bottom or right arrow (towards Max)
    Rect track;      // between the arrows
    Rect thumb;      // empty when the bar cannot scroll
  };
  Layout GetLayout() const;

 protected:
  void OnPaint(Canvas& canvas) override;
  void OnMouseDown(int button, int shift, Point p) override;
  void OnMouseMove(int buttons, int shift, Point p) override;
  void OnMouseUp(int button, int shift, Point p) override;
  void OnKeyDown(int& keyCode, int shift) override;
  void OnResize() override { Invalidate(); }
  void OnEnabledChanged() override { Invalidate(); }
  void OnGotFocus() override;
  void OnLostFocus() override;

 private:
  // What the held mouse button is doing.
  enum class Part { None, LowArrow, HighArrow, LowTrack, HighTrack, Thumb };

  // Sets Value clamped to the range; returns whether it changed. Raises nothing.
  bool SetClamped(int value);
  // Moves by `steps` towards Max (negative: towards Min) and raises Change when it moved.
  void StepBy(int steps);
  void ClampAndNotify();
  bool CanScroll() const { return m_min != m_max && IsEnabledInTree(); }
  Part PartAt(Point p) const;
  // Runs the held part's action once and starts the repeat timer.
  void StartRepeating(Part part);
  void RepeatHeldPart();
  void StopRepeating();
  // The thumb follows the pointer; raises Scroll when the value moved.
  void DragThumbTo(Point p);
  // Pixel offset along the bar (y for vertical, x for horizontal).
  int Along(Point p) const { return IsVertical() ? p.y : p.x; }
  // The range direction: +1 when Max >= Min, -1 when reversed.
  int Direction() const { return m_max >= m_min ? 1 : -1; }

  ScrollBarOrientation m_orientation;
  int m_min{0};
  int m_max{32767};
  int m_value{0};
  int m_smallChange{1};
  int m_largeChange{1};
  bool m_canTakeFocus{true};
  Part m_held{Part::None};
  Point m_pointer{};        // last pointer position while a part is held
  int m_dragGrabOffset{0};  // pointer offset inside the thumb when the drag began
  int m_valueBeforeDrag{0};
};

}  // namespace qorvexctl::platform
