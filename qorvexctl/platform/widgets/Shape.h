#pragma once
// A shape: a rectangle, square, oval, circle or rounded rectangle drawn with a border colour
// and width and an optional fill. Shapes take no mouse input; clicks go to the container.

#include "qorvexctl/platform/widgets/Control.h"

namespace qorvexctl::platform {

enum ShapeConstants : int {
  vbShapeRectangle = 0,
  vbShapeSquare = 1,
  vbShapeOval = 2,
  vbShapeCircle = 3,
  vbShapeRoundedRectangle = 4,
  vbShapeRoundedSquare = 5,
};

class Shape : public Control {
 public:
  explicit Shape(Window& parent);
  std::string TypeName() const override { return "Shape"; }

  int ShapeKind() const { return m_shape; }
  void ShapeKind(int value);
  Colour BorderColor() const { return m_borderColor; }
  void BorderColor(Colour value);
  int BorderWidth() const { return m_borderWidth; }
  void BorderWidth(int value);
  // 0 transparent border, 1 solid.
  int BorderStyle() const { return m_borderStyle; }
  void BorderStyle(int value);
  Colour FillColor() const { return m_fillColor; }
  void FillColor(Colour value);
  // 0 solid fill, 1 transparent (no fill).
  int FillStyle() const { return m_fillStyle; }
  void FillStyle(int value);
  // 0 transparent background, 1 opaque BackColor inside the shape.
  int BackStyle() const { return m_backStyle; }
  void BackStyle(int value);

  bool IsTransparent() const override { return true; }
  bool TakesMouse() const override { return false; }

 protected:
  void OnPaint(Canvas& canvas) override;

 private:
  Rect ShapeRect() const;
  int m_shape{vbShapeRectangle};
  Colour m_borderColor{0x80000008u};
  int m_borderWidth{1};
  int m_borderStyle{1};
  Colour m_fillColor{0};
  int m_fillStyle{1};
  int m_backStyle{0};
};

}  // namespace qorvexctl::platform
