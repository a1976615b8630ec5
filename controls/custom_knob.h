#pragma once
// A rotary control: the value 0 sits at the start angle, the value 1 at start + range,
// turning clockwise on screen. A left or right drag turns it (linearly or around its
// centre, as the host's knob mode says), the wheel and the arrow keys step it, and an
// Alt-click puts it back to its default.

#include "toolkit/ccontrol.h"

namespace VSTGUI {

class CustomKnob : public CControl {
 public:
  // `handle` is drawn at the point for the value; without one a line from the centre
  // shows it. The knob keeps its own references to both bitmaps.
  CustomKnob(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
             CBitmap* handle, const CPoint& offset = CPoint(0, 0), int32_t drawStyle = 0);
  ~CustomKnob() override;
  CustomKnob(const CustomKnob&) = delete;
  CustomKnob& operator=(const CustomKnob&) = delete;

  // `where` is relative to the view's top-left corner.
  virtual float valueAtPoint(const CPoint& where) const;
  // The point (relative to the view's top-left corner) for a value.
  virtual CPoint pointForValue(float forValue) const;

  void draw(CDrawContext* context) override;
  CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
  CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
  CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
  bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;
  int32_t onKeyDown(VstKeyCode& keyCode) override;

  void setStartAngle(float angle) { startAngle_ = angle; }
  float getStartAngle() const { return startAngle_; }
  void setRangeAngle(float angle) { rangeAngle_ = angle; }
  float getRangeAngle() const { return rangeAngle_; }
  void setInsetValue(CCoord inset) { inset_ = inset; }
  CCoord getInsetValue() const { return inset_; }
  void setZoomFactor(float factor) { zoomFactor_ = factor; }
  float getZoomFactor() const { return zoomFactor_; }
  void setColorHandle(const CColor& colour) { handleColour_ = colour; }
  const CColor& getColorHandle() const { return handleColour_; }
  void setColorShadowHandle(const CColor& colour) { handleShadowColour_ = colour; }
  const CColor& getColorShadowHandle() const { return handleShadowColour_; }
  void setCoronaInset(CCoord inset) { coronaInset_ = inset; }
  CCoord getCoronaInset() const { return coronaInset_; }
  void setCoronaColor(const CColor& colour) { coronaColour_ = colour; }
  const CColor& getCoronaColor() const { return coronaColour_; }
  void setDrawStyle(int32_t style) { drawStyle_ = style; }
  int32_t getDrawStyle() const { return drawStyle_; }
  CBitmap* getHandleBitmap() const { return handle_; }

  CLASS_METHODS_NOCOPY(CustomKnob, CControl)

 protected:
  // Steps the value by `steps` wheel increments (a tenth of one with `fine`) as one edit.
  void stepValue(float steps, bool fine);

  CPoint offset_;

 private:
  // The value change of one move of a drag.
  void dragLinear(const CPoint& where, const CButtonState& buttons);
  void dragCircular(const CPoint& where);

  float startAngle_;
  float rangeAngle_;
  CCoord inset_;
  float zoomFactor_ = 1.5f;
  CColor handleColour_{255, 255, 255, 255};
  CColor handleShadowColour_{90, 90, 90, 255};
  CCoord coronaInset_ = 0;
  CColor coronaColour_{255, 255, 255, 255};
  int32_t drawStyle_;
  CBitmap* handle_;

  // Drag state, from the press to the release.
  CPoint firstPoint_;
  CPoint lastPoint_;
  float startValue_ = 0.f;
  float entryValue_ = 0.f;
  float range_ = 200.f;
  float coefficient_ = 0.f;
  CButtonState oldButtons_;
  bool linear_ = false;
};

}  // namespace VSTGUI
