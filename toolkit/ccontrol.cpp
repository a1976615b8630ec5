#include "toolkit/ccontrol.h"

#include "toolkit/cframe.h"

namespace VSTGUI {

CControl::CControl(const CRect& rect, CControlListener* controlListener, int32_t controlTag,
                   CBitmap* background)
    : CView(rect), tag(controlTag), listener(controlListener) {
  setBackground(background);
}

CControl::CControl(const CControl& other)
    : CView(other),
      value(other.value),
      oldValue(other.oldValue),
      defaultValue(other.defaultValue),
      vmin(other.vmin),
      vmax(other.vmax),
      wheelInc(other.wheelInc),
      tag(other.tag),
      listener(other.listener) {}

CControl::~CControl() = default;

void CControl::setValue(float val) {
  if (!(val >= vmin)) val = vmin;  // also catches NaN
  if (val > vmax) val = vmax;
  value = val;
}

void CControl::setValueNormalized(float val) {
  if (!(val >= 0.f)) val = 0.f;
  if (val > 1.f) val = 1.f;
  setValue(vmin + val * getRange());
}

float CControl::getValueNormalized() const {
  const float range = getRange();
  return range == 0.f ? 0.f : (value - vmin) / range;
}

void CControl::setTag(int32_t val) {
  if (listener) listener->controlTagWillChange(this);
  tag = val;
  if (listener) listener->controlTagDidChange(this);
}

void CControl::beginEdit() {
  if (CFrame* frame = getFrame()) frame->beginEdit(tag);
  if (listener) listener->controlBeginEdit(this);
  ++editing_;
}

void CControl::endEdit() {
  if (editing_ > 0) --editing_;
  if (CFrame* frame = getFrame()) frame->endEdit(tag);
  if (listener) listener->controlEndEdit(this);
}

void CControl::valueChanged() {
  if (listener) listener->valueChanged(this);
}

void CControl::bounceValue() {
  if (value > vmax) value = vmax;
  if (!(value >= vmin)) value = vmin;
}

bool CControl::isDirty() const { return oldValue != value || CView::isDirty(); }

void CControl::setDirty(const bool state) {
  CView::setDirty(state);
  // A value that differs from oldValue keeps the control dirty; marking it clean
  // records the value as drawn.
  if (state)
    oldValue = value != -1.f ? -1.f : 0.f;
  else
    oldValue = value;
}

void IMultiBitmapControl::autoComputeHeightOfOneImage() {
  if (auto* view = dynamic_cast<CView*>(this)) heightOfOneImage = view->getViewSize().getHeight();
}

}  // namespace VSTGUI
