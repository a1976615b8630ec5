#pragma once
// A hotspot that shows a bitmap over a given area of the frame when clicked, until the
// next click anywhere. The hotspot itself draws nothing; while the bitmap is shown it
// is the frame's modal view, so the click that hides it reaches no other view.
// The value is the maximum while the bitmap is shown, the minimum otherwise.

#include "toolkit/ccontrol.h"

namespace VSTGUI {

class CSplashScreen : public CControl {
 public:
  // `background` is the bitmap to show; `toDisplay` is where, in frame coordinates;
  // `offset` is where in the bitmap to start.
  CSplashScreen(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                const CRect& toDisplay, const CPoint& offset = CPoint(0, 0));
  CSplashScreen(const CSplashScreen& other);
  ~CSplashScreen() override;

  void draw(CDrawContext* context) override;
  CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
  bool removed(CView* parent) override;

  // Hides the bitmap again.
  virtual void unSplash();
  bool isSplashed() const;

  CLASS_METHODS(CSplashScreen, CControl)

 private:
  CView* splashView_;
};

}  // namespace VSTGUI
