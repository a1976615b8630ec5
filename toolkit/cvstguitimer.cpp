#include "toolkit/cvstguitimer.h"

#include <utility>

namespace VSTGUI {

const IdStringPtr CVSTGUITimer::kMsgTimer = "timer fired";

CVSTGUITimer::CVSTGUITimer(CBaseObject* target, uint32_t fireTimeMilliseconds, bool doStart)
    : target_(target), fireTime_(fireTimeMilliseconds) {
  if (doStart) start();
}

CVSTGUITimer::CVSTGUITimer(Callback callback, uint32_t fireTimeMilliseconds, bool doStart)
    : callback_(std::move(callback)), fireTime_(fireTimeMilliseconds) {
  if (doStart) start();
}

CVSTGUITimer::~CVSTGUITimer() { stop(); }

bool CVSTGUITimer::start() {
  if (timer_) return true;
  timer_ = startPlatformTimer(fireTime_ > 0 ? fireTime_ : 1, this);
  return static_cast<bool>(timer_);
}

bool CVSTGUITimer::stop() {
  if (!timer_) return false;
  timer_.reset();
  return true;
}

bool CVSTGUITimer::setFireTime(uint32_t milliseconds) {
  if (fireTime_ == milliseconds) return true;
  fireTime_ = milliseconds;
  if (!timer_) return true;
  stop();
  return start();
}

void CVSTGUITimer::onPlatformTimer() {
  CBaseObjectGuard guard(this);
  if (callback_)
    callback_(this);
  else if (target_)
    target_->notify(this, kMsgTimer);
}

}  // namespace VSTGUI
