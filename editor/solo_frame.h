#pragma once
// The four solo buttons, "pre" and "post" for the omni (left) and the figure-eight
// (right) column, turned into the one Solo State parameter:
//   0 none, 1 left pre, 2 both pre, 3 right pre, 4 left post, 5 both post, 6 right post.
// A click lights one button and clears the others; Shift with a pre button lights both
// pre buttons; a click on a lit button clears the solo. Both post buttons (5) can only
// arrive from the host.

#include "controls/edit_gestures.h"
#include "editor/four_char_code.h"
#include "toolkit/controls/cmoviebutton.h"
#include "toolkit/cviewcontainer.h"

namespace Steinberg::Vst {

class SoloFrame : public VSTGUI::CViewContainer, public VSTGUI::CControlListener {
 public:
  static constexpr int32_t kLeftPre = lobeshift::fourCharCode("lpre");
  static constexpr int32_t kLeftPost = lobeshift::fourCharCode("lpos");
  static constexpr int32_t kRightPre = lobeshift::fourCharCode("rpre");
  static constexpr int32_t kRightPost = lobeshift::fourCharCode("rpos");

  // 125 x 36 pixels from `topLeft`. The controller is not owned; it outlives the editor.
  SoloFrame(const VSTGUI::CPoint& topLeft, EditController* controller, int32_t parameterId);

  // A plain Solo State from the controller: the buttons show its integer part; values
  // outside 0 to 6 leave them as they are.
  void setSoloState(float value);
  float getSoloState() const { return state_; }

  VSTGUI::CMovieButton* button(int32_t tag) const;

  void valueChanged(VSTGUI::CControl* control) override;
  VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                        const VSTGUI::CButtonState& buttons) override;
  bool removed(VSTGUI::CView* parent) override;

  CLASS_METHODS_NOCOPY(SoloFrame, VSTGUI::CViewContainer)

 private:
  // Lit buttons of a state, in the order left pre, left post, right pre, right post.
  void showButtons(bool leftPre, bool leftPost, bool rightPre, bool rightPost);
  static void clear(VSTGUI::CMovieButton* button);

  float state_ = 0.f;
  VSTGUI::CMovieButton* leftPre_;
  VSTGUI::CMovieButton* leftPost_;
  VSTGUI::CMovieButton* rightPre_;
  VSTGUI::CMovieButton* rightPost_;
  ParamID parameterId_;
  EditController* controller_;
  bool shiftHeld_ = false;
  lobeshift::EditGestures gestures_;
};

}  // namespace Steinberg::Vst
