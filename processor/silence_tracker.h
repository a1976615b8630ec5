#pragma once
// Whether the engines still hold audio that has not come out yet. A sample reaches the
// output once the last frame that holds it has been processed (at most 8191 samples
// later) and that frame's second half has been released (8192 samples after that): so
// 16383 silent input samples after the last sound, the engines hold only silence.
// After creation or a reset they hold nothing.
//
// Blocks are the unit: a block with any sound counts as sound up to its last sample.

#include <algorithm>
#include <cstdint>

class SilenceTracker {
 public:
  static constexpr std::int64_t kReleaseSamples = 16383;

  void reset() { silentSamples_ = kReleaseSamples; }
  void heardSound() { silentSamples_ = 0; }
  void heardSilence(std::int32_t samples) {
    silentSamples_ = std::min(kReleaseSamples, silentSamples_ + std::max<std::int32_t>(samples, 0));
  }
  bool holdsAudio() const { return silentSamples_ < kReleaseSamples; }

 private:
  std::int64_t silentSamples_ = kReleaseSamples;
};
