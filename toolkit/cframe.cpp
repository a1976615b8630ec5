#include "toolkit/cframe.h"

#include <algorithm>

#include "toolkit/device_scale.h"

namespace VSTGUI {

namespace {
constexpr int32_t kModifierBits = kShift | kControl | kAlt | kApple;
}

CFrame::CFrame(const CRect& rect, VSTGUIEditorInterface* editor)
    : CViewContainer(rect), editor_(editor) {
  frame_ = this;
}

CFrame::~CFrame() {
  for (CView* view : mouseViews_) view->forget();
  mouseViews_.clear();
  // The children go before the platform frame, so nothing paints into a closed window.
  removeAll(true);
  if (platformFrame_) {
    platformFrame_->detachFrame();
    platformFrame_->forget();
  }
}

bool CFrame::open(void* systemWindow, PlatformType type, IPlatformFrameConfig* config) {
  if (platformFrame_) return false;
  platformFrame_ = createPlatformFrame(this, CRect(0, 0, getWidth(), getHeight()), zoom_,
                                       systemWindow, type, config);
  if (!platformFrame_) return false;
  attached(this);
  invalid();
  return true;
}

void CFrame::close() {
  // The window goes away: views under the pointer are dropped without an exit call,
  // which could only reach an editor that is tearing itself down.
  for (CView* view : mouseViews_) view->forget();
  mouseViews_.clear();
  if (modalView_) setModalView(nullptr);
  setFocusView(nullptr);
  removeAll(true);
  removed(nullptr);
  if (platformFrame_) {
    platformFrame_->detachFrame();
    platformFrame_->forget();
    platformFrame_ = nullptr;
  }
  forget();
}

bool CFrame::attached(CView* /*parent*/) {
  if (isAttached()) return false;
  attached_ = true;
  frame_ = this;
  for (int32_t i = 0; i < getNbViews(); ++i) getView(i)->attached(this);
  return true;
}

bool CFrame::removed(CView* /*parent*/) {
  if (!isAttached()) return false;
  for (int32_t i = 0; i < getNbViews(); ++i) getView(i)->removed(this);
  attached_ = false;
  return true;
}

void CFrame::idle() {
  if (!platformFrame_) return;
  CBaseObjectGuard guard(this);  // a view may close the frame while it is repainted
  if (isDirty()) invalidateDirtyViews();
  platformFrame_->paintInvalid();
}

bool CFrame::setZoom(double zoom) {
  if (!isUsableScale(zoom)) return false;
  if (zoom == zoom_) return true;
  zoom_ = zoom;
  if (platformFrame_) platformFrame_->setScaleFactor(zoom);
  invalid();
  return true;
}

int32_t CFrame::getKnobMode() const {
  const int32_t mode = editor_ ? editor_->getKnobMode() : -1;
  return mode == -1 ? kCircularMode : mode;
}

void CFrame::beginEdit(int32_t index) {
  if (editor_) editor_->beginEdit(index);
}

void CFrame::endEdit(int32_t index) {
  if (editor_) editor_->endEdit(index);
}

bool CFrame::setModalView(CView* view) {
  if (view && modalView_) return false;
  if (modalView_) {
    CView* previous = modalView_;
    modalView_ = nullptr;
    removeView(previous, false);
  }
  if (!view) return true;
  if (!addView(view)) return false;
  modalView_ = view;
  clearMouseViews(lastMouse_, CButtonState(lastButtons_ & kModifierBits));
  setFocusView(view->wantsFocus() ? view : nullptr);
  return true;
}

void CFrame::setFocusView(CView* view) {
  if (view == focusView_) return;
  CView* previous = focusView_;
  focusView_ = view;
  if (previous) previous->looseFocus();
  if (focusView_) focusView_->takeFocus();
}

void CFrame::registerMouseObserver(IMouseObserver* observer) {
  if (observer &&
      std::find(mouseObservers_.begin(), mouseObservers_.end(), observer) == mouseObservers_.end())
    mouseObservers_.push_back(observer);
}

void CFrame::unregisterMouseObserver(IMouseObserver* observer) {
  mouseObservers_.erase(std::remove(mouseObservers_.begin(), mouseObservers_.end(), observer),
                        mouseObservers_.end());
}

bool CFrame::getCurrentMouseLocation(CPoint& where) const {
  where = lastMouse_;
  return true;
}

void CFrame::onViewRemoved(CView* view) {
  if (focusView_ == view) focusView_ = nullptr;
  if (modalView_ == view) modalView_ = nullptr;
  auto position = std::find(mouseViews_.begin(), mouseViews_.end(), view);
  if (position != mouseViews_.end()) {
    mouseViews_.erase(position);
    view->forget();
  }
}

bool CFrame::removeAll(bool withForget) {
  // The modal view is shown, not owned: it leaves without losing its owner's reference.
  if (modalView_) setModalView(nullptr);
  return CViewContainer::removeAll(withForget);
}

void CFrame::invalid() { invalidRect(CRect(0, 0, getWidth(), getHeight())); }

void CFrame::invalidRect(const CRect& rect) {
  if (!platformFrame_ || !isVisible()) return;
  CRect area(rect);
  area.bound(CRect(0, 0, getWidth(), getHeight()));
  if (!area.isEmpty()) platformFrame_->invalidRect(area);
}

// ---- mouse -------------------------------------------------------------------------

template <typename Call>
CMouseEventResult CFrame::askMouseObservers(Call&& call) {
  // An observer may unregister others (or itself) while it is called.
  const std::vector<IMouseObserver*> observers = mouseObservers_;
  for (IMouseObserver* observer : observers) {
    if (std::find(mouseObservers_.begin(), mouseObservers_.end(), observer) ==
        mouseObservers_.end())
      continue;
    const CMouseEventResult result = call(observer);
    if (result != kMouseEventNotHandled && result != kMouseEventNotImplemented) return result;
  }
  return kMouseEventNotHandled;
}

void CFrame::notifyCrossing(CView* view, const CPoint& where, const CButtonState& buttons,
                            bool entered) {
  CPoint local(where);
  view->frameToLocal(local);
  if (entered)
    view->onMouseEntered(local, buttons);
  else
    view->onMouseExited(local, buttons);
  askMouseObservers([&](IMouseObserver* observer) {
    if (entered)
      observer->onMouseEntered(view, this);
    else
      observer->onMouseExited(view, this);
    return kMouseEventNotHandled;
  });
}

void CFrame::checkMouseViews(const CPoint& where, const CButtonState& buttons) {
  std::vector<CView*> chain;  // outermost first
  for (CView* view = getViewAt(where, true); view && view != this; view = view->getParentView())
    chain.insert(chain.begin(), view);

  // Handlers may remove views; every step checks that a view is still known.
  const std::vector<CView*> previous = mouseViews_;
  for (auto it = previous.rbegin(); it != previous.rend(); ++it) {
    CView* view = *it;
    if (std::find(chain.begin(), chain.end(), view) != chain.end()) continue;
    if (std::find(mouseViews_.begin(), mouseViews_.end(), view) == mouseViews_.end()) continue;
    CBaseObjectGuard guard(view);
    notifyCrossing(view, where, buttons, false);
  }
  std::vector<CView*> current;
  for (CView* view : chain) {
    if (view->isAttached()) current.push_back(view);
  }
  std::vector<CView*> entered;
  for (CView* view : current) {
    if (std::find(mouseViews_.begin(), mouseViews_.end(), view) == mouseViews_.end())
      entered.push_back(view);
  }
  for (CView* view : current) view->remember();
  for (CView* view : mouseViews_) view->forget();
  mouseViews_ = current;
  for (CView* view : entered) {
    if (std::find(mouseViews_.begin(), mouseViews_.end(), view) == mouseViews_.end()) continue;
    CBaseObjectGuard guard(view);
    notifyCrossing(view, where, buttons, true);
  }
}

void CFrame::clearMouseViews(const CPoint& where, const CButtonState& buttons) {
  std::vector<CView*> left;
  left.swap(mouseViews_);
  for (auto it = left.rbegin(); it != left.rend(); ++it) notifyCrossing(*it, where, buttons, false);
  for (CView* view : left) view->forget();
}

CMouseEventResult CFrame::onMouseDown(CPoint& where, const CButtonState& buttons) {
  lastMouse_ = where;
  lastButtons_ = buttons;
  mouseDownView = nullptr;
  CMouseEventResult result = askMouseObservers(
      [&](IMouseObserver* observer) { return observer->onMouseDown(this, where, buttons); });
  if (result != kMouseEventNotHandled) return result;
  if (modalView_) {
    CView* modal = modalView_;
    CBaseObjectGuard guard(modal);
    if (!modal->isVisible() || !modal->getMouseEnabled()) return kMouseEventNotHandled;
    CPoint local(where);
    result = modal->onMouseDown(local, buttons);
    if (result == kMouseEventHandled && modalView_ == modal) mouseDownView = modal;
    return result;
  }
  return CViewContainer::onMouseDown(where, buttons);
}

CMouseEventResult CFrame::onMouseUp(CPoint& where, const CButtonState& buttons) {
  lastMouse_ = where;
  lastButtons_ = CButtonState(buttons & kModifierBits);
  const CMouseEventResult result = CViewContainer::onMouseUp(where, buttons);
  if (!modalView_) checkMouseViews(where, CButtonState(buttons & kModifierBits));
  return result;
}

CMouseEventResult CFrame::onMouseMoved(CPoint& where, const CButtonState& buttons) {
  lastMouse_ = where;
  lastButtons_ = buttons;
  CMouseEventResult result = askMouseObservers(
      [&](IMouseObserver* observer) { return observer->onMouseMoved(this, where, buttons); });
  if (result != kMouseEventNotHandled) return result;
  if (mouseDownView) return CViewContainer::onMouseMoved(where, buttons);
  if (modalView_) {
    CBaseObjectGuard guard(modalView_);
    CPoint local(where);
    return modalView_->onMouseMoved(local, buttons);
  }
  // No press is being followed: the views under the pointer see the move, with the
  // modifier keys only, innermost first until one handles it.
  const CButtonState modifiers(buttons & kModifierBits);
  checkMouseViews(where, modifiers);
  const std::vector<CView*> views = mouseViews_;
  for (CView* view : views) view->remember();
  result = kMouseEventNotHandled;
  for (auto it = views.rbegin(); it != views.rend(); ++it) {
    if (std::find(mouseViews_.begin(), mouseViews_.end(), *it) == mouseViews_.end()) continue;
    CPoint local(where);
    (*it)->frameToLocal(local);
    result = (*it)->onMouseMoved(local, modifiers);
    if (result == kMouseEventHandled) break;
  }
  for (CView* view : views) view->forget();
  return result;
}

CMouseEventResult CFrame::onMouseExited(CPoint& where, const CButtonState& buttons) {
  lastMouse_ = where;
  clearMouseViews(where, CButtonState(buttons & kModifierBits));
  return kMouseEventHandled;
}

bool CFrame::onWheel(const CPoint& where, const CMouseWheelAxis& axis, const float& distance,
                     const CButtonState& buttons) {
  lastMouse_ = where;
  if (mouseDownView) return false;  // no wheel in the middle of a drag
  if (modalView_) {
    CBaseObjectGuard guard(modalView_);
    return modalView_->onWheel(where, axis, distance, buttons);
  }
  return CViewContainer::onWheel(where, axis, distance, buttons);
}

bool CFrame::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) {
  return onWheel(where, kMouseWheelAxisY, distance, buttons);
}

