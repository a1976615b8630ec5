#include "editor/solo_frame.h"

namespace Steinberg::Vst {

using namespace VSTGUI;

namespace {

CMovieButton* makeButton(const CRect& rect, CControlListener* listener, int32_t tag,
                         CBitmap* bitmap) {
  return new CMovieButton(rect, listener, tag, rect.getHeight(), bitmap, CPoint(0, 0));
}

}  // namespace

SoloFrame::SoloFrame(const CPoint& topLeft, EditController* controller, int32_t parameterId)
    : CViewContainer(CRect(topLeft.x, topLeft.y, topLeft.x + 125, topLeft.y + 36)),
      parameterId_(static_cast<ParamID>(parameterId)),
      controller_(controller),
      gestures_(controller) {
  auto* pre = new CBitmap("PreButton.png");
  auto* post = new CBitmap("PostButton.png");
  leftPre_ = makeButton(CRect(0, 0, 52, 18), this, kLeftPre, pre);
  leftPost_ = makeButton(CRect(0, 16, 52, 34), this, kLeftPost, post);
  rightPre_ = makeButton(CRect(68, 0, 120, 18), this, kRightPre, pre);
  rightPost_ = makeButton(CRect(68, 16, 120, 34), this, kRightPost, post);
  pre->forget();
  post->forget();
  addView(leftPre_);
  addView(leftPost_);
  addView(rightPre_);
  addView(rightPost_);
  setTransparency(true);
  setWantsFocus(true);
}

CMovieButton* SoloFrame::button(int32_t tag) const {
  if (tag == kLeftPre) return leftPre_;
  if (tag == kLeftPost) return leftPost_;
  if (tag == kRightPre) return rightPre_;
  if (tag == kRightPost) return rightPost_;
  return nullptr;
}

void SoloFrame::clear(CMovieButton* button) {
  if (button->getValue() == 1.f) button->setValue(0);
}

void SoloFrame::valueChanged(CControl* control) {
  const int32_t tag = control->getTag();
  if (button(tag) && control->getValue() != 1.f) {
    state_ = 0;
  } else if (tag == kLeftPre || tag == kRightPre) {
    CMovieButton* other = tag == kLeftPre ? rightPre_ : leftPre_;
    clear(leftPost_);
    clear(rightPost_);
    if (shiftHeld_) {
      other->setValue(1);
      state_ = 2;
    } else {
      clear(other);
      state_ = tag == kLeftPre ? 1 : 3;
    }
  } else if (tag == kLeftPost || tag == kRightPost) {
    for (CMovieButton* each : {leftPre_, leftPost_, rightPre_, rightPost_}) {
      if (each != control) clear(each);
    }
    state_ = tag == kLeftPost ? 4 : 6;
  }
  if (controller_) controller_->performEdit(parameterId_, state_);
}

void SoloFrame::showButtons(bool leftPre, bool leftPost, bool rightPre, bool rightPost) {
  leftPre_->setValue(leftPre ? 1 : 0);
  leftPost_->setValue(leftPost ? 1 : 0);
  rightPre_->setValue(rightPre ? 1 : 0);
  rightPost_->setValue(rightPost ? 1 : 0);
}

void SoloFrame::setSoloState(float value) {
  // Lit buttons per state: left pre, left post, right pre, right post.
  static constexpr bool kLit[7][4] = {
      {false, false, false, false}, {true, false, false, false}, {true, false, true, false},
      {false, false, true, false},  {false, true, false, false}, {false, true, false, true},
      {false, false, false, true},
  };
  // Only values whose integer part is a state move the buttons (NaN is none of them).
  if (value > -1.f && value < 7.f) {
    const bool* lit = kLit[static_cast<int32_t>(value)];
    showButtons(lit[0], lit[1], lit[2], lit[3]);
  }
  state_ = value;
  invalid();
}

CMouseEventResult SoloFrame::onMouseDown(CPoint& where, const CButtonState& buttons) {
  shiftHeld_ = (buttons & kShift) != 0;
  // A press on a button is one edit of the solo state; the host hears it as a gesture.
  const bool onButton = buttons.isLeftButton() && getViewAt(where) != nullptr;
  if (onButton) gestures_.begin(parameterId_);
  CViewContainer::onMouseDown(where, buttons);
  if (onButton) gestures_.end(parameterId_);
  return kMouseEventNotHandled;
}

bool SoloFrame::removed(CView* parent) {
  gestures_.endAll();
  return CViewContainer::removed(parent);
}

}  // namespace Steinberg::Vst
