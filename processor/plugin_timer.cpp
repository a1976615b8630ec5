#include "processor/plugin_timer.h"

#include <list>

#include "platform/timer_service.h"

namespace {

// Running timers of this module, in the order they were started.
std::list<PlugIn_Timer*>& runningTimers() {
  static std::list<PlugIn_Timer*> timers;
  return timers;
}

}  // namespace

PlugIn_Timer::PlugIn_Timer(PlugIn_TimerDelegate* delegate, std::int32_t interval)
    : interval(interval), delegate(delegate) {}

PlugIn_Timer::~PlugIn_Timer() {
  if (isRunning()) PlugIn_Timer::stop();
}

bool PlugIn_Timer::start() {
  if (isRunning()) return true;
  // The timer's own address is its identifier; a negative interval means the longest one.
  timerIdentifier =
      platform::setTimer(reinterpret_cast<std::uintptr_t>(this),
                         static_cast<std::uint32_t>(interval), &PlugIn_Timer::timerProcedure);
  if (timerIdentifier != 0) runningTimers().push_back(this);
  return timerIdentifier != 0;
}

bool PlugIn_Timer::stop() {
  if (!isRunning()) return false;
  platform::killTimer(timerIdentifier);
  runningTimers().remove(this);
  timerIdentifier = 0;
  return true;
}

bool PlugIn_Timer::setInterval(std::int32_t milliseconds) {
  if (milliseconds == interval) return false;
  const bool wasRunning = isRunning();
  stop();
  interval = milliseconds;
  return wasRunning ? start() : true;
}

void PlugIn_Timer::timerProcedure(std::uintptr_t identifier) {
  for (PlugIn_Timer* timer : runningTimers()) {
    if (timer->timerIdentifier != identifier) continue;
    if (timer->delegate != nullptr) timer->delegate->onTimer();
    return;
  }
}
