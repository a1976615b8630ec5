#pragma once
// What the VST 2 editor needs of the window system the host's window belongs to.
//   Linux (sdk/linux): the host hands over an X11 window. Editors and the plug-in's periodic
//     timers need a run loop, which a VST 2 host does not have: the module's Vst2RunLoop
//     stands in, offered through the editor's plug-in frame and served at every effEditIdle.
//   Windows (sdk/windows): the host hands over an HWND. Windows delivers the timers' messages
//     itself while the host dispatches its user-interface thread's messages; idle has nothing
//     to do.

#include "pluginterfaces/base/smartpointer.h"
#include "pluginterfaces/gui/iplugview.h"

namespace Steinberg::Vst {

class Vst2WindowSystem {
 public:
  Vst2WindowSystem();
  ~Vst2WindowSystem();
  Vst2WindowSystem(const Vst2WindowSystem&) = delete;
  Vst2WindowSystem& operator=(const Vst2WindowSystem&) = delete;

  // The platform type of the window effEditOpen receives (kPlatformTypeX11EmbedWindowID, ...).
  FIDString platformType() const;
  // Called at every effEditIdle.
  void idle();
  // Offers what the window system's editors ask their plug-in frame for; false (and *obj
  // untouched) when `iid` is none of that.
  bool queryInterface(const TUID iid, void** obj);

 private:
  IPtr<FUnknown> runLoop_;  // Linux: the module's run loop
};

}  // namespace Steinberg::Vst
