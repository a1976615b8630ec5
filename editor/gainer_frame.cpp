#include "editor/gainer_frame.h"

#include "controls/gain_knob_style.h"

namespace Steinberg::Vst {

using namespace VSTGUI;

GainerFrame::GainerFrame(const CPoint& topLeft, CFrame* frame, EditController* controller,
                         int32_t parameterId)
    : CViewContainer(CRect(topLeft.x, topLeft.y, topLeft.x + 60, topLeft.y + 24)),
      label_(new CTextLabel(CRect(28, 3, 58, 23))),
      caption_(new CView(CRect(28, 8, 60, 19))),
      parameterId_(static_cast<ParamID>(parameterId)),
      controller_(controller),
      knob_(lobeshift::makeGainKnob(CRect(0, 0, 24, 24), this, kKnobTag)),
      gestures_(controller) {
  setTransparency(true);
  addView(knob_);

  label_->setVisible(false);
  label_->setTransparency(true);
  label_->setFontColor(CColor(10, 10, 10, 255));
  lobeshift::setReadoutFont(label_);
  addView(label_);

  mouseWatch_.watch(frame);
  setWantsFocus(true);

  auto* gain = new CBitmap("gain.png");
  caption_->setBackground(gain);
  gain->forget();
  addView(caption_);
  // The parameter's default until the controller tells the real value.
  setPlainValue(static_cast<float>(parameterDefault(parameterId_)));
}

bool GainerFrame::attached(CView* parent) {
  if (!CViewContainer::attached(parent)) return false;
  mouseWatch_.watch(getFrame());
  return true;
}

bool GainerFrame::removed(CView* parent) {
  // A drag cut short by the editor closing still ends its gesture at the host, and a
  // frame that goes away keeps no pointer to this one.
  gestures_.endAll();
  mouseWatch_.stop();
  return CViewContainer::removed(parent);
}

void GainerFrame::setPlainValue(float plain) {
  plain_ = plain;
  knob_->setValue(lobeshift::knobValueForPlain(parameterId_, plain));
  lobeshift::formatReadout(text_, lobeshift::clampedPlain(parameterId_, plain));
  label_->setText(text_);
}

void GainerFrame::valueChanged(CControl* control) {
  // The readout follows when the controller calls setPlainValue back.
  if (control->getTag() != kKnobTag || !controller_) return;
  controller_->performEdit(parameterId_,
                           lobeshift::plainForKnobValue(parameterId_, control->getValue()));
}

void GainerFrame::controlBeginEdit(CControl* control) {
  if (control == knob_) gestures_.begin(parameterId_);
}

void GainerFrame::controlEndEdit(CControl* control) {
  if (control == knob_) gestures_.end(parameterId_);
}

void GainerFrame::onMouseEntered(CView* view, CFrame* /*frame*/) {
  if (view != this) return;
  caption_->setVisible(false);
  label_->setVisible(true);
}

void GainerFrame::onMouseExited(CView* view, CFrame* /*frame*/) {
  if (view != this) return;
  caption_->setVisible(true);
  label_->setVisible(false);
}

CMouseEventResult GainerFrame::onMouseDown(CPoint& where, const CButtonState& buttons) {
  CViewContainer::onMouseDown(where, buttons);
  return kMouseEventHandled;
}

CMouseEventResult GainerFrame::onMouseUp(CPoint& where, const CButtonState& buttons) {
  CViewContainer::onMouseUp(where, buttons);
  return kMouseEventHandled;
}

}  // namespace Steinberg::Vst
