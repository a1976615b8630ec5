#pragma once
// A clock for a RunLoop that moves only when told, so timer ticks happen at exactly
// the moments a test or an offline renderer chooses. It must outlive the run loop.

#include <chrono>

#include "host/run_loop.h"

namespace host {

class ManualClock {
 public:
  RunLoop::Clock clock() {
    return [this] { return now_; };
  }
  void advance(std::chrono::milliseconds duration) { now_ += duration; }
  RunLoop::TimePoint now() const { return now_; }

 private:
  RunLoop::TimePoint now_{};
};

}  // namespace host
