#include "toolkit/cviewcontainer.h"

#include <algorithm>

#include "toolkit/ccontrol.h"
#include "toolkit/cframe.h"

namespace VSTGUI {

CViewContainer::CViewContainer(const CRect& rect) : CView(rect) {}

CViewContainer::CViewContainer(const CRect& rect, CFrame* /*parent*/, CBitmap* background)
    : CView(rect) {
  setBackground(background);
}

CViewContainer::CViewContainer(const CViewContainer& other)
    : CView(other), backgroundColor_(other.backgroundColor_) {
  for (CView* child : other.children_) {
    if (auto* copy = dynamic_cast<CView*>(child->newCopy())) addView(copy);
  }
}

CViewContainer::~CViewContainer() { CViewContainer::removeAll(true); }

bool CViewContainer::addView(CView* view) { return addView(view, static_cast<CView*>(nullptr)); }

bool CViewContainer::addView(CView* view, const CRect& area, bool mouseEnabled) {
  if (!addView(view)) return false;
  view->setMouseableArea(area);
  view->setMouseEnabled(mouseEnabled);
  return true;
}

bool CViewContainer::addView(CView* view, CView* before) {
  if (!view || view == this || view->getParentView() || isChild(view)) return false;
  auto position = std::find(children_.begin(), children_.end(), before);
  children_.insert(position, view);
  if (isAttached()) {
    view->attached(this);
    view->invalid();
  }
  return true;
}

bool CViewContainer::removeView(CView* view, bool withForget) {
  auto position = std::find(children_.begin(), children_.end(), view);
  if (position == children_.end()) return false;
  if (view->isAttached()) {
    view->invalid();
    view->removed(this);
  }
  position = std::find(children_.begin(), children_.end(), view);
  if (position != children_.end()) children_.erase(position);
  if (mouseDownView == view) mouseDownView = nullptr;
  if (withForget) view->forget();
  return true;
}

bool CViewContainer::removeAll(bool withForget) {
  while (!children_.empty()) removeView(children_.back(), withForget);
  mouseDownView = nullptr;
  return true;
}

bool CViewContainer::changeViewZOrder(CView* view, int32_t newIndex) {
  auto position = std::find(children_.begin(), children_.end(), view);
  if (position == children_.end() || newIndex < 0 || newIndex >= getNbViews()) return false;
  children_.erase(position);
  children_.insert(children_.begin() + newIndex, view);
  view->invalid();
  return true;
}

bool CViewContainer::isChild(CView* view, bool deep) const {
  for (CView* child : children_) {
    if (child == view) return true;
    if (deep) {
      if (auto* container = dynamic_cast<CViewContainer*>(child);
          container && container->isChild(view, true))
        return true;
    }
  }
  return false;
}

CView* CViewContainer::getView(int32_t index) const {
  if (index < 0 || index >= getNbViews()) return nullptr;
  return children_[static_cast<std::size_t>(index)];
}

CView* CViewContainer::getViewAt(const CPoint& where, bool deep) const {
  CPoint local(where);
  local.offset(-size.left, -size.top);
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    CView* child = *it;
    if (!child->isVisible() || !child->getMouseableArea().pointInside(local)) continue;
    if (deep) {
      if (auto* container = dynamic_cast<CViewContainer*>(child)) {
        CView* inner = container->getViewAt(local, true);
        return inner ? inner : child;
      }
    }
    return child;
  }
  return nullptr;
}

void CViewContainer::setBackgroundColor(const CColor& color) {
  backgroundColor_ = color;
  setDirty(true);
}

void CViewContainer::drawBackgroundRect(CDrawContext* context, const CRect& updateRect) {
  if (CBitmap* background = getDrawBackground()) {
    background->draw(context, CRect(0, 0, getWidth(), getHeight()), getBackOffset());
  } else if (!getTransparency()) {
    context->setFillColor(backgroundColor_);
    context->drawRect(updateRect, kDrawFilled);
  }
}

void CViewContainer::draw(CDrawContext* context) { drawRect(context, size); }

void CViewContainer::drawRect(CDrawContext* context, const CRect& updateRect) {
  CRect oldClip;
  context->getClipRect(oldClip);
  CRect area(updateRect);
  area.bound(size);
  area.bound(oldClip);
  if (area.isEmpty()) return;

  const CPoint oldOffset = context->getOffset();
  context->setOffset(oldOffset + size.getTopLeft());
  CRect local(area);
  local.offset(-size.left, -size.top);
  context->setClipRect(local);
  drawBackgroundRect(context, local);

  for (CView* child : children_) {
    if (!child->isVisible() || !child->checkUpdate(local)) continue;
    CRect childArea(child->getViewSize());
    childArea.bound(local);
    if (childArea.isEmpty()) continue;
    context->setClipRect(childArea);
    context->saveGlobalState();
    child->drawRect(context, childArea);
    context->restoreGlobalState();
  }

  context->setOffset(oldOffset);
  context->setClipRect(oldClip);
  setDirty(false);
}

