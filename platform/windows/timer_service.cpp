// Windows: window-less timers. Windows delivers each tick as a timer message to the thread
// that set the timer, while that thread dispatches its messages, and calls the timer procedure
// there; no run loop is involved, so the run-loop calls of the service do nothing here.

#include "platform/timer_service.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/diagnostics.h"

namespace platform {
namespace {

// The armed timers with their procedures: Windows hands the timer procedure only the
// identifier. Touched on the thread that sets the timers, as the timers themselves are.
struct ArmedTimer {
  std::uintptr_t id;
  TimerProcedure procedure;
};

std::vector<ArmedTimer>& armedTimers() {
  static std::vector<ArmedTimer> timers;
  return timers;
}

void CALLBACK windowsTimerProcedure(HWND, UINT, UINT_PTR id, DWORD) {
  const auto& timers = armedTimers();
  const auto found = std::find_if(timers.begin(), timers.end(),
                                  [id](const ArmedTimer& timer) { return timer.id == id; });
  if (found == timers.end()) return;
  // The procedure may kill this very timer (and so change the list): call a copy.
  const TimerProcedure procedure = found->procedure;
  procedure(id);
}

}  // namespace

std::uintptr_t setTimer(std::uintptr_t requestedId, std::uint32_t milliseconds,
                        TimerProcedure procedure) {
  if (procedure == nullptr) return 0;
  auto& timers = armedTimers();
  // A window-less timer keeps the requested identifier only when it names a timer already
  // armed (which it then replaces); otherwise Windows makes a fresh one.
  const UINT_PTR id = SetTimer(nullptr, requestedId, milliseconds, &windowsTimerProcedure);
  if (id == 0) {
    diag::write("Timer: Windows refused a timer of %u ms (error %lu)\n", milliseconds,
                GetLastError());
    return 0;
  }
  const auto existing = std::find_if(timers.begin(), timers.end(),
                                     [id](const ArmedTimer& timer) { return timer.id == id; });
  if (existing != timers.end())
    existing->procedure = procedure;
  else
    timers.push_back({id, procedure});
  return id;
}

bool killTimer(std::uintptr_t timerId) {
  auto& timers = armedTimers();
  const auto found = std::find_if(timers.begin(), timers.end(), [timerId](const ArmedTimer& timer) {
    return timer.id == timerId;
  });
  if (found == timers.end()) return false;
  timers.erase(found);
  KillTimer(nullptr, timerId);
  return true;
}

std::size_t armedTimerCount() { return armedTimers().size(); }

// Windows needs no run loop for its timers.
void setRunLoop(Steinberg::Linux::IRunLoop*) {}
void releaseRunLoop(Steinberg::Linux::IRunLoop*) {}
void forgetRunLoops() {}
Steinberg::Linux::IRunLoop* activeRunLoop() { return nullptr; }
bool RunLoopLease::acquire(Steinberg::FUnknown*) { return false; }
void RunLoopLease::release() {}

}  // namespace platform
