#include "toolkit/controls/cvumeter.h"

#include <cmath>

namespace VSTGUI {

CVuMeter::CVuMeter(const CRect& rect, CBitmap* onBitmap, CBitmap* offBitmap, int32_t nbLed,
                   int32_t style)
    : CControl(rect), nbLed_(nbLed > 0 ? nbLed : 1), style_(style), shownValue_(value) {
  setOnBitmap(onBitmap);
  setOffBitmap(offBitmap);
}

CVuMeter::CVuMeter(const CVuMeter& other)
    : CControl(other),
      nbLed_(other.nbLed_),
      style_(other.style_),
      decreaseValue_(other.decreaseValue_),
      shownValue_(other.shownValue_) {
  setOnBitmap(other.onBitmap_);
  setOffBitmap(other.offBitmap_);
}

CVuMeter::~CVuMeter() {
  if (onBitmap_) onBitmap_->forget();
  if (offBitmap_) offBitmap_->forget();
}

void CVuMeter::setOnBitmap(CBitmap* bitmap) {
  if (bitmap) bitmap->remember();
  if (onBitmap_) onBitmap_->forget();
  onBitmap_ = bitmap;
  setDirty(true);
}

void CVuMeter::setOffBitmap(CBitmap* bitmap) {
  if (bitmap) bitmap->remember();
  if (offBitmap_) offBitmap_->forget();
  offBitmap_ = bitmap;
  setDirty(true);
}

bool CVuMeter::isDirty() const { return shownValue_ != value || CControl::isDirty(); }

void CVuMeter::draw(CDrawContext* context) {
  bounceValue();
  float shown = shownValue_ - decreaseValue_;
  if (shown < value) shown = value;
  shownValue_ = shown;
  setDirty(false);
  if (!onBitmap_) return;

  const float range = getRange();
  const float fraction = range > 0.f ? (shown - vmin) / range : 0.f;
  // Whole segments only: the unlit part is the nearest number of unlit segments.
  const int32_t unlitSegments = static_cast<int32_t>(nbLed_ * (1.f - fraction) + 0.5f);
  CRect offRect(0, 0, getWidth(), getHeight());
  CRect onRect(offRect);
  CPoint onOffset;
  if (style_ & kHorizontal) {
    const CCoord split = getWidth() - unlitSegments * (getWidth() / nbLed_);
    onRect.right = split;
    offRect.left = split;
  } else {
    const CCoord split = unlitSegments * (getHeight() / nbLed_);
    offRect.bottom = split;
    onRect.top = split;
    onOffset = CPoint(0, split);
  }
  offRect.offset(size.left, size.top);
  onRect.offset(size.left, size.top);
  const CPoint offOffset = style_ & kHorizontal ? CPoint(offRect.left - size.left, 0) : CPoint();
  if (offBitmap_) offBitmap_->draw(context, offRect, offOffset);
  onBitmap_->draw(context, onRect, onOffset);
}

}  // namespace VSTGUI