// ---- keys --------------------------------------------------------------------------

int32_t CFrame::dispatchKey(VstKeyCode& keyCode, bool down) {
  auto send = [&](CView* view) { return down ? view->onKeyDown(keyCode) : view->onKeyUp(keyCode); };
  int32_t result = -1;
  if (focusView_) {
    // The focus view first, then its containers outward.
    CBaseObjectGuard guard(focusView_);
    for (CView* view = focusView_; view && view != this && result == -1;
         view = view->getParentView()) {
      if (view->getMouseEnabled()) result = send(view);
    }
  }
  if (result == -1 && modalView_ && modalView_ != focusView_) result = send(modalView_);
  return result;
}

int32_t CFrame::onKeyDown(VstKeyCode& keyCode) { return dispatchKey(keyCode, true); }

int32_t CFrame::onKeyUp(VstKeyCode& keyCode) { return dispatchKey(keyCode, false); }

// ---- platform callbacks -------------------------------------------------------------

bool CFrame::platformDrawRect(CDrawContext* context, const CRect& rect) {
  drawRect(context, rect);
  return true;
}

CMouseEventResult CFrame::platformOnMouseDown(CPoint& where, const CButtonState& buttons) {
  CBaseObjectGuard guard(this);
  return onMouseDown(where, buttons);
}

CMouseEventResult CFrame::platformOnMouseMoved(CPoint& where, const CButtonState& buttons) {
  CBaseObjectGuard guard(this);
  return onMouseMoved(where, buttons);
}

CMouseEventResult CFrame::platformOnMouseUp(CPoint& where, const CButtonState& buttons) {
  CBaseObjectGuard guard(this);
  return onMouseUp(where, buttons);
}

CMouseEventResult CFrame::platformOnMouseExited(CPoint& where, const CButtonState& buttons) {
  CBaseObjectGuard guard(this);
  return onMouseExited(where, buttons);
}

bool CFrame::platformOnMouseWheel(const CPoint& where, const CMouseWheelAxis& axis,
                                  const float& distance, const CButtonState& buttons) {
  CBaseObjectGuard guard(this);
  return onWheel(where, axis, distance, buttons);
}

int32_t CFrame::platformOnKeyDown(VstKeyCode& keyCode) {
  CBaseObjectGuard guard(this);
  return onKeyDown(keyCode);
}

int32_t CFrame::platformOnKeyUp(VstKeyCode& keyCode) {
  CBaseObjectGuard guard(this);
  return onKeyUp(keyCode);
}

}  // namespace VSTGUI
