#pragma once
// The run loop a VST 2 host does not have: Linux editors and the plug-in's periodic
// timers expect the host to offer one (Steinberg::Linux::IRunLoop), while a VST 2 host
// only calls effEditIdle now and then on its user-interface thread. This run loop is
// served from there: each pump calls the handlers of readable descriptors and of due
// timers, without waiting.
//
// One run loop serves every wrapper of the module, so whichever instance the host
// idles keeps all open editors and all timers of the module going.
//
// Everything here runs on the host's user-interface thread. Handlers may register and
// unregister handlers (themselves included) from inside a callback; an unregistered
// handler is not called again.

#include <atomic>
#include <chrono>
#include <vector>

#include "pluginterfaces/base/smartpointer.h"
#include "pluginterfaces/gui/iplugview.h"

namespace Steinberg::Vst {

class Vst2RunLoop : public Linux::IRunLoop {
 public:
  // The module's run loop, made on first use; it lives while anyone holds it.
  static IPtr<Vst2RunLoop> shared();

  //--- IRunLoop
  tresult PLUGIN_API registerEventHandler(Linux::IEventHandler* handler,
                                          Linux::FileDescriptor fd) override;
  tresult PLUGIN_API unregisterEventHandler(Linux::IEventHandler* handler) override;
  tresult PLUGIN_API registerTimer(Linux::ITimerHandler* handler,
                                   Linux::TimerInterval milliseconds) override;
  tresult PLUGIN_API unregisterTimer(Linux::ITimerHandler* handler) override;

  // Serves what is ready now; returns the number of callbacks made.
  int pump();

  std::size_t eventHandlerCount() const;
  std::size_t timerCount() const;

  //--- FUnknown
  tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
  uint32 PLUGIN_API addRef() override;
  uint32 PLUGIN_API release() override;

 private:
  using Clock = std::chrono::steady_clock;
  struct Watch {
    IPtr<Linux::IEventHandler> handler;
    Linux::FileDescriptor fd;
    bool live;
  };
  struct Timer {
    IPtr<Linux::ITimerHandler> handler;
    Clock::duration interval;
    Clock::time_point due;
    bool live;
  };

  Vst2RunLoop() = default;
  virtual ~Vst2RunLoop();
  int serveDescriptors();
  int serveTimers();
  // Entries unregistered during a pump leave the lists once no pump is running.
  void sweep();

  std::vector<Watch> watches_;
  std::vector<Timer> timers_;
  int pumping_ = 0;
  std::atomic<uint32> references_{1};
};

}  // namespace Steinberg::Vst
