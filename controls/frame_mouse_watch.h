#pragma once
// A mouse observer's registration with a frame, kept for as long as the observer sits
// in that frame: a frame that is closed, or a view that leaves it, must leave no
// pointer to the other behind.

#include "toolkit/cframe.h"

namespace lobeshift {

class FrameMouseWatch {
 public:
  explicit FrameMouseWatch(VSTGUI::IMouseObserver* observer) : observer_(observer) {}
  ~FrameMouseWatch() { stop(); }
  FrameMouseWatch(const FrameMouseWatch&) = delete;
  FrameMouseWatch& operator=(const FrameMouseWatch&) = delete;

  // Registers with `frame` unless a frame is already watched (or `frame` is null).
  void watch(VSTGUI::CFrame* frame) {
    if (frame_ || !frame) return;
    frame_ = frame;
    frame_->registerMouseObserver(observer_);
  }
  void stop() {
    if (frame_) frame_->unregisterMouseObserver(observer_);
    frame_ = nullptr;
  }

 private:
  VSTGUI::IMouseObserver* observer_;
  VSTGUI::CFrame* frame_ = nullptr;
};

}  // namespace lobeshift
