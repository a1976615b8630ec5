#pragma once
// A control-point handle of the frequency graph: a 12 x 12 square the user drags to
// set a control point's frequency (x) and pattern type (y). The control is the
// square enlarged by 10 pixels on every side, so it can be grabbed a little outside
// what is drawn. The handle only moves, draws and tells its listener (the graph);
// turning positions into parameter values is the graph's work.
//
// Ctrl drags in fine mode (a tenth of the pointer's movement), Shift marks the move
// as a group move of all handles, and Alt-click resets the handle to its defaults.

#include "toolkit/ccontrol.h"

class GraphControl : public VSTGUI::CControl {
 public:
  // How far the control's area reaches beyond the drawn square on every side.
  static constexpr VSTGUI::CCoord kGrabMargin = 10;

  // `handle` is the drawn square, `limits` the region (bounds included, in the
  // graph's coordinates) in which the handle's centre may lie.
  GraphControl(const VSTGUI::CRect& handle, const VSTGUI::CRect& limits,
               VSTGUI::CControlListener* listener, int32_t tag, int32_t typeTag,
               VSTGUI::CBitmap* background = nullptr);
  GraphControl(const GraphControl& other);

  void draw(VSTGUI::CDrawContext* context) override;
  VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                        const VSTGUI::CButtonState& buttons) override;
  VSTGUI::CMouseEventResult onMouseUp(VSTGUI::CPoint& where,
                                      const VSTGUI::CButtonState& buttons) override;
  VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::CPoint& where,
                                         const VSTGUI::CButtonState& buttons) override;
  VSTGUI::CMouseEventResult onMouseExited(VSTGUI::CPoint& where,
                                          const VSTGUI::CButtonState& buttons) override;

  // The type parameter's ID; getTag() is the frequency parameter's.
  virtual int32_t getTypeTag() const { return typeTag_; }
  const VSTGUI::CPoint& getCenter() const { return centre_; }
  const VSTGUI::CRect& getLimits() const { return limits_; }
  bool isShiftHeld() const { return shiftHeld_; }
  bool isDragging() const { return dragButtons_ != 0; }
  // The centre's movement since the last call (or since the drag began).
  VSTGUI::CPoint takeMoveDelta();

  // Move the centre's x (or y) to the value, kept inside the limits; a value that is
  // not a number leaves the handle where it is.
  void setCenterX(float x);
  void setCenterY(float y);

  CLASS_METHODS(GraphControl, CControl)

 private:
  // Moves the top-left corner to (x, y), corrected so the centre stays inside the limits.
  void moveClamped(double x, double y);
  // Moves the centre to `centre` as it is, without the limits.
  void moveCentreTo(const VSTGUI::CPoint& centre);
  void updateCentre();
  VSTGUI::CMouseEventResult resetToDefaults();

  VSTGUI::CPoint dragOffset_;
  VSTGUI::CRect limits_;
  int32_t typeTag_;
  VSTGUI::CPoint centre_;
  VSTGUI::CPoint dragStart_;
  VSTGUI::CPoint lastReportedCentre_;
  int32_t dragButtons_ = 0;  // the button state that began the drag; 0 when idle
  bool shiftHeld_ = false;
};
