#include "platform/timer_service.h"

#include <algorithm>
#include <atomic>
#include <new>
#include <vector>

#include "platform/diagnostics.h"
#include "pluginterfaces/base/smartpointer.h"
#include "pluginterfaces/gui/iplugview.h"

namespace platform {
namespace {

using Steinberg::FUnknown;
using Steinberg::IPtr;
using Steinberg::kNoInterface;
using Steinberg::kResultOk;
using Steinberg::tresult;
using Steinberg::TUID;
using Steinberg::uint32;
using Steinberg::Linux::IRunLoop;
using Steinberg::Linux::ITimerHandler;

// Window-less Windows timers keep their interval within these bounds; so do we.
constexpr std::uint32_t kMinimumInterval = 10;
constexpr std::uint32_t kMaximumInterval = 0x7FFFFFFF;

// What the run loop calls for one timer. Cancelled when the timer is killed, since the
// run loop may still hold (and call) it for a moment.
class TickHandler final : public ITimerHandler {
 public:
  TickHandler(std::uintptr_t timerId, TimerProcedure procedure)
      : timerId_(timerId), procedure_(procedure) {}

  void cancel() { procedure_ = nullptr; }

  void PLUGIN_API onTimer() override {
    // The procedure may kill this very timer; stay alive until it returns.
    IPtr<TickHandler> keepAlive(this);
    if (procedure_ != nullptr) procedure_(timerId_);
  }

  tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override {
    if (obj == nullptr) return Steinberg::kInvalidArgument;
    QUERY_INTERFACE(iid, obj, FUnknown::iid, ITimerHandler)
    QUERY_INTERFACE(iid, obj, Steinberg::Linux::ITimerHandler_iid, ITimerHandler)
    *obj = nullptr;
    return kNoInterface;
  }
  uint32 PLUGIN_API addRef() override { return ++references_; }
  uint32 PLUGIN_API release() override {
    const uint32 left = --references_;
    if (left == 0) delete this;
    return left;
  }

 private:
  ~TickHandler() = default;

  std::atomic<uint32> references_{1};
  const std::uintptr_t timerId_;
  TimerProcedure procedure_;
};

struct ArmedTimer {
  std::uintptr_t id;
  std::uint32_t interval;
  IPtr<TickHandler> handler;
  bool registered;  // with the active run loop
};

struct RunLoopUse {
  IRunLoop* runLoop;
  int users;
};

class TimerService {
 public:
  std::uintptr_t set(std::uintptr_t requestedId, std::uint32_t milliseconds,
                     TimerProcedure procedure) {
    if (procedure == nullptr) return 0;
    if (requestedId != 0) kill(requestedId);
    const std::uintptr_t id = requestedId != 0 ? requestedId : freshId();
    const std::uint32_t interval = std::clamp(milliseconds, kMinimumInterval, kMaximumInterval);
    auto* handler = new (std::nothrow) TickHandler(id, procedure);
    if (handler == nullptr) return 0;
    ArmedTimer timer{id, interval, IPtr<TickHandler>(handler, false), false};
    if (IRunLoop* runLoop = active(); runLoop != nullptr && !registerWith(runLoop, timer)) {
      handler->cancel();
      return 0;
    }
    timers_.push_back(std::move(timer));
    return id;
  }

  bool kill(std::uintptr_t id) {
    auto found = std::find_if(timers_.begin(), timers_.end(),
                              [id](const ArmedTimer& t) { return t.id == id; });
    if (found == timers_.end()) return false;
    ArmedTimer timer = std::move(*found);
    timers_.erase(found);
    unregisterFrom(active(), timer);
    timer.handler->cancel();
    return true;
  }

  void offer(IRunLoop* runLoop) {
    if (runLoop == nullptr) return;
    if (RunLoopUse* use = find(runLoop)) {
      ++use->users;
      return;
    }
    uses_.push_back({runLoop, 1});
    if (uses_.size() == 1) registerAll();
  }

  void withdraw(IRunLoop* runLoop) {
    RunLoopUse* use = find(runLoop);
    if (use == nullptr || --use->users > 0) return;
    const bool wasActive = use == &uses_.front();
    if (wasActive) unregisterAll();
    uses_.erase(uses_.begin() + (use - uses_.data()));
    if (wasActive) registerAll();
  }

  void forgetAll() {
    unregisterAll();
    uses_.clear();
  }

  IRunLoop* active() const { return uses_.empty() ? nullptr : uses_.front().runLoop; }
  std::size_t count() const { return timers_.size(); }

 private:
  RunLoopUse* find(IRunLoop* runLoop) {
    for (auto& use : uses_)
      if (use.runLoop == runLoop) return &use;
    return nullptr;
  }

  std::uintptr_t freshId() {
    for (;;) {
      const std::uintptr_t id = ++lastFreshId_;
      if (id == 0) continue;
      if (std::none_of(timers_.begin(), timers_.end(),
                       [id](const ArmedTimer& t) { return t.id == id; }))
        return id;
    }
  }

  static bool registerWith(IRunLoop* runLoop, ArmedTimer& timer) {
    timer.registered = runLoop->registerTimer(timer.handler, timer.interval) == kResultOk;
    return timer.registered;
  }

  static void unregisterFrom(IRunLoop* runLoop, ArmedTimer& timer) {
    if (runLoop != nullptr && timer.registered) runLoop->unregisterTimer(timer.handler);
    timer.registered = false;
  }

  void registerAll() {
    IRunLoop* runLoop = active();
    if (runLoop == nullptr) return;
    for (auto& timer : timers_) {
      if (!registerWith(runLoop, timer))
        diag::write("Timer: the host's run loop refused timer %lu; it stays armed without ticks\n",
                    static_cast<unsigned long>(timer.id));
    }
  }

  void unregisterAll() {
    IRunLoop* runLoop = active();
    for (auto& timer : timers_) unregisterFrom(runLoop, timer);
  }

  std::vector<ArmedTimer> timers_;
  std::vector<RunLoopUse> uses_;  // the front one drives the timers
  std::uintptr_t lastFreshId_ = 0;
};

TimerService& service() {
  static TimerService instance;
  return instance;
}

}  // namespace

std::uintptr_t setTimer(std::uintptr_t requestedId, std::uint32_t milliseconds,
                        TimerProcedure procedure) {
  return service().set(requestedId, milliseconds, procedure);
}

bool killTimer(std::uintptr_t timerId) { return service().kill(timerId); }

void setRunLoop(IRunLoop* runLoop) { service().offer(runLoop); }
void releaseRunLoop(IRunLoop* runLoop) { service().withdraw(runLoop); }
void forgetRunLoops() { service().forgetAll(); }

IRunLoop* activeRunLoop() { return service().active(); }
std::size_t armedTimerCount() { return service().count(); }

bool RunLoopLease::acquire(FUnknown* provider) {
  release();
  if (provider == nullptr) return false;
  void* runLoop = nullptr;
  if (provider->queryInterface(Steinberg::Linux::IRunLoop_iid, &runLoop) != kResultOk ||
      runLoop == nullptr)
    return false;
  runLoop_ = static_cast<IRunLoop*>(runLoop);
  setRunLoop(runLoop_);
  return true;
}

void RunLoopLease::release() {
  if (runLoop_ == nullptr) return;
  releaseRunLoop(runLoop_);
  runLoop_->release();
  runLoop_ = nullptr;
}

}  // namespace platform
