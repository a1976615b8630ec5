#pragma once
// A peak LED: unlit at its minimum, lit at its maximum, drawn from a bitmap holding the
// unlit image on top of the lit one. A left click reports to the listener without
// changing the value (the frame decides what a click means); Return toggles it.

#include "toolkit/ccontrol.h"

namespace VSTGUI {

class CPeakLED : public CControl {
 public:
  CPeakLED(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background);

  bool isLit() const { return value == getMax(); }

  void draw(CDrawContext* context) override;
  CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
  int32_t onKeyDown(VstKeyCode& keyCode) override;

  CLASS_METHODS(CPeakLED, CControl)
};

}  // namespace VSTGUI
