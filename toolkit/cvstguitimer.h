#pragma once
// A repeating timer served by the current run loop (see platform/x11_run_loop.h): it
// notifies its target object with kMsgTimer, or calls its callback, every fire time.
// Without a run loop a timer cannot start.

#include <functional>

#include "toolkit/platform/x11_run_loop.h"

namespace VSTGUI {

class CVSTGUITimer : public CBaseObject, private X11::ITimerHandler {
 public:
  // The message sent to the target; compare the pointer, it is one object.
  static const IdStringPtr kMsgTimer;
  using Callback = std::function<void(CVSTGUITimer*)>;

  CVSTGUITimer(CBaseObject* target, uint32_t fireTimeMilliseconds = 100, bool doStart = false);
  CVSTGUITimer(Callback callback, uint32_t fireTimeMilliseconds = 100, bool doStart = true);
  ~CVSTGUITimer() override;
  CVSTGUITimer(const CVSTGUITimer&) = delete;
  CVSTGUITimer& operator=(const CVSTGUITimer&) = delete;

  // False when there is no run loop to serve the timer.
  bool start();
  bool stop();
  bool isRunning() const { return runLoop_ != nullptr; }
  // Takes effect at once when running.
  bool setFireTime(uint32_t milliseconds);
  uint32_t getFireTime() const { return fireTime_; }

  CLASS_METHODS_NOCOPY(CVSTGUITimer, CBaseObject)

 private:
  void onTimer() override;

  CBaseObject* target_ = nullptr;
  Callback callback_;
  uint32_t fireTime_;
  SharedPointer<X11::IRunLoop> runLoop_;
};

}  // namespace VSTGUI
