#pragma once
// The system's repeating timer behind CVSTGUITimer, chosen by the build:
//   Linux (platform/linux): the current X11 run loop (the host's, see x11_run_loop.h);
//   Windows (platform/windows): a window-less SetTimer/KillTimer timer, whose ticks arrive as
//   timer messages while the thread that started it dispatches its messages.
// Either way every tick arrives on the user-interface thread that started the timer.

#include <cstdint>

#include "toolkit/cbaseobject.h"

namespace VSTGUI {

class IPlatformTimerHandler {
 public:
  virtual void onPlatformTimer() = 0;

 protected:
  ~IPlatformTimerHandler() = default;
};

// A running timer; it stops when its last reference goes, and never calls its handler after.
class IPlatformTimer : public CBaseObject {};

// Starts a timer that calls handler->onPlatformTimer() every `milliseconds` (at least 1);
// nullptr when the system cannot serve one now (on Linux: no run loop is current).
SharedPointer<IPlatformTimer> startPlatformTimer(uint32_t milliseconds,
                                                 IPlatformTimerHandler* handler);

}  // namespace VSTGUI
