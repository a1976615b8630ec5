#include "sdk/vstgui_editor.h"

#include <cstring>

#include "platform/diagnostics.h"
#include "sdk/vstgui_editor_run_loop.h"

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

VSTGUIEditor::VSTGUIEditor(EditController* controller, ViewRect* size) : EditorView(controller, size) {}

VSTGUIEditor::~VSTGUIEditor() {
  stopIdleTimer();
  // A host that destroys an attached view without removing it first still gets its
  // window closed; the derived editor is gone, so the frame is closed directly.
  if (frame) {
    frame->close();
    frame = nullptr;
  }
  if (runLoopCurrent_) VSTGUI::X11::RunLoop::exit();
}

void VSTGUIEditor::setIdleRate(int32 milliseconds) {
  idleRate_ = milliseconds > 0 ? milliseconds : 1;
  if (timer_) timer_->setFireTime(static_cast<uint32_t>(idleRate_));
}

int32_t VSTGUIEditor::getKnobMode() const { return EditController::getHostKnobMode(); }

tresult PLUGIN_API VSTGUIEditor::isPlatformTypeSupported(FIDString type) {
  return type && std::strcmp(type, kPlatformTypeX11EmbedWindowID) == 0 ? kResultTrue : kResultFalse;
}

tresult PLUGIN_API VSTGUIEditor::setFrame(IPlugFrame* plugFrameToUse) {
  runLoop_.reset();
  timerRunLoop_.release();
  if (plugFrameToUse) {
    // The host context's run loop is the host's main loop itself; the frame's is the
    // one a host offers for editors only (some hosts have only that one).
    FUnknown* hostContext = controller ? controller->getHostContext() : nullptr;
    FUnknownPtr<Linux::IRunLoop> contextRunLoop(hostContext);
    FUnknownPtr<Linux::IRunLoop> frameRunLoop(plugFrameToUse);
    Linux::IRunLoop* hostRunLoop = contextRunLoop ? contextRunLoop.getInterface() : frameRunLoop.getInterface();
    if (hostRunLoop) runLoop_ = VSTGUI::owned<VSTGUI::X11::IRunLoop>(new HostRunLoopAdapter(hostRunLoop));
    timerRunLoop_.acquire(plugFrameToUse);
  }
  return EditorView::setFrame(plugFrameToUse);
}

tresult PLUGIN_API VSTGUIEditor::attached(void* parent, FIDString type) {
  if (isPlatformTypeSupported(type) != kResultTrue) return kResultFalse;
  if (frame) return kResultFalse;  // already open in another window
  if (runLoop_) {
    VSTGUI::X11::RunLoop::init(runLoop_);
    runLoopCurrent_ = true;
  }
  if (!open(parent, VSTGUI::kX11EmbedWindowID)) {
    diag::write("Editor: could not open the editor window\n");
    if (runLoopCurrent_) VSTGUI::X11::RunLoop::exit();
    runLoopCurrent_ = false;
    return kResultFalse;
  }
  if (frame) {
    ViewRect frameRect(0, 0, static_cast<int32>(frame->getWidth()), static_cast<int32>(frame->getHeight()));
    if (frameRect.getWidth() != rect.getWidth() || frameRect.getHeight() != rect.getHeight()) {
      setRect(frameRect);
      if (plugFrame) plugFrame->resizeView(this, &frameRect);
    }
  }
  if (!timer_)
    timer_ = new VSTGUI::CVSTGUITimer(static_cast<VSTGUI::CBaseObject*>(this), static_cast<uint32_t>(idleRate_));
  timer_->start();
  return EditorView::attached(parent, type);
}

tresult PLUGIN_API VSTGUIEditor::removed() {
  stopIdleTimer();
  close();
  if (runLoopCurrent_) VSTGUI::X11::RunLoop::exit();
  runLoopCurrent_ = false;
  return EditorView::removed();
}

void VSTGUIEditor::stopIdleTimer() {
  if (!timer_) return;
  timer_->stop();
  timer_->forget();
  timer_ = nullptr;
}

VSTGUI::CMessageResult VSTGUIEditor::notify(VSTGUI::CBaseObject* sender, VSTGUI::IdStringPtr message) {
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
  return frame->onWheel(where, VSTGUI::kMouseWheelAxisY, distance, frame->getCurrentMouseButtons()) ? kResultTrue
                                                                                                    : kResultFalse;
}

}  // namespace Steinberg::Vst
