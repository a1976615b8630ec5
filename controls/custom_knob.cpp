#include "controls/custom_knob.h"

#include <cmath>
#include <numbers>

#include "toolkit/cframe.h"

namespace VSTGUI {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
// Pixels of linear travel for the whole span, and with Ctrl for fine adjustment.
constexpr float kLinearRange = 200.f;
constexpr float kFineLinearRange = 2000.f;
constexpr int32_t kDragButtons = kLButton | kMButton | kRButton | kButton4 | kButton5;

// Wraps an angle into [-pi, pi).
float wrapAngle(float angle) {
  const float turn = 2.f * kPi;
  angle = std::fmod(angle + kPi, turn);
  if (angle < 0.f) angle += turn;
  return angle - kPi;
}

}  // namespace

CustomKnob::CustomKnob(const CRect& rect, CControlListener* controlListener, int32_t controlTag,
                       CBitmap* background, CBitmap* handle, const CPoint& offset,
                       int32_t drawStyle)
    : CControl(rect, controlListener, controlTag, background),
      offset_(offset),
      startAngle_(3.f * kPi / 4.f),
      rangeAngle_(3.f * kPi / 2.f),
      inset_(handle ? handle->getWidth() / 2 + 2.5 : 3),
      drawStyle_(drawStyle),
      handle_(handle) {
  if (handle_) handle_->remember();
  setWantsFocus(true);
}

CustomKnob::~CustomKnob() {
  if (handle_) handle_->forget();
}

float CustomKnob::valueAtPoint(const CPoint& where) const {
  const CCoord centreX = getWidth() / 2;
  const CCoord centreY = getHeight() / 2;
  const double xRadius = centreX - inset_;
  const double yRadius = centreY - inset_;
  const float halfRange = rangeAngle_ / 2.f;
  float alpha =
      static_cast<float>(std::atan2((where.y - centreY) / yRadius, (where.x - centreX) / xRadius)) -
      (startAngle_ + halfRange);
  alpha = wrapAngle(alpha);
  if (halfRange < 0.f) alpha = -alpha;
  float result;
  if (alpha > halfRange)
    result = getMax();
  else if (alpha < -halfRange)
    result = getMin();
  else
    result = 0.5f + alpha / rangeAngle_;
  return result * getRange();
}

CPoint CustomKnob::pointForValue(float forValue) const {
  const float range = getRange();
  const float fraction = range == 0.f ? 0.f : (forValue - getMin()) / range;
  const double alpha = startAngle_ + rangeAngle_ * fraction;
  const CCoord centreX = getWidth() / 2;
  const CCoord centreY = getHeight() / 2;
  return CPoint(centreX + std::cos(alpha) * (centreX - inset_) + 0.5,
                centreY + std::sin(alpha) * (centreY - inset_) + 0.5);
}

void CustomKnob::draw(CDrawContext* context) {
  if (CBitmap* background = getDrawBackground()) background->draw(context, size, offset_);
  const CPoint tip = pointForValue(value) + size.getTopLeft();
  if (handle_) {
    const CCoord halfWidth = handle_->getWidth() / 2;
    const CCoord halfHeight = handle_->getHeight() / 2;
    handle_->draw(context, CRect(tip.x - halfWidth, tip.y - halfHeight, tip.x + halfWidth,
                                 tip.y + halfHeight));
  } else {
    const CPoint centre(size.left + getWidth() / 2, size.top + getHeight() / 2);
    context->setLineWidth(1);
    context->setFrameColor(handleShadowColour_);
    context->drawLine(centre + CPoint(1, 1), tip + CPoint(1, 1));
    context->setFrameColor(handleColour_);
    context->drawLine(centre, tip);
  }
  setDirty(false);
}

