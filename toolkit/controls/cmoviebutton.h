#pragma once
// A two-state button drawn from a bitmap with two stacked images: the top image at the
// minimum, the one below it at the maximum. A left click flips the value at once and
// reports it to the listener.

#include "toolkit/ccontrol.h"

namespace VSTGUI {

class CMovieButton : public CControl, public IMultiBitmapControl {
 public:
  // The image height is the view's height.
  CMovieButton(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
               const CPoint& offset = CPoint(0, 0));
  CMovieButton(const CRect& size, CControlListener* listener, int32_t tag, CCoord heightOfOneImage,
               CBitmap* background, const CPoint& offset = CPoint(0, 0));

  void draw(CDrawContext* context) override;
  CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
  int32_t onKeyDown(VstKeyCode& keyCode) override;
  void setBackground(CBitmap* background) override;

  CLASS_METHODS(CMovieButton, CControl)

 private:
  void flip();

  CPoint offset_;
};

}  // namespace VSTGUI
