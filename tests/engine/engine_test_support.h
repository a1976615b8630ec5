#pragma once
// Drives a directivity engine over whole signals in blocks, the way a host would.

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "processor/directivity_engine.h"

inline std::vector<float> runEngine(PlugIn_DirectivityEngine& engine,
                                    const std::vector<float>& omni, const std::vector<float>& eight,
                                    int blockSize) {
  std::vector<float> output(omni.size(), -99.0f);
  for (std::size_t start = 0; start < omni.size(); start += blockSize) {
    const auto count =
        static_cast<std::int32_t>(std::min<std::size_t>(blockSize, omni.size() - start));
    const float* inputs[2] = {omni.data() + start, eight.data() + start};
    float* outputs[1] = {output.data() + start};
    engine.processBlock(inputs, 2, outputs, 1, count);
  }
  return output;
}

inline std::vector<float> noise(std::size_t length, std::uint32_t seed, float amplitude = 0.5f) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<float> uniform(-amplitude, amplitude);
  std::vector<float> signal(length);
  for (float& x : signal) x = uniform(random);
  return signal;
}

inline void setAllTypes(PlugIn_DirectivityEngine& engine, float type) {
  for (std::uint32_t id : {0u, 2u, 4u}) engine.updateParameter(id, type);
}
