#include "sdk/linux/vstgui_editor_run_loop.h"

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

namespace {

// Takes the handler's registration out of the list and the host's run loop. The bridge
// forgets the handler first: the host may still hold it for the rest of a dispatch pass.
template <typename Registrations, typename Handler, typename Unregister>
bool dropRegistration(Registrations& registrations, Handler* handler, Unregister&& unregister) {
  auto position =
      std::find_if(registrations.begin(), registrations.end(),
                   [&](const auto& registration) { return registration.handler == handler; });
  if (position == registrations.end()) return false;
  auto bridge = position->bridge;
  registrations.erase(position);
  bridge->detach();
  unregister(bridge);
  return true;
}

}  // namespace

HostRunLoopAdapter::~HostRunLoopAdapter() {
  while (!events_.empty()) unregisterEventHandler(events_.back().handler);
  while (!timers_.empty()) unregisterTimer(timers_.back().handler);
}

bool HostRunLoopAdapter::registerEventHandler(int fd, VSTGUI::X11::IEventHandler* handler) {
  if (!hostRunLoop_ || !handler) return false;
  auto bridge = owned(new EventBridge(handler));
  if (hostRunLoop_->registerEventHandler(bridge, fd) != kResultOk) return false;
  events_.push_back({handler, bridge});
  return true;
}

bool HostRunLoopAdapter::unregisterEventHandler(VSTGUI::X11::IEventHandler* handler) {
  return dropRegistration(events_, handler, [this](EventBridge* bridge) {
    hostRunLoop_->unregisterEventHandler(bridge);
  });
}

bool HostRunLoopAdapter::registerTimer(uint64_t intervalMilliseconds,
                                       VSTGUI::X11::ITimerHandler* handler) {
  if (!hostRunLoop_ || !handler) return false;
  auto bridge = owned(new TimerBridge(handler));
  if (hostRunLoop_->registerTimer(bridge, intervalMilliseconds) != kResultOk) return false;
  timers_.push_back({handler, bridge});
  return true;
}

bool HostRunLoopAdapter::unregisterTimer(VSTGUI::X11::ITimerHandler* handler) {
  return dropRegistration(timers_, handler,
                          [this](TimerBridge* bridge) { hostRunLoop_->unregisterTimer(bridge); });
}

}  // namespace Steinberg::Vst
