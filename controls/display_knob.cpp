#include "controls/display_knob.h"

#include "controls/gain_knob_style.h"

namespace VSTGUI {

DisplayKnob::DisplayKnob(const CPoint& topLeft, CFrame* frame,
                         Steinberg::Vst::EditController* controller, int32_t parameterId)
    : CViewContainer(CRect(topLeft.x, topLeft.y, topLeft.x + 38, topLeft.y + 44)),
      controller_(controller),
      parameterId_(parameterId),
      knob_(lobeshift::makeGainKnob(CRect(5, 0, 29, 24), this, parameterId)),
      label_(new CTextLabel(CRect(0, 28, 38, 44))),
      gestures_(controller) {
  addView(knob_);

  label_->setVisible(false);
  label_->setBackColor(CColor(180, 180, 180, 255));
  label_->setFontColor(CColor(10, 10, 10, 200));
  lobeshift::setReadoutFont(label_);
  addView(label_);

  // The parameter's default until the controller tells the real value.
  setPlainValue(static_cast<float>(parameterDefault(static_cast<ParameterId>(parameterId))));
  setTransparency(true);
  mouseWatch_.watch(frame);
}

bool DisplayKnob::attached(CView* parent) {
  if (!CViewContainer::attached(parent)) return false;
  mouseWatch_.watch(getFrame());
  return true;
}

bool DisplayKnob::removed(CView* parent) {
  // A drag cut short by the editor closing still ends its gesture at the host, and a
  // frame that goes away keeps no pointer to this knob.
  gestures_.endAll();
  mouseWatch_.stop();
  return CViewContainer::removed(parent);
}

void DisplayKnob::showReadout(float plain) {
  lobeshift::formatReadout(text_, plain);
  label_->setText(text_);
}

void DisplayKnob::setPlainValue(float plain) {
  const auto id = static_cast<ParameterId>(parameterId_);
  knob_->setValue(lobeshift::knobValueForPlain(id, plain));
  knob_->setDirty(true);
  showReadout(lobeshift::clampedPlain(id, plain));
}

void DisplayKnob::valueChanged(CControl* control) {
  if (control != knob_) return;
  const float plain =
      lobeshift::plainForKnobValue(static_cast<ParameterId>(parameterId_), knob_->getValue());
  if (controller_)
    controller_->performEdit(static_cast<Steinberg::Vst::ParamID>(parameterId_), plain);
  showReadout(plain);
}

void DisplayKnob::controlBeginEdit(CControl* control) {
  if (control == knob_) gestures_.begin(static_cast<Steinberg::Vst::ParamID>(parameterId_));
}

void DisplayKnob::controlEndEdit(CControl* control) {
  if (control == knob_) gestures_.end(static_cast<Steinberg::Vst::ParamID>(parameterId_));
}

void DisplayKnob::onMouseEntered(CView* view, CFrame* /*frame*/) {
  if (view == knob_) label_->setVisible(true);
}

void DisplayKnob::onMouseExited(CView* view, CFrame* /*frame*/) {
  if (view == knob_) label_->setVisible(false);
}

}  // namespace VSTGUI
