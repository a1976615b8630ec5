#pragma once
// A repeating timer served by the system (toolkit/platform/platform_timer.h: the current run
// loop on Linux, a window-less Windows timer on Windows): it notifies its target object with
// kMsgTimer, or calls its callback, every fire time, on the user-interface thread. Where the
// system cannot serve it (Linux without a run loop) a timer cannot start.

#include <functional>

#include "toolkit/platform/platform_timer.h"

namespace VSTGUI {

class CVSTGUITimer : public CBaseObject, private IPlatformTimerHandler {
 public:
  // The message sent to the target; compare the pointer, it is one object.
  static const IdStringPtr kMsgTimer;
  using Callback = std::function<void(CVSTGUITimer*)>;

  CVSTGUITimer(CBaseObject* target, uint32_t fireTimeMilliseconds = 100, bool doStart = false);
  CVSTGUITimer(Callback callback, uint32_t fireTimeMilliseconds = 100, bool doStart = true);
  ~CVSTGUITimer() override;
  CVSTGUITimer(const CVSTGUITimer&) = delete;
  CVSTGUITimer& operator=(const CVSTGUITimer&) = delete;

  // False when the system cannot serve the timer.
  bool start();
  bool stop();
  bool isRunning() const { return static_cast<bool>(timer_); }
  // Takes effect at once when running.
  bool setFireTime(uint32_t milliseconds);
  uint32_t getFireTime() const { return fireTime_; }

  CLASS_METHODS_NOCOPY(CVSTGUITimer, CBaseObject)

 private:
  void onPlatformTimer() override;

  CBaseObject* target_ = nullptr;
  Callback callback_;
  uint32_t fireTime_;
  SharedPointer<IPlatformTimer> timer_;
};

}  // namespace VSTGUI
