#include "sdk/vstgui_editor_run_loop.h"

#include <algorithm>

#include "base/source/fobject.h"

namespace Steinberg::Vst {

// The host calls these; they pass the call on to the toolkit's handler.
class HostRunLoopAdapter::EventBridge : public FObject, public Linux::IEventHandler {
 public:
  explicit EventBridge(VSTGUI::X11::IEventHandler* handler) : handler_(handler) {}
  void PLUGIN_API onFDIsSet(Linux::FileDescriptor /*fd*/) override {
    if (handler_) handler_->onEvent();
  }
  void detach() { handler_ = nullptr; }

  OBJ_METHODS(EventBridge, FObject)
  DEFINE_INTERFACES
    DEF_INTERFACE(Linux::IEventHandler)
  END_DEFINE_INTERFACES(FObject)
  REFCOUNT_METHODS(FObject)

 private:
  VSTGUI::X11::IEventHandler* handler_;
};

class HostRunLoopAdapter::TimerBridge : public FObject, public Linux::ITimerHandler {
 public:
  explicit TimerBridge(VSTGUI::X11::ITimerHandler* handler) : handler_(handler) {}
  void PLUGIN_API onTimer() override {
    if (handler_) handler_->onTimer();
  }
  void detach() { handler_ = nullptr; }

  OBJ_METHODS(TimerBridge, FObject)
  DEFINE_INTERFACES
    DEF_INTERFACE(Linux::ITimerHandler)
  END_DEFINE_INTERFACES(FObject)
  REFCOUNT_METHODS(FObject)

 private:
  VSTGUI::X11::ITimerHandler* handler_;
};

HostRunLoopAdapter::HostRunLoopAdapter(Linux::IRunLoop* hostRunLoop) : hostRunLoop_(hostRunLoop) {}

HostRunLoopAdapter::~HostRunLoopAdapter() {
  for (auto& registration : events_) {
    registration.bridge->detach();
    if (hostRunLoop_) hostRunLoop_->unregisterEventHandler(registration.bridge);
  }
  for (auto& registration : timers_) {
    registration.bridge->detach();
    if (hostRunLoop_) hostRunLoop_->unregisterTimer(registration.bridge);
  }
}

bool HostRunLoopAdapter::registerEventHandler(int fd, VSTGUI::X11::IEventHandler* handler) {
  if (!hostRunLoop_ || !handler) return false;
  auto bridge = owned(new EventBridge(handler));
  if (hostRunLoop_->registerEventHandler(bridge, fd) != kResultOk) return false;
  events_.push_back({handler, bridge});
  return true;
}

bool HostRunLoopAdapter::unregisterEventHandler(VSTGUI::X11::IEventHandler* handler) {
  auto position = std::find_if(events_.begin(), events_.end(), [&](const auto& r) { return r.handler == handler; });
  if (position == events_.end()) return false;
  auto bridge = position->bridge;
  events_.erase(position);
  bridge->detach();  // the host may still hold it for the rest of a dispatch pass
  hostRunLoop_->unregisterEventHandler(bridge);
  return true;
}

bool HostRunLoopAdapter::registerTimer(uint64_t intervalMilliseconds, VSTGUI::X11::ITimerHandler* handler) {
  if (!hostRunLoop_ || !handler) return false;
  auto bridge = owned(new TimerBridge(handler));
  if (hostRunLoop_->registerTimer(bridge, intervalMilliseconds) != kResultOk) return false;
  timers_.push_back({handler, bridge});
  return true;
}

bool HostRunLoopAdapter::unregisterTimer(VSTGUI::X11::ITimerHandler* handler) {
  auto position = std::find_if(timers_.begin(), timers_.end(), [&](const auto& r) { return r.handler == handler; });
  if (position == timers_.end()) return false;
  auto bridge = position->bridge;
  timers_.erase(position);
  bridge->detach();
  hostRunLoop_->unregisterTimer(bridge);
  return true;
}

}  // namespace Steinberg::Vst
