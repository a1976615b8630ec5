#pragma once
// The editor's frame: a toolkit frame that hands a right-click no view took (anywhere on
// the panel that is not a control taking right-clicks) to the editor, which opens its
// zoom list there.

#include <functional>
#include <utility>

#include "toolkit/cframe.h"

namespace Steinberg::Vst {

class EditorFrame : public VSTGUI::CFrame {
 public:
  using RightClick = std::function<void(const VSTGUI::CPoint& where)>;

  EditorFrame(const VSTGUI::CRect& size, VSTGUI::VSTGUIEditorInterface* editor,
              RightClick rightClick)
      : CFrame(size, editor), rightClick_(std::move(rightClick)) {}

  VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                        const VSTGUI::CButtonState& buttons) override {
    const VSTGUI::CMouseEventResult result = CFrame::onMouseDown(where, buttons);
    if (result != VSTGUI::kMouseEventNotHandled && result != VSTGUI::kMouseEventNotImplemented)
      return result;
    if (!buttons.isRightButton() || getModalView() || !rightClick_) return result;
    rightClick_(where);
    return VSTGUI::kMouseDownEventHandledButDontNeedMovedOrUpEvents;
  }

 private:
  RightClick rightClick_;
};

}  // namespace Steinberg::Vst
