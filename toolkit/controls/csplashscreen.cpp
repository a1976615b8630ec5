#include "toolkit/controls/csplashscreen.h"

#include "toolkit/cframe.h"

namespace VSTGUI {
namespace {

// The shown bitmap: drawn over its area, and closes the splash on the next click.
class SplashView : public CView {
 public:
  SplashView(const CRect& area, CSplashScreen* owner, CBitmap* bitmap, const CPoint& offset)
      : CView(area), owner_(owner) {
    setBackground(bitmap);
    setBackOffset(offset);
  }

  CMouseEventResult onMouseDown(CPoint& /*where*/, const CButtonState& /*buttons*/) override {
    if (owner_) owner_->unSplash();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
  }

  void setOwner(CSplashScreen* owner) { owner_ = owner; }

  CLASS_METHODS_NOCOPY(SplashView, CView)

 private:
  CSplashScreen* owner_;
};

}  // namespace

CSplashScreen::CSplashScreen(const CRect& rect, CControlListener* controlListener,
                             int32_t controlTag, CBitmap* background, const CRect& toDisplay,
                             const CPoint& offset)
    : CControl(rect, controlListener, controlTag, background),
      splashView_(new SplashView(toDisplay, this, background, offset)) {}

CSplashScreen::CSplashScreen(const CSplashScreen& other)
    : CControl(other),
      splashView_(new SplashView(other.splashView_->getViewSize(), this, other.getBackground(),
                                 other.splashView_->getBackOffset())) {}

CSplashScreen::~CSplashScreen() {
  static_cast<SplashView*>(splashView_)->setOwner(nullptr);
  splashView_->forget();
}

void CSplashScreen::draw(CDrawContext* /*context*/) { setDirty(false); }

bool CSplashScreen::isSplashed() const {
  return getFrame() && getFrame()->getModalView() == splashView_;
}

CMouseEventResult CSplashScreen::onMouseDown(CPoint& /*where*/, const CButtonState& buttons) {
  if (!buttons.isLeftButton()) return kMouseEventNotHandled;
  CFrame* frame = getFrame();
  if (!frame || !frame->setModalView(splashView_)) return kMouseEventNotHandled;
  value = getMax();
  valueChanged();
  return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

void CSplashScreen::unSplash() {
  if (isSplashed()) getFrame()->setModalView(nullptr);
  value = getMin();
  valueChanged();
}

bool CSplashScreen::removed(CView* parent) {
  // The splash does not outlive its hotspot on screen.
  if (isSplashed()) getFrame()->setModalView(nullptr);
  return CControl::removed(parent);
}

}  // namespace VSTGUI
