#include "sdk/vstgui_editor_platform.h"

#include "sdk/linux/vstgui_editor_run_loop.h"
#include "toolkit/platform/linux/x11_run_loop.h"

namespace Steinberg::Vst {

struct VSTGUIEditorPlatform::State {
  VSTGUI::SharedPointer<VSTGUI::X11::IRunLoop> runLoop;  // the host's, while a frame offers one
  bool current = false;  // made current for the toolkit while attached
};

VSTGUIEditorPlatform::VSTGUIEditorPlatform() : state_(std::make_unique<State>()) {}

VSTGUIEditorPlatform::~VSTGUIEditorPlatform() { detach(); }

FIDString VSTGUIEditorPlatform::platformType() { return kPlatformTypeX11EmbedWindowID; }

VSTGUI::PlatformType VSTGUIEditorPlatform::frameType() { return VSTGUI::kX11EmbedWindowID; }

void VSTGUIEditorPlatform::setFrame(IPlugFrame* plugFrame, FUnknown* hostContext) {
  state_->runLoop.reset();
  if (!plugFrame) return;
  // The host context's run loop is the host's main loop itself; the frame's is the one a
  // host offers for editors only (some hosts have only that one).
  FUnknownPtr<Linux::IRunLoop> contextRunLoop(hostContext);
  FUnknownPtr<Linux::IRunLoop> frameRunLoop(plugFrame);
  Linux::IRunLoop* hostRunLoop =
      contextRunLoop ? contextRunLoop.getInterface() : frameRunLoop.getInterface();
  if (hostRunLoop)
    state_->runLoop = VSTGUI::owned<VSTGUI::X11::IRunLoop>(new HostRunLoopAdapter(hostRunLoop));
}

void VSTGUIEditorPlatform::attach() {
  if (state_->current || !state_->runLoop) return;
  VSTGUI::X11::RunLoop::init(state_->runLoop);
  state_->current = true;
}

void VSTGUIEditorPlatform::detach() {
  if (!state_->current) return;
  VSTGUI::X11::RunLoop::exit();
  state_->current = false;
}

}  // namespace Steinberg::Vst
