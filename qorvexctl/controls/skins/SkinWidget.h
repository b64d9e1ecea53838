#pragma once
// The behaviour the pointer-driven skinned widgets share (skGoButton, skNumber, skSubMenu,
// skQuadro): hover tracking with mouse capture, left presses and clicks, double clicks and the
// Resize event.
//
// Hover tracking: every mouse move raises MouseMove, captures the mouse and reads the pointer.
// Inside the control and not hovering yet, hovering starts, MouseIn is raised and the control
// redraws. Outside while hovering, MouseOut is raised, the capture is released unless a mouse
// button is held, hovering ends and the control redraws. So a press that leaves the control
// keeps the capture and the release still arrives here.

#include "qorvexctl/base/Event.h"
#include "qorvexctl/frame/UserControl.h"

namespace qorvexctl {

class SkinWidget : public UserControl {
 public:
  Event<> MouseIn;
  Event<> MouseOut;
  Event<> Resize;

  bool Hovering() const { return m_hovering; }

 protected:
  SkinWidget(LibraryState& library, platform::Desktop& desktop, platform::Window* container);

  // Repaints the control at the next idle moment.
  void Redraw() { Invalidate(); }
  // Hovering ends without MouseOut; the capture is released unless a button is held.
  void StopHovering();
  // Hovering ends and MouseOut is raised, as when the pointer leaves.
  void LeaveHover();

  // What the widgets add to the shared steps (all do nothing by default).
  virtual void OnLeftPressed() {}
  virtual void OnLeftReleased() {}
  // A left press and release inside the control.
  virtual void OnSkinClick() {}
  virtual void OnSkinDoubleClick() {}

  void OnMouseMove(int buttons, int shift, platform::Point p) override;
  void OnMouseDown(int button, int shift, platform::Point p) override;
  void OnMouseUp(int button, int shift, platform::Point p) override;
  void OnDoubleClick(int button, int shift, platform::Point p) override;
  void OnResize() override;
  bool ClicksOnRelease() const override { return false; }

 private:
  bool AnyButtonHeld() const;

  bool m_hovering{false};
  bool m_leftPressed{false};
};

}  // namespace qorvexctl
