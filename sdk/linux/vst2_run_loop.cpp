#include "sdk/linux/vst2_run_loop.h"

#include <poll.h>

#include <algorithm>

namespace Steinberg::Vst {

namespace {
// The module's run loop while someone holds it; user-interface thread only.
Vst2RunLoop* gSharedRunLoop = nullptr;

// Marks every live entry of the handler as gone; whether there was one.
template <typename Entry, typename Handler>
bool retireEntries(std::vector<Entry>& entries, Handler* handler) {
  bool found = false;
  for (Entry& entry : entries) {
    if (entry.live && entry.handler == handler) {
      entry.live = false;
      found = true;
    }
  }
  return found;
}
}  // namespace

IPtr<Vst2RunLoop> Vst2RunLoop::shared() {
  if (gSharedRunLoop != nullptr) return IPtr<Vst2RunLoop>(gSharedRunLoop);
  gSharedRunLoop = new Vst2RunLoop();
  return owned(gSharedRunLoop);
}

Vst2RunLoop::~Vst2RunLoop() {
  if (gSharedRunLoop == this) gSharedRunLoop = nullptr;
}

tresult PLUGIN_API Vst2RunLoop::registerEventHandler(Linux::IEventHandler* handler,
                                                     Linux::FileDescriptor fd) {
  if (handler == nullptr || fd < 0) return kInvalidArgument;
  for (const Watch& watch : watches_) {
    if (watch.live && watch.handler == handler && watch.fd == fd) return kResultFalse;
  }
  watches_.push_back({IPtr<Linux::IEventHandler>(handler), fd, true});
  return kResultOk;
}

tresult PLUGIN_API Vst2RunLoop::unregisterEventHandler(Linux::IEventHandler* handler) {
  const bool found = retireEntries(watches_, handler);
  sweep();
  return found ? kResultOk : kResultFalse;
}

tresult PLUGIN_API Vst2RunLoop::registerTimer(Linux::ITimerHandler* handler,
                                              Linux::TimerInterval milliseconds) {
  if (handler == nullptr || milliseconds == 0) return kInvalidArgument;
  const auto interval = std::chrono::milliseconds(milliseconds);
  timers_.push_back({IPtr<Linux::ITimerHandler>(handler), interval, Clock::now() + interval, true});
  return kResultOk;
}

tresult PLUGIN_API Vst2RunLoop::unregisterTimer(Linux::ITimerHandler* handler) {
  const bool found = retireEntries(timers_, handler);
  sweep();
  return found ? kResultOk : kResultFalse;
}

int Vst2RunLoop::pump() {
  // Keeps this run loop alive while a handler lets go of the last other reference.
  IPtr<Vst2RunLoop> self(this);
  ++pumping_;
  const int calls = serveDescriptors() + serveTimers();
  --pumping_;
  sweep();
  return calls;
}

int Vst2RunLoop::serveDescriptors() {
  const std::size_t count = watches_.size();
  if (count == 0) return 0;
  std::vector<pollfd> descriptors(count);
  for (std::size_t i = 0; i < count; ++i) descriptors[i] = {watches_[i].fd, POLLIN, 0};
  if (poll(descriptors.data(), count, 0) <= 0) return 0;
  int calls = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if ((descriptors[i].revents & (POLLIN | POLLHUP | POLLERR)) == 0) continue;
    // The list may grow during the call; index and reference stay valid this way.
    if (!watches_[i].live) continue;
    IPtr<Linux::IEventHandler> handler = watches_[i].handler;
    handler->onFDIsSet(watches_[i].fd);
    ++calls;
  }
  return calls;
}

int Vst2RunLoop::serveTimers() {
  const std::size_t count = timers_.size();
  const Clock::time_point now = Clock::now();
  int calls = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (!timers_[i].live || timers_[i].due > now) continue;
    // A run loop pumped late ticks once, then keeps its rhythm from now on.
    timers_[i].due = now + timers_[i].interval;
    IPtr<Linux::ITimerHandler> handler = timers_[i].handler;
    handler->onTimer();
    ++calls;
  }
  return calls;
}

void Vst2RunLoop::sweep() {
  if (pumping_ > 0) return;
  std::erase_if(watches_, [](const Watch& watch) { return !watch.live; });
  std::erase_if(timers_, [](const Timer& timer) { return !timer.live; });
}

std::size_t Vst2RunLoop::eventHandlerCount() const {
  return static_cast<std::size_t>(
      std::count_if(watches_.begin(), watches_.end(), [](const Watch& w) { return w.live; }));
}

std::size_t Vst2RunLoop::timerCount() const {
  return static_cast<std::size_t>(
      std::count_if(timers_.begin(), timers_.end(), [](const Timer& t) { return t.live; }));
}

tresult PLUGIN_API Vst2RunLoop::queryInterface(const TUID iid, void** obj) {
  if (FUnknownPrivate::iidEqual(iid, Linux::IRunLoop::iid) ||
      FUnknownPrivate::iidEqual(iid, FUnknown::iid)) {
    addRef();
    *obj = static_cast<Linux::IRunLoop*>(this);
    return kResultOk;
  }
  *obj = nullptr;
  return kNoInterface;
}

uint32 PLUGIN_API Vst2RunLoop::addRef() { return ++references_; }

uint32 PLUGIN_API Vst2RunLoop::release() {
  const uint32 left = --references_;
  if (left == 0) delete this;
  return left;
}

}  // namespace Steinberg::Vst
