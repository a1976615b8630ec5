// Windows: the host's run loop is the thread's message loop (see run_loop_system.h).

#include "host/run_loop.h"

#include <windows.h>

#include <algorithm>

namespace host {

using namespace Steinberg;

RunLoop::RunLoop(Clock clock)
    : clock_(std::move(clock)),
      lastPump_(clock_ ? clock_() : TimePoint()),
      lastPumpReal_(std::chrono::steady_clock::now()) {}

RunLoop::~RunLoop() = default;

tresult PLUGIN_API RunLoop::queryInterface(const TUID iid, void** obj) {
  if (obj == nullptr) return kInvalidArgument;
  QUERY_INTERFACE(iid, obj, FUnknown::iid, FUnknown)
  *obj = nullptr;
  return kNoInterface;
}

uint32 PLUGIN_API RunLoop::addRef() { return ++references_; }

uint32 PLUGIN_API RunLoop::release() {
  const uint32 left = --references_;
  if (left == 0) delete this;
  return left;
}

int RunLoop::dispatchWaiting() {
  int dispatched = 0;
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
    ++dispatched;
  }
  return dispatched;
}

int RunLoop::pump() {
  if (!clock_) return dispatchWaiting();
  // What the clock moved beyond the time that really passed is waited out.
  const TimePoint now = clock_();
  const auto realNow = std::chrono::steady_clock::now();
  const auto owed =
      std::chrono::ceil<std::chrono::milliseconds>((now - lastPump_) - (realNow - lastPumpReal_));
  lastPump_ = now;
  lastPumpReal_ = realNow + std::max(owed, std::chrono::milliseconds(0));
  if (owed.count() <= 0) return dispatchWaiting();
  return runFor(static_cast<std::uint32_t>(std::min<std::int64_t>(owed.count(), INT32_MAX)));
}

int RunLoop::runFor(std::uint32_t milliseconds) {
  // Windows' time, whatever the clock says: the timers run on it.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  int dispatched = dispatchWaiting();
  for (;;) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return dispatched;
    // Wakes for any message that arrives, timer messages included (QS_ALLINPUT).
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()), QS_ALLINPUT);
    dispatched += dispatchWaiting();
  }
}

}  // namespace host
