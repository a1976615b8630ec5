#include "toolkit/cview.h"

#include "toolkit/cframe.h"

namespace VSTGUI {

CView::CView(const CRect& rect) : size(rect), mouseableArea(rect) {}

CView::CView(const CView& other)
    : CBaseObject(other),
      size(other.size),
      mouseableArea(other.mouseableArea),
      backOffset_(other.backOffset_),
      dirty_(other.dirty_),
      mouseEnabled_(other.mouseEnabled_),
      visible_(other.visible_),
      transparent_(other.transparent_),
      wantsFocus_(other.wantsFocus_) {
  setBackground(other.background_);
}

CView::~CView() {
  if (background_) background_->forget();
}

void CView::draw(CDrawContext* context) {
  if (CBitmap* background = getDrawBackground()) background->draw(context, size, backOffset_);
  setDirty(false);
}

void CView::drawRect(CDrawContext* context, const CRect& /*updateRect*/) { draw(context); }

void CView::invalid() {
  setDirty(false);
  invalidRect(size);
}

void CView::invalidRect(const CRect& rect) {
  if (attached_ && visible_ && parentView_) parentView_->invalidRect(rect);
}

CMouseEventResult CView::onMouseDown(CPoint&, const CButtonState&) {
  return kMouseEventNotImplemented;
}
CMouseEventResult CView::onMouseUp(CPoint&, const CButtonState&) {
  return kMouseEventNotImplemented;
}
CMouseEventResult CView::onMouseMoved(CPoint&, const CButtonState&) {
  return kMouseEventNotImplemented;
}
CMouseEventResult CView::onMouseEntered(CPoint&, const CButtonState&) {
  return kMouseEventNotImplemented;
}
CMouseEventResult CView::onMouseExited(CPoint&, const CButtonState&) {
  return kMouseEventNotImplemented;
}

bool CView::onWheel(const CPoint&, const float&, const CButtonState&) { return false; }

bool CView::onWheel(const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
                    const CButtonState& buttons) {
  return axis == kMouseWheelAxisY ? onWheel(where, distance, buttons) : false;
}

int32_t CView::onKeyDown(VstKeyCode&) { return -1; }
int32_t CView::onKeyUp(VstKeyCode&) { return -1; }

bool CView::hitTest(const CPoint& where, const CButtonState&) {
  return mouseableArea.pointInside(where);
}

void CView::setVisible(bool state) {
  if (visible_ == state) return;
  if (state) {
    visible_ = true;
    invalid();
  } else {
    invalid();
    visible_ = false;
  }
}

void CView::setBackground(CBitmap* background) {
  if (background_ == background) return;
  if (background) background->remember();
  if (background_) background_->forget();
  background_ = background;
  setDirty(true);
}

void CView::setViewSize(const CRect& rect, bool invalidate) {
  if (size == rect) return;
  if (invalidate) invalid();
  size = rect;
  if (invalidate) setDirty(true);
}

bool CView::attached(CView* parent) {
  if (attached_ || !parent) return false;
  parentView_ = parent;
  frame_ = parent->getFrame();
  attached_ = true;
  return true;
}

bool CView::removed(CView* /*parent*/) {
  if (!attached_) return false;
  if (frame_) frame_->onViewRemoved(this);
  parentView_ = nullptr;
  frame_ = nullptr;
  attached_ = false;
  return true;
}

CPoint& CView::frameToLocal(CPoint& point) const {
  for (const CView* ancestor = parentView_; ancestor; ancestor = ancestor->parentView_)
    point.offset(-ancestor->size.left, -ancestor->size.top);
  return point;
}

CPoint& CView::localToFrame(CPoint& point) const {
  for (const CView* ancestor = parentView_; ancestor; ancestor = ancestor->parentView_)
    point.offset(ancestor->size.left, ancestor->size.top);
  return point;
}

}  // namespace VSTGUI
