#include "host/run_loop.h"

#include <poll.h>

#include <algorithm>

namespace host {

using namespace Steinberg;
using Linux::FileDescriptor;
using Linux::IEventHandler;
using Linux::ITimerHandler;

namespace {
constexpr Linux::TimerInterval kLongestInterval = 0x7FFFFFFF;
}

RunLoop::RunLoop(Clock clock)
    : clock_(clock ? std::move(clock) : Clock([] { return std::chrono::steady_clock::now(); })) {}

RunLoop::~RunLoop() = default;

bool RunLoop::isOfferedAs(const TUID iid) {
  return FUnknownPrivate::iidEqual(iid, Linux::IRunLoop_iid);
}

tresult PLUGIN_API RunLoop::queryInterface(const TUID iid, void** obj) {
  if (obj == nullptr) return kInvalidArgument;
  QUERY_INTERFACE(iid, obj, FUnknown::iid, IRunLoop)
  QUERY_INTERFACE(iid, obj, Linux::IRunLoop_iid, IRunLoop)
  *obj = nullptr;
  return kNoInterface;
}

uint32 PLUGIN_API RunLoop::addRef() { return ++references_; }

uint32 PLUGIN_API RunLoop::release() {
  const uint32 left = --references_;
  if (left == 0) delete this;
  return left;
}

tresult PLUGIN_API RunLoop::registerEventHandler(IEventHandler* handler, FileDescriptor fd) {
  if (handler == nullptr || fd < 0) return kInvalidArgument;
  const bool known = std::any_of(watches_.begin(), watches_.end(), [&](const Watch& w) {
    return w.handler == handler && w.fd == fd;
  });
  if (known) return kResultFalse;
  watches_.push_back({nextSerial_++, IPtr<IEventHandler>(handler), fd});
  return kResultOk;
}

tresult PLUGIN_API RunLoop::unregisterEventHandler(IEventHandler* handler) {
  if (handler == nullptr) return kInvalidArgument;
  const auto removed =
      std::erase_if(watches_, [&](const Watch& w) { return w.handler == handler; });
  return removed > 0 ? kResultOk : kResultFalse;
}

tresult PLUGIN_API RunLoop::registerTimer(ITimerHandler* handler,
                                          Linux::TimerInterval milliseconds) {
  if (handler == nullptr || milliseconds == 0) return kInvalidArgument;
  // Longer than anyone waits for, and short enough that due times never overflow.
  const std::chrono::milliseconds interval(
      std::min<Linux::TimerInterval>(milliseconds, kLongestInterval));
  timers_.push_back({nextSerial_++, IPtr<ITimerHandler>(handler), interval, clock_() + interval});
  return kResultOk;
}

tresult PLUGIN_API RunLoop::unregisterTimer(ITimerHandler* handler) {
  if (handler == nullptr) return kInvalidArgument;
  const auto removed = std::erase_if(timers_, [&](const Timer& t) { return t.handler == handler; });
  return removed > 0 ? kResultOk : kResultFalse;
}

int RunLoop::pump() { return dispatch(0); }

int RunLoop::runFor(std::uint32_t milliseconds) {
  const TimePoint deadline = clock_() + std::chrono::milliseconds(milliseconds);
  int callbacks = 0;
  for (;;) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - clock_());
    int wait = static_cast<int>(std::clamp<std::int64_t>(left.count(), 0, kLongestInterval));
    if (const int toTimer = millisecondsToNextTimer(); toTimer >= 0) wait = std::min(wait, toTimer);
    callbacks += dispatch(wait);
    if (clock_() >= deadline) return callbacks;
  }
}

int RunLoop::dispatch(int pollTimeoutMilliseconds) {
  const int callbacks = dispatchDescriptors(pollTimeoutMilliseconds);
  return callbacks + dispatchTimers();
}

int RunLoop::dispatchDescriptors(int pollTimeoutMilliseconds) {
  // A snapshot: callbacks may change the registrations while we walk them.
  std::vector<pollfd> descriptors;
  std::vector<std::uint64_t> serials;
  descriptors.reserve(watches_.size());
  serials.reserve(watches_.size());
  for (const Watch& watch : watches_) {
    descriptors.push_back({watch.fd, POLLIN, 0});
    serials.push_back(watch.serial);
  }
  if (poll(descriptors.data(), descriptors.size(), pollTimeoutMilliseconds) <= 0) return 0;

  int callbacks = 0;
  for (std::size_t i = 0; i < descriptors.size(); ++i) {
    // POLLNVAL: the descriptor was closed without unregistering; there is nothing to read.
    if ((descriptors[i].revents & (POLLIN | POLLPRI | POLLERR | POLLHUP)) == 0) continue;
    auto watch = std::find_if(watches_.begin(), watches_.end(),
                              [&](const Watch& w) { return w.serial == serials[i]; });
    if (watch == watches_.end()) continue;
    IPtr<IEventHandler> handler = watch->handler;
    handler->onFDIsSet(descriptors[i].fd);
    ++callbacks;
  }
  return callbacks;
}

RunLoop::Timer* RunLoop::findTimer(std::uint64_t serial) {
  auto found = std::find_if(timers_.begin(), timers_.end(),
                            [serial](const Timer& t) { return t.serial == serial; });
  return found == timers_.end() ? nullptr : &*found;
}

int RunLoop::dispatchTimers() {
  const TimePoint now = clock_();
  std::vector<std::uint64_t> due;
  for (const Timer& timer : timers_)
    if (timer.due <= now) due.push_back(timer.serial);

  int callbacks = 0;
  for (std::uint64_t serial : due) {
    Timer* timer = findTimer(serial);
    if (timer == nullptr) continue;  // unregistered by an earlier callback
    // Keep the rhythm, but a loop that was not pumped for a while gets one tick, not a burst.
    timer->due += timer->interval;
    if (timer->due <= now) timer->due = now + timer->interval;
    IPtr<ITimerHandler> handler = timer->handler;
    handler->onTimer();
    ++callbacks;
  }
  return callbacks;
}

int RunLoop::millisecondsToNextTimer() const {
  if (timers_.empty()) return -1;
  TimePoint next = timers_.front().due;
  for (const Timer& timer : timers_) next = std::min(next, timer.due);
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(next - clock_());
  return static_cast<int>(std::clamp<std::int64_t>(wait.count(), 0, kLongestInterval));
}

}  // namespace host
