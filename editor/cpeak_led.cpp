#include "editor/cpeak_led.h"

namespace VSTGUI {

CPeakLED::CPeakLED(const CRect& rect, CControlListener* controlListener, int32_t controlTag,
                   CBitmap* background)
    : CControl(rect, controlListener, controlTag, background) {
  setMin(0);
  setMax(1);
  setWantsFocus(true);
}

void CPeakLED::draw(CDrawContext* context) {
  if (CBitmap* background = getDrawBackground()) {
    const CCoord litImage = isLit() ? background->getHeight() / 2 : 0;
    background->draw(context, size, CPoint(0, litImage));
  }
  setDirty(false);
}

CMouseEventResult CPeakLED::onMouseDown(CPoint& /*where*/, const CButtonState& buttons) {
  if (!buttons.isLeftButton()) return kMouseEventNotHandled;
  invalid();
  valueChanged();
  return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

int32_t CPeakLED::onKeyDown(VstKeyCode& keyCode) {
  if (keyCode.virt != VKEY_RETURN || keyCode.modifier != 0) return -1;
  setValue(isLit() ? getMin() : getMax());
  invalid();
  beginEdit();
  valueChanged();
  endEdit();
  return 1;
}

}  // namespace VSTGUI
