#pragma once
// The host's run loop (Steinberg::Linux::IRunLoop, offered by the editor's plug-in
// frame) in the shape the toolkit serves its windows and timers from.

#include <vector>

#include "pluginterfaces/base/smartpointer.h"
#include "pluginterfaces/gui/iplugview.h"
#include "toolkit/platform/linux/x11_run_loop.h"

namespace Steinberg::Vst {

class HostRunLoopAdapter : public VSTGUI::X11::IRunLoop {
 public:
  explicit HostRunLoopAdapter(Linux::IRunLoop* hostRunLoop);
  ~HostRunLoopAdapter() override;

  bool registerEventHandler(int fd, VSTGUI::X11::IEventHandler* handler) override;
  bool unregisterEventHandler(VSTGUI::X11::IEventHandler* handler) override;
  bool registerTimer(uint64_t intervalMilliseconds, VSTGUI::X11::ITimerHandler* handler) override;
  bool unregisterTimer(VSTGUI::X11::ITimerHandler* handler) override;

  Linux::IRunLoop* getHostRunLoop() const { return hostRunLoop_; }

 private:
  template <typename Handler, typename Bridge>
  struct Registration {
    Handler* handler;
    IPtr<Bridge> bridge;
  };
  class EventBridge;
  class TimerBridge;

  IPtr<Linux::IRunLoop> hostRunLoop_;
  std::vector<Registration<VSTGUI::X11::IEventHandler, EventBridge>> events_;
  std::vector<Registration<VSTGUI::X11::ITimerHandler, TimerBridge>> timers_;
};

}  // namespace Steinberg::Vst