bool CViewContainer::isDirty() const {
  if (CView::isDirty()) return true;
  const CRect local(0, 0, getWidth(), getHeight());
  for (CView* child : children_) {
    if (!child->isVisible() || !child->isDirty()) continue;
    CRect visible(child->getViewSize());
    visible.bound(local);
    if (!visible.isEmpty()) return true;
  }
  return false;
}

void CViewContainer::invalid() {
  if (isAttached() && isVisible() && getParentView()) getParentView()->invalidRect(size);
}

void CViewContainer::invalidRect(const CRect& rect) {
  if (!isAttached() || !isVisible() || !getParentView()) return;
  CRect area(rect);
  area.offset(size.left, size.top);
  area.bound(size);
  if (!area.isEmpty()) getParentView()->invalidRect(area);
}

bool CViewContainer::invalidateDirtyViews() {
  if (!isVisible()) return true;
  if (CView::isDirty()) {
    invalid();
    return true;
  }
  const std::vector<CView*> children = children_;
  for (CView* child : children) {
    if (!isChild(child) || !child->isVisible() || !child->isDirty()) continue;
    if (auto* container = dynamic_cast<CViewContainer*>(child))
      container->invalidateDirtyViews();
    else
      child->invalid();
  }
  return true;
}

CMouseEventResult CViewContainer::onMouseDown(CPoint& where, const CButtonState& buttons) {
  CPoint local(where);
  local.offset(-size.left, -size.top);
  // Handlers may add or remove views; walk a snapshot and skip what has gone.
  const std::vector<CView*> children = children_;
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    CView* child = *it;
    if (!isChild(child) || !child->isVisible() || !child->getMouseEnabled() ||
        !child->hitTest(local, buttons))
      continue;
    if (auto* control = dynamic_cast<CControl*>(child);
        control && control->getListener() &&
        (buttons & (kAlt | kShift | kControl | kApple | kRButton))) {
      if (control->getListener()->controlModifierClicked(control, buttons) != 0)
        return kMouseEventHandled;
    }
    CBaseObjectGuard guard(child);
    if (child->wantsFocus() && getFrame()) getFrame()->setFocusView(child);
    CPoint childWhere(local);
    const CMouseEventResult result = child->onMouseDown(childWhere, buttons);
    if (result != kMouseEventNotHandled && result != kMouseEventNotImplemented) {
      if (result == kMouseEventHandled && isChild(child)) mouseDownView = child;
      return result;
    }
    // An opaque view hides what lies under it, for the mouse as for the eye.
    if (!child->getTransparency()) return result;
  }
  return kMouseEventNotHandled;
}

CMouseEventResult CViewContainer::onMouseUp(CPoint& where, const CButtonState& buttons) {
  if (!mouseDownView) return kMouseEventNotHandled;
  CView* view = mouseDownView;
  mouseDownView = nullptr;
  CBaseObjectGuard guard(view);
  CPoint local(where);
  local.offset(-size.left, -size.top);
  view->onMouseUp(local, buttons);
  return kMouseEventHandled;
}

CMouseEventResult CViewContainer::onMouseMoved(CPoint& where, const CButtonState& buttons) {
  if (!mouseDownView) return kMouseEventNotHandled;
  CView* view = mouseDownView;
  CBaseObjectGuard guard(view);
  CPoint local(where);
  local.offset(-size.left, -size.top);
  const CMouseEventResult result = view->onMouseMoved(local, buttons);
  if (result == kMouseEventHandled) return kMouseEventHandled;
  if (mouseDownView == view) mouseDownView = nullptr;
  return result == kMouseMoveEventHandledButDontNeedMoreEvents ? kMouseEventHandled
                                                               : kMouseEventNotHandled;
}

bool CViewContainer::onWheel(const CPoint& where, const float& distance,
                             const CButtonState& buttons) {
  return onWheel(where, kMouseWheelAxisY, distance, buttons);
}

bool CViewContainer::onWheel(const CPoint& where, const CMouseWheelAxis& axis,
                             const float& distance, const CButtonState& buttons) {
  CPoint local(where);
  local.offset(-size.left, -size.top);
  const std::vector<CView*> children = children_;
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    CView* child = *it;
    if (!isChild(child) || !child->isVisible() || !child->getMouseEnabled() ||
        !child->hitTest(local))
      continue;
    CBaseObjectGuard guard(child);
    if (child->onWheel(local, axis, distance, buttons)) return true;
    if (!child->getTransparency()) return false;
  }
  return false;
}

bool CViewContainer::attached(CView* parent) {
  if (!CView::attached(parent)) return false;
  for (CView* child : children_) child->attached(this);
  return true;
}

bool CViewContainer::removed(CView* parent) {
  if (!isAttached()) return false;
  for (CView* child : children_) child->removed(this);
  mouseDownView = nullptr;
  return CView::removed(parent);
}

}  // namespace VSTGUI
