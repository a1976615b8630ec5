#pragma once
// A gain knob with a value readout under it, shown while the pointer is over the knob.
// It edits one parameter in plain units straight through the edit controller, and
// brackets each gesture (a drag, a wheel step, a key press, an Alt-click reset) with
// beginEdit / endEdit for the host.

#include "controls/centred_knob_law.h"
#include "controls/custom_anim_knob.h"
#include "controls/edit_gestures.h"
#include "controls/frame_mouse_watch.h"
#include "toolkit/cframe.h"
#include "toolkit/controls/cparamdisplay.h"

namespace VSTGUI {

class DisplayKnob : public CViewContainer, public IMouseObserver, public CControlListener {
 public:
  // 38 x 44 pixels from `topLeft`. The controller is not owned; it outlives the editor.
  DisplayKnob(const CPoint& topLeft, CFrame* frame, Steinberg::Vst::EditController* controller,
              int32_t parameterId);

  // A plain value from the controller; it does not count as an edit.
  void setPlainValue(float plain);

  void valueChanged(CControl* control) override;
  void controlBeginEdit(CControl* control) override;
  void controlEndEdit(CControl* control) override;
  void onMouseEntered(CView* view, CFrame* frame) override;
  void onMouseExited(CView* view, CFrame* frame) override;

  bool attached(CView* parent) override;
  bool removed(CView* parent) override;

  CustomAnimKnob* getKnob() const { return knob_; }
  CTextLabel* getLabel() const { return label_; }

  CLASS_METHODS_NOCOPY(DisplayKnob, CViewContainer)

 private:
  void showReadout(float plain);

  Steinberg::Vst::EditController* controller_;
  int32_t parameterId_;
  CustomAnimKnob* knob_;
  CTextLabel* label_;
  char text_[lobeshift::kReadoutSize] = {};
  lobeshift::EditGestures gestures_;
  lobeshift::FrameMouseWatch mouseWatch_{this};
};

}  // namespace VSTGUI
