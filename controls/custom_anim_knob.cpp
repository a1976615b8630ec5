#include "controls/custom_anim_knob.h"

#include <algorithm>
#include <cmath>

namespace VSTGUI {

CustomAnimKnob::CustomAnimKnob(const CRect& rect, CControlListener* controlListener,
                               int32_t controlTag, int32_t frames, CCoord frameHeight,
                               CBitmap* background, const CPoint& offset)
    : CustomKnob(rect, controlListener, controlTag, background, nullptr, offset) {
  setNumberOfImages(frames);
  setHeightOfOneImage(frameHeight);
  setInsetValue(0);
}

void CustomAnimKnob::setBackground(CBitmap* background) {
  CustomKnob::setBackground(background);
  if (heightOfOneImage == 0) autoComputeHeightOfOneImage();
  if (background && heightOfOneImage > 0)
    setNumberOfImages(static_cast<int32_t>(background->getHeight() / heightOfOneImage));
}

CCoord CustomAnimKnob::frameOffset(const CBitmap& bitmap) const {
  if (!(value >= 0.f) || heightOfOneImage <= 0) return 0;
  // Never past the last frame that the bitmap really holds, whatever the counts say.
  const CCoord framesInBitmap = std::floor(bitmap.getHeight() / heightOfOneImage);
  const CCoord lastFrame = std::min<CCoord>(subPixmaps, framesInBitmap) - 1;
  if (lastFrame <= 0) return 0;
  const CCoord span = heightOfOneImage * lastFrame;
  const float shown = std::min(value, 1.f);
  CCoord y = std::floor((inverse_ ? 1.f - shown : shown) * span);
  y = std::floor(y / heightOfOneImage) * heightOfOneImage;
  return std::clamp<CCoord>(y, 0, span);
}

void CustomAnimKnob::draw(CDrawContext* context) {
  if (CBitmap* background = getDrawBackground())
    background->draw(context, size, CPoint(offset_.x, offset_.y + frameOffset(*background)));
  setDirty(false);
}

}  // namespace VSTGUI