CMouseEventResult CustomKnob::onMouseDown(CPoint& where, const CButtonState& buttons) {
  if (buttons & kAlt) {
    const float resetTo = getDefaultValue();
    if (resetTo != value) {
      beginEdit();
      setValue(resetTo);
      valueChanged();
      endEdit();
      invalid();
    }
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
  }

  beginEdit();
  firstPoint_ = where;
  lastPoint_ = CPoint(-1, -1);
  startValue_ = value;
  entryValue_ = value;
  linear_ = false;
  range_ = kLinearRange;
  coefficient_ = getRange() / range_;
  oldButtons_ = buttons;

  const bool hostLinear = getFrame() && getFrame()->getKnobMode() == kLinearMode;
  const bool alt = (buttons & kAlt) != 0;
  if (hostLinear != alt) {
    if (buttons & kShift) range_ *= zoomFactor_;
    lastPoint_ = where;
    linear_ = true;
    coefficient_ = getRange() / range_;
  } else {
    startValue_ = valueAtPoint(where - size.getTopLeft());
    lastPoint_ = where;
  }
  return onMouseMoved(where, buttons);
}

void CustomKnob::dragLinear(const CPoint& where, const CButtonState& buttons) {
  const float diff = static_cast<float>((where.x - firstPoint_.x) + (firstPoint_.y - where.y));
  const bool fine = (buttons & kControl) || (oldButtons_ & kControl);
  range_ = fine ? kFineLinearRange : kLinearRange;
  const float newCoefficient = getRange() / range_;
  // Moving the entry point keeps the value where it is when the scale changes.
  entryValue_ += diff * (coefficient_ - newCoefficient);
  coefficient_ = newCoefficient;
  oldButtons_ = buttons;
  setValue(entryValue_ + diff * coefficient_);
}

void CustomKnob::dragCircular(const CPoint& where) {
  const float atPointer = valueAtPoint(where - size.getTopLeft());
  const float half = getRange() / 2.f;
  // A jump across the gap between the ends sticks to the nearer end.
  if (startValue_ - atPointer > half) {
    setValue(getMax());
  } else if (atPointer - startValue_ > half) {
    setValue(getMin());
  } else {
    setValue(atPointer);
    startValue_ = atPointer;
  }
}

CMouseEventResult CustomKnob::onMouseMoved(CPoint& where, const CButtonState& buttons) {
  const int32_t pressed = buttons & kDragButtons;
  if (pressed != kLButton && pressed != kRButton) return kMouseEventHandled;
  if (where == lastPoint_) return kMouseEventHandled;
  lastPoint_ = where;

  const float before = value;
  if (linear_)
    dragLinear(where, buttons);
  else
    dragCircular(where);
  if (value != before) valueChanged();
  if (isDirty()) invalid();
  return kMouseEventHandled;
}

CMouseEventResult CustomKnob::onMouseUp(CPoint& /*where*/, const CButtonState& /*buttons*/) {
  endEdit();
  return kMouseEventHandled;
}

void CustomKnob::stepValue(float steps, bool fine) {
  if (!std::isfinite(steps)) return;  // a broken wheel event must not throw the value to an end
  const float before = value;
  const float step = fine ? 0.1f * wheelInc : wheelInc;
  setValueNormalized(getValueNormalized() + steps * step);
  if (value == before) return;
  invalid();
  beginEdit();
  valueChanged();
  endEdit();
}

bool CustomKnob::onWheel(const CPoint& /*where*/, const float& distance,
                         const CButtonState& buttons) {
  if (!getMouseEnabled()) return false;
  stepValue(distance, (buttons & kShift) != 0);
  return true;
}

int32_t CustomKnob::onKeyDown(VstKeyCode& keyCode) {
  float steps;
  switch (keyCode.virt) {
    case VKEY_UP:
    case VKEY_RIGHT:
      steps = 1.f;
      break;
    case VKEY_DOWN:
    case VKEY_LEFT:
      steps = -1.f;
      break;
    default:
      return -1;
  }
  stepValue(steps, (keyCode.modifier & MODIFIER_SHIFT) != 0);
  return 1;
}

}  // namespace VSTGUI
