#include "sdk/vstgui_editor.h"

#include <cstring>

#include "platform/diagnostics.h"
#include "toolkit/device_scale.h"

namespace Steinberg::Vst {
namespace {

// The host's virtual key codes and modifier bits number keys as the toolkit does,
// up to the "equals" key.
constexpr int16 kLastSharedVirtualKey = VSTGUI::VKEY_EQUALS;
constexpr int16 kSharedModifierBits = VSTGUI::MODIFIER_SHIFT | VSTGUI::MODIFIER_ALTERNATE |
                                      VSTGUI::MODIFIER_COMMAND | VSTGUI::MODIFIER_CONTROL;

VSTGUI::VstKeyCode toolkitKey(char16 key, int16 keyCode, int16 modifiers) {
  VSTGUI::VstKeyCode code;
  if (keyCode > 0 && keyCode <= kLastSharedVirtualKey)
    code.virt = static_cast<unsigned char>(keyCode);
  else
    code.character = key;
  code.modifier = static_cast<unsigned char>(modifiers & kSharedModifierBits);
  return code;
}

}  // namespace

VSTGUIEditor::VSTGUIEditor(EditController* controller, ViewRect* size)
    : EditorView(controller, size) {}

VSTGUIEditor::~VSTGUIEditor() {
  stopIdleTimer();
  // A host that destroys an attached view without removing it first still gets its
  // window closed; the derived editor is gone, so the frame is closed directly.
  if (frame) {
    frame->close();
    frame = nullptr;
  }
  platform_.detach();
}

void VSTGUIEditor::setIdleRate(int32 milliseconds) {
  idleRate_ = milliseconds > 0 ? milliseconds : 1;
  if (timer_) timer_->setFireTime(static_cast<uint32_t>(idleRate_));
}

int32_t VSTGUIEditor::getKnobMode() const { return EditController::getHostKnobMode(); }

tresult PLUGIN_API VSTGUIEditor::isPlatformTypeSupported(FIDString type) {
  return type && std::strcmp(type, VSTGUIEditorPlatform::platformType()) == 0 ? kResultTrue
                                                                              : kResultFalse;
}

tresult PLUGIN_API VSTGUIEditor::setFrame(IPlugFrame* plugFrameToUse) {
  timerRunLoop_.release();
  platform_.setFrame(plugFrameToUse, controller ? controller->getHostContext() : nullptr);
  if (plugFrameToUse) timerRunLoop_.acquire(plugFrameToUse);
  return EditorView::setFrame(plugFrameToUse);
}

tresult PLUGIN_API VSTGUIEditor::attached(void* parent, FIDString type) {
  if (isPlatformTypeSupported(type) != kResultTrue) return kResultFalse;
  if (frame) return kResultFalse;  // already open in another window
  platform_.attach();
  if (!open(parent, VSTGUIEditorPlatform::frameType())) {
    diag::write("Editor: could not open the editor window\n");
    platform_.detach();
    return kResultFalse;
  }
  if (frame) {
    // The window's size: the frame's at the scale it is drawn at.
    ViewRect frameRect(0, 0, VSTGUI::deviceExtent(frame->getWidth(), frame->getZoom()),
                       VSTGUI::deviceExtent(frame->getHeight(), frame->getZoom()));
    if (frameRect.getWidth() != rect.getWidth() || frameRect.getHeight() != rect.getHeight()) {
      setRect(frameRect);
      if (plugFrame) plugFrame->resizeView(this, &frameRect);
    }
  }
  if (!timer_)
    timer_ = new VSTGUI::CVSTGUITimer(static_cast<VSTGUI::CBaseObject*>(this),
                                      static_cast<uint32_t>(idleRate_));
  timer_->start();
  return EditorView::attached(parent, type);
}

tresult PLUGIN_API VSTGUIEditor::removed() {
  stopIdleTimer();
  close();
  platform_.detach();
  return EditorView::removed();
}

void VSTGUIEditor::stopIdleTimer() {
  if (!timer_) return;
  timer_->stop();
  timer_->forget();
  timer_ = nullptr;
}

VSTGUI::CMessageResult VSTGUIEditor::notify(VSTGUI::CBaseObject* sender,
                                            VSTGUI::IdStringPtr message) {
  if (sender == timer_ && message == VSTGUI::CVSTGUITimer::kMsgTimer) {
    if (frame) frame->idle();
    doIdleStuff();
    return VSTGUI::kMessageNotified;
  }
  return VSTGUI::kMessageUnknown;
}

tresult PLUGIN_API VSTGUIEditor::onKeyDown(char16 key, int16 keyCode, int16 modifiers) {
  if (!frame) return kResultFalse;
  VSTGUI::VstKeyCode code = toolkitKey(key, keyCode, modifiers);
  return frame->onKeyDown(code) == 1 ? kResultTrue : kResultFalse;
}

tresult PLUGIN_API VSTGUIEditor::onKeyUp(char16 key, int16 keyCode, int16 modifiers) {
  if (!frame) return kResultFalse;
  VSTGUI::VstKeyCode code = toolkitKey(key, keyCode, modifiers);
  return frame->onKeyUp(code) == 1 ? kResultTrue : kResultFalse;
}

tresult PLUGIN_API VSTGUIEditor::onWheel(float distance) {
  if (!frame) return kResultFalse;
  VSTGUI::CPoint where;
  frame->getCurrentMouseLocation(where);
  return frame->onWheel(where, VSTGUI::kMouseWheelAxisY, distance, frame->getCurrentMouseButtons())
             ? kResultTrue
             : kResultFalse;
}

}  // namespace Steinberg::Vst
