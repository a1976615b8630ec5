#pragma once
// The controller's editor in a VST 2 host's window. The host gives its window (X11 on
// Linux, an HWND on Windows) to effEditOpen; the wrapper asks the controller for its view
// "editor", hands it a plug-in frame of its own and attaches it to that window. What the
// window system needs besides (on Linux, the run loop that VST 3 hosts offer and that
// effEditIdle serves) is Vst2WindowSystem's. Everything here runs on the host's
// user-interface thread.

#include "pluginterfaces/base/smartpointer.h"
#include "pluginterfaces/gui/iplugview.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "sdk/vst2_host_callback.h"
#include "sdk/vst2_window_system.h"

namespace Steinberg::Vst {

class Vst2Editor : public IPlugFrame {
 public:
  Vst2Editor(IEditController* controller, const Vst2HostCallback& host);
  virtual ~Vst2Editor();
  Vst2Editor(const Vst2Editor&) = delete;
  Vst2Editor& operator=(const Vst2Editor&) = delete;

  // Whether the controller hands out a view: asked once, by making one and letting it
  // go again (its size is kept for effEditGetRect).
  bool probe();
  bool exists() const { return exists_; }
  // The editor's size, or null when there is no editor.
  ERect* rect();

  // Attaches a new view to the host's window; false (and nothing open) on any failure.
  bool open(void* hostWindow);
  bool isOpen() const { return view_ != nullptr; }
  // The host's effEditIdle.
  void idle();
  // Detaches and releases the view; false when none was open.
  bool close();

  //--- IPlugFrame: a VST 2 host sizes its window when asked to.
  tresult PLUGIN_API resizeView(IPlugView* view, ViewRect* newSize) override;

  //--- FUnknown: owned by the wrapper; references are not counted. Offers what the window
  // system's editors ask for besides.
  tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
  uint32 PLUGIN_API addRef() override { return 1; }
  uint32 PLUGIN_API release() override { return 1; }

 private:
  IPtr<IPlugView> createView() const;
  void keepSize(const ViewRect& size);

  IEditController* controller_;  // not owned; outlives the editor
  const Vst2HostCallback& host_;
  Vst2WindowSystem windowSystem_;
  IPtr<IPlugView> view_;  // while open
  ERect rect_{0, 0, 0, 0};
  bool exists_ = false;
};

}  // namespace Steinberg::Vst
