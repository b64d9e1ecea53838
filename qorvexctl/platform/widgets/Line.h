#pragma once
// A line from (X1, Y1) to (X2, Y2) in twips of its container, drawn in BorderColor with
// BorderWidth pixels. Lines take no mouse input.

#include "qorvexctl/platform/widgets/Control.h"

namespace qorvexctl::platform {

class Line : public Control {
 public:
  explicit Line(Window& parent);
  std::string TypeName() const override { return "Line"; }

  double X1() const { return m_x1; }
  double Y1() const { return m_y1; }
  double X2() const { return m_x2; }
  double Y2() const { return m_y2; }
  // Places the line's end points (twips).
  void SetPoints(double x1, double y1, double x2, double y2);
  Colour BorderColor() const { return m_borderColor; }
  void BorderColor(Colour value);
  int BorderWidth() const { return m_borderWidth; }
  void BorderWidth(int value);

  bool IsTransparent() const override { return true; }
  bool TakesMouse() const override { return false; }

 protected:
  void OnPaint(Canvas& canvas) override;

 private:
  void Place();
  double m_x1{0}, m_y1{0}, m_x2{0}, m_y2{0};
  Colour m_borderColor{0x80000008u};
  int m_borderWidth{1};
};

}  // namespace qorvexctl::platform
