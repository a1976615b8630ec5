#pragma once
// The real bundle of this test's build (LOBESHIFT_BUNDLE), its module loaded the way a
// Linux VST 2 host loads it, and the same bundle through our VST 3 host for the
// reference. Expected values come from the parameter table of the same build.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <numbers>
#include <vector>

#include "controller/class_ids.h"
#include "controller/parameters.h"
#include "host/plugin_instance.h"
#include "host/vst2_plugin.h"

namespace vst2_test {

constexpr double kSampleRate = 48000.0;
constexpr VstInt32 kBlock = 512;
constexpr int kLatency = 8192;
constexpr int kInputChannels = 2 * kPairCount;

inline std::string modulePath() { return host::vst2ModuleOfBundle(LOBESHIFT_BUNDLE); }

inline std::unique_ptr<host::Vst2Plugin> loadVst2(host::Vst2HostOptions options = {}) {
  auto loaded = host::Vst2Plugin::load(modulePath(), options);
  EXPECT_TRUE(loaded.ok()) << loaded.error();
  return loaded.ok() ? std::move(*loaded) : nullptr;
}

// Loaded and opened, as every host does first.
inline std::unique_ptr<host::Vst2Plugin> openVst2() {
  auto plugin = loadVst2();
  if (plugin) plugin->open();
  return plugin;
}

// Opened and running: sample rate, block size, mains on.
inline std::unique_ptr<host::Vst2Plugin> runningVst2() {
  auto plugin = openVst2();
  if (plugin) plugin->resume(kSampleRate, kBlock);
  return plugin;
}

inline std::unique_ptr<host::PluginInstance> openVst3() {
  auto module = host::Module::load(LOBESHIFT_BUNDLE);
  EXPECT_TRUE(module.ok()) << module.error();
  if (!module.ok()) return nullptr;
  auto plugin = host::PluginInstance::create(*module);
  EXPECT_TRUE(plugin.ok()) << plugin.error();
  return plugin.ok() ? std::move(*plugin) : nullptr;
}

// A different signal on every channel (sines of unrelated frequencies and levels), so
// that a lost or swapped channel shows in the result.
inline host::Vst2Channels distinctSignals(int channels, std::size_t length) {
  host::Vst2Channels signals(static_cast<std::size_t>(channels), std::vector<float>(length));
  for (int c = 0; c < channels; ++c) {
    const double frequency = 173.0 * (c + 1) + 31.0 * c * c;
    const double level = 0.5 / (c + 1);
    for (std::size_t i = 0; i < length; ++i)
      signals[c][i] = static_cast<float>(
          level * std::sin(2.0 * std::numbers::pi * frequency * i / kSampleRate));
  }
  return signals;
}

inline std::vector<char> bytesOf(const std::vector<float>& values) {
  std::vector<char> bytes(values.size() * sizeof(float));
  std::memcpy(bytes.data(), values.data(), bytes.size());
  return bytes;
}

inline std::vector<float> valuesOf(const std::vector<char>& bytes) {
  std::vector<float> values(bytes.size() / sizeof(float));
  std::memcpy(values.data(), bytes.data(), values.size() * sizeof(float));
  return values;
}

inline std::vector<float> parametersOf(host::Vst2Plugin& plugin) {
  std::vector<float> values;
  for (int index = 0; index < plugin.effect()->numParams; ++index)
    values.push_back(plugin.getParameter(index));
  return values;
}

inline std::vector<float> defaultParameters() {
  std::vector<float> values;
  for (ParameterId id = 0; id < kParameterCount; ++id)
    values.push_back(static_cast<float>(parameterNormalizedDefault(id)));
  return values;
}

// A figure-eight curve over the whole range, uneven gains, proximity compensation on:
// a setting in which every input channel counts.
inline std::vector<float> figureEightSetting() {
  std::vector<float> values = defaultParameters();
  values[kLowType] = values[kMidType] = values[kHighType] = 0.0f;
  values[kMidFrequency] = 0.25f;
  values[kProximityCompensation] = 1.0f;
  for (ParameterId id = kMicLOmniGain; id < kParameterCount; ++id)
    values[id] = 0.2f + 0.15f * static_cast<float>(id - kMicLOmniGain);
  return values;
}

}  // namespace vst2_test
