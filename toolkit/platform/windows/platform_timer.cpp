// Windows: the toolkit's timers are window-less SetTimer/KillTimer timers. Windows delivers
// each tick as a timer message to the thread that started the timer, while that thread
// dispatches its messages (the host's user-interface thread does), and calls the timer
// procedure there.

#include "toolkit/platform/platform_timer.h"

#include <windows.h>

#include <map>
#include <mutex>

#include "platform/diagnostics.h"

namespace VSTGUI {
namespace {

class WindowsTimer;

// Windows hands the timer procedure only the identifier; this finds the timer.
std::mutex timersLock;
std::map<UINT_PTR, WindowsTimer*>& runningTimers() {
  static std::map<UINT_PTR, WindowsTimer*> timers;
  return timers;
}

class WindowsTimer : public IPlatformTimer {
 public:
  explicit WindowsTimer(IPlatformTimerHandler* handler) : handler_(handler) {}
  ~WindowsTimer() override {
    if (id_ == 0) return;
    KillTimer(nullptr, id_);
    std::lock_guard<std::mutex> lock(timersLock);
    runningTimers().erase(id_);
  }

  bool start(uint32_t milliseconds) {
    id_ = SetTimer(nullptr, 0, milliseconds, &timerProcedure);
    if (id_ == 0) {
      diag::write("Timer: Windows refused a timer of %u ms (error %lu)\n", milliseconds,
                  GetLastError());
      return false;
    }
    std::lock_guard<std::mutex> lock(timersLock);
    runningTimers()[id_] = this;
    return true;
  }

 private:
  static void CALLBACK timerProcedure(HWND, UINT, UINT_PTR id, DWORD) {
    SharedPointer<WindowsTimer> timer;  // the handler may stop, and so release, the timer
    {
      std::lock_guard<std::mutex> lock(timersLock);
      auto found = runningTimers().find(id);
      if (found == runningTimers().end()) return;  // a tick still queued when it stopped
      timer = found->second;
    }
    timer->handler_->onPlatformTimer();
  }

  IPlatformTimerHandler* handler_;
  UINT_PTR id_ = 0;
};

}  // namespace

SharedPointer<IPlatformTimer> startPlatformTimer(uint32_t milliseconds,
                                                 IPlatformTimerHandler* handler) {
  if (!handler) return nullptr;
  auto timer = owned(new WindowsTimer(handler));
  if (!timer->start(milliseconds > 0 ? milliseconds : 1)) return nullptr;
  return timer;
}

}  // namespace VSTGUI
