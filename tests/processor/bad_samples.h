#pragma once
// Signals as a hostile host sends them: bursts of NaN and infinities at the start, in the
// middle and at the end of a block, and denormal values; and the same signals with the
// bad samples set to 0, whose render the plug-in must reproduce bit for bit.

#include <gtest/gtest.h>

#include <cstddef>
#include <limits>
#include <string>
#include <vector>

namespace bad_samples {

struct Burst {
  float value;
  int length;
  int offset;  // in its block
};

// NaN, +inf and -inf in bursts of 1 and 10 samples at the start, middle and end of a block.
inline std::vector<Burst> everyBurst(int block) {
  std::vector<Burst> bursts;
  for (float value :
       {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
        -std::numeric_limits<float>::infinity()}) {
    for (int length : {1, 10}) {
      for (int offset : {0, (block - length) / 2, block - length})
        bursts.push_back({value, length, offset});
    }
  }
  return bursts;
}

constexpr int kBlocksBetweenBursts = 3;

// A signal long enough for every burst, in a block of its own, and the 8192-sample
// latency plus a frame after the last.
inline std::size_t lengthForEveryBurst(int block) {
  const std::size_t blocks = 1 + kBlocksBetweenBursts * everyBurst(block).size();
  return blocks * static_cast<std::size_t>(block) + 3 * 4096;
}

// Plants every burst into `signal`; returns the same signal with those samples at 0.
inline std::vector<float> plantEveryBurst(std::vector<float>& signal, int block) {
  std::vector<float> silenced = signal;
  std::size_t blockStart = static_cast<std::size_t>(block);
  for (const Burst& burst : everyBurst(block)) {
    for (int i = 0; i < burst.length; ++i) {
      const std::size_t at = blockStart + static_cast<std::size_t>(burst.offset + i);
      signal[at] = burst.value;
      silenced[at] = 0.0f;
    }
    blockStart += static_cast<std::size_t>(kBlocksBetweenBursts * block);
  }
  return silenced;
}

// Denormal floats: a sweep of magnitudes from 1e-38 down to the smallest, both signs.
inline std::vector<float> denormalSweep(std::size_t length) {
  std::vector<float> signal(length);
  float value = 1e-38f;
  for (std::size_t i = 0; i < length; ++i) {
    signal[i] = (i % 2 == 0) ? value : -value;
    value = value > 1e-45f ? value * 0.5f : 1e-38f;
  }
  return signal;
}

// Denormal noise: random mantissas under a zero exponent.
inline std::vector<float> denormalNoise(std::size_t length, unsigned seed) {
  std::vector<float> signal(length);
  unsigned state = seed;
  for (float& x : signal) {
    state = state * 1664525u + 1013904223u;
    const float magnitude =
        static_cast<float>(state >> 9) * std::numeric_limits<float>::denorm_min();
    x = (state & 1u) != 0 ? magnitude : -magnitude;
  }
  return signal;
}

// Which input channel gets the bursts, with the proximity shelf on or off.
struct BurstCase {
  int channel;
  bool proximity;
};

inline std::vector<BurstCase> everyChannelWithAndWithoutProximity(int channels) {
  std::vector<BurstCase> cases;
  for (int channel = 0; channel < channels; ++channel)
    for (bool proximity : {false, true}) cases.push_back({channel, proximity});
  return cases;
}

inline std::string burstCaseName(const ::testing::TestParamInfo<BurstCase>& info) {
  return "Channel" + std::to_string(info.param.channel) +
         (info.param.proximity ? "ProximityOn" : "ProximityOff");
}

}  // namespace bad_samples
