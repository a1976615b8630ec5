#pragma once
// Linux (included through host/run_loop.h): the host's main-thread run loop as plug-ins
// see it on Linux (IRunLoop): they register file descriptors to watch and timers, and the
// host calls them back from its own thread. Here that thread is whoever calls pump() or
// runFor(): nothing runs between those calls, so tests and tools decide exactly when
// plug-in callbacks happen.
//
// Handlers may register and unregister handlers (themselves included) from inside a
// callback; an unregistered handler is not called again, not even later in the same pass.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

#include "pluginterfaces/base/smartpointer.h"
#include "pluginterfaces/gui/iplugview.h"

namespace host {

class RunLoop : public Steinberg::Linux::IRunLoop {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;
  using Clock = std::function<TimePoint()>;

  // The clock decides when timers are due; the default is the steady clock. A test
  // clock that only moves when told makes pump() deterministic (runFor needs a clock
  // that moves by itself).
  explicit RunLoop(Clock clock = {});
  virtual ~RunLoop();

  RunLoop(const RunLoop&) = delete;
  RunLoop& operator=(const RunLoop&) = delete;

  // Whether hosts of this system offer the run loop to plug-ins under this interface ID
  // (Linux: IRunLoop, through the host context and the editor's plug-in frame).
  static bool isOfferedAs(const Steinberg::TUID iid);

  //--- IRunLoop
  // One handler may watch several descriptors; a (handler, descriptor) pair only once.
  Steinberg::tresult PLUGIN_API registerEventHandler(Steinberg::Linux::IEventHandler* handler,
                                                     Steinberg::Linux::FileDescriptor fd) override;
  // Removes every descriptor of the handler.
  Steinberg::tresult PLUGIN_API
  unregisterEventHandler(Steinberg::Linux::IEventHandler* handler) override;
  // The first tick comes one interval after registration.
  Steinberg::tresult PLUGIN_API
  registerTimer(Steinberg::Linux::ITimerHandler* handler,
                Steinberg::Linux::TimerInterval milliseconds) override;
  // Removes every timer of the handler.
  Steinberg::tresult PLUGIN_API unregisterTimer(Steinberg::Linux::ITimerHandler* handler) override;

  // Calls, without waiting, the handlers of descriptors that are readable (or closed at
  // the other end) and of timers that are due. Returns the number of callbacks made.
  int pump();
  // Dispatches like pump() for the given time, sleeping while nothing is ready.
  int runFor(std::uint32_t milliseconds);

  std::size_t eventHandlerCount() const { return watches_.size(); }
  std::size_t timerCount() const { return timers_.size(); }

  //--- FUnknown
  Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
  Steinberg::uint32 PLUGIN_API addRef() override;
  Steinberg::uint32 PLUGIN_API release() override;

 private:
  struct Watch {
    std::uint64_t serial;  // tells a registration apart from a later one of the same pair
    Steinberg::IPtr<Steinberg::Linux::IEventHandler> handler;
    Steinberg::Linux::FileDescriptor fd;
  };
  struct Timer {
    std::uint64_t serial;
    Steinberg::IPtr<Steinberg::Linux::ITimerHandler> handler;
    std::chrono::milliseconds interval;
    TimePoint due;
  };

  int dispatch(int pollTimeoutMilliseconds);
  int dispatchDescriptors(int pollTimeoutMilliseconds);
  int dispatchTimers();
  Timer* findTimer(std::uint64_t serial);
  // Milliseconds until the next timer is due (0 when overdue), or -1 without timers.
  int millisecondsToNextTimer() const;

  Clock clock_;
  std::vector<Watch> watches_;
  std::vector<Timer> timers_;
  std::uint64_t nextSerial_ = 1;
  std::atomic<Steinberg::uint32> references_{1};
};

}  // namespace host
