#pragma once
// The base of a plug-in editor drawn with the toolkit: an IPlugView that opens a toolkit
// frame in the host's window, an X11 window on Linux, an HWND on Windows
// (sdk/vstgui_editor_platform.h; the build chooses).
//
// On Linux the host's run loop is taken when the host hands over the plug-in frame
// (setFrame): the host context's if it offers one, else the plug-in frame's. It then serves
// the editor window's events, the idle timer that repaints dirty views, and the plug-in's
// own periodic timers. On Windows the system delivers the window's messages and the timers'
// ticks on the host's user-interface thread itself. attached() calls open() with the host's
// window, starts the idle timer and reports the view to the controller; removed() stops the
// timer, calls close() and reports the removal. A derived editor builds its frame in
// open() and tears it down in close().

#include "platform/timer_service.h"
#include "public.sdk/source/vst/vsteditcontroller.h"
#include "sdk/vstgui_editor_platform.h"
#include "toolkit/cframe.h"
#include "toolkit/cvstguitimer.h"

namespace Steinberg::Vst {

class VSTGUIEditor : public EditorView,
                     public VSTGUI::VSTGUIEditorInterface,
                     public VSTGUI::CBaseObject {
 public:
  VSTGUIEditor(EditController* controller, ViewRect* size = nullptr);
  ~VSTGUIEditor() override;

  // Builds the frame in `parent` (an X11 window ID or an HWND, as `type` says) and keeps it
  // in `frame`; false when it cannot (then `frame` stays null).
  virtual bool PLUGIN_API open(void* parent,
                               const VSTGUI::PlatformType& type = VSTGUI::kDefaultNative) = 0;
  // Closes the frame (CFrame::close releases it) and sets `frame` back to null.
  virtual void PLUGIN_API close() = 0;

  // How often, in milliseconds, the frame repaints its dirty views.
  void setIdleRate(int32 milliseconds);
  int32 getIdleRate() const { return idleRate_; }

  // VSTGUIEditorInterface: the host's knob mode.
  int32_t getKnobMode() const override;

  // IPlugView
  tresult PLUGIN_API isPlatformTypeSupported(FIDString type) override;
  tresult PLUGIN_API attached(void* parent, FIDString type) override;
  tresult PLUGIN_API removed() override;
  tresult PLUGIN_API setFrame(IPlugFrame* frame) override;
  tresult PLUGIN_API onKeyDown(char16 key, int16 keyCode, int16 modifiers) override;
  tresult PLUGIN_API onKeyUp(char16 key, int16 keyCode, int16 modifiers) override;
  tresult PLUGIN_API onWheel(float distance) override;

  // CBaseObject: the idle timer's ticks.
  VSTGUI::CMessageResult notify(VSTGUI::CBaseObject* sender, VSTGUI::IdStringPtr message) override;

 private:
  void stopIdleTimer();

  int32 idleRate_ = 100;
  VSTGUI::CVSTGUITimer* timer_ = nullptr;
  VSTGUIEditorPlatform platform_;        // the window system's part: Linux's run loop
  platform::RunLoopLease timerRunLoop_;  // the plug-in's periodic timers ride the same run loop
};

}  // namespace Steinberg::Vst
