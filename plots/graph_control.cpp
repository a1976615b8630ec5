#include "plots/graph_control.h"

#include <cmath>

#include "controller/parameter_table.h"
#include "plots/frequency_axis.h"

using namespace VSTGUI;

namespace {

constexpr CColor kDraggingFill{90, 90, 90, 255};
constexpr CColor kIdleFill{127, 127, 127, 255};
constexpr CColor kOutline{0, 0, 0, 255};
constexpr double kFineFactor = 0.1;

// Where the Alt reset puts a handle: fixed numbers that place the default type 0.5 at
// the graph's middle row and the default frequency one pixel right of its axis point.
constexpr double kResetTypeScale = 285.0;
constexpr double kResetTypeOffset = 2.5;

// One coordinate of the clamped move: the centre (position + half) must lie within
// [low, high]; a wish outside puts it on the nearer bound.
float clampCoordinate(float position, double half, double low, double high) {
  if (low >= position + half) return static_cast<float>(low - half);
  if (position + half >= high) return static_cast<float>(high - half);
  return position;
}

}  // namespace

GraphControl::GraphControl(const CRect& handle, const CRect& limits, CControlListener* listener,
                           int32_t tag, int32_t typeTag, CBitmap* background)
    : CControl(CRect(handle).extend(kGrabMargin, kGrabMargin), listener, tag, background),
      limits_(limits),
      typeTag_(typeTag),
      centre_(handle.getCenter()) {
  setMouseableArea(size);
}

GraphControl::GraphControl(const GraphControl& other)
    : CControl(other),
      dragOffset_(other.dragOffset_),
      limits_(other.limits_),
      typeTag_(other.typeTag_),
      centre_(other.centre_),
      dragStart_(other.dragStart_),
      lastReportedCentre_(other.lastReportedCentre_),
      dragButtons_(other.dragButtons_),
      shiftHeld_(other.shiftHeld_) {}

void GraphControl::draw(CDrawContext* context) {
  context->setFillColor(isDragging() ? kDraggingFill : kIdleFill);
  context->setFrameColor(kOutline);
  context->drawRect(CRect(size).inset(kGrabMargin, kGrabMargin), kDrawFilledAndStroked);
  setDirty(false);
}

CMouseEventResult GraphControl::onMouseDown(CPoint& where, const CButtonState& buttons) {
  lastReportedCentre_ = centre_;
  if ((buttons & kAlt) && !(buttons & kShift)) return resetToDefaults();

  dragButtons_ = buttons();
  dragOffset_ = where - size.getTopLeft();
  if (listener) listener->controlBeginEdit(this);
  dragStart_ = size.getTopLeft();
  setDirty(true);
  return kMouseEventHandled;
}

CMouseEventResult GraphControl::resetToDefaults() {
  const CPoint centre(
      frequencyToX(parameterDefault(static_cast<ParameterId>(tag))) + 1.0,
      kResetTypeOffset + kResetTypeScale * parameterDefault(static_cast<ParameterId>(typeTag_)));
  moveCentreTo(centre);
  if (listener) listener->controlBeginEdit(this);
  valueChanged();
  if (listener) listener->controlEndEdit(this);
  return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

CMouseEventResult GraphControl::onMouseMoved(CPoint& where, const CButtonState& buttons) {
  shiftHeld_ = (buttons & kShift) != 0;
  if (!isDragging()) return kMouseEventHandled;

  CPoint wish(static_cast<float>(where.x - dragOffset_.x),
              static_cast<float>(where.y - dragOffset_.y));
  if ((buttons & kControl) || (dragButtons_ & kControl)) {
    wish = CPoint(dragStart_.x + kFineFactor * (wish.x - dragStart_.x),
                  dragStart_.y + kFineFactor * (wish.y - dragStart_.y));
  }
  moveClamped(wish.x, wish.y);
  valueChanged();
  return kMouseEventHandled;
}

CMouseEventResult GraphControl::onMouseUp(CPoint& /*where*/, const CButtonState& /*buttons*/) {
  if (isDragging()) {
    dragButtons_ = 0;
    endEdit();
    setDirty(true);
  }
  shiftHeld_ = false;
  return kMouseEventHandled;
}

CMouseEventResult GraphControl::onMouseExited(CPoint& /*where*/, const CButtonState& /*buttons*/) {
  // Also without a drag: the graph hides its hint and ends a group move whenever the
  // pointer leaves a handle.
  endEdit();
  return kMouseEventHandled;
}

CPoint GraphControl::takeMoveDelta() {
  const CPoint delta = centre_ - lastReportedCentre_;
  lastReportedCentre_ = centre_;
  return delta;
}

void GraphControl::setCenterX(float x) {
  if (std::isnan(x)) return;
  moveClamped(x - size.getWidth() / 2, size.top);
  updateCentre();
}

void GraphControl::setCenterY(float y) {
  if (std::isnan(y)) return;
  moveClamped(size.left, y - size.getHeight() / 2);
  updateCentre();
}

void GraphControl::moveClamped(double x, double y) {
  if (std::isnan(x)) x = size.left;
  if (std::isnan(y)) y = size.top;
  const float left =
      clampCoordinate(static_cast<float>(x), size.getWidth() / 2, limits_.left, limits_.right);
  const float top =
      clampCoordinate(static_cast<float>(y), size.getHeight() / 2, limits_.top, limits_.bottom);
  size.offset(left - size.left, top - size.top);
  setMouseableArea(size);
  updateCentre();
}

void GraphControl::moveCentreTo(const CPoint& centre) {
  size.offset(centre - size.getCenter());
  setMouseableArea(size);
  updateCentre();
}

void GraphControl::updateCentre() { centre_ = size.getCenter(); }
