#pragma once
// The part of the editor base that depends on the window system, chosen by the build:
//   sdk/linux/vstgui_editor_platform.cpp: X11 embedding. The host's run loop (the host
//     context's if it offers one, else the plug-in frame's) is the toolkit's current run loop
//     while the editor is attached; it serves the window's events and the toolkit's timers.
//   sdk/windows/vstgui_editor_platform.cpp: HWND embedding. Windows delivers the window's
//     messages and the timers' ticks itself, so there is no run loop to take.

#include <memory>

#include "pluginterfaces/base/funknown.h"
#include "pluginterfaces/gui/iplugview.h"
#include "toolkit/platform/iplatformframe.h"

namespace Steinberg::Vst {

class VSTGUIEditorPlatform {
 public:
  VSTGUIEditorPlatform();
  ~VSTGUIEditorPlatform();
  VSTGUIEditorPlatform(const VSTGUIEditorPlatform&) = delete;
  VSTGUIEditorPlatform& operator=(const VSTGUIEditorPlatform&) = delete;

  // The IPlugView platform type the editor is shown in (kPlatformTypeX11EmbedWindowID or
  // kPlatformTypeHWND), and the toolkit's platform type that opens a frame in it.
  static FIDString platformType();
  static VSTGUI::PlatformType frameType();

  // The host hands over its plug-in frame (nullptr: takes it back); `hostContext` is the one
  // the controller was initialised with, or nullptr.
  void setFrame(IPlugFrame* plugFrame, FUnknown* hostContext);
  // Just before the frame opens in the host's window, and when it has closed (or failed to open).
  void attach();
  void detach();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace Steinberg::Vst
