#pragma once
// Windows (included through host/run_loop.h): the host's main-thread run loop is the
// thread's message loop. Plug-ins are offered no run loop here: their timers are Windows'
// own window-less timers, whose ticks arrive as timer messages while the thread that set
// them dispatches its messages, and their editor windows get their input the same way. So
// whoever calls pump() or runFor() on the host's main thread serves every timer and
// window of that thread; nothing runs between those calls.
//
// Windows' timers keep the system's time. A clock that moves by itself (the steady clock,
// the default) changes nothing; a clock that only moves when told (host::ManualClock) is
// waited out: when the clock has moved further since the last pump than real time has,
// pump() first serves the messages for the difference, so "move the clock, pump" lets at
// least that much time pass here too.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>

#include "pluginterfaces/base/funknown.h"

namespace host {

class RunLoop : public Steinberg::FUnknown {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;
  using Clock = std::function<TimePoint()>;

  explicit RunLoop(Clock clock = {});
  virtual ~RunLoop();

  RunLoop(const RunLoop&) = delete;
  RunLoop& operator=(const RunLoop&) = delete;

  // Windows hosts offer plug-ins no run loop under any interface.
  static bool isOfferedAs(const Steinberg::TUID) { return false; }

  // Dispatches the messages waiting in this thread's queue (timer messages of the timers
  // that are due among them) without waiting, after waiting out the clock's move since the
  // last pump (see above). Returns the number of messages dispatched.
  int pump();
  // Dispatches messages as they come for the given time, sleeping while none is waiting.
  int runFor(std::uint32_t milliseconds);

  //--- FUnknown
  Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
  Steinberg::uint32 PLUGIN_API addRef() override;
  Steinberg::uint32 PLUGIN_API release() override;

 private:
  int dispatchWaiting();

  Clock clock_;
  TimePoint lastPump_;                                  // by the clock
  std::chrono::steady_clock::time_point lastPumpReal_;  // by Windows' time
  std::atomic<Steinberg::uint32> references_{1};
};

}  // namespace host
