#pragma once
// Periodic timers for the plug-in's main-thread work, in the manner of window-less
// SetTimer/KillTimer: a timer has an identifier and a procedure that is called with that
// identifier once per interval, on the thread that set it and never concurrently with itself.
//
// Windows (platform/windows): Windows' own window-less timers, whose ticks arrive as timer
// messages while the setting thread dispatches its messages; the run-loop calls below do
// nothing there.
//
// Linux (platform/linux): the host's run loop (Steinberg::Linux::IRunLoop) drives the timers,
// so every tick arrives on the host's main thread. The run loop comes from whoever offers one:
// the host context a plug-in object is initialised with, or the frame an editor is attached
// to. A timer set while no run loop is known is armed all the same and starts ticking as soon
// as one is. When the last user of a run loop lets it go, the service takes its timers back.
//
// Everything here is for the host's main thread only; no thread of ours is involved.

#include <cstddef>
#include <cstdint>

namespace Steinberg {
class FUnknown;
namespace Linux {
class IRunLoop;
}
}  // namespace Steinberg

namespace platform {

using TimerProcedure = void (*)(std::uintptr_t timerId);

// Arms a timer that calls `procedure(id)` every `milliseconds` (at least 10). A non-zero
// `requestedId` asks for that identifier, replacing a timer that already has it; 0 asks for
// a fresh one. Windows keeps a requested identifier only when it names an armed timer, so
// callers keep the identifier returned. Returns it, or 0 when the timer cannot be set (no
// procedure, no memory, or the system refused it).
std::uintptr_t setTimer(std::uintptr_t requestedId, std::uint32_t milliseconds,
                        TimerProcedure procedure);

// Disarms the timer; false when no timer has this identifier.
bool killTimer(std::uintptr_t timerId);

// Offers a run loop to the service; each call must be balanced by releaseRunLoop. The
// first run loop offered drives the timers until all its users have released it; then
// the next one still offered, if any, takes over.
void setRunLoop(Steinberg::Linux::IRunLoop* runLoop);
void releaseRunLoop(Steinberg::Linux::IRunLoop* runLoop);

// Takes every timer back from the run loop and forgets all run loops; the timers stay
// armed. Called when the module is about to be unloaded.
void forgetRunLoops();

// The run loop that drives the timers now, or null.
Steinberg::Linux::IRunLoop* activeRunLoop();
std::size_t armedTimerCount();

// One user's share of a run loop, taken from an object that offers IRunLoop (a host
// context or an editor's plug-in frame) and given back by release() or destruction.
class RunLoopLease {
 public:
  RunLoopLease() = default;
  ~RunLoopLease() { release(); }
  RunLoopLease(const RunLoopLease&) = delete;
  RunLoopLease& operator=(const RunLoopLease&) = delete;

  // Returns whether `provider` offers a run loop; a previous share is given back first.
  bool acquire(Steinberg::FUnknown* provider);
  void release();
  bool holdsRunLoop() const { return runLoop_ != nullptr; }

 private:
  Steinberg::Linux::IRunLoop* runLoop_ = nullptr;  // one reference held
};

}  // namespace platform
