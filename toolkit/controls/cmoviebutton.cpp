#include "toolkit/controls/cmoviebutton.h"

namespace VSTGUI {

CMovieButton::CMovieButton(const CRect& rect, CControlListener* controlListener, int32_t controlTag,
                           CBitmap* background, const CPoint& offset)
    : CControl(rect, controlListener, controlTag, background), offset_(offset) {
  heightOfOneImage = rect.getHeight();
  setNumberOfImages(2);
}

CMovieButton::CMovieButton(const CRect& rect, CControlListener* controlListener, int32_t controlTag,
                           CCoord imageHeight, CBitmap* background, const CPoint& offset)
    : CControl(rect, controlListener, controlTag, background), offset_(offset) {
  heightOfOneImage = imageHeight;
  setNumberOfImages(2);
}

void CMovieButton::setBackground(CBitmap* background) {
  CControl::setBackground(background);
  if (heightOfOneImage <= 0) autoComputeHeightOfOneImage();
}

void CMovieButton::draw(CDrawContext* context) {
  bounceValue();
  CPoint where(offset_);
  if (value == getMax()) where.y += heightOfOneImage;
  if (CBitmap* background = getDrawBackground()) background->draw(context, size, where);
  setDirty(false);
}

void CMovieButton::flip() {
  beginEdit();
  value = value == getMax() ? getMin() : getMax();
  invalid();
  valueChanged();
  endEdit();
}

CMouseEventResult CMovieButton::onMouseDown(CPoint& /*where*/, const CButtonState& buttons) {
  if (!buttons.isLeftButton()) return kMouseEventNotHandled;
  flip();
  return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

int32_t CMovieButton::onKeyDown(VstKeyCode& keyCode) {
  if (keyCode.modifier != 0 || keyCode.virt != VKEY_RETURN) return -1;
  flip();
  return 1;
}

}  // namespace VSTGUI
