#pragma once
// A picture box: a bordered drawing area with the classic drawing members (its DrawingLayer:
// AutoRedraw, ScaleMode, Cls, Print, Line, PaintPicture, hDC), a picture shown at its
// top-left corner, Paint and Resize events. It can hold child controls and take the focus.

#include <memory>

#include "qorvexctl/platform/widgets/Control.h"
#include "qorvexctl/platform/widgets/DrawingLayer.h"

namespace qorvexctl::platform {

class PictureBox : public Control {
 public:
  explicit PictureBox(Window& parent);
  std::string TypeName() const override { return "PictureBox"; }

  Event<> Paint;
  Event<> Resize;

  // The drawing members.
  DrawingLayer& Drawing() { return m_layer; }
  bool AutoRedraw() const { return m_layer.AutoRedraw(); }
  void AutoRedraw(bool value) { m_layer.AutoRedraw(value); }
  int ScaleMode() const { return m_layer.ScaleMode(); }
  void ScaleMode(int value) { m_layer.ScaleMode(value); }
  double ScaleWidth() const { return m_layer.ScaleWidth(); }
  double ScaleHeight() const { return m_layer.ScaleHeight(); }
  void Cls() { m_layer.Cls(); }
  void Print(std::string_view text) { m_layer.Print(text); }
  Canvas& hDC() { return m_layer.hDC(); }
  // What is drawn on the box (the persistent image with AutoRedraw).
  const Surface& Image() { return m_layer.Image(); }

  // The picture drawn under the drawing, at the top-left corner; nullptr for none.
  std::shared_ptr<platform::Picture> Picture() const { return m_picture; }
  void Picture(std::shared_ptr<platform::Picture> value);
  // 0 none, 1 the sunken three-dimensional edge.
  int BorderStyle() const { return m_borderStyle; }
  void BorderStyle(int value);

  bool CanTakeFocus() const override { return true; }
  float ScaleXOfPixels(int px) const override {
    return static_cast<float>(m_layer.FromPixelsX(px));
  }
  float ScaleYOfPixels(int px) const override {
    return static_cast<float>(m_layer.FromPixelsY(px));
  }

 protected:
  void OnPaint(Canvas& canvas) override;
  void OnResize() override { Resize(); }

 private:
  DrawingLayer m_layer{*this};
  std::shared_ptr<platform::Picture> m_picture;
  int m_borderStyle{1};
};

}  // namespace qorvexctl::platform
