#pragma once
// The host's run loop as the toolkit sees it. Windows on X11 never block and start no
// thread: the X connection's file descriptor and every timer are served by the host's
// run loop on its user-interface thread. The editor adapts the host's run loop to this
// interface and makes it current while it is attached (RunLoop::init / exit).

#include <cstdint>

#include "toolkit/platform/iplatformframe.h"

namespace VSTGUI::X11 {

class IEventHandler {
 public:
  // The descriptor it was registered for has data to read.
  virtual void onEvent() = 0;

 protected:
  ~IEventHandler() = default;
};

class ITimerHandler {
 public:
  virtual void onTimer() = 0;

 protected:
  ~ITimerHandler() = default;
};

class IRunLoop : public CBaseObject {
 public:
  virtual bool registerEventHandler(int fd, IEventHandler* handler) = 0;
  virtual bool unregisterEventHandler(IEventHandler* handler) = 0;
  virtual bool registerTimer(uint64_t intervalMilliseconds, ITimerHandler* handler) = 0;
  virtual bool unregisterTimer(ITimerHandler* handler) = 0;
};

// Names the run loop for one frame explicitly (otherwise the current one is used).
struct FrameConfig : IPlatformFrameConfig {
  SharedPointer<IRunLoop> runLoop;
};

// The current run loop. init and exit pair up; the run loop stays current until the
// last exit. A later init with another run loop replaces it.
struct RunLoop {
  static void init(const SharedPointer<IRunLoop>& runLoop);
  static void exit();
  static SharedPointer<IRunLoop> get();
};

}  // namespace VSTGUI::X11
