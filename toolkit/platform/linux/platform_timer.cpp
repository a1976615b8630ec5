#include "toolkit/platform/platform_timer.h"

#include "toolkit/platform/linux/x11_run_loop.h"

namespace VSTGUI {
namespace {

class RunLoopTimer : public IPlatformTimer, private X11::ITimerHandler {
 public:
  RunLoopTimer(const SharedPointer<X11::IRunLoop>& runLoop, IPlatformTimerHandler* handler)
      : runLoop_(runLoop), handler_(handler) {}
  ~RunLoopTimer() override {
    if (registered_) runLoop_->unregisterTimer(this);
  }
  bool start(uint32_t milliseconds) {
    return registered_ = runLoop_->registerTimer(milliseconds, this);
  }

 private:
  void onTimer() override {
    CBaseObjectGuard guard(this);  // the handler may stop the timer
    handler_->onPlatformTimer();
  }

  SharedPointer<X11::IRunLoop> runLoop_;
  IPlatformTimerHandler* handler_;
  bool registered_ = false;
};

}  // namespace

SharedPointer<IPlatformTimer> startPlatformTimer(uint32_t milliseconds,
                                                 IPlatformTimerHandler* handler) {
  SharedPointer<X11::IRunLoop> runLoop = X11::RunLoop::get();
  if (!runLoop || !handler) return nullptr;
  auto timer = owned(new RunLoopTimer(runLoop, handler));
  if (!timer->start(milliseconds > 0 ? milliseconds : 1)) return nullptr;
  return timer;
}

}  // namespace VSTGUI
