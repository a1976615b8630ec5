#pragma once
// A clock for a RunLoop that moves only when told, so timer ticks happen at exactly
// the moments a test or an offline renderer chooses. It must outlive the run loop.

#include <chrono>
#include <functional>

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

// Moves the clock on and pumps the run loop, `step` at a time, until `done` holds or `limit`
// has passed; returns whether `done` holds. With Linux's run loop every tick comes at its
// exact clock time; on Windows each step is waited out in real time (host/run_loop.h).
inline bool pumpUntil(ManualClock& clock, RunLoop& loop, const std::function<bool()>& done,
                      std::chrono::milliseconds step = std::chrono::milliseconds(10),
                      std::chrono::milliseconds limit = std::chrono::milliseconds(3000)) {
  for (std::chrono::milliseconds waited{0}; waited < limit; waited += step) {
    if (done()) return true;
    clock.advance(step);
    loop.pump();
  }
  return done();
}

}  // namespace host
