#pragma once
// The mono build's gain knob: a filmstrip knob with the caption "gain" beside it; while
// the pointer is over the frame the caption gives way to the value in dB. It edits one
// parameter in plain units straight through the edit controller, and brackets each
// gesture of the knob with beginEdit / endEdit for the host.

#include "controls/centred_knob_law.h"
#include "controls/custom_anim_knob.h"
#include "controls/edit_gestures.h"
#include "controls/frame_mouse_watch.h"
#include "editor/four_char_code.h"
#include "toolkit/cframe.h"
#include "toolkit/controls/cparamdisplay.h"

namespace Steinberg::Vst {

class GainerFrame : public VSTGUI::CViewContainer,
                    public VSTGUI::IMouseObserver,
                    public VSTGUI::CControlListener {
 public:
  static constexpr int32_t kKnobTag = lobeshift::fourCharCode("G1Po");

  // 60 x 24 pixels from `topLeft`. The controller is not owned; it outlives the editor.
  GainerFrame(const VSTGUI::CPoint& topLeft, VSTGUI::CFrame* frame, EditController* controller,
              int32_t parameterId);

  // A plain value from the controller; it does not count as an edit.
  void setPlainValue(float plain);
  float getPlainValue() const { return plain_; }

  void valueChanged(VSTGUI::CControl* control) override;
  void controlBeginEdit(VSTGUI::CControl* control) override;
  void controlEndEdit(VSTGUI::CControl* control) override;
  void onMouseEntered(VSTGUI::CView* view, VSTGUI::CFrame* frame) override;
  void onMouseExited(VSTGUI::CView* view, VSTGUI::CFrame* frame) override;
  VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                        const VSTGUI::CButtonState& buttons) override;
  VSTGUI::CMouseEventResult onMouseUp(VSTGUI::CPoint& where,
                                      const VSTGUI::CButtonState& buttons) override;

  bool attached(VSTGUI::CView* parent) override;
  bool removed(VSTGUI::CView* parent) override;

  VSTGUI::CustomAnimKnob* getKnob() const { return knob_; }
  VSTGUI::CTextLabel* getLabel() const { return label_; }
  VSTGUI::CView* getCaption() const { return caption_; }

  CLASS_METHODS_NOCOPY(GainerFrame, VSTGUI::CViewContainer)

 private:
  float plain_ = 0.f;
  VSTGUI::CTextLabel* label_;
  VSTGUI::CView* caption_;
  char text_[lobeshift::kReadoutSize] = {};
  ParamID parameterId_;
  EditController* controller_;
  VSTGUI::CustomAnimKnob* knob_;
  lobeshift::EditGestures gestures_;
  lobeshift::FrameMouseWatch mouseWatch_{this};
};

}  // namespace Steinberg::Vst
